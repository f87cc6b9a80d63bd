#include "logic/shown_step.h"

#include "logic/candidate_grid.h"
#include "logic/ladder.h"
#include "logic/solve_path.h"
#include "logic/work.h"

#include <string_view>

namespace quadrelle::logic {

namespace {

std::array<std::uint8_t, 81> DigitsOf(const CandidateGrid &grid)
{
    std::array<std::uint8_t, 81> digits {};
    for (int cell = 0; cell < 81; ++cell)
        digits[cell] = static_cast<std::uint8_t>(grid.IsOpen(cell) ? 0 : grid.Value(cell).Value());
    return digits;
}

ShownStep Shown(const CandidateGrid &grid, Step step)
{
    const StepFocus focus = FocusOf(grid, step);
    return ShownStep {std::move(step), focus, DigitsOf(grid)};
}

// A step of singles is a move a placement, as the notation writes it.
std::vector<Step> Moves(Step step)
{
    if (!step.eliminations.empty() || step.placements.size() < 2)
        return {std::move(step)};
    std::vector<Step> moves;
    for (const Candidate &c : step.placements) {
        Step move {step.technique, step.tenths, {c}, {}, step.enough, step.budget};
        moves.push_back(std::move(move));
    }
    return moves;
}

} // namespace

std::optional<ShownStep> NextStep(
    const std::array<std::uint8_t, 81> &cells, std::span<const Candidate> removed, RatingLimits limits)
{
    std::optional<CandidateGrid> grid = CandidateGrid::FromGivens(cells);
    if (!grid || grid->Solved())
        return std::nullopt;
    for (const Candidate &c : removed)
        if (grid->IsOpen(c.cell.Index()))
            grid->Eliminate(c.cell.Index(), c.digit);
    workDone = 0;
    const Budget budget {limits.effort, limits.stop};
    for (const Rung &rung : Ladder(limits.scale)) {
        if (budget.Spent())
            return std::nullopt;
        Step step {rung.name, rung.tenths, {}, {}, 0, budget};
        if (rung.find(*grid, step))
            return Shown(*grid, std::move(Moves(std::move(step)).front()));
    }
    return std::nullopt;
}

std::vector<ShownStep> StepsToSolve(const std::array<std::uint8_t, 81> &cells, RatingLimits limits)
{
    SolvePath path = SolveLogically(cells, limits, Keep::All);
    std::optional<CandidateGrid> grid = CandidateGrid::FromGivens(cells);
    std::vector<ShownStep> shown;
    if (!grid || path.rating.status == Rating::Status::NotUnique)
        return shown;
    for (Step &step : path.steps) {
        for (Step &move : Moves(std::move(step))) {
            ShownStep next = Shown(*grid, std::move(move));
            Apply(next.step, *grid);
            shown.push_back(std::move(next));
        }
    }
    return shown;
}

} // namespace quadrelle::logic
