#pragma once

#include "model/board.h"
#include "model/digits.h"
#include "model/positions.h"

namespace quadrelle {

// What the propagation needs of the puzzle grid on screen.
class PuzzleGrid {
public:
    virtual ~PuzzleGrid() = default;
    // Show the digit deduced for `cell` in the solution colours.
    virtual void ShowDeducedDigit(CellIndex cell, Digit digit) = 0;
    // Mark `cell` as filled on behalf of the entry in box `tag`.
    virtual void TagBox(CellIndex cell, BoxNumber tag) = 0;
};

// A grid that shows nothing, for solving without a window.
class NoGrid final : public PuzzleGrid {
public:
    void ShowDeducedDigit(CellIndex, Digit) override { }
    void TagBox(CellIndex, BoxNumber) override { }
};

// Fills every empty cell that has a single candidate, always the lowest such position
// first, rescanning from position 0 after each fill. The template box tags nothing. Returns false
// when it stops at an empty cell without any candidate (placed digits stay).
bool PropagateSingles(Board &board, PuzzleGrid &grid, BoxNumber tag);

// Not PropagateSingles(tag).
bool HasContradiction(Board &board, PuzzleGrid &grid, BoxNumber tag);

} // namespace quadrelle
