// Three cells of a row or column inside one box need three different digits: when only three
// digits may still go in them, the three go there, and so leave the rest of that row or column
// and of that box; with fewer than three the grid cannot be completed. Counted for every such
// segment of the nine digits at once, bit-sliced: a band word holds a row segment's flag at its
// first cell (bit 9 * row + 3 * box), a column segment's at its column (bit 0..8).

#include "counter/candidates.h"

#include "counter/band_layout.h"

#include <bit>

namespace quadrelle::counting {

namespace {

// The segments that hold at least one, two, three and four digits.
struct SegmentCounts {
    Lanes one = Lanes::Bands(0), two = one, three = one, four = one;

    void Add(Lanes digit)
    {
        four = four | (three & digit);
        three = three | (two & digit);
        two = two | (one & digit);
        one = one | digit;
    }
    // The segments with exactly three digits, or none when some segment has fewer.
    bool Exact(Lanes all, Lanes &exact) const
    {
        if (!AndNot(all, three).IsZero())
            return false;
        exact = AndNot(three, four);
        return true;
    }
};

// The cells of a digit's board outside the row segments flagged in `rows`, but in their row or
// box; and outside the column segments flagged in `columns`, but in their column or box.
Lanes Outside(Lanes rows, Lanes columns)
{
    const Lanes rowStarts = (rows | rows.Down<3>() | rows.Down<6>()) & Lanes::Bands(1u | 1u << 9 | 1u << 18);
    Lanes rowCells = SegmentCells(rowStarts);
    rowCells = rowCells | rowCells.Up<3>() | rowCells.Up<6>();
    const Lanes rowBoxes = (rows | rows.Down<9>() | rows.Down<18>()) & Lanes::Bands(0x49);
    const Lanes columnBoxes = (columns | columns.Down<1>() | columns.Down<2>()) & Lanes::Bands(0x49);
    const Lanes boxCells = ColumnCells(SegmentCells(rowBoxes | columnBoxes));
    const Lanes inColumns = columns.AcrossBands();
    return AndNot(rowCells | boxCells | ColumnCells(inColumns), SegmentCells(rows) | ColumnCells(columns));
}

} // namespace

bool Candidates::ApplyTriads()
{
    std::array<Lanes, 9> rowSegments {Lanes::Bands(0), Lanes::Bands(0), Lanes::Bands(0), Lanes::Bands(0),
        Lanes::Bands(0), Lanes::Bands(0), Lanes::Bands(0), Lanes::Bands(0), Lanes::Bands(0)};
    std::array<Lanes, 9> columnSegments = rowSegments;
    SegmentCounts rowCounts, columnCounts;
    for (std::size_t d = 0; d < 9; ++d) {
        const Lanes board = Lanes::Load(digits_[d]);
        rowSegments[d] = SegmentFlags(board);
        columnSegments[d] = ColumnFlags(board);
        rowCounts.Add(rowSegments[d]);
        columnCounts.Add(columnSegments[d]);
    }
    Lanes exactRows = rowCounts.one, exactColumns = exactRows;
    if (!rowCounts.Exact(Lanes::Bands(SegmentStarts), exactRows)
        || !columnCounts.Exact(Lanes::Bands(511), exactColumns))
        return false;
    // Segments filled already change nothing.
    const Lanes solved = Lanes::Load(solved_);
    exactRows = AndNot(exactRows, solved & solved.Down<1>() & solved.Down<2>());
    exactColumns = AndNot(exactColumns, solved & solved.Down<9>() & solved.Down<18>());
    if ((exactRows | exactColumns).IsZero())
        return true;
    for (std::size_t d = 0; d < 9; ++d) {
        const Lanes rows = rowSegments[d] & exactRows, columns = columnSegments[d] & exactColumns;
        if ((rows | columns).IsZero())
            continue;
        const Lanes board = Lanes::Load(digits_[d]);
        const Lanes kept = AndNot(board, Outside(rows, columns));
        if (!(kept ^ board).IsZero()) {
            kept.Store(digits_[d]);
            dirty_ |= 2u << d;
        }
    }
    return true;
}

} // namespace quadrelle::counting
