#pragma once

#include <bit>
#include <cstdint>

namespace quadrelle::logic {

// Without a popcount instruction in the baseline target, std::popcount calls into libgcc; this
// stays inline.
constexpr int Popcount(std::uint64_t w)
{
    w = w - ((w >> 1) & 0x5555555555555555u);
    w = (w & 0x3333333333333333u) + ((w >> 2) & 0x3333333333333333u);
    w = (w + (w >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((w * 0x0101010101010101u) >> 56);
}

// A set of the 81 cells: cells 0..63 in the low word, 64..80 in the high word.
struct Cells81 {
    std::uint64_t lo = 0;
    std::uint64_t hi = 0;

    static constexpr Cells81 Of(int cell)
    {
        return cell < 64 ? Cells81 {std::uint64_t {1} << cell, 0} : Cells81 {0, std::uint64_t {1} << (cell - 64)};
    }
    constexpr bool Has(int cell) const { return cell < 64 ? (lo >> cell) & 1 : (hi >> (cell - 64)) & 1; }
    constexpr void Set(int cell) { *this = *this | Of(cell); }
    constexpr void Clear(int cell) { *this = *this & ~Of(cell); }
    constexpr int Count() const { return Popcount(lo) + Popcount(hi); }
    constexpr bool Empty() const { return (lo | hi) == 0; }
    // The lowest cell; the set must not be empty.
    constexpr int First() const { return lo ? std::countr_zero(lo) : 64 + std::countr_zero(hi); }

    constexpr Cells81 operator&(Cells81 o) const { return {lo & o.lo, hi & o.hi}; }
    constexpr Cells81 operator|(Cells81 o) const { return {lo | o.lo, hi | o.hi}; }
    constexpr Cells81 operator~() const { return {~lo, ~hi & ((std::uint64_t {1} << 17) - 1)}; }
    constexpr Cells81 &operator|=(Cells81 o) { return *this = *this | o; }
    constexpr Cells81 &operator&=(Cells81 o) { return *this = *this & o; }
    constexpr bool operator==(const Cells81 &) const = default;

    template <class F> constexpr void ForEach(F f) const
    {
        for (std::uint64_t w = lo; w; w &= w - 1)
            f(std::countr_zero(w));
        for (std::uint64_t w = hi; w; w &= w - 1)
            f(64 + std::countr_zero(w));
    }
};

} // namespace quadrelle::logic
