#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

namespace quadrelle::logic {

namespace {

bool EliminateSeen(const CandidateGrid &grid, CellSet seen, Digit digit, Step &step)
{
    (seen & grid.CellsOf(digit)).ForEach([&](int cell) {
        step.Eliminate(Cell(cell), digit);
    });
    return !step.eliminations.empty();
}

// A pivot of {x,y} (XYZ: {x,y,z}) seeing pincers {x,z} and {y,z}: whichever the pivot is, a
// pincer is z, so a cell seeing both pincers (and the pivot, for XYZ) is not z.
bool Wing(const CandidateGrid &grid, int pivotSize, Step &step)
{
    bool found = false;
    grid.Open().ForEach([&](int pivot) {
        const DigitMask pivotMask = grid.Candidates(pivot);
        if (found || CountOf(pivotMask) != pivotSize)
            return;
        std::array<int, 20> pincers {};
        int count = 0;
        (Peers[pivot] & grid.Open()).ForEach([&](int cell) {
            const DigitMask m = grid.Candidates(cell);
            const bool fits = pivotSize == 2 ? CountOf(m & pivotMask) == 1 : (m & ~pivotMask) == 0;
            if (CountOf(m) == 2 && fits)
                pincers[count++] = cell;
        });
        for (int i = 0; i < count && !found; ++i) {
            for (int j = i + 1; j < count && !found; ++j) {
                const DigitMask a = grid.Candidates(pincers[i]), b = grid.Candidates(pincers[j]);
                const DigitMask common = a & b;
                if (CountOf(common) != 1)
                    continue;
                if (pivotSize == 2 && (common & pivotMask || CountOf(a | b | pivotMask) != 3))
                    continue;
                if (pivotSize == 3 && (a | b) != pivotMask)
                    continue;
                CellSet seen = Peers[pincers[i]] & Peers[pincers[j]];
                if (pivotSize == 3)
                    seen &= Peers[pivot];
                found = EliminateSeen(grid, seen, LowestDigit(common), step);
            }
        }
    });
    return found;
}

} // namespace

bool FindXYWing(const CandidateGrid &grid, Step &step) { return Wing(grid, 2, step); }
bool FindXYZWing(const CandidateGrid &grid, Step &step) { return Wing(grid, 3, step); }

} // namespace quadrelle::logic
