#pragma once

// A deliberately plain count of solutions up to two, sharing nothing with the counter:
// rows, columns and boxes scanned cell by cell, the search on the first cell with the
// fewest candidates.

#include <array>
#include <cstdint>

namespace quadrelle::test {

using Cells = std::array<std::uint8_t, 81>;

// 0, 1 or 2 (two or more). Givens that repeat a digit give 0.
int ReferenceCount(const Cells &cells);

// No other cell of `p`'s row, column or box holds `d`.
bool Allowed(const Cells &cells, int p, int d);

} // namespace quadrelle::test
