#pragma once

#include "model/cell_set.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace quadrelle::logic {

// Digits here are 0..8; a cell's candidates are bits 0..8.
using DigitMask = std::uint16_t;

constexpr DigitMask BitOf(int digit) { return static_cast<DigitMask>(1u << digit); }
inline constexpr auto DigitCounts = [] {
    std::array<std::uint8_t, 512> counts {};
    for (int m = 1; m < 512; ++m)
        counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
    return counts;
}();
constexpr int CountOf(DigitMask mask) { return DigitCounts[mask & 0x1ff]; }

// The pencil marks of a position: per digit the 81-bit board of the cells that may still hold it,
// and the same by cell for the techniques that look at one cell.
class CandidateGrid {
public:
    // cells: 0 = empty, 1..9; nullopt when givens repeat a digit in a unit.
    static std::optional<CandidateGrid> FromGivens(const std::array<std::uint8_t, 81> &cells);

    // 0..8, or -1 while the cell is open.
    int Value(int cell) const { return value_[cell]; }
    DigitMask Candidates(int cell) const { return candidates_[cell]; }
    bool Has(int cell, int digit) const { return candidates_[cell] & BitOf(digit); }
    const CellSet &CellsOf(int digit) const { return boards_[digit]; }
    const CellSet &Open() const { return open_; }
    bool Solved() const { return open_.Empty(); }

    void Place(int cell, int digit);
    void Eliminate(int cell, int digit);

private:
    std::array<std::int8_t, 81> value_ {};
    std::array<DigitMask, 81> candidates_ {};
    std::array<CellSet, 9> boards_ {};
    CellSet open_ {};
};

} // namespace quadrelle::logic
