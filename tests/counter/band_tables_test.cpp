// The one-per-line rule on a 3 x 3 pattern, which both the band and the stack reductions read.

#include "counter/band_tables.h"

#include <gtest/gtest.h>

using namespace quadrelle::counting;

namespace {

constexpr unsigned At(unsigned i, unsigned j)
{
    return 1u << (3 * i + j);
}

TEST(BandTables, TriadsKeepExactlyThePlacesOfSomeOnePerLineChoice)
{
    EXPECT_EQ(Triads[511], 511);
    const unsigned diagonal = At(0, 0) | At(1, 1) | At(2, 2);
    EXPECT_EQ(Triads[diagonal], diagonal);
    // A line with no place left, or two lines sharing their only place: nothing fits.
    EXPECT_EQ(Triads[511 & ~(At(0, 0) | At(0, 1) | At(0, 2))], 0);
    EXPECT_EQ(Triads[At(0, 0) | At(1, 0) | At(2, 1) | At(2, 2)], 0);
    // Line 0 only at 0: column 0 goes to line 0, so lines 1 and 2 lose it.
    const unsigned pattern = 511 & ~(At(0, 1) | At(0, 2));
    EXPECT_EQ(Triads[pattern], pattern & ~(At(1, 0) | At(2, 0)));
    for (unsigned p = 0; p < 512; ++p)
        EXPECT_EQ(Triads[p] & ~p, 0u) << p;
}

TEST(BandTables, SegmentsAndBandMasksFollowTheRowsAndBoxes)
{
    EXPECT_EQ(Segments[0], 0);
    EXPECT_EQ(Segments[0b000010000], 0b010);
    EXPECT_EQ(Segments[0b100000001], 0b101);
    // Every segment of the band kept: all 27 cells.
    EXPECT_EQ(BandMasks[511], BandBits);
    // Row 0 only in box 2, row 1 only in box 0, row 2 only in box 1.
    const unsigned choice = At(0, 2) | At(1, 0) | At(2, 1);
    EXPECT_EQ(BandMasks[choice], 7u << 6 | 7u << 9 | 7u << 21);
    EXPECT_EQ(BoxCells(1), 7u << 3 | 7u << 12 | 7u << 21);
    EXPECT_EQ(ColumnCells(1), 1u | 1u << 9 | 1u << 18);
}

} // namespace
