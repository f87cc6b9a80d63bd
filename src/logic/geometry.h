#pragma once

#include "logic/cells81.h"

#include <array>
#include <string>

namespace quadrelle::logic {

// Units 0..8 are the rows, 9..17 the columns, 18..26 the boxes.
inline constexpr int UnitCount = 27;

constexpr int RowOf(int cell) { return cell / 9; }
constexpr int ColOf(int cell) { return cell % 9; }
constexpr int BoxOf(int cell) { return cell / 27 * 3 + cell % 9 / 3; }

struct Geometry {
    std::array<std::array<int, 9>, UnitCount> unitCells {};
    std::array<Cells81, UnitCount> unit {};
    // The 20 other cells that share a unit with a cell.
    std::array<Cells81, 81> peers {};
    // Row, column and box unit of a cell.
    std::array<std::array<int, 3>, 81> unitsOf {};
};

constexpr Geometry BuildGeometry()
{
    Geometry g;
    for (int cell = 0; cell < 81; ++cell) {
        g.unitsOf[cell] = {RowOf(cell), 9 + ColOf(cell), 18 + BoxOf(cell)};
        for (const int unit : g.unitsOf[cell])
            g.unit[unit].Set(cell);
    }
    for (int unit = 0; unit < UnitCount; ++unit) {
        int i = 0;
        for (int cell = 0; cell < 81; ++cell)
            if (g.unit[unit].Has(cell))
                g.unitCells[unit][i++] = cell;
    }
    for (int cell = 0; cell < 81; ++cell) {
        for (const int unit : g.unitsOf[cell])
            g.peers[cell] |= g.unit[unit];
        g.peers[cell].Clear(cell);
    }
    return g;
}

inline constexpr Geometry Geometry81 = BuildGeometry();

constexpr const Geometry &Geo() { return Geometry81; }

// "r4c7".
std::string CellName(int cell);

} // namespace quadrelle::logic
