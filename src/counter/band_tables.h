#pragma once

// Lookup tables of the solution counter, built at compile time. A band is three rows held in
// the low 27 bits of a word, bit 9 * row + column; a stack is its three columns seen the same
// way through the three bands.

#include <array>
#include <cstdint>

namespace quadrelle::counting {

constexpr std::uint32_t BandBits = (1u << 27) - 1;

// A 3 x 3 pattern (bit 3 * i + j) of places a digit may take, where each of the three i and each
// of the three j must take exactly one: the union of the one-per-line choices the pattern still
// holds. Zero when none is left.
constexpr std::array<std::uint16_t, 512> MakeTriads()
{
    constexpr int Choices[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::array<std::uint16_t, 512> table {};
    for (unsigned pattern = 0; pattern < 512; ++pattern) {
        unsigned kept = 0;
        for (const auto &choice : Choices) {
            const unsigned mask = 1u << choice[0] | 1u << (3 + choice[1]) | 1u << (6 + choice[2]);
            if ((pattern & mask) == mask)
                kept |= mask;
        }
        table[pattern] = static_cast<std::uint16_t>(kept);
    }
    return table;
}
inline constexpr std::array<std::uint16_t, 512> Triads = MakeTriads();

// A band's segment pattern (bit 3 * row + box) to the band cells its kept segments cover.
constexpr std::array<std::uint32_t, 512> MakeBandMasks()
{
    std::array<std::uint32_t, 512> table {};
    for (unsigned pattern = 0; pattern < 512; ++pattern) {
        const unsigned kept = Triads[pattern];
        for (unsigned s = 0; s < 9; ++s)
            if ((kept >> s & 1) != 0)
                table[pattern] |= 7u << (9 * (s / 3) + 3 * (s % 3));
    }
    return table;
}
inline constexpr std::array<std::uint32_t, 512> BandMasks = MakeBandMasks();

// A stack's pattern (bit 3 * band + column within the stack) to its kept choices with each band
// nine bits apart (bit 9 * band + column), so that three stacks combine by a shift each.
constexpr std::array<std::uint32_t, 512> MakeStackMasks()
{
    std::array<std::uint32_t, 512> table {};
    for (unsigned pattern = 0; pattern < 512; ++pattern) {
        const unsigned kept = Triads[pattern];
        table[pattern] = (kept & 7) | (kept >> 3 & 7) << 9 | (kept >> 6) << 18;
    }
    return table;
}
inline constexpr std::array<std::uint32_t, 512> StackMasks = MakeStackMasks();

// A band's nine column bits to the three stacks' patterns (stack s in bits 9 * s up), as that band
// adds to them in the first band's place: the second and third band's share is shifted by 3 and 6.
constexpr std::array<std::uint32_t, 512> MakeStackShares()
{
    std::array<std::uint32_t, 512> table {};
    for (unsigned columns = 0; columns < 512; ++columns)
        for (unsigned s = 0; s < 3; ++s)
            table[columns] |= (columns >> (3 * s) & 7) << (9 * s);
    return table;
}
inline constexpr std::array<std::uint32_t, 512> StackShares = MakeStackShares();

// The nine columns of a band repeated over its three rows.
constexpr std::uint32_t ColumnCells(std::uint32_t columns)
{
    return columns | columns << 9 | columns << 18;
}

constexpr std::uint32_t BoxCells(unsigned box)
{
    return ColumnCells(7u << (3 * box));
}

} // namespace quadrelle::counting
