#include "answer.h"

#include "solver/pipeline.h"

#include <charconv>
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
        for (const char c : text)
            Put(c);
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
        for (const std::int8_t digit : grid)
            Put(static_cast<char>('0' + digit));
        return *this;
    }

private:
    Answer &answer_;
};

Answer Invalid(std::string_view reason)
{
    Answer answer;
    answer.verdict = Verdict::Invalid;
    AnswerWriter(answer).Put("invalid 0 ").Put(reason).Put('\n');
    return answer;
}

std::string_view StatusName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Solved:
        return "solved";
    case Verdict::GaveUp:
        return "gave-up";
    case Verdict::Unsolvable:
        return "unsolvable";
    case Verdict::Invalid:
        break;
    }
    return "invalid";
}

Verdict VerdictOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Solved:
        return Verdict::Solved;
    case Outcome::GaveUp:
        return Verdict::GaveUp;
    case Outcome::NoSolution:
        break;
    }
    return Verdict::Unsolvable;
}

} // namespace

Answer SolveAnswer(const PuzzleLine &line)
{
    if (line.kind == PuzzleLine::Kind::Invalid)
        return Invalid(line.reason);
    const std::optional<SolveResult> result = SolvePuzzle(line.givens);
    if (!result)
        return Invalid("repeated-digit");
    Answer answer;
    answer.verdict = VerdictOf(result->outcome);
    AnswerWriter(answer)
        .Put(StatusName(answer.verdict))
        .Put(' ')
        .Put(result->placements)
        .Put(' ')
        .Put(result->grid)
        .Put('\n');
    return answer;
}

} // namespace quadrelle
