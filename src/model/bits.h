#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

namespace quadrelle {

// The set bits of a word. The x86-64 baseline has no popcount instruction and std::popcount
// calls into libgcc there; this stays inline and constexpr.
constexpr int BitCount(std::uint64_t w)
{
    w = w - ((w >> 1) & 0x5555555555555555u);
    w = (w & 0x3333333333333333u) + ((w >> 2) & 0x3333333333333333u);
    w = (w + (w >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((w * 0x0101010101010101u) >> 56);
}

namespace detail {
constexpr std::array<std::uint8_t, 1024> MakeSmallCounts()
{
    std::array<std::uint8_t, 1024> counts {};
    for (std::size_t w = 0; w < counts.size(); ++w)
        counts[w] = static_cast<std::uint8_t>(std::popcount(w));
    return counts;
}
inline constexpr std::array<std::uint8_t, 1024> SmallCounts = MakeSmallCounts();
} // namespace detail

// The set bits of a word of ten bits or fewer (a cell's digits, a unit's places), from a table,
// which beats the dozen instructions of the count above.
constexpr int SmallBitCount(std::uint32_t w)
{
    assert(w < detail::SmallCounts.size());
    return detail::SmallCounts[w];
}

} // namespace quadrelle
