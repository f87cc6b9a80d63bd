#include "model/board.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace quadrelle;

namespace {

void ExpectOutOfRange(const std::function<void()> &call)
{
    try {
        call();
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.description(), "Subscript out of range");
    }
}

} // namespace

TEST(Board, StartsEmptyWithEveryDigitFree)
{
    Board board;
    for (int p = 0; p < CellCount; ++p)
        EXPECT_EQ(board.Cells(p).Value(), 0);
    for (int g = 0; g < UnitCount; ++g) {
        EXPECT_EQ(board.Groups(g).Mask(), 1022);
        for (int d = 0; d <= 9; ++d)
            EXPECT_TRUE(board.Groups(g).IsAvailable(d));
    }
}

TEST(Board, GroupNumbersOfPositions)
{
    Board board;
    const std::tuple<int, int, int, int> expected[]
        = {{0, 0, 9, 18}, {40, 4, 13, 22}, {80, 8, 17, 26}, {26, 2, 17, 20}, {54, 6, 9, 24}, {33, 3, 15, 23}};
    for (const auto &[p, row, col, box] : expected) {
        SCOPED_TRACE(p);
        EXPECT_EQ(board.Cells(p).RowGroup(), row);
        EXPECT_EQ(board.Cells(p).ColGroup(), col);
        EXPECT_EQ(board.Cells(p).BoxGroup(), box);
    }
    // Every group has exactly nine cells.
    std::array<int, UnitCount> members {};
    for (int p = 0; p < CellCount; ++p)
        for (int g : {board.Cells(p).RowGroup(), board.Cells(p).ColGroup(), board.Cells(p).BoxGroup()})
            ++members[static_cast<std::size_t>(g)];
    for (int n : members)
        EXPECT_EQ(n, 9);
}

TEST(Board, SettingADigitTakesItInTheThreeGroupsAndZeroGivesItBack)
{
    Board board;
    board.Cells(0).SetValue(5);
    for (int g : {0, 9, 18}) {
        EXPECT_EQ(board.Groups(g).Mask(), 1022 & ~32) << g;
        EXPECT_FALSE(board.Groups(g).IsAvailable(5)) << g;
    }
    EXPECT_EQ(board.Groups(1).Mask(), 1022);
    EXPECT_EQ(board.Groups(10).Mask(), 1022);
    EXPECT_EQ(board.Groups(19).Mask(), 1022);

    board.Cells(0).SetValue(0);
    for (int g : {0, 9, 18})
        EXPECT_EQ(board.Groups(g).Mask(), 1022) << g;
    EXPECT_TRUE(test::GroupsInStep(board));
}

TEST(Board, ChangingFiveToSevenDirectlyFreesFiveAndTakesSeven)
{
    Board board;
    board.Cells(40).SetValue(5);
    board.Cells(40).SetValue(7);
    for (int g : {4, 13, 22}) {
        EXPECT_TRUE(board.Groups(g).IsAvailable(5)) << g;
        EXPECT_FALSE(board.Groups(g).IsAvailable(7)) << g;
        EXPECT_EQ(board.Groups(g).Mask(), 1022 & ~128) << g;
    }
    // The same digit again leaves the groups as they were.
    board.Cells(40).SetValue(7);
    EXPECT_EQ(board.Groups(4).Mask(), 1022 & ~128);
    EXPECT_TRUE(test::GroupsInStep(board));
}

TEST(Board, CanPlaceZeroAlwaysAndADigitOnlyWhenAllThreeGroupsHaveItFree)
{
    Board board;
    test::Load(
        board, test::ParseGrid("974236158638591742125487936316754289742918563589362417867125394253649871491873625"));
    for (int p = 0; p < CellCount; ++p)
        EXPECT_TRUE(board.CanPlace(p, 0)) << p;

    Board sparse;
    sparse.Cells(8).SetValue(3); // shares no group with 40
    sparse.Cells(36).SetValue(4); // row 4
    sparse.Cells(76).SetValue(6); // column 13
    sparse.Cells(30).SetValue(8); // box 22
    EXPECT_FALSE(sparse.CanPlace(40, 4));
    EXPECT_FALSE(sparse.CanPlace(40, 6));
    EXPECT_FALSE(sparse.CanPlace(40, 8));
    EXPECT_TRUE(sparse.CanPlace(40, 3));
    EXPECT_TRUE(sparse.CanPlace(40, 0));
    EXPECT_EQ(sparse.Cells(40).CandidateMask(), 1022 & ~(16 | 64 | 256));
}

TEST(Board, OutOfRangeSubscriptsRaiseTheRuntimeError)
{
    Board board;
    ExpectOutOfRange([&] { board.Cells(-1); });
    ExpectOutOfRange([&] { board.Cells(81); });
    ExpectOutOfRange([&] { board.Groups(-1); });
    ExpectOutOfRange([&] { board.Groups(27); });
    ExpectOutOfRange([&] { board.CanPlace(81, 1); });
    ExpectOutOfRange([&] { board.CanPlace(-1, 0); });
    ExpectOutOfRange([&] { board.CanPlace(0, 10); });
    ExpectOutOfRange([&] { board.CanPlace(0, -1); });
    ExpectOutOfRange([&] { board.Cells(0).SetPosition(81); });
    ExpectOutOfRange([&] { board.Cells(0).SetPosition(-1); });
    ExpectOutOfRange([&] { board.Groups(0).IsAvailable(10); });
    ExpectOutOfRange([&] { board.Groups(0).IsAvailable(-1); });
    ExpectOutOfRange([&] { board.Groups(0).Release(0); });
    ExpectOutOfRange([&] { board.Groups(0).Release(10); });
    ExpectOutOfRange([&] { board.Groups(0).Take(0); });
    ExpectOutOfRange([&] { board.Groups(0).Take(10); });

    board.Cells(0).SetValue(5);
    ExpectOutOfRange([&] { board.Cells(0).SetValue(10); });
    ExpectOutOfRange([&] { board.Cells(0).SetValue(-1); });
    // A refused digit leaves the model in step.
    EXPECT_EQ(board.Cells(0).Value(), 5);
    EXPECT_TRUE(test::GroupsInStep(board));
}
