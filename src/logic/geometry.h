#pragma once

#include "cells81.h"

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

const Geometry &Geo();

// "r4c7".
std::string CellName(int cell);

} // namespace quadrelle::logic
