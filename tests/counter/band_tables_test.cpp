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

} // namespace
