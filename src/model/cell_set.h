#pragma once

// A set of cells as an 81-bit mask: cells 0..63 in the low word, 64..80 in the high one. One
// SSE2 register where the compiler offers it (every x86-64 does), else two words. Bits above 80
// are never set by these operations unless a caller sets them.

#include "model/bits.h"
#include "model/geometry.h"

#include <algorithm>
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
        assert(IsCell(p));
        return p < 64 ? CellSet(std::uint64_t {1} << p, 0) : CellSet(0, std::uint64_t {1} << (p - 64));
    }
    // Every cell.
    static constexpr CellSet All() { return CellSet(~std::uint64_t {0}, (std::uint64_t {1} << 17) - 1); }

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
    bool Empty() const
    {
        return _mm_movemask_epi8(_mm_cmpeq_epi8(v_, _mm_setzero_si128())) == 0xFFFF;
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
    constexpr bool Empty() const
    {
        return (lo_ | hi_) == 0;
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

    // The cells not in the set.
    friend CellSet operator~(CellSet a) { return Minus(All(), a); }

    bool Has(int p) const
    {
        assert(IsCell(p));
        return p < 64 ? (Low() >> p) & 1 : (High() >> (p - 64)) & 1;
    }
    void Set(int p) { *this |= Of(p); }
    void Clear(int p) { *this = Minus(*this, Of(p)); }
    int Count() const { return BitCount(Low()) + BitCount(High()); }
    // Whether the set holds exactly n cells: for the few a unit's question asks, cheaper than Count.
    bool HoldsExactly(int n) const
    {
        std::uint64_t low = Low(), high = High();
        for (int i = 0; i < n; ++i) {
            if (low != 0)
                low &= low - 1;
            else if (high != 0)
                high &= high - 1;
            else
                return false;
        }
        return (low | high) == 0;
    }

    template <class F> void ForEach(F f) const
    {
        for (std::uint64_t w = Low(); w; w &= w - 1)
            f(std::countr_zero(w));
        for (std::uint64_t w = High(); w; w &= w - 1)
            f(64 + std::countr_zero(w));
    }

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
// Built word by word: the set's operations are not constexpr where they are SSE2.
template <class Predicate> constexpr CellSet SetWhere(Predicate holds)
{
    std::uint64_t low = 0, high = 0;
    for (int cell = 0; cell < CellCount; ++cell)
        if (holds(cell))
            (cell < 64 ? low : high) |= std::uint64_t {1} << (cell % 64);
    return CellSet(low, high);
}
// Set from each list's own cells: asking every cell of every list runs past clang's constexpr step limit.
template <int count, class List> constexpr std::array<CellSet, count> SetsOf(List list)
{
    std::array<CellSet, count> sets {};
    for (int i = 0; i < count; ++i) {
        std::uint64_t low = 0, high = 0;
        for (const int cell : list(i))
            (cell < 64 ? low : high) |= std::uint64_t {1} << (cell % 64);
        sets[static_cast<std::size_t>(i)] = CellSet(low, high);
    }
    return sets;
}
} // namespace detail

// The 20 cells that share a row, a column or a box with a cell (the cell itself excluded).
inline constexpr std::array<CellSet, CellCount> Peers
    = detail::SetsOf<CellCount>([](int cell) -> const auto & { return PeersOf(Cell(cell)); });
// The nine cells of each unit.
inline constexpr std::array<CellSet, UnitCount> UnitSets = detail::SetsOf<UnitCount>(UnitCells);

// A box and a line through it, with the three cells they share.
struct Crossing {
    int box;
    int line;
    CellSet cells;
};

// Every box with the three rows, then the three columns, that cross it.
inline constexpr std::array<Crossing, 54> Crossings = [] {
    std::array<Crossing, 54> crossings {};
    std::size_t i = 0;
    for (int box = 0; box < 9; ++box)
        for (const int line : {RowUnit(box / 3 * 3), RowUnit(box / 3 * 3 + 1), RowUnit(box / 3 * 3 + 2),
                 ColumnUnit(box % 3 * 3), ColumnUnit(box % 3 * 3 + 1), ColumnUnit(box % 3 * 3 + 2)})
            crossings[i++] = {BoxUnit(box), line, detail::SetWhere([&](int cell) {
                                  const auto &units = UnitsOf(Cell(cell));
                                  return units[2] == BoxUnit(box) && (units[0] == line || units[1] == line);
                              })};
    return crossings;
}();

} // namespace quadrelle
