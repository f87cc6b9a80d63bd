#pragma once

// Counting a puzzle's solutions up to two, for the uniqueness check. Free of Qt and of the
// exact engine: the search order here is free because only the count is asked.

#include <array>
#include <cstdint>

namespace quadrelle {

struct SolutionCount {
    // 0, 1, or 2 meaning "two or more".
    int solutions = 0;
    // '1'..'9' when solutions >= 1.
    std::array<char, 81> first {};
    // A different valid completion when solutions == 2.
    std::array<char, 81> second {};
    // Branches the search took: a measure of how hard the puzzle was to count.
    int guesses = 0;
};

// cells: row-major, 0 = empty, 1..9 = given. Givens that repeat a digit in a unit simply give
// 0 solutions.
SolutionCount CountSolutions(const std::array<std::uint8_t, 81> &cells);

} // namespace quadrelle
