#include "logic/candidate_grid.h"
#include "logic/combinations.h"
#include "logic/geometry.h"
#include "logic/techniques.h"
#include "model/bits.h"

namespace quadrelle::logic {

namespace {

// A digit's places in n rows lying in n columns: the digit leaves those columns' other rows
// (and the same with rows and columns swapped).
bool Fish(const CandidateGrid &grid, int size, Step &step)
{
    for (const Digit digit : EveryDigit) {
        for (const int base : {0, 9}) {
            const int cover = 9 - base;
            std::array<std::uint16_t, 9> lines {};
            std::array<int, 9> units {};
            int count = 0;
            for (int unit = base; unit < base + 9; ++unit) {
                // Along a row a place is its column, along a column its row.
                const std::uint16_t across = grid.PlacesIn(unit, digit);
                if (SmallBitCount(across) >= 2 && SmallBitCount(across) <= size) {
                    lines[count] = across;
                    units[count++] = unit;
                }
            }
            const bool found = ForEachTightSet(lines, count, size, [](std::uint16_t m) { return SmallBitCount(m); },
                [&](const std::array<int, 4> &picked, std::uint16_t across) {
                    CellSet baseCells, coverCells;
                    for (int i = 0; i < size; ++i)
                        baseCells |= UnitSets[units[picked[i]]];
                    for (std::uint16_t m = across; m; m &= m - 1)
                        coverCells |= UnitSets[cover + std::countr_zero(m)];
                    (coverCells & grid.CellsOf(digit) & ~baseCells).ForEach([&](int cell) {
                        step.Eliminate(Cell(cell), digit);
                    });
                    return !step.eliminations.empty();
                });
            if (found)
                return true;
        }
    }
    return false;
}

} // namespace

bool FindXWing(const CandidateGrid &grid, Step &step) { return Fish(grid, 2, step); }
bool FindSwordfish(const CandidateGrid &grid, Step &step) { return Fish(grid, 3, step); }
bool FindJellyfish(const CandidateGrid &grid, Step &step) { return Fish(grid, 4, step); }

} // namespace quadrelle::logic
