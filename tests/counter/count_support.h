#pragma once

// Conversions between the counter's cell arrays and the engine tests' grids, and the checks
// every verdict gets.

#include "counter/solution_count.h"
#include "reference_count.h"
#include "test_support.h"

#include <string>
#include <string_view>

namespace quadrelle::test {

Cells ToCells(std::string_view text);
Grid ToGrid(const Cells &cells);
Grid FromSolution(const std::array<char, 81> &solution);
std::string SolutionString(const std::array<char, 81> &solution);

// Empty when the result is consistent with its count for `puzzle`: each completion present is
// full, valid and keeps the givens, and two of them differ. Otherwise what is wrong.
std::string CheckCompletions(const Grid &puzzle, const SolutionCount &result);

} // namespace quadrelle::test
