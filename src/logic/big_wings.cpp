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

    bool Try(DigitMask digits)
    {
        int loose = -1;
        for (DigitMask m = digits; m; m &= m - 1) {
            const int digit = std::countr_zero(m);
            Cells81 places;
            for (int i = 0; i < size; ++i)
                if (grid.Has(cells[i], digit))
                    places.Set(cells[i]);
            bool seen = true;
            places.ForEach([&](int cell) {
                Cells81 others = places;
                others.Clear(cell);
                seen = seen && (Geo().peers[cell] & others) == others;
            });
            if (!seen) {
                if (loose >= 0)
                    return false;
                loose = digit;
            }
        }
        if (loose < 0)
            return false;
        Cells81 targets = grid.CellsOf(loose);
        for (int i = 0; i < size; ++i) {
            targets.Clear(cells[i]);
            if (grid.Has(cells[i], loose))
                targets &= Geo().peers[cells[i]];
        }
        targets.ForEach([&](int cell) {
            step.eliminations.push_back({static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(loose)});
        });
        return !step.eliminations.empty();
    }

    bool Extend(std::size_t from, int depth, DigitMask digits)
    {
        if (depth == size)
            return CountOf(digits) == size && Try(digits);
        for (std::size_t i = from; i < wings.size(); ++i) {
            const DigitMask next = digits | grid.Candidates(wings[i]);
            if (CountOf(next) > size)
                continue;
            cells[depth] = wings[i];
            if (Extend(i + 1, depth + 1, next))
                return true;
        }
        return false;
    }
};

bool BigWing(const CandidateGrid &grid, int size, Step &step)
{
    Search search {grid, size, step, {}, {}};
    bool found = false;
    grid.Open().ForEach([&](int pivot) {
        if (found || CountOf(grid.Candidates(pivot)) > size)
            return;
        search.wings.clear();
        (Geo().peers[pivot] & grid.Open()).ForEach([&](int cell) {
            if (CountOf(grid.Candidates(cell)) <= size && CountOf(grid.Candidates(cell) | grid.Candidates(pivot)) <= size)
                search.wings.push_back(cell);
        });
        search.cells[0] = pivot;
        found = search.Extend(0, 1, grid.Candidates(pivot));
    });
    return found;
}

} // namespace

bool FindWxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 4, step); }
bool FindVwxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 5, step); }
bool FindUvwxyzWing(const CandidateGrid &grid, Step &step) { return BigWing(grid, 6, step); }

} // namespace quadrelle::logic
