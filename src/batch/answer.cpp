#include "batch/answer.h"

#include "counter/solution_count.h"
#include "logic/explain.h"
#include "logic/geometry.h"
#include "logic/solve_path.h"
#include "solver/pipeline.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <utility>

namespace quadrelle {

namespace {

// Appends to an answer's fixed buffer, which every line fits.
class AnswerWriter {
public:
    enum Mode { Fresh, Append };
    explicit AnswerWriter(Answer &answer, Mode mode = Fresh) : answer_(answer)
    {
        if (mode == Fresh)
            answer_.length = 0;
    }

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

// placements: 0 for the solver, whose line says so; -1 for the other modes.
Answer Invalid(std::string_view prefix, std::string_view reason, std::int32_t placements = -1)
{
    Answer answer;
    answer.placements = placements;
    answer.verdict = Verdict::Invalid;
    answer.status = "invalid";
    answer.reason = reason;
    AnswerWriter(answer).Put(prefix).Put(reason).Put('\n');
    return answer;
}

void SetGrid(Answer &answer, std::size_t i, std::string_view digits)
{
    std::copy(digits.begin(), digits.end(), answer.grids[i].begin());
    answer.gridCount = static_cast<std::uint8_t>(i + 1);
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

std::array<std::uint8_t, CellCount> CellsOf(const PuzzleLine &line)
{
    std::array<std::uint8_t, CellCount> cells;
    for (std::size_t p = 0; p < cells.size(); ++p)
        cells[p] = static_cast<std::uint8_t>(line.givens[p]);
    return cells;
}

} // namespace

Answer SolveAnswer(const PuzzleLine &line, std::int32_t placementLimit)
{
    constexpr std::string_view InvalidPrefix = "invalid 0 ";
    if (line.kind == PuzzleLine::Kind::Invalid)
        return Invalid(InvalidPrefix, line.reason, 0);
    const std::optional<SolveResult> result = SolvePuzzle(line.givens, {}, placementLimit);
    if (!result)
        return Invalid(InvalidPrefix, "repeated-digit", 0);
    const Status status = StatusOf(result->outcome);
    Answer answer;
    answer.verdict = status.verdict;
    answer.status = status.name;
    answer.placements = result->placements;
    AnswerWriter(answer).Put(status.name).Put(' ').Put(result->placements).Put(' ').Put(result->grid).Put('\n');
    SetGrid(answer, 0, answer.Text().substr(answer.length - 1 - CellCount, CellCount));
    return answer;
}

Answer CountAnswer(const PuzzleLine &line)
{
    constexpr std::string_view InvalidPrefix = "invalid ";
    if (line.kind == PuzzleLine::Kind::Invalid)
        return Invalid(InvalidPrefix, line.reason);

    const SolutionCount count = CountSolutions(CellsOf(line));
    if (count.repeatedGiven)
        return Invalid(InvalidPrefix, "repeated-digit");
    const std::string_view first(count.first.data(), count.first.size());
    const std::string_view second(count.second.data(), count.second.size());

    Answer answer;
    AnswerWriter writer(answer);
    if (count.solutions == 0) {
        answer.verdict = Verdict::None;
        answer.status = "none";
        writer.Put("none");
    } else if (count.solutions == 1) {
        answer.verdict = Verdict::Unique;
        answer.status = "unique";
        writer.Put("unique ").Put(first);
        SetGrid(answer, 0, first);
    } else {
        answer.verdict = Verdict::Multiple;
        answer.status = "multiple";
        writer.Put("multiple ").Put(first).Put(' ').Put(second);
        SetGrid(answer, 0, first);
        SetGrid(answer, 1, second);
    }
    writer.Put('\n');
    return answer;
}

Answer RateAnswer(const PuzzleLine &line, RateDepth depth, const RatingLimits &limits)
{
    const logic::Keep keep = depth == RateDepth::AllSteps ? logic::Keep::All
        : depth == RateDepth::FirstStep                   ? logic::Keep::First
                                                          : logic::Keep::None;
    // The rater counts the solutions itself; only a puzzle it cannot rate is counted again, for
    // the count's verdict.
    const logic::SolvePath path = line.kind == PuzzleLine::Kind::Puzzle
        ? logic::SolveLogically(CellsOf(line), limits, keep)
        : logic::SolvePath {};
    Answer answer;
    if (path.rating.status == Rating::Status::NotUnique) {
        answer = CountAnswer(line);
    } else if (depth == RateDepth::FirstStep && !path.steps.empty()) {
        const logic::Step &step = path.steps.front();
        AppendStep(answer.steps, step);
        answer.steps.resize(answer.steps.find('\n') + 1);
        answer.verdict = Verdict::Unique;
        answer.status = "hint";
        answer.tenths = step.tenths;
        answer.technique = step.technique;
        answer.listsSteps = true;
    } else {
        const Rating &rating = path.rating;
        for (const logic::Step &step : path.steps)
            AppendStep(answer.steps, step);
        answer.verdict = Verdict::Unique;
        answer.status = "rated";
        answer.tenths = rating.tenths;
        answer.lowerBound = rating.status == Rating::Status::LowerBound;
        answer.technique = rating.hardest.empty() ? "Givens" : rating.hardest;
        answer.listsSteps = depth == RateDepth::AllSteps;
        std::string score;
        AppendTenths(score, rating.tenths);
        if (answer.lowerBound)
            score += '+';
        Answer::Digits solution;
        std::transform(rating.solution.begin(), rating.solution.end(), solution.begin(),
            [](std::uint8_t digit) { return static_cast<char>('0' + digit); });
        SetGrid(answer, 0, {solution.data(), solution.size()});
        AnswerWriter(answer).Put("rated ").Put(score).Put(' ').Put(answer.technique).Put(' ').Put(answer.GridText(0)).Put('\n');
    }
    // A blank line ends every puzzle's explanation, whatever its verdict.
    if (depth == RateDepth::AllSteps)
        AnswerWriter(answer, AnswerWriter::Append).Put('\n');
    return answer;
}

} // namespace quadrelle
