#include "logic/candidate_grid.h"
#include "logic/implications.h"
#include "logic/techniques.h"

// A chain inside a chain: under an assumption, every candidate that a dynamic chain of its own
// refutes is removed too, until the assumption contradicts itself.

namespace quadrelle::logic {

namespace {

// The proof's size when On(cell, digit) fails that way; 0 when it holds up.
int Refute(const CandidateGrid &grid, int cell, Digit digit, const Step &step)
{
    Implications outer(grid, ChainKind::DynamicPlus);
    outer.Run(On(cell, digit));
    if (outer.Contradiction())
        return outer.ContradictionSize();
    const CandidateGrid state = outer.State();
    Implications inner(state, ChainKind::DynamicPlus);
    int innerSize = 0;
    for (int other = 0; other < 81 && !step.Expired(); ++other) {
        for (DigitMask m = state.Candidates(other); m; m &= m - 1) {
            inner.Run(On(other, LowestDigit(m)));
            if (!inner.Contradiction())
                continue;
            innerSize += inner.ContradictionSize();
            outer.Assume(Off(other, LowestDigit(m)));
            if (outer.Contradiction())
                return outer.ContradictionSize() + innerSize;
        }
    }
    return 0;
}

} // namespace

bool FindNestedForcingChain(const CandidateGrid &grid, Step &step)
{
    int bestSize = 0;
    Candidate best {Cell(0), Digit {}};
    grid.Open().ForEach([&](int cell) {
        for (DigitMask m = grid.Candidates(cell); m && !step.Expired(); m &= m - 1) {
            const int size = Refute(grid, cell, LowestDigit(m), step);
            if (size > 0 && (bestSize == 0 || size < bestSize)) {
                bestSize = size;
                best = {Cell(cell), LowestDigit(m)};
            }
        }
    });
    if (bestSize == 0 || step.Expired())
        return false;
    step.tenths += LengthBonus(bestSize);
    step.eliminations.push_back(best);
    return true;
}

} // namespace quadrelle::logic
