#include "counter/band_layout.h"

#include <gtest/gtest.h>

#include <array>

using namespace quadrelle::counting;

namespace {

// The places of a 3 x 3 pattern (bit 3 * i + j) that lie on a choice of one per i and per j:
// the union of the six such choices the pattern holds whole.
unsigned OnAChoice(unsigned pattern)
{
    constexpr int Choices[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    unsigned kept = 0;
    for (const auto &choice : Choices) {
        const unsigned places = 1u << choice[0] | 1u << (3 + choice[1]) | 1u << (6 + choice[2]);
        if ((pattern & places) == places)
            kept |= places;
    }
    return kept;
}

// Every pattern in every band and stack position, against the choices listed one by one.
TEST(BandLayout, ChoicesKeepExactlyThePlacesOnAChoice)
{
    for (unsigned pattern = 0; pattern < 512; ++pattern) {
        // Band lane k holds pattern k of three, its places at bit 9 * row + 3 * box.
        const std::array<unsigned, 3> patterns {pattern, (pattern * 7 + 3) % 512, 511 - pattern};
        std::array<std::uint32_t, 3> segments {}, expectedSegments {};
        for (std::size_t band = 0; band < 3; ++band)
            for (unsigned place = 0; place < 9; ++place) {
                const std::uint32_t bit = 1u << (9 * (place / 3) + 3 * (place % 3));
                segments[band] |= (patterns[band] >> place & 1) != 0 ? bit : 0;
                expectedSegments[band] |= (OnAChoice(patterns[band]) >> place & 1) != 0 ? bit : 0;
            }
        Words found;
        SegmentsInAChoice(Lanes::Of(segments[0], segments[1], segments[2])).Store(found);
        EXPECT_EQ(found, (Words {expectedSegments[0], expectedSegments[1], expectedSegments[2], 0})) << pattern;

        // Stack s holds pattern s of three, band i's places in lane i at bit 3 * s + column.
        std::array<std::uint32_t, 3> columns {}, expectedColumns {};
        for (unsigned stack = 0; stack < 3; ++stack)
            for (unsigned place = 0; place < 9; ++place) {
                const std::uint32_t bit = 1u << (3 * stack + place % 3);
                columns[place / 3] |= (patterns[stack] >> place & 1) != 0 ? bit : 0;
                expectedColumns[place / 3] |= (OnAChoice(patterns[stack]) >> place & 1) != 0 ? bit : 0;
            }
        ColumnsInAChoice(Lanes::Of(columns[0], columns[1], columns[2])).Store(found);
        EXPECT_EQ(found, (Words {expectedColumns[0], expectedColumns[1], expectedColumns[2], 0})) << pattern;
    }
}

} // namespace
