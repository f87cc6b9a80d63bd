#include "logic/solve_path.h"

#include "counter/solution_count.h"
#include "logic/candidate_grid.h"
#include "logic/ladder.h"
#include "logic/work.h"

namespace quadrelle::logic {

namespace {

// The first rung that finds a step gives it, as the scale's reference takes its techniques in
// order, even where a later one would score less. Within a rung, the easiest step, or any step no
// harder than the rating so far: it leaves the rating as it is and saves the search.
bool FirstStep(
    const CandidateGrid &grid, std::span<const Rung> ladder, int enough, Budget budget, Step &found, int &reached)
{
    for (const Rung &rung : ladder) {
        if (budget.Spent())
            return false;
        reached = rung.tenths;
        Step step {rung.name, rung.tenths, {}, {}, enough, budget};
        if (rung.find(grid, step)) {
            found = std::move(step);
            return true;
        }
    }
    return false;
}

// The top rung found nothing either: one cell is settled from the solution, so that the
// rating still ends, as a lower bound.
Step Settle(const CandidateGrid &grid, std::span<const Rung> ladder, const Rating &rating)
{
    const int cell = grid.Open().Lowest();
    return Step {TopRung, ladder.back().tenths,
        {{Cell(cell), Digit(rating.solution[cell])}}, {}, 0, {}};
}

} // namespace

void Apply(const Step &step, CandidateGrid &grid)
{
    for (const Candidate &c : step.placements)
        if (grid.IsOpen(c.cell.Index()))
            grid.Place(c.cell.Index(), c.digit);
    for (const Candidate &c : step.eliminations)
        grid.Eliminate(c.cell.Index(), c.digit);
}

SolvePath SolveLogically(const std::array<std::uint8_t, 81> &cells, RatingLimits limits, Keep keep)
{
    SolvePath path;
    Rating &rating = path.rating;
    const SolutionCount count = CountSolutions(cells);
    std::optional<CandidateGrid> grid = CandidateGrid::FromGivens(cells);
    if (count.solutions != 1 || !grid)
        return path;
    for (int cell = 0; cell < 81; ++cell)
        rating.solution[cell] = static_cast<std::uint8_t>(count.first[cell] - '0');
    rating.status = Rating::Status::Rated;

    const std::span<const Rung> ladder = Ladder(limits.scale);
    workDone = 0;
    const Budget budget {limits.effort, limits.stop};
    while (!grid->Solved()) {
        if (budget.Spent()) {
            rating.status = Rating::Status::LowerBound;
            rating.hardest = TopRung;
            break;
        }
        Step step;
        int reached = 0;
        if (!FirstStep(*grid, ladder, rating.tenths, budget, step, reached)) {
            // Out of work: every rung below the one searched found nothing, so the step needs
            // at least that one.
            if (budget.Spent()) {
                rating.tenths = std::max(rating.tenths, reached);
                continue;
            }
            step = Settle(*grid, ladder, rating);
            rating.status = Rating::Status::LowerBound;
        }
        Apply(step, *grid);
        if (step.tenths > rating.tenths || rating.hardest.empty()) {
            rating.tenths = std::max(rating.tenths, step.tenths);
            rating.hardest = step.technique;
        }
        if (keep == Keep::All || (keep == Keep::First && path.steps.empty()))
            path.steps.push_back(std::move(step));
        if (keep == Keep::First)
            break;
    }
    rating.work = workDone;
    return path;
}

} // namespace quadrelle::logic

namespace quadrelle {

Rating RatePuzzle(const std::array<std::uint8_t, 81> &cells, RatingLimits limits)
{
    return logic::SolveLogically(cells, limits, logic::Keep::None).rating;
}

} // namespace quadrelle
