#include "count_support.h"

#include <gtest/gtest.h>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

constexpr std::string_view Solved = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

struct Case {
    std::string_view puzzle;
    int solutions;
    // The completion when there is one.
    std::string_view solution;
    // Two givens of a digit share a unit.
    bool repeats = false;
};

TEST(SolutionCount, PuzzlesGetTheirCountsAndCompletions)
{
    for (const Case &c :
        {
            Case {"530070000600195000098000060800060003400803001700020006060000280000419005000080079", 1, Solved},
            Case {Solved, 1, Solved},
            Case {"534678912672195348198342567859761423426853791713924856961537284287419635345286170", 1, Solved},
            // A full grid without a rectangle of two digits that may swap.
            Case {"534008912672195348198342567859001423426853791713924856961537284287419635345286179", 2, ""},
            Case {"009070005002100900100028000070005001008510000050000300000003006800000000210000087", 0, "", true}, // box
            Case {"601590000090010000000000004070314006024000005003000010006000003000902040000001600", 0, "", true}, // column
            Case {"040100350000000000000205000000408900260000012050300007004000160600007000010080020", 0, "", true}, // row
            // No repeats, yet no completion: three cells of a row in one box left with two digits,
            // the same in a column, a digit with no place left in a row of a box, and two cells of
            // the first row that can only take a 9.
            Case {"000345678900000000000000000000000000000000000000000000000000000000000000000000000", 0, ""},
            Case {"090000000000000000000000000300000000400000000500000000600000000700000000800000000", 0, ""},
            Case {"000100000000000100002000000100000000000000000000000000010000000000000000000000000", 0, ""},
            Case {"000000000100000002200000003300000004400000005500000006600000007700000008800000001", 0, ""},
        }) {
        const Grid grid = ParseGrid(c.puzzle);
        const auto result = CountSolutions(ToCells(grid));
        EXPECT_EQ(result.solutions, c.solutions) << c.puzzle;
        EXPECT_EQ(result.repeatedGiven, c.repeats) << c.puzzle;
        EXPECT_EQ(CheckCompletions(grid, result), "") << c.puzzle;
        if (!c.solution.empty()) {
            EXPECT_EQ(SolutionString(result.first), c.solution) << c.puzzle;
        }
    }
}

} // namespace
