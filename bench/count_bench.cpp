// CPU time a puzzle for the solution counter on each collection, beside the exact engine's
// pipeline on the same puzzles. The counter takes a spread sample of up to 5,000 puzzles of a
// collection; the exact engine, much slower on hard puzzles, the first 200 of that sample.
// Where the build found the peer (tdoku, in ../shared/peers), its count to two runs on the same
// sample right after ours, library call against library call, as `peer/<collection>`.
//
//   count_bench [--benchmark_filter=...]      QUADRELLE_DATASETS overrides the collections folder
//   count_bench --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
//                                             ours and the peer's runs mixed, for a shared machine

#include "counter/solution_count.h"
#include "model/puzzle_line.h"
#include "solver/pipeline.h"

#include <benchmark/benchmark.h>

#if defined(QUADRELLE_PEER_TDOKU)
#include "tdoku.h"
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace quadrelle;

namespace {

// Every k-th puzzle of the collection so that at most `limit` are kept, spread over all of it.
// None, and the benchmark skipped, when it cannot be read.
std::vector<Grid> Sample(benchmark::State &state, const std::string &set, std::size_t limit)
{
    const char *env = std::getenv("QUADRELLE_DATASETS");
    const std::filesystem::path file
        = (env != nullptr && *env != '\0' ? std::filesystem::path(env) : std::filesystem::path(QUADRELLE_DATASETS))
        / (set + ".txt");
    std::ifstream in(file);
    std::vector<Grid> all;
    for (std::string line; std::getline(in, line);) {
        const PuzzleLine parsed = ParsePuzzleLine(line);
        if (parsed.kind == PuzzleLine::Kind::Puzzle)
            all.push_back(parsed.givens);
    }
    if (all.empty())
        state.SkipWithError(("cannot read " + file.string()).c_str());
    const std::size_t step = all.size() > limit ? (all.size() + limit - 1) / limit : 1;
    std::vector<Grid> sample;
    for (std::size_t i = 0; i < all.size(); i += step)
        sample.push_back(all[i]);
    return sample;
}

void Report(benchmark::State &state, std::size_t puzzles, std::array<long, 3> verdicts)
{
    const double solved = static_cast<double>(state.iterations()) * static_cast<double>(puzzles);
    // CPU seconds a puzzle, printed with its SI prefix (u: microseconds).
    state.counters["per_puzzle"]
        = benchmark::Counter(solved, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["puzzles"] = static_cast<double>(puzzles);
    state.counters["none"] = static_cast<double>(verdicts[0]);
    state.counters["unique"] = static_cast<double>(verdicts[1]);
    state.counters["multiple"] = static_cast<double>(verdicts[2]);
}

struct Counted {
    std::size_t solutions; // 0, 1 or 2
    long guesses;
};

// Counts each puzzle with `count`, which takes one and says what it found.
template <typename Puzzle, typename CountOne>
void CountAll(benchmark::State &state, const std::vector<Puzzle> &puzzles, CountOne count)
{
    if (puzzles.empty())
        return;
    std::array<long, 3> verdicts {};
    long guesses = 0;
    long most = 0;
    for (auto _ : state) {
        verdicts = {};
        guesses = 0;
        for (const Puzzle &puzzle : puzzles) {
            const Counted result = count(puzzle);
            ++verdicts[std::min<std::size_t>(result.solutions, 2)];
            guesses += result.guesses;
            most = std::max(most, result.guesses);
        }
    }
    Report(state, puzzles.size(), verdicts);
    // The search's work apart from the machine: guesses a puzzle, and the most any one took.
    state.counters["guesses"] = static_cast<double>(guesses) / static_cast<double>(puzzles.size());
    state.counters["most_guesses"] = static_cast<double>(most);
}

void Count(benchmark::State &state, const std::string &set)
{
    std::vector<std::array<std::uint8_t, 81>> puzzles;
    for (const Grid &grid : Sample(state, set, 5000))
        std::copy(grid.begin(), grid.end(), puzzles.emplace_back().begin());
    CountAll(state, puzzles, [](const std::array<std::uint8_t, 81> &cells) {
        const SolutionCount result = CountSolutions(cells);
        return Counted {static_cast<std::size_t>(result.solutions), result.guesses};
    });
}

#if defined(QUADRELLE_PEER_TDOKU)
void PeerCount(benchmark::State &state, const std::string &set)
{
    std::vector<std::string> puzzles;
    for (const Grid &grid : Sample(state, set, 5000)) {
        std::string &text = puzzles.emplace_back(grid.size(), '.');
        for (std::size_t p = 0; p < grid.size(); ++p)
            if (grid[p] != 0)
                text[p] = static_cast<char>('0' + grid[p]);
    }
    CountAll(state, puzzles, [](const std::string &text) {
        char solution[82] = {};
        std::size_t guesses = 0;
        const std::size_t solutions = TdokuSolverDpllTriadSimd(text.c_str(), 2, 0, solution, &guesses);
        return Counted {solutions, static_cast<long>(guesses)};
    });
}
#endif

void Exact(benchmark::State &state, const std::string &set)
{
    std::vector<Grid> grids = Sample(state, set, 5000);
    if (grids.empty())
        return;
    grids.resize(std::min<std::size_t>(grids.size(), 200));
    std::array<long, 3> verdicts {};
    for (auto _ : state) {
        verdicts = {};
        for (const Grid &grid : grids) {
            const auto result = SolvePuzzle(grid);
            ++verdicts[result && result->outcome == Outcome::Solved ? 1 : 0];
        }
    }
    Report(state, grids.size(), verdicts);
}

const char *const Collections[] = {"magictour_top1465", "forum_hardest_1106", "17_clue_49158",
    "forum_hardest_1905_11plus", "serg_benchmark_multisolution", "kaggle3m_radcliffe_sample7034"};

// Counted only: the exact engine gives up on some of them, and the rest add nothing to its figures.
const char *const CountedOnly[] = {"tdoku_test_puzzles", "cap_stress_7", "magictour_top95", "norvig_easy50",
    "norvig_hardest11", "plb_hard20", "sudoku_exchange_diabolical", "sudopedia_invalid7", "top50000"};

const bool Registered = [] {
    std::vector<const char *> counted(std::begin(Collections), std::end(Collections));
    counted.insert(counted.end(), std::begin(CountedOnly), std::end(CountedOnly));
    for (const char *set : counted) {
        benchmark::RegisterBenchmark((std::string("count/") + set).c_str(), Count, std::string(set))
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
#if defined(QUADRELLE_PEER_TDOKU)
        benchmark::RegisterBenchmark((std::string("peer/") + set).c_str(), PeerCount, std::string(set))
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
#endif
    }
    for (const char *set : Collections)
        benchmark::RegisterBenchmark((std::string("exact/") + set).c_str(), Exact, std::string(set))
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->Iterations(1);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
