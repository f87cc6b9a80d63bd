#include "counter/lanes.h"

#include <gtest/gtest.h>

#include <array>
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

// The hidden singles of a column and the empty bands of a digit rest on these two: checked
// against the words one by one, with bands often empty or alike so that both answers occur.
TEST(Lanes, BandComparisonsMatchTheWords)
{
    std::mt19937 random(29);
    for (int round = 0; round < 2000; ++round) {
        const std::uint32_t a = round % 4 == 0 ? 0 : random(), b = round % 7 == 0 ? 0 : random();
        const std::uint32_t c = round % 3 == 0 ? a : random();
        EXPECT_EQ(Lanes::Of(a, b, c).AnyBandZero(), a == 0 || b == 0 || c == 0) << a << ' ' << b << ' ' << c;
        std::array<std::uint32_t, 4> words {};
        Lanes::Of(a, b, c).InTwoBands().Store(words);
        const std::uint32_t twice = (a & b) | (a & c) | (b & c);
        EXPECT_EQ(words, (std::array<std::uint32_t, 4> {twice, twice, twice, 0})) << a << ' ' << b << ' ' << c;
    }
}
