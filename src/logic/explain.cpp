#include "logic/explain.h"

#include "logic/geometry.h"
#include "logic/solve_path.h"

#include <utility>

namespace quadrelle {

namespace {

std::string Tenths(int tenths) { return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10); }

void AppendCandidate(std::string &text, const logic::Candidate &c, std::string_view relation)
{
    text += logic::CellName(c.cell);
    text += relation;
    text += static_cast<char>('1' + c.digit);
}

// Each placement of a step of singles is a move of its own; the other steps are one line.
void AppendStep(std::string &text, const logic::Step &step)
{
    const std::string tail = ' ' + std::string(step.technique) + ' ' + Tenths(step.tenths) + '\n';
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

} // namespace

std::string ScoreText(const Rating &rating)
{
    return Tenths(rating.tenths) + (rating.status == Rating::Status::LowerBound ? "+" : "");
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
