#include "count_support.h"

#include <gtest/gtest.h>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

constexpr std::string_view Solved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(SolutionCount, UniquePuzzleGivesItsSolution)
{
    const std::string_view puzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
    const auto result = CountSolutions(ToCells(puzzle));
    EXPECT_EQ(result.solutions, 1);
    EXPECT_EQ(SolutionString(result.first), Solved);
}

TEST(SolutionCount, FullAndNearlyFullGridsAreUnique)
{
    EXPECT_EQ(CountSolutions(ToCells(Solved)).solutions, 1);
    std::string lastEmpty(Solved);
    lastEmpty[80] = '0';
    const auto result = CountSolutions(ToCells(lastEmpty));
    EXPECT_EQ(result.solutions, 1);
    EXPECT_EQ(SolutionString(result.first), Solved);
}

TEST(SolutionCount, EmptyAndSparseGridsHaveTwoDifferentCompletions)
{
    for (const std::string_view puzzle : {
             "000000000000000000000000000000000000000000000000000000000000000000000000000000000",
             "100000000000000000000000000000000000000000000000000000000000000000000000000000009",
             // A full grid without a rectangle of two digits that may swap.
             "534008912672195348198342567859001423426853791713924856961537284287419635345286179",
         }) {
        const Grid grid = ParseGrid(puzzle);
        const auto result = CountSolutions(ToCells(grid));
        EXPECT_EQ(result.solutions, 2) << puzzle;
        EXPECT_EQ(CheckCompletions(grid, result), "") << puzzle;
    }
}

TEST(SolutionCount, RepeatedGivensGiveNone)
{
    for (const std::string_view puzzle : {
             "009070005002100900100028000070005001008510000050000300000003006800000000210000087", // box
             "601590000090010000000000004070314006024000005003000010006000003000902040000001600", // column
             "040100350000000000000205000000408900260000012050300007004000160600007000010080020", // row
             "550000000000000000000000000000000000000000000000000000000000000000000000000000000",
         }) {
        EXPECT_EQ(CountSolutions(ToCells(puzzle)).solutions, 0) << puzzle;
    }
}

TEST(SolutionCount, ContradictionsWithoutRepeatsGiveNone)
{
    for (const std::string_view puzzle : {
             "009028700806004005003000004600000000020713450000000002300000500900400807001250300", // a cell
             "090300001000080046000000800405060030003275600060010904001000000580020000200007060", // a box
             "000041000060000020002000000320600000000050041700000002000000230048000000501002000", // a column
             "900100004014030800003000090000708001800003000000000030021000070009040500500016003", // a row
         }) {
        const auto result = CountSolutions(ToCells(puzzle));
        EXPECT_EQ(result.solutions, 0) << puzzle;
    }
}

TEST(SolutionCount, ValuesAboveNineAreOpenCells)
{
    Cells cells = ToCells(Solved);
    cells[0] = 10;
    cells[40] = 255;
    const auto result = CountSolutions(cells);
    EXPECT_EQ(result.solutions, 1);
    EXPECT_EQ(SolutionString(result.first), Solved);
}

TEST(SolutionCount, CallsAreIndependent)
{
    const auto many = CountSolutions(ToCells(std::string(81, '0')));
    const auto none = CountSolutions(ToCells(std::string("55") + std::string(79, '0')));
    const auto one = CountSolutions(ToCells(Solved));
    EXPECT_EQ(many.solutions, 2);
    EXPECT_EQ(none.solutions, 0);
    EXPECT_EQ(one.solutions, 1);
    EXPECT_EQ(SolutionString(one.first), Solved);
}

} // namespace
