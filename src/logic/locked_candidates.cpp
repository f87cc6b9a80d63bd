#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

namespace quadrelle::logic {

namespace {

void EliminateAll(CellSet cells, Digit digit, Step &step)
{
    cells.ForEach([&](int cell) {
        step.Eliminate(Cell(cell), digit);
    });
}

// A digit whose places in `within` all lie in `along` leaves the rest of `along`. The direct form
// counts only where that leaves the digit a single place in a unit of the same kind as `within`,
// which it then takes.
bool Locked(const CandidateGrid &grid, bool boxFirst, bool direct, Step &step)
{
    for (const Digit digit : EveryDigit) {
        for (const auto &[box, line, cross] : Crossings) {
            const CellSet within = UnitSets[boxFirst ? box : line] & grid.CellsOf(digit);
            const CellSet along = UnitSets[boxFirst ? line : box] & grid.CellsOf(digit);
            if (within.Empty() || !((within & ~cross).Empty()))
                continue;
            const CellSet removed = along & ~cross;
            if (removed.Empty())
                continue;
            EliminateAll(removed, digit, step);
            if (!direct || TakeRevealedSingle(grid, UnitsLike(boxFirst ? box : line), step))
                return true;
            step.eliminations.clear();
        }
    }
    return false;
}

} // namespace

bool FindPointing(const CandidateGrid &grid, Step &step) { return Locked(grid, true, false, step); }
bool FindClaiming(const CandidateGrid &grid, Step &step) { return Locked(grid, false, false, step); }
bool FindDirectPointing(const CandidateGrid &grid, Step &step) { return Locked(grid, true, true, step); }
bool FindDirectClaiming(const CandidateGrid &grid, Step &step) { return Locked(grid, false, true, step); }

} // namespace quadrelle::logic
