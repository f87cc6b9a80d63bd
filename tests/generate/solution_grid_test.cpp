// Solution grids: valid, different from each other even after relabelling their digits, and
// with every digit about as often in every cell.

#include "generate/solution_grid.h"

#include <gtest/gtest.h>

#include <set>

using namespace quadrelle::generate;

namespace {

bool IsValid(const Grid &grid)
{
    for (int unit = 0; unit < 27; ++unit) {
        unsigned seen = 0;
        for (int i = 0; i < 9; ++i) {
            const int row = unit < 9 ? unit : unit < 18 ? i : (unit - 18) / 3 * 3 + i / 3;
            const int column = unit < 9 ? i : unit < 18 ? unit - 9 : (unit - 18) % 3 * 3 + i % 3;
            seen |= 1u << grid[static_cast<std::size_t>(row * 9 + column)];
        }
        if (seen != 0x3FEu)
            return false;
    }
    return true;
}

// The digits renamed so that the first row reads 1 to 9.
Grid Relabelled(const Grid &grid)
{
    std::array<std::uint8_t, 10> name {};
    for (std::uint8_t cell = 0; cell < 9; ++cell)
        name[grid[cell]] = static_cast<std::uint8_t>(cell + 1);
    Grid renamed {};
    for (std::size_t cell = 0; cell < 81; ++cell)
        renamed[cell] = name[grid[cell]];
    return renamed;
}

} // namespace

TEST(SolutionGrid, GridsAreValidDistinctAndShowNoBiasOfCellOrDigit)
{
    constexpr int Grids = 1800;
    constexpr int Expected = Grids / 9;
    Random random(2026);
    std::set<Grid> shapes;
    std::array<std::array<int, 10>, 81> tally {};
    for (int i = 0; i < Grids; ++i) {
        const Grid grid = RandomSolutionGrid(random);
        ASSERT_TRUE(IsValid(grid)) << "grid " << i;
        shapes.insert(Relabelled(grid));
        for (std::size_t cell = 0; cell < 81; ++cell)
            ++tally[cell][grid[cell]];
    }
    EXPECT_EQ(shapes.size(), std::size_t {Grids});
    // Each count is binomial with a standard deviation of about 13: 5 of them either way.
    for (std::size_t cell = 0; cell < 81; ++cell)
        for (int digit = 1; digit <= 9; ++digit)
            EXPECT_NEAR(tally[cell][static_cast<std::size_t>(digit)], Expected, 67) << cell << ", " << digit;
}
