#pragma once

// A set of board positions as an 81-bit mask: positions 0..63 in the low word, 64..80 in the
// high one. One SSE2 register where the compiler offers it (every x86-64 does), else two words.
// Bits above 80 are never set by these operations unless a caller sets them.

#include "model/positions.h"

#include <array>
#include <bit>
#include <cstdint>

#if defined(__SSE2__) && !defined(QUADRELLE_PORTABLE_CELL_SET)
#include <emmintrin.h>
#define QUADRELLE_CELL_SET_SSE2 1
#endif

namespace quadrelle {

class CellSet {
public:
    constexpr CellSet() = default;
    constexpr CellSet(std::uint64_t low, std::uint64_t high)
#if QUADRELLE_CELL_SET_SSE2
        : v_(From(low, high))
#else
        : lo_(low), hi_(high)
#endif
    {
    }

    static constexpr CellSet Of(int p)
    {
        return p < 64 ? CellSet(std::uint64_t {1} << p, 0) : CellSet(0, std::uint64_t {1} << (p - 64));
    }

    CellSet &operator&=(CellSet b)
    {
        return *this = *this & b;
    }
    CellSet &operator|=(CellSet b)
    {
        return *this = *this | b;
    }

#if QUADRELLE_CELL_SET_SSE2
    friend CellSet operator&(CellSet a, CellSet b)
    {
        return Raw(_mm_and_si128(a.v_, b.v_));
    }
    friend CellSet operator|(CellSet a, CellSet b)
    {
        return Raw(_mm_or_si128(a.v_, b.v_));
    }
    friend CellSet operator^(CellSet a, CellSet b)
    {
        return Raw(_mm_xor_si128(a.v_, b.v_));
    }
    // a minus b.
    friend CellSet Minus(CellSet a, CellSet b)
    {
        return Raw(_mm_andnot_si128(b.v_, a.v_));
    }
    bool Any() const
    {
        return _mm_movemask_epi8(_mm_cmpeq_epi8(v_, _mm_setzero_si128())) != 0xFFFF;
    }
    std::uint64_t Low() const
    {
        return static_cast<std::uint64_t>(_mm_cvtsi128_si64(v_));
    }
    std::uint64_t High() const
    {
        return static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(v_, v_)));
    }
#else
    friend constexpr CellSet operator&(CellSet a, CellSet b)
    {
        return CellSet(a.lo_ & b.lo_, a.hi_ & b.hi_);
    }
    friend constexpr CellSet operator|(CellSet a, CellSet b)
    {
        return CellSet(a.lo_ | b.lo_, a.hi_ | b.hi_);
    }
    friend constexpr CellSet operator^(CellSet a, CellSet b)
    {
        return CellSet(a.lo_ ^ b.lo_, a.hi_ ^ b.hi_);
    }
    friend constexpr CellSet Minus(CellSet a, CellSet b)
    {
        return CellSet(a.lo_ & ~b.lo_, a.hi_ & ~b.hi_);
    }
    constexpr bool Any() const
    {
        return (lo_ | hi_) != 0;
    }
    constexpr std::uint64_t Low() const
    {
        return lo_;
    }
    constexpr std::uint64_t High() const
    {
        return hi_;
    }
#endif

    // The lowest position in the set; the set must not be empty.
    int Lowest() const
    {
        const std::uint64_t low = Low();
        return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(High());
    }
    // The highest position in the set; the set must not be empty.
    int Highest() const
    {
        const std::uint64_t high = High();
        return high != 0 ? 127 - std::countl_zero(high) : 63 - std::countl_zero(Low());
    }
    bool operator==(const CellSet &other) const
    {
        return Low() == other.Low() && High() == other.High();
    }

private:
#if QUADRELLE_CELL_SET_SSE2
    static constexpr __m128i From(std::uint64_t low, std::uint64_t high)
    {
        return __m128i {static_cast<long long>(low), static_cast<long long>(high)};
    }
    static CellSet Raw(__m128i v)
    {
        CellSet s;
        s.v_ = v;
        return s;
    }
    __m128i v_ {};
#else
    std::uint64_t lo_ = 0;
    std::uint64_t hi_ = 0;
#endif
};

namespace detail {
constexpr std::array<CellSet, CellCount> MakePeers()
{
    std::array<CellSet, CellCount> peers {};
    for (int p = 0; p < CellCount; ++p) {
        std::uint64_t low = 0, high = 0;
        for (int q = 0; q < CellCount; ++q) {
            const bool peer = q != p
                && (RowGroupOf(q) == RowGroupOf(p) || ColGroupOf(q) == ColGroupOf(p) || BoxGroupOf(q) == BoxGroupOf(p));
            if (peer && q < 64)
                low |= std::uint64_t {1} << q;
            else if (peer)
                high |= std::uint64_t {1} << (q - 64);
        }
        peers[static_cast<std::size_t>(p)] = CellSet(low, high);
    }
    return peers;
}
} // namespace detail

// The 20 positions that share a row, a column or a box with p (p itself excluded).
inline constexpr std::array<CellSet, CellCount> Peers = detail::MakePeers();

} // namespace quadrelle
