#pragma once

// The engine's one digit convention, the board model's: digit d (1..9) is bit 2^d of a mask.
//
//     bit     9 8 7 6 5 4 3 2 1 0
//     digit   9 8 7 6 5 4 3 2 1 -      all nine: 0x3FE; bit 0 is never used
//
// A Digit is 1..9. Per-digit arrays ask for its 0..8 Index by name, so an index is never taken
// for a digit, nor a cell for either.

#include "model/bits.h"

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>

namespace quadrelle {

class Digit {
public:
    // No digit until assigned, and trivial, so that the counter's levels cost nothing to make.
    Digit() = default;
    explicit constexpr Digit(int value) : value_(value) { assert(value >= 1 && value <= 9); }
    // index 0..8.
    static constexpr Digit FromIndex(int index)
    {
        assert(index >= 0 && index < 9);
        return Digit(index + 1);
    }

    constexpr int Value() const { return value_; }
    constexpr int Index() const { return value_ - 1; }
    constexpr char Character() const { return static_cast<char>('0' + value_); }
    constexpr bool operator==(const Digit &) const = default;

private:
    // A full int: a byte costs a truncation and a widening at each use in the chain searches.
    int value_;
};

// The nine digits in rising order.
inline constexpr std::array<Digit, 9> EveryDigit {
    Digit(1), Digit(2), Digit(3), Digit(4), Digit(5), Digit(6), Digit(7), Digit(8), Digit(9)};

// Digits as bits 1..9: 32 bits signed in the board model's groups, 16 bits per cell in the rater.
using DigitMask = std::uint16_t;

// Every digit free.
constexpr std::int32_t AllDigits = 0x3FE;

constexpr bool IsDigitMask(std::int32_t mask) { return (mask & ~AllDigits) == 0; }

constexpr std::int32_t BitOf(Digit digit) { return std::int32_t {1} << digit.Value(); }

// Number of digits in a mask.
constexpr int CountOf(std::int32_t mask)
{
    assert(IsDigitMask(mask));
    return SmallBitCount(static_cast<std::uint32_t>(mask) & 0x3FF);
}

// True for a mask that allows exactly one digit.
constexpr bool IsSingle(std::int32_t mask)
{
    return mask != 0 && (mask & (mask - 1)) == 0;
}

// The smallest digit of a non-empty mask.
constexpr Digit LowestDigit(std::int32_t mask)
{
    assert(mask != 0 && IsDigitMask(mask));
    return Digit(std::countr_zero(static_cast<std::uint32_t>(mask)));
}

} // namespace quadrelle
