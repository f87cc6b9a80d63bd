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

// A digit whose places in `within` all lie in `along` leaves the rest of `along`.
bool Locked(const CandidateGrid &grid, bool boxFirst, Step &step)
{
    for (int digit = 0; digit < 9; ++digit) {
        for (int box = 18; box < 27; ++box) {
            for (int line = 0; line < 18; ++line) {
                const Cells81 cross = Geo().unit[box] & Geo().unit[line];
                if (cross.Empty())
                    continue;
                const Cells81 within = Geo().unit[boxFirst ? box : line] & grid.CellsOf(digit);
                const Cells81 along = Geo().unit[boxFirst ? line : box] & grid.CellsOf(digit);
                if (within.Empty() || !((within & ~cross).Empty()))
                    continue;
                const Cells81 removed = along & ~cross;
                if (removed.Empty())
                    continue;
                EliminateAll(removed, digit, step);
                return true;
            }
        }
    }
    return false;
}

} // namespace

bool FindPointing(const CandidateGrid &grid, Step &step) { return Locked(grid, true, step); }

bool FindClaiming(const CandidateGrid &grid, Step &step) { return Locked(grid, false, step); }

} // namespace quadrelle::logic
