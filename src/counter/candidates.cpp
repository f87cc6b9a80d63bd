#include "candidates.h"

#include "band_tables.h"

#include <bit>

namespace quadrelle::counting {

namespace {

using Board = std::array<std::uint32_t, 4>;

// Each cell's row, column and box, the cell included.
constexpr std::array<Board, 81> MakeHouses()
{
    std::array<Board, 81> table {};
    for (int p = 0; p < 81; ++p) {
        const int row = p / 9, col = p % 9;
        for (int q = 0; q < 81; ++q) {
            const int r = q / 9, c = q % 9;
            if (r == row || c == col || (r / 3 == row / 3 && c / 3 == col / 3))
                table[p][q / 27] |= 1u << (q % 27);
        }
    }
    return table;
}
constexpr std::array<Board, 81> Houses = MakeHouses();

constexpr bool IsSingleOrEmpty(std::uint32_t bits)
{
    return (bits & (bits - 1)) == 0;
}

} // namespace

Candidates Candidates::Open()
{
    Candidates open;
    for (auto &digit : open.digits_)
        digit = {BandBits, BandBits, BandBits, 0};
    open.solved_ = {};
    open.dirty_ = 0x1FF;
    return open;
}

bool Candidates::Place(int cell, int digit)
{
    const int band = cell / 27;
    const std::uint32_t bit = 1u << (cell % 27);
    Board &board = digits_[digit];
    if ((board[band] & bit) == 0)
        return false;
    if ((solved_[band] & bit) != 0)
        return true;
    for (int d = 0; d < 9; ++d) {
        if ((digits_[d][band] & bit) != 0) {
            digits_[d][band] &= ~bit;
            dirty_ |= 1u << d;
        }
    }
    const Board &houses = Houses[cell];
    for (int b = 0; b < 3; ++b)
        board[b] &= ~houses[b];
    board[band] |= bit;
    solved_[band] |= bit;
    return true;
}

void Candidates::Remove(int cell, int digit)
{
    digits_[digit][cell / 27] &= ~(1u << (cell % 27));
    dirty_ |= 1u << digit;
}

bool Candidates::Solved() const
{
    return (solved_[0] & solved_[1] & solved_[2]) == BandBits;
}

bool Candidates::Propagate()
{
    for (;;) {
        std::array<std::uint32_t, 3> ones {}, twos {}, singles {};
        for (const auto &digit : digits_) {
            for (int b = 0; b < 3; ++b) {
                twos[b] |= ones[b] & digit[b];
                ones[b] |= digit[b];
            }
        }
        std::uint32_t anySingle = 0;
        for (int b = 0; b < 3; ++b) {
            if (ones[b] != BandBits)
                return false;
            singles[b] = ~twos[b] & ~solved_[b] & BandBits;
            anySingle |= singles[b];
        }
        if (anySingle != 0) {
            if (!PlaceNakedSingles(singles))
                return false;
            continue;
        }
        if (dirty_ == 0)
            return true;
        while (dirty_ != 0) {
            const int d = std::countr_zero(dirty_);
            dirty_ &= dirty_ - 1;
            if (!ReduceDigit(d))
                return false;
        }
    }
}

bool Candidates::PlaceNakedSingles(const std::array<std::uint32_t, 3> &singles)
{
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t left = singles[b]; left != 0; left &= left - 1) {
            const std::uint32_t bit = left & -left;
            int d = 0;
            while (d < 9 && (digits_[d][b] & bit) == 0)
                ++d;
            if (d == 9)
                return false;
            Place(27 * b + std::countr_zero(bit), d);
        }
    }
    return true;
}

