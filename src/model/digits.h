#pragma once

#include <bit>
#include <cstdint>

namespace quadrelle {

// Digit d (1..9) is bit 2^d of a mask; bit 0 is never used.
constexpr std::int32_t BitOf(int digit) { return std::int32_t{1} << digit; }

// Every digit free.
constexpr std::int32_t AllDigits = 0x3FE;

// Number of candidate digits in a mask.
constexpr int CountOf(std::int32_t mask) { return std::popcount(static_cast<std::uint32_t>(mask)); }

// True for a mask that allows exactly one digit.
constexpr bool IsSingle(std::int32_t mask) { return mask != 0 && (mask & (mask - 1)) == 0; }

// The digit of a one-bit mask.
constexpr int DigitOf(std::int32_t singleBit) { return std::countr_zero(static_cast<std::uint32_t>(singleBit)); }

} // namespace quadrelle
