// `import quadrelle`: the engine's libraries as Python functions. A thin layer: every answer is
// the batch tool's, made by its functions, and the bulk calls run on its ordered ring.

#include "batch/answer.h"
#include "cli/command_line.h"
#include "cli/generate_options.h"
#include "cli/generate_run.h"
#include "formats/puzzle_reader.h"
#include "generate/random.h"
#include "generate/rating_filter.h"
#include "logic/solve_path.h"
#include "python/bulk.h"
#include "python/puzzle_arg.h"
#include "python/results.h"
#include "solver/search.h"
#include "version.h"

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>
#include <sstream>
#include <thread>

namespace py = pybind11;
using namespace py::literals;

namespace quadrelle::python {

namespace {

RatingLimits LimitsOf(const std::string &scale)
{
    const std::optional<Scale> named = ScaleNamed(scale);
    if (!named)
        throw py::value_error("scale is 'se' or 'sukaku', not '" + scale + "'");
    RatingLimits limits;
    limits.scale = *named;
    return limits;
}

// The answer of a valid puzzle, made without the interpreter's lock.
template <typename Answering> Answer AnswerOne(py::handle puzzle, Answering answering)
{
    const PuzzleLine line = PuzzleOf(puzzle);
    Answer answer;
    {
        py::gil_scoped_release release;
        answer = answering(line);
    }
    if (answer.verdict == Verdict::Invalid)
        RaiseInvalid(answer, line);
    return answer;
}

Answer SolveOf(const PuzzleLine &line)
{
    return SolveAnswer(line, Search::DefaultPlacementLimit);
}

std::vector<ExplainedStep> Explain(py::handle puzzle, const std::string &scale)
{
    const RatingLimits limits = LimitsOf(scale);
    const PuzzleLine line = PuzzleOf(puzzle);
    std::array<std::uint8_t, 81> cells {};
    std::copy(line.givens.begin(), line.givens.end(), cells.begin());
    logic::SolvePath path;
    {
        py::gil_scoped_release release;
        path = logic::SolveLogically(cells, limits, logic::Keep::All);
    }
    if (path.rating.status == Rating::Status::NotUnique) {
        const Answer counted = CountAnswer(line);
        if (counted.verdict == Verdict::Invalid)
            RaiseInvalid(counted, line);
        throw py::value_error(std::string(counted.status) + ": only a puzzle with one solution is explained");
    }
    std::vector<ExplainedStep> steps;
    for (const logic::Step &step : path.steps)
        steps.push_back(ExplainedOf(step));
    return steps;
}

// "3.0-4.5" or a pair of numbers, as --rating takes it.
std::string RatingRangeText(py::handle rating)
{
    if (py::isinstance<py::str>(rating))
        return rating.cast<std::string>();
    std::pair<double, double> pair;
    try {
        pair = rating.cast<std::pair<double, double>>();
    } catch (const py::cast_error &) {
        throw py::type_error("rating is a range such as '3.0-4.5' or (3.0, 4.5)");
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.1f-%.1f", pair.first, pair.second);
    return text;
}

// Throws ValueError with the batch tool's words, the option named as the argument is.
GenerateRequest RequestOf(std::optional<std::uint64_t> seed, std::optional<std::string> symmetry, py::handle rating,
    bool minimal)
{
    GenerateRequest request;
    try {
        if (symmetry)
            ApplyGenerateOption("--symmetry", symmetry->c_str(), request);
        if (!rating.is_none()) {
            const std::string range = RatingRangeText(rating);
            ApplyGenerateOption("--rating", range.c_str(), request);
            CheckRatingRange(*request.rating);
        }
    } catch (const UsageError &error) {
        std::string message = error.what();
        if (message.starts_with("--"))
            message.erase(0, 2);
        throw py::value_error(message);
    }
    request.seed = seed;
    request.options.minimal = minimal;
    return request;
}

std::vector<std::string> Generate(std::int64_t count, std::optional<std::uint64_t> seed,
    std::optional<std::string> symmetry, py::handle rating, bool minimal, std::optional<unsigned> jobs)
{
    if (count < 0)
        throw py::value_error("n is a count of puzzles, not " + std::to_string(count));
    const GenerateRequest request = RequestOf(seed, symmetry, rating, minimal);
    GenerateRun run;
    run.count = static_cast<std::uint64_t>(count);
    run.seed = request.seed ? *request.seed : generate::FreshSeed();
    run.options = request.options;
    if (request.rating)
        run.keep = generate::RatingFilter(*request.rating);
    run.jobs = jobs.value_or(std::max(std::thread::hardware_concurrency(), 1u));
    std::atomic<bool> stop {false};
    run.stop = &stop;
    run.stopRequested = [&stop] { return stop.load(std::memory_order_relaxed); };
    std::ostringstream out, messages;
    bool interrupted = false;
    {
        py::gil_scoped_release release;
        std::future<GenerateCounts> made
            = std::async(std::launch::async, [&] { return RunGenerate(run, out, messages); });
        // A rare rating can keep the generator busy for long: Ctrl+C, which Python sees only on
        // its own thread, is looked for meanwhile.
        while (made.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            py::gil_scoped_acquire acquire;
            if (!interrupted && PyErr_CheckSignals() != 0) {
                interrupted = true;
                stop = true;
            }
        }
        made.get();
    }
    if (interrupted)
        throw py::error_already_set();
    std::vector<std::string> puzzles;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        puzzles.push_back(line);
    return puzzles;
}

// A path (os.PathLike, or a str naming a file) or the text itself (str or bytes).
std::vector<FoundPuzzle> Read(py::handle source)
{
    const py::module_ os = py::module_::import("os");
    ReaderOptions options;
    py::object text;
    const bool isPath = py::isinstance(source, os.attr("PathLike"))
        || (py::isinstance<py::str>(source) && !source.contains("\n") && !source.contains("\r")
            && os.attr("path").attr("isfile")(source).cast<bool>());
    if (isPath) {
        const py::object path = os.attr("fspath")(source);
        options.hint = HintFromName(py::str(path).cast<std::string>());
        text = py::module_::import("builtins").attr("open")(path, "rb").attr("read")();
    } else if (py::isinstance<py::str>(source)) {
        text = source.attr("encode")("utf-8", "surrogateescape");
    } else if (py::isinstance<py::bytes>(source)) {
        text = py::reinterpret_borrow<py::object>(source);
    } else {
        throw py::type_error("read takes a path, or the text as str or bytes");
    }
    const std::string bytes = text.cast<std::string>();
    std::vector<FoundPuzzle> found;
    for (const ReadPuzzle &read : ReadPuzzles(bytes, options))
        found.push_back(FoundOf(read));
    return found;
}

template <typename T> std::string ReprOf(const char *name, const T &result)
{
    return std::string("<quadrelle.") + name + " " + result.line + ">";
}

void BindResults(py::module_ &m)
{
    py::class_<Counted>(m, "Count", "How many solutions a puzzle has, up to two, as `count` finds them.")
        .def_readonly("verdict", &Counted::verdict, "'unique', 'multiple' or 'none'.")
        .def_readonly("solution", &Counted::solution, "81 digits, or None when there is no solution.")
        .def_readonly("second_solution", &Counted::secondSolution, "Another solution when there are several.")
        .def("__str__", [](const Counted &c) { return c.line; }, "The line `quadrelle-solve --count` writes.")
        .def("__repr__", [](const Counted &c) { return ReprOf("Count", c); });
    py::class_<Solved>(m, "Solution", "The exact search's answer, within the window's placement budget.")
        .def_readonly("status", &Solved::status, "'solved', 'unsolvable' or 'gave-up'.")
        .def_readonly("placements", &Solved::placements, "Trial placements the search made.")
        .def_readonly("grid", &Solved::grid, "81 digits: the solution, or how far the search got.")
        .def("__str__", [](const Solved &s) { return s.line; }, "The line `quadrelle-solve` writes.")
        .def("__repr__", [](const Solved &s) { return ReprOf("Solution", s); });
    py::class_<Rated>(m, "Rating", "How hard a puzzle is for a person, on a published scale.")
        .def_readonly("verdict", &Rated::verdict, "'unique', or 'multiple' or 'none' for a puzzle not rated.")
        .def_readonly("score", &Rated::score, "The rating such as 7.2; None unless the verdict is 'unique'.")
        .def_readonly("lower_bound", &Rated::lowerBound, "The score is only a lower bound.")
        .def_readonly("technique", &Rated::technique, "The hardest technique needed.")
        .def_readonly("solution", &Rated::solution, "81 digits when the verdict is 'unique'.")
        .def("__str__", [](const Rated &r) { return r.line; }, "The line `quadrelle-solve --rate` writes.")
        .def("__repr__", [](const Rated &r) { return ReprOf("Rating", r); });
    py::class_<ExplainedStep>(m, "Step", "One move of a person solving the puzzle.")
        .def_readonly("technique", &ExplainedStep::technique)
        .def_readonly("score", &ExplainedStep::score, "The technique's rating.")
        .def_readonly("placements", &ExplainedStep::placements, "(row, column, digit) triples, each 1-9.")
        .def_readonly("eliminations", &ExplainedStep::eliminations, "(row, column, digit) triples, each 1-9.")
        .def_readonly("text", &ExplainedStep::text, "The step as people write it, such as r4c7=3.")
        .def("__str__", [](const ExplainedStep &s) { return s.text; })
        .def("__repr__", [](const ExplainedStep &s) {
            std::string oneLine = s.text;
            std::replace(oneLine.begin(), oneLine.end(), '\n', ';');
            return "<quadrelle.Step " + oneLine + ">";
        });
    py::class_<FoundPuzzle>(m, "FoundPuzzle", "A puzzle of a file, or a place in it where one is malformed.")
        .def_readonly("puzzle", &FoundPuzzle::puzzle, "81 digits, 0 for empty; None where the file is at fault.")
        .def_readonly("line", &FoundPuzzle::line, "1-based line of the puzzle's first cell, or of the fault.")
        .def_readonly("column", &FoundPuzzle::column, "1-based column, in bytes.")
        .def_readonly("error", &FoundPuzzle::error, "What is wrong, as quadrelle-solve says it; None when nothing is.")
        .def_readonly("label", &FoundPuzzle::label, "A title right above a grid, such as 'Grid 01'.")
        .def("__repr__", [](const FoundPuzzle &f) {
            return "<quadrelle.FoundPuzzle " + std::to_string(f.line) + ":" + std::to_string(f.column) + " "
                + (f.puzzle ? *f.puzzle : *f.error) + ">";
        });
}

void BindSingle(py::module_ &m)
{
    m.def("count", [](py::handle p) { return CountedOf(AnswerOne(p, CountAnswer)); }, "puzzle"_a,
        "count(puzzle) -> Count\n\nHow many solutions the puzzle has, up to two. A puzzle is a str or bytes of 81\n"
        "cells ('1'-'9', '0' or '.' for empty, then optionally a separator and anything), or\n"
        "81 integers 0-9. Raises ValueError with the reason (bad-length, bad-character,\n"
        "repeated-digit) and where it lies.");
    m.def("solve", [](py::handle p) { return SolvedOf(AnswerOne(p, SolveOf)); }, "puzzle"_a,
        "solve(puzzle) -> Solution\n\nThe exact search within the placement budget, as the window and quadrelle-solve\n"
        "solve. Raises ValueError for a malformed puzzle.");
    m.def("rate",
        [](py::handle p, const std::string &scale) {
            const RatingLimits limits = LimitsOf(scale);
            return RatedOf(AnswerOne(p, [&](const PuzzleLine &l) { return RateAnswer(l, RateDepth::Rating, limits); }));
        },
        "puzzle"_a, "scale"_a = "se",
        "rate(puzzle, scale='se') -> Rating\n\nThe rating on Sudoku Explainer's scale ('se') or Sukaku Explainer's\n"
        "('sukaku'), as quadrelle-solve --rate gives it. Raises ValueError for a malformed puzzle.");
    m.def("explain", &Explain, "puzzle"_a, "scale"_a = "se",
        "explain(puzzle, scale='se') -> list[Step]\n\nThe steps a person takes, easiest first, as quadrelle-solve\n"
        "--explain lists them. Raises ValueError for a malformed puzzle or one without exactly one\nsolution.");
    m.def("generate", &Generate, "n"_a, "seed"_a = py::none(), "symmetry"_a = py::none(), "rating"_a = py::none(),
        "minimal"_a = true, "jobs"_a = py::none(),
        "generate(n, seed=None, symmetry=None, rating=None, minimal=True, jobs=None) -> list[str]\n\n"
        "n new puzzles with one solution each: the same puzzles for the same seed as\n"
        "quadrelle-solve --generate. symmetry: 'none', 'central', 'diagonal' or 'mirror'. rating:\n"
        "'3.0-4.5' or (3.0, 4.5), only puzzles rated so. minimal=False stops taking givens away\n"
        "at the first that must stay.");
    m.def("read", &Read, "source"_a,
        "read(source) -> list[FoundPuzzle]\n\nThe puzzles of a file in any form quadrelle-solve reads (lines, grids,\n"
        "OpenSudoku XML, CSV), with their line and column. source: a path (os.PathLike, or a str\n"
        "naming a file), or the text itself as str or bytes.");
}

void BindBulk(py::module_ &m)
{
    const auto bulkDoc = [](const char *name, const char *one) {
        return std::string(name) + "\n\nThe same as " + one
            + " for each puzzle of an iterable (a list, a generator, a NumPy\narray of shape (n, 81) of integers), "
              "on `jobs` threads (default: one per core)\nwith the interpreter's lock released; the results in "
              "input order. Raises\nValueError naming the index of the first bad puzzle.";
    };
    static const std::string countDoc = bulkDoc("count_many(puzzles, jobs=None) -> list[Count]", "count");
    static const std::string solveDoc = bulkDoc("solve_many(puzzles, jobs=None) -> list[Solution]", "solve");
    static const std::string rateDoc = bulkDoc("rate_many(puzzles, scale='se', jobs=None) -> list[Rating]", "rate");
    m.def("count_many",
        [](py::handle puzzles, std::optional<unsigned> jobs) {
            return AnswerMany(puzzles, jobs, CountAnswer, [](const Answer &a) { return py::cast(CountedOf(a)); });
        },
        "puzzles"_a, "jobs"_a = py::none(), countDoc.c_str());
    m.def("solve_many",
        [](py::handle puzzles, std::optional<unsigned> jobs) {
            return AnswerMany(puzzles, jobs, SolveOf, [](const Answer &a) { return py::cast(SolvedOf(a)); });
        },
        "puzzles"_a, "jobs"_a = py::none(), solveDoc.c_str());
    m.def("rate_many",
        [](py::handle puzzles, const std::string &scale, std::optional<unsigned> jobs) {
            const RatingLimits limits = LimitsOf(scale);
            return AnswerMany(puzzles, jobs,
                [limits](const PuzzleLine &l) { return RateAnswer(l, RateDepth::Rating, limits); },
                [](const Answer &a) { return py::cast(RatedOf(a)); });
        },
        "puzzles"_a, "scale"_a = "se", "jobs"_a = py::none(), rateDoc.c_str());
}

} // namespace

} // namespace quadrelle::python

PYBIND11_MODULE(quadrelle, m)
{
    m.doc() = "Quadrelle's Sudoku engine: count, solve, rate, explain and generate puzzles.\n\n"
              "The same engine as the quadrelle-solve command, with the same answers. The *_many\n"
              "calls take any iterable of puzzles and use every core.\n\n"
              "    >>> import quadrelle\n"
              "    >>> quadrelle.count('53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79').verdict\n"
              "    'unique'";
    // Each docstring starts with the signature in Python's words; pybind11's own names C++ types.
    py::options options;
    options.disable_function_signatures();
    m.attr("__version__") = quadrelle::Version;
    quadrelle::python::BindResults(m);
    quadrelle::python::BindSingle(m);
    quadrelle::python::BindBulk(m);
}
