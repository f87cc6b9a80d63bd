#include "reference_solver.h"

#include <bit>

namespace quadrelle::test {

namespace {

class Reference {
public:
    int value[81] = {};
    int rowGroup[81] = {}, colGroup[81] = {}, boxGroup[81] = {};
    int mask[27] = {};
    int digitBit[9] = {};

    int searchCount = 0;
    bool stopSearch = false;
    bool gaveUp = false;
    int currentCell = 0;
    int lowCell = 0;
    int highCell = 80;
    int chosenMask = 0;
    int placementLimit = 999999;

    Reference()
    {
        for (int g = 0; g < 27; ++g)
            mask[g] = 1022;
        for (int p = 0; p < 81; ++p) {
            rowGroup[p] = p / 9;
            colGroup[p] = p % 9 + 9;
            boxGroup[p] = 3 * (rowGroup[p] / 3) + (colGroup[p] - 9) / 3 + 18;
        }
        for (int d = 1; d <= 9; ++d)
            digitBit[d - 1] = 1 << d;
    }

    void SetValue(int p, int n)
    {
        if (value[p] != 0) {
            mask[rowGroup[p]] |= 1 << value[p];
            mask[colGroup[p]] |= 1 << value[p];
            mask[boxGroup[p]] |= 1 << value[p];
        }
        value[p] = n;
        if (n != 0) {
            mask[rowGroup[p]] &= ~(1 << n);
            mask[colGroup[p]] &= ~(1 << n);
            mask[boxGroup[p]] &= ~(1 << n);
        }
    }

    bool IsFree(int p, int d) const
    {
        const int bit = 1 << d;
        return (mask[rowGroup[p]] & bit) && (mask[colGroup[p]] & bit) && (mask[boxGroup[p]] & bit);
    }

    int CandidateMask(int p) const { return mask[colGroup[p]] & mask[rowGroup[p]] & mask[boxGroup[p]]; }

    static int CandidateCount(int m) { return std::popcount(static_cast<unsigned>(m)); }

    bool PropagateSingles()
    {
        int i = 0;
        while (i <= 80) {
            if (value[i] == 0) {
                const int m = CandidateMask(i);
                if (m == 0)
                    return false;
                int single = 0;
                for (int d = 1; d <= 9; ++d)
                    if (m == (1 << d))
                        single = d;
                if (single != 0) {
                    SetValue(i, single);
                    i = 0;
                    continue;
                }
            }
            i = i + 1;
        }
        return true;
    }

    int PickNextCell()
    {
        int best = 10;
        if (value[currentCell] == 0) {
            const int m = CandidateMask(currentCell);
            best = CandidateCount(m);
            chosenMask = m;
        }
        int first = 81, last = -1;
        for (int q = lowCell; q <= highCell; ++q) {
            if (value[q] != 0)
                continue;
            if (q < first)
                first = q;
            last = q;
            if (best == 0)
                continue;
            const int m = CandidateMask(q);
            const int k = CandidateCount(m);
            if (k < best) {
                best = k;
                currentCell = q;
                chosenMask = m;
            }
        }
        lowCell = first;
        highCell = last;
        stopSearch = last == -1;
        return currentCell;
    }

    void TryCell(int p)
    {
        const int m = chosenMask;
        if (stopSearch || m == 0)
            return;
        for (int d = 1; d <= 9; ++d) {
            if ((m & digitBit[d - 1]) == 0)
                continue;
            SetValue(p, d);
            searchCount = searchCount + 1;
            if (searchCount >= placementLimit) {
                stopSearch = true;
                gaveUp = true;
            } else {
                TryCell(PickNextCell());
            }
            if (stopSearch)
                break;
        }
        if (stopSearch)
            return;
        SetValue(p, 0);
        if (p < lowCell)
            lowCell = p;
        else if (p > highCell)
            highCell = p;
    }

    Grid Digits() const
    {
        Grid grid {};
        for (int p = 0; p < 81; ++p)
            grid[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(value[p]);
        return grid;
    }
};

} // namespace

ReferenceRun ReferenceSolve(const Grid &givens, std::int32_t placementLimit)
{
    Reference reference;
    reference.placementLimit = placementLimit;
    Reference *ref = &reference;
    ReferenceRun run;
    for (int p = 0; p < 81; ++p) {
        const int d = givens[static_cast<std::size_t>(p)];
        if (d == 0)
            continue;
        if (!ref->IsFree(p, d)) {
            run.validGivens = false;
            return run;
        }
        ref->SetValue(p, d);
    }
    run.propagationAlive = ref->PropagateSingles();
    run.afterPropagation = ref->Digits();
    if (run.propagationAlive) {
        run.searched = true;
        ref->TryCell(ref->PickNextCell());
    }
    run.searchCount = ref->searchCount;
    run.stopSearch = ref->stopSearch;
    run.gaveUp = ref->gaveUp;
    run.currentCell = ref->currentCell;
    run.lowCell = ref->lowCell;
    run.highCell = ref->highCell;
    run.chosenMask = ref->chosenMask;
    run.final = ref->Digits();
    return run;
}

} // namespace quadrelle::test
