#pragma once

#include "model/board.h"

namespace quadrelle {

// What the propagation needs of the puzzle grid on screen.
class PuzzleGrid {
public:
    virtual ~PuzzleGrid() = default;
    // Show digit d, deduced for `cell`, in the solution colours.
    virtual void ShowDeducedDigit(CellIndex cell, int d) = 0;
    // Mark `cell` as filled on behalf of the entry in box `tag`.
    virtual void TagBox(CellIndex cell, int tag) = 0;
};

// A grid that shows nothing, for solving without a window.
class NoGrid final : public PuzzleGrid {
public:
    void ShowDeducedDigit(CellIndex, int) override { }
    void TagBox(CellIndex, int) override { }
};

// Fills every empty cell that has a single candidate, always the lowest such position
// first, rescanning from position 0 after each fill. Tag 0 tags nothing. Returns false
// when it stops at an empty cell without any candidate (placed digits stay).
bool PropagateSingles(Board &board, PuzzleGrid &grid, int tag);

// Not PropagateSingles(tag).
bool HasContradiction(Board &board, PuzzleGrid &grid, int tag);

} // namespace quadrelle
