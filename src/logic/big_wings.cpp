#include "candidate_grid.h"
#include "geometry.h"
#include "techniques.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

// A pivot and wings that all see it: n cells holding only n digits between them. Each digit but
// one (z) has its places among them all in one another's sight, so holds at most one of the
// cells; without z they could not all be filled. So z is in one of them, and a cell seeing every
// z among them is not z.

namespace quadrelle::logic {

namespace {

struct Search {
    const CandidateGrid &grid;
    int size;
    Step &step;
    std::array<int, 6> cells {};
    std::vector<int> wings;

    int bestTenths = INT_MAX;
    std::vector<Candidate> best;

    // Wings whose biggest cell holds about half the digits are the hardest to see: the extremes
    // score the base, each step towards the middle a tenth more (the scale's own rule).
    int Tenths() const
    {
        if (size > 5)
            return step.tenths;
        int biggest = 0;
        for (int i = 0; i < size; ++i)
            biggest = std::max(biggest, CountOf(grid.Candidates(cells[i])));
        const int middle = (size + 2) / 2;
        return step.tenths + (size - middle) - std::abs(middle - biggest);
    }

    // The digit z, the only one with two places out of each other's sight. True when the search
    // may stop: nothing easier can follow.
    bool Eliminate(int loose)
    {
        Cells81 targets = grid.CellsOf(loose);
        for (int i = 0; i < size; ++i) {
            targets.Clear(cells[i]);
            if (grid.Has(cells[i], loose))
                targets &= Geo().peers[cells[i]];
        }
        const int tenths = Tenths();
        if (targets.Empty() || tenths >= bestTenths)
            return false;
        bestTenths = tenths;
        best.clear();
        targets.ForEach([&](int cell) {
            best.push_back({static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(loose)});
        });
        return tenths <= std::max(step.enough, step.tenths);
    }

    // loose: the digits with two places among the cells that do not see each other, which can
    // only grow as cells are added.
    bool Extend(std::size_t from, int depth, DigitMask digits, DigitMask loose)
    {
        if (depth == size)
            return CountOf(digits) == size && CountOf(loose) == 1 && Eliminate(std::countr_zero(loose));
        for (std::size_t i = from; i < wings.size(); ++i) {
            const int cell = wings[i];
            const DigitMask next = digits | grid.Candidates(cell);
            if (CountOf(next) > size)
                continue;
            DigitMask nextLoose = loose;
            for (int j = 1; j < depth; ++j)
                if (!Geo().peers[cells[j]].Has(cell))
                    nextLoose |= grid.Candidates(cells[j]) & grid.Candidates(cell);
            if (CountOf(nextLoose) > 1)
                continue;
            cells[depth] = cell;
            if (Extend(i + 1, depth + 1, next, nextLoose))
                return true;
        }
        return false;
    }
};

bool BigWing(const CandidateGrid &grid, int size, Step &step)
{
    Search search {grid, size, step, {}, {}, INT_MAX, {}};
    Cells81 small;
    grid.Open().ForEach([&](int cell) {
        if (CountOf(grid.Candidates(cell)) <= size)
            small.Set(cell);
    });
    bool done = false;
    small.ForEach([&](int pivot) {
        if (done)
            return;
        search.wings.clear();
        (Geo().peers[pivot] & small).ForEach([&](int cell) {
            if (CountOf(grid.Candidates(cell) | grid.Candidates(pivot)) <= size)
                search.wings.push_back(cell);
        });
        search.cells[0] = pivot;
        done = search.Extend(0, 1, grid.Candidates(pivot), 0);
    });
    if (search.best.empty())
        return false;
    step.tenths = search.bestTenths;
    step.eliminations = std::move(search.best);
    return true;
}

} // namespace

bool FindWxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 4, step); }
bool FindVwxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 5, step); }
bool FindUvwxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 6, step); }

} // namespace quadrelle::logic
