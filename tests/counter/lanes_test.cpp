#include "counter/lanes.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

using quadrelle::counting::Lanes;

// Open cells around a guess are counted this way: every bit of the three band words, each
// empty, full or anything between.
TEST(Lanes, CountBitsCountsEveryBandBit)
{
    std::mt19937 random(17);
    for (int round = 0; round < 2000; ++round) {
        const std::uint32_t a = random(), b = round % 3 == 0 ? 0 : random(), c = round % 5 == 0 ? ~0u : random();
        EXPECT_EQ(Lanes::Of(a, b, c).CountBits(), std::popcount(a) + std::popcount(b) + std::popcount(c))
            << a << ' ' << b << ' ' << c;
    }
}
