#include "solver/pipeline.h"

#include "solver/propagation.h"

namespace quadrelle {

bool PlaceGivens(Board &board, const Grid &givens)
{
    for (int p = 0; p < CellCount; ++p) {
        const int d = givens[static_cast<std::size_t>(p)];
        if (d == 0)
            continue;
        if (!board.CanPlace(p, d))
            return false;
        board.Cells(p).SetValue(d);
    }
    return true;
}

std::optional<SolveResult> SolvePuzzle(const Grid &givens, EventHook hook, std::int32_t placementLimit)
{
    Board board;
    if (!PlaceGivens(board, givens))
        return std::nullopt;

    NoGrid noGrid;
    SolveResult result;
    const bool alive = PropagateSingles(board, noGrid, TemplateBox);
    result.grid = board.Digits();
    if (!alive)
        return result;

    Search search(board, std::move(hook), placementLimit);
    search.Initialise();
    search.Run();

    const SearchState &s = search.State();
    result.placements = s.SearchCount;
    if (s.GaveUp) {
        result.outcome = Outcome::GaveUp;
    } else if (s.StopSearch) {
        result.outcome = Outcome::Solved;
        result.grid = board.Digits();
    }
    return result;
}

} // namespace quadrelle
