#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

#include <bit>

// Singles are taken all at once: every one found is true in the grid as it stands, and a rating
// is the hardest step, so taking them together changes no score and saves passes.

namespace quadrelle::logic {

namespace {

bool HiddenSinglesIn(const CandidateGrid &grid, int firstUnit, int lastUnit, Step &step)
{
    CellSet placed;
    for (int unit = firstUnit; unit <= lastUnit; ++unit) {
        for (const Digit digit : EveryDigit) {
            const std::uint16_t places = grid.PlacesIn(unit, digit);
            if (SmallBitCount(places) != 1)
                continue;
            const int cell = UnitCells(unit)[std::countr_zero(places)];
            if (placed.Has(cell))
                continue;
            placed.Set(cell);
            step.placements.emplace_back(Cell(cell), digit);
        }
    }
    return !step.placements.empty();
}

} // namespace

bool FindHiddenSingleBox(const CandidateGrid &grid, Step &step) { return HiddenSinglesIn(grid, BoxUnit(0), BoxUnit(8), step); }

bool FindHiddenSingleLine(const CandidateGrid &grid, Step &step) { return HiddenSinglesIn(grid, RowUnit(0), ColumnUnit(8), step); }

bool FindNakedSingle(const CandidateGrid &grid, Step &step)
{
    grid.Open().ForEach([&](int cell) {
        if (CountOf(grid.Candidates(cell)) == 1)
            step.placements.emplace_back(Cell(cell), LowestDigit(grid.Candidates(cell)));
    });
    return !step.placements.empty();
}

bool TakeRevealedSingle(const CandidateGrid &grid, std::uint32_t units, Step &step)
{
    std::array<CellSet, 9> gone {};
    for (const Candidate &c : step.eliminations)
        gone[c.digit.Index()].Set(c.cell.Index());
    for (const Candidate &c : step.eliminations)
        for (const int unit : UnitsOf(c.cell)) {
            if (!(units >> unit & 1))
                continue;
            const CellSet left = grid.CellsOf(c.digit) & ~gone[c.digit.Index()] & UnitSets[unit];
            if (left.HoldsExactly(1)) {
                step.placements.assign(1, {Cell(left.Lowest()), c.digit});
                step.eliminations.clear();
                return true;
            }
        }
    return false;
}

} // namespace quadrelle::logic
