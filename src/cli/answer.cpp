#include "cli/answer.h"

#include "counter/solution_count.h"
#include "logic/explain.h"
#include "solver/pipeline.h"

#include <charconv>
#include <cstring>
#include <optional>

namespace quadrelle {

namespace {

// Appends to an answer's fixed buffer, which every line fits.
class AnswerWriter {
public:
    explicit AnswerWriter(Answer &answer) : answer_(answer) { answer_.length = 0; }

    AnswerWriter &Put(char c)
    {
        answer_.text[answer_.length++] = c;
        return *this;
    }
    AnswerWriter &Put(std::string_view text)
    {
        std::memcpy(answer_.text.data() + answer_.length, text.data(), text.size());
        answer_.length = static_cast<std::uint8_t>(answer_.length + text.size());
        return *this;
    }
    AnswerWriter &Put(std::int32_t number)
    {
        char digits[12];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, number);
        return Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
    AnswerWriter &Put(const Grid &grid)
    {
        char *text = answer_.text.data() + answer_.length;
        for (std::size_t p = 0; p < grid.size(); ++p)
            text[p] = static_cast<char>('0' + grid[p]);
        answer_.length = static_cast<std::uint8_t>(answer_.length + grid.size());
        return *this;
    }

private:
    Answer &answer_;
};

Answer Invalid(std::string_view prefix, std::string_view reason)
{
    Answer answer;
    answer.verdict = Verdict::Invalid;
    AnswerWriter(answer).Put(prefix).Put(reason).Put('\n');
    return answer;
}

struct Status {
    std::string_view name;
    Verdict verdict;
};

Status StatusOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Solved:
        return {"solved", Verdict::Solved};
    case Outcome::GaveUp:
        return {"gave-up", Verdict::GaveUp};
    case Outcome::NoSolution:
        break;
    }
    return {"unsolvable", Verdict::Unsolvable};
}

} // namespace

Answer SolveAnswer(const PuzzleLine &line, std::int32_t placementLimit)
{
    constexpr std::string_view InvalidPrefix = "invalid 0 ";
    if (line.kind == PuzzleLine::Kind::Invalid)
        return Invalid(InvalidPrefix, line.reason);
    const std::optional<SolveResult> result = SolvePuzzle(line.givens, {}, placementLimit);
    if (!result)
        return Invalid(InvalidPrefix, "repeated-digit");
    const Status status = StatusOf(result->outcome);
    Answer answer;
    answer.verdict = status.verdict;
    AnswerWriter(answer).Put(status.name).Put(' ').Put(result->placements).Put(' ').Put(result->grid).Put('\n');
    return answer;
}

Answer CountAnswer(const PuzzleLine &line)
{
    constexpr std::string_view InvalidPrefix = "invalid ";
    if (line.kind == PuzzleLine::Kind::Invalid)
        return Invalid(InvalidPrefix, line.reason);

    std::array<std::uint8_t, CellCount> cells;
    for (std::size_t p = 0; p < cells.size(); ++p)
        cells[p] = static_cast<std::uint8_t>(line.givens[p]);
    const SolutionCount count = CountSolutions(cells);
    if (count.repeatedGiven)
        return Invalid(InvalidPrefix, "repeated-digit");
    const std::string_view first(count.first.data(), count.first.size());
    const std::string_view second(count.second.data(), count.second.size());

    Answer answer;
    AnswerWriter writer(answer);
    if (count.solutions == 0) {
        answer.verdict = Verdict::None;
        writer.Put("none");
    } else if (count.solutions == 1) {
        answer.verdict = Verdict::Unique;
        writer.Put("unique ").Put(first);
    } else {
        answer.verdict = Verdict::Multiple;
        writer.Put("multiple ").Put(first).Put(' ').Put(second);
    }
    writer.Put('\n');
    return answer;
}

Answer RateAnswer(const PuzzleLine &line, RateDepth depth, const RatingLimits &limits)
{
    Answer answer = CountAnswer(line);
    if (answer.verdict != Verdict::Unique)
        return answer;
    std::array<std::uint8_t, CellCount> cells;
    for (std::size_t p = 0; p < cells.size(); ++p)
        cells[p] = static_cast<std::uint8_t>(line.givens[p]);
    const ExplainDepth explain = depth == RateDepth::AllSteps ? ExplainDepth::AllSteps
        : depth == RateDepth::FirstStep                      ? ExplainDepth::FirstStep
                                                             : ExplainDepth::Rating;
    answer.lines = DescribePuzzle(cells, explain, limits);
    if (depth == RateDepth::AllSteps)
        answer.lines += '\n';
    return answer;
}

} // namespace quadrelle
