#include "count_support.h"

namespace quadrelle::test {

Cells ToCells(std::string_view text)
{
    return ToCells(ParseGrid(text));
}

Grid ToGrid(const Cells &cells)
{
    Grid grid {};
    for (std::size_t p = 0; p < grid.size(); ++p)
        grid[p] = static_cast<std::int8_t>(cells[p]);
    return grid;
}

Grid FromSolution(const std::array<char, 81> &solution)
{
    Grid grid {};
    for (std::size_t p = 0; p < grid.size(); ++p)
        grid[p] = static_cast<std::int8_t>(solution[p] >= '1' && solution[p] <= '9' ? solution[p] - '0' : -1);
    return grid;
}

std::string SolutionString(const std::array<char, 81> &solution)
{
    return std::string(solution.begin(), solution.end());
}

std::string CheckCompletions(const Grid &puzzle, const SolutionCount &result)
{
    if (result.solutions < 0 || result.solutions > 2)
        return "count out of range: " + std::to_string(result.solutions);
    if (result.solutions >= 1 && !IsValidCompletion(puzzle, FromSolution(result.first)))
        return "first is not a completion: " + SolutionString(result.first);
    if (result.solutions == 2) {
        if (!IsValidCompletion(puzzle, FromSolution(result.second)))
            return "second is not a completion: " + SolutionString(result.second);
        if (result.first == result.second)
            return "both completions are the same: " + SolutionString(result.first);
    }
    return {};
}

} // namespace quadrelle::test
