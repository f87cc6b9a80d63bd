#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

#include <vector>

// A loop of bivalue cells, each seeing the next and sharing a digit with it: going round, the
// cells hold one digit each or the other each, so of two neighbours one holds their shared digit
// either way, and a cell seeing both is not that digit.

namespace quadrelle::logic {

namespace {

// The scale counts a loop of n cells as 2n nodes, less two.
int LoopTenths(int base, int cells) { return base + LengthBonus(2 * cells - 2); }

struct LoopSearch {
    const CandidateGrid &grid;
    Cells81 bivalue;
    int length = 0;
    std::array<int, 16> cells {};
    // links[i] joins cells[i] and cells[i + 1], the last back to the first.
    std::array<int, 16> links {};
    Cells81 used;

    int Other(int cell, int digit) const
    {
        return std::countr_zero(static_cast<DigitMask>(grid.Candidates(cell) & ~BitOf(digit)));
    }

    bool Eliminate(Step &step) const
    {
        for (int i = 0; i < length; ++i) {
            const int a = cells[i], b = cells[(i + 1) % length];
            (Geo().peers[a] & Geo().peers[b] & grid.CellsOf(links[i]) & ~used).ForEach([&](int cell) {
                step.Eliminate(cell, links[i]);
            });
        }
        return !step.eliminations.empty();
    }

    // cells[0] is the loop's lowest cell, so each loop is met from one start only (in both
    // directions); closing needs the first cell's other digit.
    bool Extend(int depth, int exit, Step &step)
    {
        AddWork(1);
        if (step.Expired())
            return false;
        const int at = cells[depth - 1];
        if (depth == length) {
            if (exit != Other(cells[0], links[0]) || !Geo().peers[at].Has(cells[0]))
                return false;
            links[depth - 1] = exit;
            return Eliminate(step);
        }
        bool found = false;
        (Geo().peers[at] & bivalue & grid.CellsOf(exit) & ~used).ForEach([&](int next) {
            if (found || next < cells[0])
                return;
            links[depth - 1] = exit;
            cells[depth] = next;
            used.Set(next);
            found = Extend(depth + 1, Other(next, exit), step);
            used.Clear(next);
        });
        return found;
    }
};

} // namespace

bool FindYCycle(const CandidateGrid &grid, Step &step)
{
    LoopSearch search {grid, {}, 0, {}, {}, {}};
    grid.Open().ForEach([&](int cell) {
        if (CountOf(grid.Candidates(cell)) == 2)
            search.bivalue.Set(cell);
    });
    // Shortest first: the score grows with the loop.
    constexpr int Longest = 13;
    for (int length = 4; length <= Longest && !step.Expired(); ++length) {
        search.length = length;
        bool found = false;
        search.bivalue.ForEach([&](int start) {
            for (DigitMask m = grid.Candidates(start); m && !found; m &= m - 1) {
                search.cells[0] = start;
                search.links[0] = std::countr_zero(m);
                search.used = Cells81::Of(start);
                found = search.Extend(1, search.links[0], step);
            }
        });
        if (found) {
            step.tenths = LoopTenths(step.tenths, length);
            return true;
        }
    }
    return false;
}

} // namespace quadrelle::logic
