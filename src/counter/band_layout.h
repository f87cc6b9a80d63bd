#pragma once

// Where the counter keeps a band: three rows in the low 27 bits of a word, bit 9 * row +
// column; a stack is its three columns seen the same way through the three bands. In a band a
// digit takes one segment (a row's three cells in a box) of each row and one of each box; in a
// stack one column segment of each band and of each column.

#include "counter/lanes.h"

#include <cstdint>

namespace quadrelle::counting {

constexpr std::uint32_t BandBits = (1u << 27) - 1;

// The nine columns of a band repeated over its three rows.
constexpr std::uint32_t ColumnCells(std::uint32_t columns)
{
    return columns | columns << 9 | columns << 18;
}

constexpr std::uint32_t BoxCells(unsigned box)
{
    return ColumnCells(7u << (3 * box));
}

// The first cell of each segment: bit 9 * row + 3 * box.
constexpr std::uint32_t SegmentStarts = ColumnCells(0111);

// In each band lane: the segments that hold a cell, flagged at their first cell.
inline Lanes SegmentFlags(Lanes cells)
{
    return (cells | cells.Down<1>() | cells.Down<2>()) & Lanes::Bands(SegmentStarts);
}

// In each band lane: the column segments that hold a cell, flagged at their column (bit 0..8).
inline Lanes ColumnFlags(Lanes cells)
{
    return (cells | cells.Down<9>() | cells.Down<18>()) & Lanes::Bands(511);
}

// The cells of the segments flagged at their first cell.
inline Lanes SegmentCells(Lanes flags)
{
    return flags | flags.Up<1>() | flags.Up<2>();
}

// The cells of the column segments flagged at their column.
inline Lanes ColumnCells(Lanes flags)
{
    return flags | flags.Up<9>() | flags.Up<18>();
}

// Segment flags at bit 9 * row + 3 * box of each band lane, the segments a digit may still take:
// those of them that belong to a choice of one per row and per box, none in a band that has no
// such choice. A flag stays where the other two rows and boxes hold a choice of one each,
// found for every flag at once by rotating the rows and boxes onto it.
inline Lanes SegmentsInAChoice(Lanes flags)
{
    const Lanes nextBox
        = (flags.Down<3>() & Lanes::Bands(ColumnCells(011))) | (flags.Up<6>() & Lanes::Bands(ColumnCells(0100)));
    const Lanes lastBox
        = (flags.Down<6>() & Lanes::Bands(ColumnCells(01))) | (flags.Up<3>() & Lanes::Bands(ColumnCells(0110)));
    const auto nextRow = [](Lanes x) { return (x.Down<9>() | x.Up<18>()) & Lanes::Bands(BandBits); };
    const auto lastRow = [](Lanes x) { return (x.Down<18>() | x.Up<9>()) & Lanes::Bands(BandBits); };
    return flags & ((nextRow(nextBox) & lastRow(lastBox)) | (nextRow(lastBox) & lastRow(nextBox)));
}

// Column flags at bit `column` of each band lane: those that belong to a choice of one per band
// and per column in their stack, none in a stack that has no such choice. The bands are the
// lanes, so the rotation across bands is a shuffle.
inline Lanes ColumnsInAChoice(Lanes columns)
{
    const Lanes nextColumn = (columns.Down<1>() & Lanes::Bands(0333)) | (columns.Up<2>() & Lanes::Bands(0444));
    const Lanes lastColumn = (columns.Down<2>() & Lanes::Bands(0111)) | (columns.Up<1>() & Lanes::Bands(0666));
    return columns
        & ((nextColumn.RotateBands<1>() & lastColumn.RotateBands<2>())
            | (lastColumn.RotateBands<1>() & nextColumn.RotateBands<2>()));
}

} // namespace quadrelle::counting