bool Candidates::ReduceDigit(int digit)
{
    Board &board = digits_[digit];
    if (((board[0] & ~solved_[0]) | (board[1] & ~solved_[1]) | (board[2] & ~solved_[2])) == 0)
        return true;
    std::uint32_t bands[3];
    // Within a band the digit takes one segment of each row and of each box.
    for (int b = 0; b < 3; ++b) {
        const std::uint32_t cells = board[b];
        const unsigned pattern = Segments[cells & 511] | Segments[cells >> 9 & 511] << 3 | Segments[cells >> 18] << 6;
        bands[b] = cells & BandMasks[pattern];
        if (bands[b] == 0)
            return false;
    }
    // Within a stack, likewise one segment of each column and of each box.
    std::uint32_t columns[3], keep[3] = {0, 0, 0};
    for (int b = 0; b < 3; ++b)
        columns[b] = (bands[b] | bands[b] >> 9 | bands[b] >> 18) & 511;
    for (unsigned s = 0; s < 9; s += 3) {
        const unsigned pattern = (columns[0] >> s & 7) | (columns[1] >> s & 7) << 3 | (columns[2] >> s & 7) << 6;
        const unsigned kept = Triads[pattern];
        if (kept == 0)
            return false;
        keep[0] |= (kept & 7) << s;
        keep[1] |= (kept >> 3 & 7) << s;
        keep[2] |= (kept >> 6) << s;
    }
    // Cells alone in their row, box or column.
    std::uint32_t doubled = 0;
    std::uint32_t hidden[3];
    for (int b = 0; b < 3; ++b) {
        const std::uint32_t cells = bands[b] & ColumnCells(keep[b]);
        bands[b] = cells;
        columns[b] &= keep[b];
        doubled |= ((cells & cells >> 9) | (cells & cells >> 18) | (cells >> 9 & cells >> 18)) & 511;
        std::uint32_t alone = 0;
        for (int i = 0; i < 3; ++i) {
            const std::uint32_t row = cells & 511u << (9 * i);
            const std::uint32_t box = cells & BoxCells(static_cast<unsigned>(i));
            if (IsSingleOrEmpty(row))
                alone |= row;
            if (IsSingleOrEmpty(box))
                alone |= box;
        }
        hidden[b] = alone;
    }
    doubled |= (columns[0] & columns[1]) | (columns[0] & columns[2]) | (columns[1] & columns[2]);
    const std::uint32_t lone = (columns[0] | columns[1] | columns[2]) & ~doubled;
    for (int b = 0; b < 3; ++b) {
        hidden[b] = (hidden[b] | (bands[b] & ColumnCells(lone))) & ~solved_[b];
        board[b] = bands[b];
    }
    for (int b = 0; b < 3; ++b) {
        for (std::uint32_t left = hidden[b]; left != 0; left &= left - 1) {
            if (!Place(27 * b + std::countr_zero(left), digit))
                return false;
        }
    }
    return true;
}

Guess Candidates::ChooseGuess() const
{
    std::array<std::uint32_t, 3> ones {}, twos {}, threes {};
    for (const auto &digit : digits_) {
        for (int b = 0; b < 3; ++b) {
            threes[b] |= twos[b] & digit[b];
            twos[b] |= ones[b] & digit[b];
            ones[b] |= digit[b];
        }
    }
    int cell = -1;
    for (int b = 0; b < 3 && cell < 0; ++b) {
        const std::uint32_t pairs = twos[b] & ~threes[b] & ~solved_[b];
        if (pairs != 0)
            cell = 27 * b + std::countr_zero(pairs);
    }
    if (cell < 0) {
        int fewest = 10;
        for (int p = 0; p < 81; ++p) {
            const std::uint32_t bit = 1u << (p % 27);
            if ((solved_[p / 27] & bit) != 0)
                continue;
            int count = 0;
            for (const auto &digit : digits_)
                count += (digit[p / 27] & bit) != 0 ? 1 : 0;
            if (count < fewest) {
                fewest = count;
                cell = p;
            }
        }
    }
    const std::uint32_t bit = 1u << (cell % 27);
    int d = 0;
    while ((digits_[d][cell / 27] & bit) == 0)
        ++d;
    return {cell, d};
}

void Candidates::Write(std::array<char, 81> &grid) const
{
    for (int d = 0; d < 9; ++d)
        for (int b = 0; b < 3; ++b)
            for (std::uint32_t left = digits_[d][b]; left != 0; left &= left - 1)
                grid[27 * b + std::countr_zero(left)] = static_cast<char>('1' + d);
}

} // namespace quadrelle::counting
