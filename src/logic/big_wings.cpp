#include "candidate_grid.h"
#include "geometry.h"
#include "techniques.h"

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

    // The digit z, the only one with two places out of each other's sight.
    bool Eliminate(int loose)
    {
        Cells81 targets = grid.CellsOf(loose);
        for (int i = 0; i < size; ++i) {
            targets.Clear(cells[i]);
            if (grid.Has(cells[i], loose))
                targets &= Geo().peers[cells[i]];
        }
        targets.ForEach([&](int cell) { step.Eliminate(cell, loose); });
        return !step.eliminations.empty();
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
    Search search {grid, size, step, {}, {}};
    Cells81 small;
    grid.Open().ForEach([&](int cell) {
        if (CountOf(grid.Candidates(cell)) <= size)
            small.Set(cell);
    });
    bool found = false;
    small.ForEach([&](int pivot) {
        if (found)
            return;
        search.wings.clear();
        (Geo().peers[pivot] & small).ForEach([&](int cell) {
            if (CountOf(grid.Candidates(cell) | grid.Candidates(pivot)) <= size)
                search.wings.push_back(cell);
        });
        search.cells[0] = pivot;
        found = search.Extend(0, 1, grid.Candidates(pivot), 0);
    });
    return found;
}

} // namespace

bool FindWxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 4, step); }
bool FindVwxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 5, step); }
bool FindUvwxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 6, step); }

} // namespace quadrelle::logic
