#include "logic/explain.h"

#include "logic/geometry.h"
#include "logic/solve_path.h"

#include <utility>

namespace quadrelle {

namespace {

void AppendCandidate(std::string &text, const logic::Candidate &c, std::string_view relation)
{
    text += logic::CellName(c.cell);
    text += relation;
    text += c.digit.Character();
}

} // namespace

void AppendTenths(std::string &text, int tenths)
{
    text += std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
}

void AppendStep(std::string &text, const logic::Step &step)
{
    std::string tail(1, ' ');
    tail += step.technique;
    tail += ' ';
    AppendTenths(tail, step.tenths);
    tail += '\n';
    if (step.eliminations.empty()) {
        for (const logic::Candidate &c : step.placements) {
            AppendCandidate(text, c, "=");
            text += tail;
        }
        return;
    }
    const char *separator = "";
    for (const logic::Candidate &c : step.placements) {
        text += std::exchange(separator, " ");
        AppendCandidate(text, c, "=");
    }
    for (const logic::Candidate &c : step.eliminations) {
        text += std::exchange(separator, " ");
        AppendCandidate(text, c, "<>");
    }
    text += tail;
}

std::string ScoreText(const Rating &rating)
{
    std::string text;
    AppendTenths(text, rating.tenths);
    return text + (rating.status == Rating::Status::LowerBound ? "+" : "");
}

std::string DescribePuzzle(const std::array<std::uint8_t, 81> &cells, ExplainDepth depth, RatingLimits limits)
{
    const logic::Keep keep = depth == ExplainDepth::AllSteps ? logic::Keep::All
        : depth == ExplainDepth::FirstStep                  ? logic::Keep::First
                                                            : logic::Keep::None;
    const logic::SolvePath path = logic::SolveLogically(cells, limits, keep);
    std::string text;
    for (const logic::Step &step : path.steps)
        AppendStep(text, step);
    if (depth == ExplainDepth::FirstStep && !text.empty()) {
        text.resize(text.find('\n') + 1);
        return text;
    }
    const Rating &rating = path.rating;
    text += "rated " + ScoreText(rating) + ' ' + std::string(rating.hardest.empty() ? "Givens" : rating.hardest) + ' ';
    for (const std::uint8_t digit : rating.solution)
        text += static_cast<char>('0' + digit);
    text += '\n';
    return text;
}

} // namespace quadrelle
