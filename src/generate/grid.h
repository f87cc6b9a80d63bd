#pragma once

#include <array>
#include <cstdint>

namespace quadrelle::generate {

// Row-major cells, 0 = empty, 1..9 = a digit: the counter's input form.
using Grid = std::array<std::uint8_t, 81>;

// The 27 units (rows, then columns, then boxes) with their cells, and the three units of each
// cell: read for every cell that a fill or a carve looks at, where divisions would cost more.
struct UnitTables {
    std::array<std::array<std::uint8_t, 9>, 27> cells {};
    std::array<std::array<std::uint8_t, 3>, 81> of {};
};

constexpr UnitTables MakeUnits()
{
    UnitTables units;
    for (int cell = 0; cell < 81; ++cell) {
        const int row = cell / 9, column = cell % 9, box = row / 3 * 3 + column / 3;
        const std::array<int, 3> of {row, 9 + column, 18 + box};
        const std::array<int, 3> at {column, row, row % 3 * 3 + column % 3};
        for (std::size_t k = 0; k < 3; ++k) {
            units.of[static_cast<std::size_t>(cell)][k] = static_cast<std::uint8_t>(of[k]);
            units.cells[static_cast<std::size_t>(of[k])][static_cast<std::size_t>(at[k])]
                = static_cast<std::uint8_t>(cell);
        }
    }
    return units;
}
inline constexpr UnitTables Units = MakeUnits();

} // namespace quadrelle::generate
