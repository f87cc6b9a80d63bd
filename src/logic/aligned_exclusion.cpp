#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

#include <vector>

// Two or three cells and the digits they might take together: a choice that gives two of them
// that see each other the same digit, or that takes every candidate of a cell seeing all of them,
// cannot be. A candidate of one of them that is in no possible choice goes.

namespace quadrelle::logic {

namespace {

template <int size> struct Aligned {
    const CandidateGrid &grid;
    std::array<int, size> cells {};
    // The cells that see every chosen cell and hold no more digits than the choice has.
    std::vector<DigitMask> excluders;
    // Digits of each chosen cell that some possible choice gives it.
    std::array<DigitMask, size> kept {};

    // Once every candidate is in some possible choice, there is nothing to remove.
    bool AllKept() const
    {
        for (int i = 0; i < size; ++i)
            if (kept[i] != grid.Candidates(cells[i]))
                return false;
        return true;
    }

    // Digits chosen for all cells but the last: which digits the last may still take, all at once.
    void Choose(int at, std::array<Digit, size> &digits, DigitMask chosen)
    {
        if (at < size - 1) {
            for (DigitMask m = grid.Candidates(cells[at]); m && !AllKept(); m &= m - 1) {
                const Digit digit = LowestDigit(m);
                bool clash = false;
                for (int j = 0; j < at; ++j)
                    clash = clash || (digits[j] == digit && Peers[cells[at]].Has(cells[j]));
                if (clash)
                    continue;
                digits[at] = digit;
                Choose(at + 1, digits, chosen | BitOf(digit));
            }
            return;
        }
        const int last = cells[size - 1];
        DigitMask open = grid.Candidates(last);
        for (int j = 0; j < size - 1; ++j)
            if (Peers[last].Has(cells[j]))
                open &= ~BitOf(digits[j]);
        for (const DigitMask m : excluders) {
            const DigitMask rest = m & ~chosen;
            if (rest == 0)
                return;
            if (CountOf(rest) == 1)
                open &= ~rest;
        }
        if (open == 0)
            return;
        for (int j = 0; j < size - 1; ++j)
            kept[j] |= BitOf(digits[j]);
        kept[size - 1] |= open;
    }

    // common: the small cells that see every chosen one.
    bool Eliminate(CellSet common, Step &step)
    {
        DigitMask offered = 0;
        for (int i = 0; i < size; ++i)
            offered |= grid.Candidates(cells[i]);
        // An excluder with a digit no chosen cell has never applies.
        excluders.clear();
        common.ForEach([&](int cell) {
            if ((grid.Candidates(cell) & ~offered) == 0)
                excluders.push_back(grid.Candidates(cell));
        });
        if (excluders.empty())
            return false;
        kept = {};
        std::array<Digit, size> digits {};
        Choose(0, digits, 0);
        for (int i = 0; i < size; ++i)
            step.EliminateEach(Cell(cells[i]), grid.Candidates(cells[i]) & ~kept[i]);
        return !step.eliminations.empty();
    }
};

// Pairs of cells that share a unit; triples of cells anywhere.
template <int size> bool AlignedExclusion(const CandidateGrid &grid, Step &step)
{
    std::vector<int> open;
    // Only a cell with no more candidates than the choice has digits can rule a choice out.
    CellSet small;
    grid.Open().ForEach([&](int cell) {
        open.push_back(cell);
        if (CountOf(grid.Candidates(cell)) <= size)
            small.Set(cell);
    });
    Aligned<size> aligned {grid, {}, {}, {}};
    const int n = static_cast<int>(open.size());
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            const CellSet seeTwo = Peers[open[a]] & Peers[open[b]] & small;
            if (seeTwo.Empty())
                continue;
            if constexpr (size == 2) {
                aligned.cells = {open[a], open[b]};
                if (Peers[open[a]].Has(open[b]) && aligned.Eliminate(seeTwo, step))
                    return true;
            } else {
                for (int c = b + 1; c < n; ++c) {
                    const CellSet seeThree = seeTwo & Peers[open[c]];
                    if (seeThree.Empty())
                        continue;
                    aligned.cells = {open[a], open[b], open[c]};
                    if (aligned.Eliminate(seeThree, step))
                        return true;
                }
            }
        }
    return false;
}

} // namespace

bool FindAlignedPairExclusion(const CandidateGrid &grid, Step &step)
{
    return AlignedExclusion<2>(grid, step);
}

bool FindAlignedTripleExclusion(const CandidateGrid &grid, Step &step)
{
    return AlignedExclusion<3>(grid, step);
}

} // namespace quadrelle::logic
