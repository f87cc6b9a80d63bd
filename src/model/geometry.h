#pragma once

// The board's one numbering, which every library uses:
//
//          c1 c2 c3   c4 c5 c6   c7 c8 c9
//     r1    0  1  2 |  3  4  5 |  6  7  8      cells 0..80, row by row
//     r2    9 10 11 | 12 13 14 | 15 16 17
//     r3   18 19 20 | 21 22 23 | 24 25 26      units 0..8   the rows      r1..r9
//          ---------+----------+---------      units 9..17  the columns   c1..c9
//     r4   27 28 29 | 30 31 32 | 33 34 35      units 18..26 the boxes, row by row:
//     ..                                                     0 1 2
//     r9   72 73 74 | 75 76 77 | 78 79 80                    3 4 5
//                                                            6 7 8
//
// A cell's peers are the 20 other cells that share a unit with it.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

namespace quadrelle {

constexpr int CellCount = 81;
constexpr int UnitCount = 27;
constexpr int PeerCount = 20;

constexpr bool IsCell(int cell) { return cell >= 0 && cell < CellCount; }
constexpr bool IsUnit(int unit) { return unit >= 0 && unit < UnitCount; }

// A cell is 0..80. Per-cell arrays ask for its Index by name, so a cell is never taken for a
// digit, a unit or the window's box number 1..81, nor one of those for a cell.
class Cell {
public:
    explicit constexpr Cell(int index) : index_(static_cast<std::uint8_t>(index)) { assert(IsCell(index)); }

    constexpr int Index() const { return index_; }
    constexpr bool operator==(const Cell &) const = default;

private:
    // A byte, as a step's candidates held their cells before: the rater ran fewer instructions so
    // than with an int.
    std::uint8_t index_;
};

// Row, column and box of a cell, each 0..8.
constexpr int RowOf(Cell cell) { return cell.Index() / 9; }
constexpr int ColumnOf(Cell cell) { return cell.Index() % 9; }
constexpr int BoxOf(Cell cell) { return cell.Index() / 27 * 3 + cell.Index() % 9 / 3; }

// The units of a row, a column and a box.
constexpr int RowUnit(int row) { return row; }
constexpr int ColumnUnit(int column) { return 9 + column; }
constexpr int BoxUnit(int box) { return 18 + box; }

constexpr bool ArePeers(Cell a, Cell b)
{
    return a != b && (RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) || BoxOf(a) == BoxOf(b));
}

namespace detail {

struct Tables {
    // Each unit's cells, in increasing order.
    std::array<std::array<std::uint8_t, 9>, UnitCount> unitCells {};
    // Each cell's row, column and box units, in that order.
    std::array<std::array<std::uint8_t, 3>, CellCount> unitsOf {};
    // Each cell's peers, in increasing order.
    std::array<std::array<std::uint8_t, PeerCount>, CellCount> peers {};
};

constexpr Tables MakeTables()
{
    Tables t;
    std::array<int, UnitCount> filled {};
    for (int cell = 0; cell < CellCount; ++cell) {
        const Cell at(cell);
        const std::array<int, 3> units {RowUnit(RowOf(at)), ColumnUnit(ColumnOf(at)), BoxUnit(BoxOf(at))};
        for (int k = 0; k < 3; ++k) {
            t.unitsOf[cell][k] = static_cast<std::uint8_t>(units[k]);
            t.unitCells[units[k]][filled[units[k]]++] = static_cast<std::uint8_t>(cell);
        }
        int peer = 0;
        for (int other = 0; other < CellCount; ++other)
            if (ArePeers(at, Cell(other)))
                t.peers[cell][peer++] = static_cast<std::uint8_t>(other);
    }
    return t;
}

inline constexpr Tables Geometry = MakeTables();

} // namespace detail

constexpr const std::array<std::uint8_t, 9> &UnitCells(int unit)
{
    assert(IsUnit(unit));
    return detail::Geometry.unitCells[unit];
}
constexpr const std::array<std::uint8_t, 3> &UnitsOf(Cell cell)
{
    return detail::Geometry.unitsOf[static_cast<std::size_t>(cell.Index())];
}
constexpr const std::array<std::uint8_t, PeerCount> &PeersOf(Cell cell)
{
    return detail::Geometry.peers[static_cast<std::size_t>(cell.Index())];
}

} // namespace quadrelle
