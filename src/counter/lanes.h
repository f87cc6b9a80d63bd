#pragma once

// Four 32-bit lanes, one a band (the fourth stays zero), so that the three bands of a digit are
// worked on at once: SSE2 on x86-64, plain words elsewhere or with QUADRELLE_COUNTER_PORTABLE.

#include <array>
#include <cstdint>

#if defined(__SSE2__) && !defined(QUADRELLE_COUNTER_PORTABLE)
#include <emmintrin.h>
#define QUADRELLE_COUNTER_SSE2 1
#endif

namespace quadrelle::counting {

// A digit's board (three band words and a zero), or any four lanes read out.
using Words = std::array<std::uint32_t, 4>;

#if defined(QUADRELLE_COUNTER_SSE2)

class Lanes {
public:
    static Lanes Of(std::uint32_t a, std::uint32_t b, std::uint32_t c)
    {
        return Lanes(_mm_setr_epi32(static_cast<int>(a), static_cast<int>(b), static_cast<int>(c), 0));
    }
    // The same value in the three band lanes.
    static Lanes Bands(std::uint32_t x) { return Of(x, x, x); }
    static Lanes Load(const Words &words)
    {
        return Lanes(_mm_loadu_si128(reinterpret_cast<const __m128i *>(words.data())));
    }
    void Store(Words &words) const { _mm_storeu_si128(reinterpret_cast<__m128i *>(words.data()), v_); }

    friend Lanes operator&(Lanes a, Lanes b) { return Lanes(_mm_and_si128(a.v_, b.v_)); }
    friend Lanes operator|(Lanes a, Lanes b) { return Lanes(_mm_or_si128(a.v_, b.v_)); }
    friend Lanes operator^(Lanes a, Lanes b) { return Lanes(_mm_xor_si128(a.v_, b.v_)); }
    // a & ~b
    friend Lanes AndNot(Lanes a, Lanes b) { return Lanes(_mm_andnot_si128(b.v_, a.v_)); }
    template <int N> Lanes Down() const { return Lanes(_mm_srli_epi32(v_, N)); }
    template <int N> Lanes Up() const { return Lanes(_mm_slli_epi32(v_, N)); }
    // Each lane kept where it holds at most one bit, else zero.
    Lanes SingleOrEmpty() const
    {
        const __m128i lowered = _mm_and_si128(v_, _mm_sub_epi32(v_, _mm_set1_epi32(1)));
        return Lanes(_mm_and_si128(v_, _mm_cmpeq_epi32(lowered, _mm_setzero_si128())));
    }
    bool IsZero() const { return _mm_movemask_epi8(_mm_cmpeq_epi32(v_, _mm_setzero_si128())) == 0xFFFF; }
    // Some band lane (the fourth aside) is zero.
    bool AnyBandZero() const { return (_mm_movemask_epi8(_mm_cmpeq_epi32(v_, _mm_setzero_si128())) & 0x0FFF) != 0; }
    // The set bits of all four lanes.
    int CountBits() const
    {
        const __m128i m1 = _mm_set1_epi8(0x55), m2 = _mm_set1_epi8(0x33), m4 = _mm_set1_epi8(0x0F);
        __m128i x = _mm_sub_epi8(v_, _mm_and_si128(_mm_srli_epi16(v_, 1), m1));
        x = _mm_add_epi8(_mm_and_si128(x, m2), _mm_and_si128(_mm_srli_epi16(x, 2), m2));
        x = _mm_and_si128(_mm_add_epi8(x, _mm_srli_epi16(x, 4)), m4);
        const __m128i sums = _mm_sad_epu8(x, _mm_setzero_si128());
        return _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
    }
    // Band lane k takes band lane (k + N) % 3's value.
    template <int N> Lanes RotateBands() const
    {
        static_assert(N == 1 || N == 2);
        return Lanes(_mm_shuffle_epi32(v_, N == 1 ? _MM_SHUFFLE(3, 0, 2, 1) : _MM_SHUFFLE(3, 1, 0, 2)));
    }
    // The first band lane.
    std::uint32_t First() const { return static_cast<std::uint32_t>(_mm_cvtsi128_si32(v_)); }
    // The three band lanes or-ed together, in each of them.
    Lanes AcrossBands() const { return *this | RotateBands<1>() | RotateBands<2>(); }
    // The bits set in at least two of the three band lanes, in each of them.
    Lanes InTwoBands() const
    {
        const Lanes next = RotateBands<1>(), last = RotateBands<2>();
        return (*this & (next | last)) | (next & last);
    }

private:
    explicit Lanes(__m128i v) : v_(v) { }
    __m128i v_;
};

#else

class Lanes {
public:
    static Lanes Of(std::uint32_t a, std::uint32_t b, std::uint32_t c) { return Lanes(Words {a, b, c, 0}); }
    static Lanes Bands(std::uint32_t x) { return Of(x, x, x); }
    static Lanes Load(const Words &words) { return Lanes(words); }
    void Store(Words &words) const { words = w_; }

    friend Lanes operator&(Lanes a, Lanes b)
    {
        return Map(a, b, [](auto x, auto y) { return x & y; });
    }
    friend Lanes operator|(Lanes a, Lanes b)
    {
        return Map(a, b, [](auto x, auto y) { return x | y; });
    }
    friend Lanes operator^(Lanes a, Lanes b)
    {
        return Map(a, b, [](auto x, auto y) { return x ^ y; });
    }
    friend Lanes AndNot(Lanes a, Lanes b)
    {
        return Map(a, b, [](auto x, auto y) { return x & ~y; });
    }
    template <int N> Lanes Down() const
    {
        return Map(*this, *this, [](auto x, auto) { return x >> N; });
    }
    template <int N> Lanes Up() const
    {
        return Map(*this, *this, [](auto x, auto) { return x << N; });
    }
    Lanes SingleOrEmpty() const
    {
        return Map(*this, *this, [](std::uint32_t x, std::uint32_t) { return (x & (x - 1)) == 0 ? x : 0u; });
    }
    bool IsZero() const { return (w_[0] | w_[1] | w_[2] | w_[3]) == 0; }
    bool AnyBandZero() const { return w_[0] == 0 || w_[1] == 0 || w_[2] == 0; }
    int CountBits() const
    {
        int count = 0;
        for (std::uint32_t x : w_)
            for (; x != 0; x &= x - 1)
                ++count;
        return count;
    }
    Lanes AcrossBands() const { return Bands(w_[0] | w_[1] | w_[2]); }
    template <int N> Lanes RotateBands() const { return Of(w_[N % 3], w_[(1 + N) % 3], w_[(2 + N) % 3]); }
    std::uint32_t First() const { return w_[0]; }
    Lanes InTwoBands() const { return Bands((w_[0] & (w_[1] | w_[2])) | (w_[1] & w_[2])); }

private:
    explicit Lanes(const Words &w) : w_(w) { }
    template <typename F> static Lanes Map(Lanes a, Lanes b, F f)
    {
        Words out;
        for (std::size_t i = 0; i < 4; ++i)
            out[i] = static_cast<std::uint32_t>(f(a.w_[i], b.w_[i]));
        return Lanes(out);
    }
    Words w_;
};

#endif

} // namespace quadrelle::counting
