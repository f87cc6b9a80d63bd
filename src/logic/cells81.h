#pragma once

#include <bit>
#include <cstdint>

namespace quadrelle::logic {

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
    constexpr int Count() const { return std::popcount(lo) + std::popcount(hi); }
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
