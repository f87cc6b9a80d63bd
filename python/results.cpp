#include "python/results.h"

#include "logic/explain.h"

#include <cassert>

namespace quadrelle::python {

namespace {

std::string LineOf(const Answer &answer)
{
    std::string_view text = answer.Text();
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    return std::string(text);
}

std::optional<std::string> GridOf(const Answer &answer, std::size_t i)
{
    if (i >= answer.gridCount)
        return std::nullopt;
    return std::string(answer.GridText(i));
}

CellDigit CellDigitOf(const logic::Candidate &candidate)
{
    return {RowOf(candidate.cell) + 1, ColumnOf(candidate.cell) + 1, candidate.digit.Value()};
}

std::vector<CellDigit> CellDigitsOf(const std::vector<logic::Candidate> &candidates)
{
    std::vector<CellDigit> triples;
    triples.reserve(candidates.size());
    for (const logic::Candidate &candidate : candidates)
        triples.push_back(CellDigitOf(candidate));
    return triples;
}

} // namespace

Counted CountedOf(const Answer &answer)
{
    assert(answer.verdict != Verdict::Invalid);
    return {std::string(answer.status), GridOf(answer, 0), GridOf(answer, 1), LineOf(answer)};
}

Solved SolvedOf(const Answer &answer)
{
    assert(answer.verdict != Verdict::Invalid);
    return {std::string(answer.status), answer.placements, std::string(answer.GridText(0)), LineOf(answer)};
}

Rated RatedOf(const Answer &answer)
{
    assert(answer.verdict != Verdict::Invalid);
    Rated rated;
    rated.line = LineOf(answer);
    if (answer.tenths < 0) {
        rated.verdict = std::string(answer.status);
        return rated;
    }
    rated.verdict = "unique";
    rated.score = answer.tenths / 10.0;
    rated.lowerBound = answer.lowerBound;
    rated.technique = std::string(answer.technique);
    rated.solution = GridOf(answer, 0);
    return rated;
}

ExplainedStep ExplainedOf(const logic::Step &step)
{
    ExplainedStep explained {std::string(step.technique), step.tenths / 10.0, CellDigitsOf(step.placements),
        CellDigitsOf(step.eliminations), {}};
    AppendStep(explained.text, step);
    while (!explained.text.empty() && explained.text.back() == '\n')
        explained.text.pop_back();
    return explained;
}

FoundPuzzle FoundOf(const ReadPuzzle &read)
{
    FoundPuzzle found;
    found.line = read.position.line;
    found.column = read.position.column;
    found.label = read.label;
    if (read.puzzle.kind == PuzzleLine::Kind::Puzzle) {
        std::string digits;
        for (const std::int8_t cell : read.puzzle.givens)
            digits += static_cast<char>('0' + cell);
        found.puzzle = std::move(digits);
        return found;
    }
    std::string error(read.puzzle.reason);
    if (read.Malformed())
        error += ": " + FaultText(read.fault);
    found.error = std::move(error);
    return found;
}

} // namespace quadrelle::python
