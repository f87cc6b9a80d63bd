#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

namespace quadrelle::logic {

namespace {

void EliminateAll(Cells81 cells, int digit, Step &step)
{
    cells.ForEach([&](int cell) {
        step.Eliminate(cell, digit);
    });
}

// A digit whose places in `within` all lie in `along` leaves the rest of `along`. The direct form
// counts only where that leaves the digit a single place in a unit of the same kind as `within`,
// which it then takes.
bool Locked(const CandidateGrid &grid, bool boxFirst, bool direct, Step &step)
{
    for (int digit = 0; digit < 9; ++digit) {
        for (int box = 18; box < 27; ++box) {
            const Cells81 inBox = Geo().unit[box] & grid.CellsOf(digit);
            if (inBox.Empty())
                continue;
            // The three rows, then the three columns, that cross the box.
            const int band = (box - 18) / 3 * 3, stack = (box - 18) % 3 * 3;
            for (const int line : {band, band + 1, band + 2, 9 + stack, 10 + stack, 11 + stack}) {
                const Cells81 cross = Geo().unit[box] & Geo().unit[line];
                const Cells81 within = Geo().unit[boxFirst ? box : line] & grid.CellsOf(digit);
                const Cells81 along = Geo().unit[boxFirst ? line : box] & grid.CellsOf(digit);
                if (within.Empty() || !((within & ~cross).Empty()))
                    continue;
                const Cells81 removed = along & ~cross;
                if (removed.Empty())
                    continue;
                EliminateAll(removed, digit, step);
                if (!direct || TakeRevealedSingle(grid, UnitsLike(boxFirst ? box : line), step))
                    return true;
                step.eliminations.clear();
            }
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
