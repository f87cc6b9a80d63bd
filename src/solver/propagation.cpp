#include "solver/propagation.h"

namespace quadrelle {

bool PropagateSingles(Board &board, PuzzleGrid &grid, BoxNumber tag)
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
        const Digit digit = LowestDigit(m);
        cell.SetValue(digit.Value());
        grid.ShowDeducedDigit(CellIndex(i), digit);
        if (tag != TemplateBox)
            grid.TagBox(CellIndex(i), tag);
        i = -1; // a fill may create singles below i
    }
    return true;
}

bool HasContradiction(Board &board, PuzzleGrid &grid, BoxNumber tag)
{
    return !PropagateSingles(board, grid, tag);
}

} // namespace quadrelle
