#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

// Singles are taken all at once: every one found is true in the grid as it stands, and a rating
// is the hardest step, so taking them together changes no score and saves passes.

namespace quadrelle::logic {

namespace {

bool HiddenSinglesIn(const CandidateGrid &grid, int firstUnit, int lastUnit, Step &step)
{
    Cells81 placed;
    for (int unit = firstUnit; unit <= lastUnit; ++unit) {
        for (int digit = 0; digit < 9; ++digit) {
            const Cells81 spots = grid.CellsOf(digit) & Geo().unit[unit];
            if (spots.Count() != 1 || placed.Has(spots.First()))
                continue;
            placed.Set(spots.First());
            step.placements.push_back({static_cast<std::uint8_t>(spots.First()), static_cast<std::uint8_t>(digit)});
        }
    }
    return !step.placements.empty();
}

} // namespace

bool FindHiddenSingleBox(const CandidateGrid &grid, Step &step) { return HiddenSinglesIn(grid, 18, 26, step); }

bool FindHiddenSingleLine(const CandidateGrid &grid, Step &step) { return HiddenSinglesIn(grid, 0, 17, step); }

bool FindNakedSingle(const CandidateGrid &grid, Step &step)
{
    grid.Open().ForEach([&](int cell) {
        if (CountOf(grid.Candidates(cell)) == 1)
            step.placements.push_back(
                {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(std::countr_zero(grid.Candidates(cell)))});
    });
    return !step.placements.empty();
}

bool TakeRevealedSingle(const CandidateGrid &grid, std::uint32_t units, Step &step)
{
    std::array<Cells81, 9> gone {};
    for (const Candidate &c : step.eliminations)
        gone[c.digit].Set(c.cell);
    for (const Candidate &c : step.eliminations)
        for (const int unit : Geo().unitsOf[c.cell]) {
            if (!(units >> unit & 1))
                continue;
            const Cells81 left = grid.CellsOf(c.digit) & ~gone[c.digit] & Geo().unit[unit];
            if (left.Count() == 1) {
                step.placements.assign(1, {static_cast<std::uint8_t>(left.First()), c.digit});
                step.eliminations.clear();
                return true;
            }
        }
    return false;
}

} // namespace quadrelle::logic
