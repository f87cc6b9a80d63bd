#include "logic/candidate_grid.h"
#include "model/bits.h"
#include "logic/combinations.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

namespace quadrelle::logic {

namespace {

// n cells of a unit holding only n digits between them: those digits leave the unit's other cells.
bool NakedSubset(const CandidateGrid &grid, int size, Step &step)
{
    for (int unit = 0; unit < UnitCount; ++unit) {
        std::array<DigitMask, 9> masks {};
        std::array<int, 9> cells {};
        int count = 0;
        for (const int cell : UnitCells(unit)) {
            const int n = CountOf(grid.Candidates(cell));
            if (n >= 2 && n <= size) {
                masks[count] = grid.Candidates(cell);
                cells[count++] = cell;
            }
        }
        const bool found = ForEachTightSet(masks, count, size, [](DigitMask m) { return CountOf(m); },
            [&](const std::array<int, 4> &picked, DigitMask digits) {
                CellSet inside;
                for (int i = 0; i < size; ++i)
                    inside.Set(cells[picked[i]]);
                for (const int cell : UnitCells(unit)) {
                    if (inside.Has(cell))
                        continue;
                    step.EliminateEach(Cell(cell), grid.Candidates(cell) & digits);
                }
                return !step.eliminations.empty();
            });
        if (found)
            return true;
    }
    return false;
}

// n digits of a unit confined to n cells: those cells hold no other digit. The direct form counts
// only where that leaves a digit taken away a single place in the unit, which it then takes.
bool HiddenSubset(const CandidateGrid &grid, int size, bool direct, Step &step)
{
    for (int unit = 0; unit < UnitCount; ++unit) {
        // Each digit's places as positions along the unit: cheaper to join and count than cell sets.
        const auto &unitCells = UnitCells(unit);
        std::array<std::uint16_t, 9> spots {};
        std::array<Digit, 9> digits {};
        int count = 0;
        for (const Digit digit : EveryDigit) {
            const std::uint16_t places = grid.PlacesIn(unit, digit);
            const int n = SmallBitCount(places);
            if (n >= 2 && n <= size) {
                spots[count] = places;
                digits[count++] = digit;
            }
        }
        const bool found = ForEachTightSet(spots, count, size, [](std::uint16_t p) { return SmallBitCount(p); },
            [&](const std::array<int, 4> &picked, std::uint16_t positions) {
                DigitMask kept = 0;
                for (int i = 0; i < size; ++i)
                    kept |= BitOf(digits[picked[i]]);
                for (int i = 0; i < 9; ++i)
                    if (positions >> i & 1)
                        step.EliminateEach(Cell(unitCells[i]), grid.Candidates(unitCells[i]) & ~kept);
                if (!step.eliminations.empty() && (!direct || TakeRevealedSingle(grid, UnitBit(unit), step)))
                    return true;
                step.eliminations.clear();
                return false;
            });
        if (found)
            return true;
    }
    return false;
}

} // namespace

bool FindNakedPair(const CandidateGrid &grid, Step &step) { return NakedSubset(grid, 2, step); }
bool FindNakedTriple(const CandidateGrid &grid, Step &step) { return NakedSubset(grid, 3, step); }
bool FindNakedQuad(const CandidateGrid &grid, Step &step) { return NakedSubset(grid, 4, step); }
bool FindHiddenPair(const CandidateGrid &grid, Step &step) { return HiddenSubset(grid, 2, false, step); }
bool FindHiddenTriple(const CandidateGrid &grid, Step &step) { return HiddenSubset(grid, 3, false, step); }
bool FindHiddenQuad(const CandidateGrid &grid, Step &step) { return HiddenSubset(grid, 4, false, step); }
bool FindDirectHiddenPair(const CandidateGrid &grid, Step &step) { return HiddenSubset(grid, 2, true, step); }
bool FindDirectHiddenTriple(const CandidateGrid &grid, Step &step) { return HiddenSubset(grid, 3, true, step); }

} // namespace quadrelle::logic
