#pragma once

#include "model/geometry.h"

namespace quadrelle {

// The window's numbering of the board is one apart from the engine's; each has its own type so
// that one is never passed for the other.
//
//     position (CellIndex, Cell)   0  1  2 .. 80
//     box      (BoxNumber)         1  2  3 .. 81     box 0 is the hidden template of the others

// A board position as the window's paths give it, 0..80 row by row. Not asserted, unlike a Cell: an
// index out of range is the run-time error "Subscript out of range", raised where the index is used
// and reported by the step guard.
struct CellIndex {
    explicit constexpr CellIndex(int position) : value(position) { }
    int value;
};

// A box of the window's grids, 1..81, or the template 0; out of range as a CellIndex can be.
struct BoxNumber {
    explicit constexpr BoxNumber(int number) : value(number) { }
    static constexpr BoxNumber Of(CellIndex cell) { return BoxNumber(cell.value + 1); }
    static constexpr BoxNumber Of(Cell cell) { return BoxNumber(cell.Index() + 1); }
    // Not the template.
    constexpr CellIndex Position() const { return CellIndex(value - 1); }
    constexpr bool operator==(const BoxNumber &) const = default;
    int value;
};

// The hidden template.
inline constexpr BoxNumber TemplateBox(0);
constexpr int FirstBox = 1;
constexpr int LastBox = CellCount;
// Arrays indexed by box number, the template at 0.
constexpr int BoxSlots = LastBox + 1;

} // namespace quadrelle
