#include "solver/propagation.h"

namespace quadrelle {

bool PropagateSingles(Board &board, PuzzleGrid &grid, int tag)
{
    for (int i = 0; i < CellCount; ++i) {
        cCell &cell = board.Cells(i);
        if (cell.Value() != 0)
            continue;
        const std::int32_t m = cell.CandidateMask();
        if (m == 0)
            return false;
        if (!IsSingle(m))
            continue;
        const int d = LowestDigit(m).Value();
        cell.SetValue(d);
        grid.ShowDeducedDigit(CellIndex(i), d);
        if (tag != 0)
            grid.TagBox(CellIndex(i), tag);
        i = -1; // a fill may create singles below i
    }
    return true;
}

bool HasContradiction(Board &board, PuzzleGrid &grid, int tag)
{
    return !PropagateSingles(board, grid, tag);
}

} // namespace quadrelle
