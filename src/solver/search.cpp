#include "solver/search.h"

#include "solver/bitboard_search.h"

#include <stdexcept>
#include <utility>

namespace quadrelle {

Search::Search(Board &board, EventHook hook, std::int32_t placementLimit)
    : board_(board), hook_(std::move(hook)), placementLimit_(placementLimit)
{
    if (placementLimit < 1)
        throw std::invalid_argument("placement limit must be at least 1");
}

int Search::PickNextCell()
{
    SearchState &s = state_;
    int best = 10;
    const cCell &previous = board_.CellAt(s.CurrentCell);
    if (previous.Value() == 0) {
        s.ChosenMask = previous.CandidateMask();
        best = CountOf(s.ChosenMask);
    }

    const GroupArray &groups = board_.AllGroups();
    int first = CellCount;
    int last = -1;
    for (int q = s.LowCell; q <= s.HighCell; ++q) {
        const cCell &cell = board_.CellAt(q);
        if (cell.Value() != 0)
            continue;
        if (first == CellCount)
            first = q;
        last = q;
        if (best == 0)
            continue;
        // A full count gives the same choice as counting only up to best: only k < best matters.
        const std::int32_t m = cell.CandidateMaskIn(groups);
        const int k = CountOf(m);
        if (k < best) {
            best = k;
            s.CurrentCell = q;
            s.ChosenMask = m;
        }
    }

    s.LowCell = first;
    s.HighCell = last;
    s.StopSearch = last == -1;
    return s.CurrentCell;
}

void Search::TryCell(int p)
{
    if (state_.StopSearch || state_.ChosenMask == 0)
        return;
    RunBitboardSearch(board_, state_, p, hook_, placementLimit_);
}

} // namespace quadrelle
