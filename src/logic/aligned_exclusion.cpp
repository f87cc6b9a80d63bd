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

    bool Excluded(const std::array<int, size> &digits) const
    {
        DigitMask chosen = 0;
        for (int i = 0; i < size; ++i) {
            for (int j = 0; j < i; ++j)
                if (digits[i] == digits[j] && Geo().peers[cells[i]].Has(cells[j]))
                    return true;
            chosen |= BitOf(digits[i]);
        }
        for (const DigitMask m : excluders)
            if ((m & ~chosen) == 0)
                return true;
        return false;
    }

    void Choose(int at, std::array<int, size> &digits)
    {
        if (at == size) {
            if (!Excluded(digits))
                for (int i = 0; i < size; ++i)
                    kept[i] |= BitOf(digits[i]);
            return;
        }
        for (DigitMask m = grid.Candidates(cells[at]); m; m &= m - 1) {
            digits[at] = std::countr_zero(m);
            Choose(at + 1, digits);
        }
    }

    bool Eliminate(Step &step)
    {
        Cells81 common = grid.Open();
        for (int i = 0; i < size; ++i)
            common &= Geo().peers[cells[i]];
        excluders.clear();
        common.ForEach([&](int cell) {
            if (CountOf(grid.Candidates(cell)) <= size)
                excluders.push_back(grid.Candidates(cell));
        });
        if (excluders.empty())
            return false;
        kept = {};
        std::array<int, size> digits {};
        Choose(0, digits);
        for (int i = 0; i < size; ++i)
            step.EliminateEach(cells[i], grid.Candidates(cells[i]) & ~kept[i]);
        return !step.eliminations.empty();
    }
};

// Pairs of cells that share a unit; triples of cells anywhere.
template <int size> bool AlignedExclusion(const CandidateGrid &grid, Step &step)
{
    std::vector<int> open;
    grid.Open().ForEach([&](int cell) {
        if (CountOf(grid.Candidates(cell)) >= 2)
            open.push_back(cell);
    });
    Aligned<size> aligned {grid, {}, {}, {}};
    const int n = static_cast<int>(open.size());
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            const Cells81 seeTwo = Geo().peers[open[a]] & Geo().peers[open[b]] & grid.Open();
            if (seeTwo.Empty())
                continue;
            if constexpr (size == 2) {
                aligned.cells = {open[a], open[b]};
                if (Geo().peers[open[a]].Has(open[b]) && aligned.Eliminate(step))
                    return true;
            } else {
                for (int c = b + 1; c < n; ++c) {
                    if ((seeTwo & Geo().peers[open[c]]).Empty())
                        continue;
                    aligned.cells = {open[a], open[b], open[c]};
                    if (aligned.Eliminate(step))
                        return true;
                }
            }
        }
    return false;
}

} // namespace

bool FindAlignedPairExclusion(const CandidateGrid &grid, Step &step) { return AlignedExclusion<2>(grid, step); }

bool FindAlignedTripleExclusion(const CandidateGrid &grid, Step &step) { return AlignedExclusion<3>(grid, step); }

} // namespace quadrelle::logic
