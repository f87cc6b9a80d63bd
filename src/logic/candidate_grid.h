#pragma once

#include "model/cell_set.h"
#include "model/digits.h"
#include "model/geometry.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>

namespace quadrelle::logic {

// The pencil marks of a position: per digit the 81-bit board of the cells that may still hold it,
// and the same by cell for the techniques that look at one cell.
// Cells are ints here: the searches ask in their innermost loops with positions taken straight from a
// set's bits, where a Cell would only wrap each one.
class CandidateGrid {
public:
    // cells: 0 = empty, 1..9; nullopt when givens repeat a digit in a unit.
    static std::optional<CandidateGrid> FromGivens(const std::array<std::uint8_t, 81> &cells);

    bool IsOpen(int cell) const
    {
        assert(IsCell(cell));
        return value_[cell] == 0;
    }
    // The digit placed in a cell that is not open.
    Digit Value(int cell) const
    {
        assert(!IsOpen(cell));
        return Digit(value_[cell]);
    }
    DigitMask Candidates(int cell) const
    {
        assert(IsCell(cell));
        return candidates_[cell];
    }
    bool Has(int cell, Digit digit) const { return Candidates(cell) & BitOf(digit); }
    const CellSet &CellsOf(Digit digit) const { return boards_[digit.Index()]; }
    // A unit's places for a digit as positions 0..8 along the unit, its cells in increasing order:
    // what hidden sets, fish and singles ask, kept as the grid changes.
    std::uint16_t PlacesIn(int unit, Digit digit) const
    {
        assert(IsUnit(unit));
        return places_[unit][digit.Index()];
    }
    const CellSet &Open() const { return open_; }
    bool Solved() const { return open_.Empty(); }

    void Place(int cell, Digit digit);
    void Eliminate(int cell, Digit digit);

private:
    void ClearPlaces(int cell, Digit digit);

    // 0 while the cell is open.
    std::array<std::uint8_t, 81> value_ {};
    std::array<DigitMask, 81> candidates_ {};
    std::array<CellSet, 9> boards_ {};
    std::array<std::array<std::uint16_t, 9>, UnitCount> places_ {};
    CellSet open_ {};
};

} // namespace quadrelle::logic
