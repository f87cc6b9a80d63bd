#pragma once

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

} // namespace quadrelle
