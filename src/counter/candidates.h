#pragma once

// The counter's board. Each digit has an 81-bit board of the cells it may still take, kept as
// three 27-bit band words (bit 9 * row + column within the band), so a row is nine contiguous
// bits, a box three 3-bit segments nine bits apart, and a column one bit repeated in each row of
// the three words. Fixed cells keep only their digit's bit; fixing a digit clears the cell from
// the other digits and the digit from the cell's row, column and box.
//
//     one band word, bit = 9 * row + column within the band (bits 27..31 stay 0):
//
//              col 0  1  2    3  4  5    6  7  8
//     row 0:       0  1  2 |  3  4  5 |  6  7  8
//     row 1:       9 10 11 | 12 13 14 | 15 16 17
//     row 2:      18 19 20 | 21 22 23 | 24 25 26
//                  box 0     box 1      box 2      (a segment: one row's three bits of a box)
//
//     a digit's board in the lanes:   [ rows 0-2 | rows 3-5 | rows 6-8 | 0 ]
//
// Propagation runs to a fixed point. Naked singles (a cell left with one digit) come first: for
// all cells at once, counting the digit boards with two accumulators. Then the digits whose
// boards changed are reduced one by one, back to the naked singles as soon as one fixes a cell:
// in a band the digit takes one segment of each row and one of each box, so only the segments on
// a one-per-row-and-box choice survive (pointing and claiming in the band, found by rotating the
// other rows and boxes onto each segment); in a stack the same rule on columns and boxes; then a
// cell alone in its row, column or box is fixed. The three bands sit in the lanes of one SSE2 register where
// the work is the same for each. When that leaves no cell with two candidates, the row and column
// segments of the boxes are counted across the digits: three digits alone able to fill a segment
// must fill it. An empty cell, a digit with no place in a unit, a segment fewer than three digits
// can fill, or two forced cells that see each other ends the branch.
//
// The search guesses on the two-candidate cell (else one with the fewest) that sees the most open
// cells, first the digit its peers hold most often, on a copy of the board; when that branch
// ends the parent removes the digit and propagates again, which for a two-candidate cell fixes
// the other one. It stops at the second solution.

#include "counter/lanes.h"
#include "model/digits.h"

#include <array>
#include <cstdint>

namespace quadrelle::counting {

// No default values: a count keeps 82 levels, each with a guess, and filling them all would cost
// more on an easy puzzle than its search.
struct Guess {
    int cell;
    Digit digit;
};

// Where each digit may still go, one 81-bit board a digit in three band words, and the cells
// already fixed. Small and trivially copyable: the search keeps one a level.
class Candidates {
public:
    // The givens fixed (row-major, 1..9; anything else is an open cell) and nothing deduced yet.
    // False when a digit repeats in a row, column or box.
    bool Start(const std::array<std::uint8_t, 81> &givens);

    // Fixes `digit` in `cell`; false when it may not go there.
    bool Place(int cell, Digit digit);
    void Remove(int cell, Digit digit);

    // Singles and locked candidates to a fixed point; false when the grid cannot be completed.
    bool Propagate();

    bool Solved() const;
    // A cell with two candidates (else the fewest) and the digit to try there first. Not solved
    // only, and right after a Propagate that returned true.
    Guess ChooseGuess() const;
    // Solved only: '1'..'9' in each cell.
    void Write(std::array<char, 81> &grid) const;

private:
    // Place, inlined where the propagation places its hidden singles; `digit` as its index 0..8.
    bool Take(int cell, int digit);
    void PlaceNakedSingles(const Words &singles);
    // The locked candidates and hidden singles of one digit; `fixed` is set when it fixes a cell.
    bool ReduceDigit(int digit, bool &fixed);
    // Row and column segments of a box that only three digits may fill; false when one has
    // fewer. Marks the digits it narrows as dirty.
    bool ApplyTriads();

    std::array<Words, 9> digits_;
    Words solved_;
    // The cells with two candidates when Propagate last reached its fixed point.
    Words pairs_;
    // Digits whose board changed since their last reduction, as a digit mask.
    std::uint32_t dirty_;
};

} // namespace quadrelle::counting
