#pragma once

// Counting a puzzle's solutions up to two, for the uniqueness check. Free of Qt and of the
// exact engine: the search order here is free because only the count is asked.

#include <array>
#include <cstdint>

namespace quadrelle {

struct SolutionCount {
    // 0, 1, or 2 meaning "two or more".
    int solutions = 0;
    // '1'..'9' when solutions >= 1, else unset: cleared, the two grids would cost a puzzle
    // without a solution more than its count.
    std::array<char, 81> first;
    // A different valid completion when solutions == 2, else unset.
    std::array<char, 81> second;
    // Branches the search took: a measure of how hard the puzzle was to count.
    int guesses = 0;
    // Two givens of one digit share a row, column or box: no solution, and no search either.
    bool repeatedGiven = false;
};

// cells: row-major, 0 = empty, 1..9 = given. Givens that repeat a digit in a unit give 0
// solutions, with repeatedGiven set.
SolutionCount CountSolutions(const std::array<std::uint8_t, 81> &cells);

} // namespace quadrelle
