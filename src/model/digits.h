#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace quadrelle {

// Digit d (1..9) is bit 2^d of a mask; bit 0 is never used.
constexpr std::int32_t BitOf(int digit)
{
    return std::int32_t {1} << digit;
}

// Every digit free.
constexpr std::int32_t AllDigits = 0x3FE;

namespace detail {
constexpr std::array<std::uint8_t, 1024> MakeCounts()
{
    std::array<std::uint8_t, 1024> counts {};
    for (std::size_t m = 0; m < counts.size(); ++m)
        counts[m] = static_cast<std::uint8_t>(std::popcount(m));
    return counts;
}
// A table beats std::popcount on the x86-64 baseline, which lacks the instruction.
inline constexpr std::array<std::uint8_t, 1024> Counts = MakeCounts();
} // namespace detail

// Number of candidate digits in a mask of bits 1..9.
constexpr int CountOf(std::int32_t mask)
{
    return detail::Counts[static_cast<std::uint32_t>(mask) & 0x3FF];
}

// True for a mask that allows exactly one digit.
constexpr bool IsSingle(std::int32_t mask)
{
    return mask != 0 && (mask & (mask - 1)) == 0;
}

// The digit of a one-bit mask.
constexpr int DigitOf(std::int32_t singleBit)
{
    return std::countr_zero(static_cast<std::uint32_t>(singleBit));
}

} // namespace quadrelle
