#include "solver/propagation.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace quadrelle;
using test::ParseGrid;

namespace {

// Stands in for the puzzle grid and records what the propagation asks of it.
class RecordingGrid : public PuzzleGrid {
public:
    struct Call {
        char kind; // 'S' show, 'T' tag
        int p;
        int value;
        bool operator==(const Call &) const = default;
    };
    std::vector<Call> calls;
    void ShowDeducedDigit(CellIndex cell, Digit digit) override { calls.push_back({'S', cell.value, digit.Value()}); }
    void TagBox(CellIndex cell, BoxNumber tag) override { calls.push_back({'T', cell.value, tag.value}); }
};

int LowestSingle(const Board &board)
{
    for (int p = 0; p < CellCount; ++p)
        if (board.Cells(p).Value() == 0 && IsSingle(board.Cells(p).CandidateMask()))
            return p;
    return -1;
}

} // namespace

TEST(Propagation, EmptyAndFullBoardsPlaceNothing)
{
    Board empty;
    RecordingGrid grid;
    EXPECT_TRUE(PropagateSingles(empty, grid, TemplateBox));
    EXPECT_TRUE(grid.calls.empty());
    EXPECT_EQ(empty.Digits(), Grid {});

    Board full;
    const Grid solved = ParseGrid("974236158638591742125487936316754289742918563589362417867125394253649871491873625");
    test::Load(full, solved);
    EXPECT_FALSE(HasContradiction(full, grid, BoxNumber(5)));
    EXPECT_TRUE(grid.calls.empty());
}

TEST(Propagation, RowOfOneToEightGivesTheNinthCellANine)
{
    Board board;
    test::Load(board, ParseGrid("123456780" + std::string(72, '0')));
    RecordingGrid grid;
    EXPECT_TRUE(PropagateSingles(board, grid, TemplateBox));
    EXPECT_EQ(grid.calls, (std::vector<RecordingGrid::Call> {{'S', 8, 9}}));
    EXPECT_EQ(board.Cells(8).Value(), 9);

    // With a tag, each filled box is tagged right after it is shown.
    Board tagged;
    test::Load(tagged, ParseGrid("123456780" + std::string(72, '0')));
    RecordingGrid tagGrid;
    EXPECT_FALSE(HasContradiction(tagged, tagGrid, BoxNumber(17)));
    EXPECT_EQ(tagGrid.calls, (std::vector<RecordingGrid::Call> {{'S', 8, 9}, {'T', 8, 17}}));
}

TEST(Propagation, DeadCellStopsAtOnceWithNothingPlaced)
{
    // Position 50's row, column and box hold all nine digits; no single lies before it.
    Grid grid {};
    for (auto [p, d] : {std::pair {45, 1}, {46, 2}, {47, 3}, {48, 4}, {5, 5}, {14, 6}, {23, 7}, {30, 8}, {40, 9}})
        grid[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(d);
    Board board;
    test::Load(board, grid);
    RecordingGrid recorder;
    EXPECT_FALSE(PropagateSingles(board, recorder, BoxNumber(3)));
    EXPECT_TRUE(HasContradiction(board, recorder, BoxNumber(3)));
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(board.Digits(), grid);
}

TEST(Propagation, DeadCellKeepsTheFillsMadeBeforeIt)
{
    // Row 0 holds 1-8, so position 8 gets its 9 before the scan reaches the dead position 50.
    Grid grid = ParseGrid("231548670" + std::string(72, '0'));
    for (auto [p, d] : {std::pair {45, 1}, {46, 2}, {47, 3}, {48, 4}, {59, 5}, {68, 6}, {77, 7}, {30, 8}, {40, 9}})
        grid[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(d);
    Board board;
    test::Load(board, grid);
    RecordingGrid recorder;
    EXPECT_FALSE(PropagateSingles(board, recorder, TemplateBox));
    ASSERT_FALSE(recorder.calls.empty());
    EXPECT_EQ(recorder.calls.front(), (RecordingGrid::Call {'S', 8, 9}));
    EXPECT_EQ(board.Cells(8).Value(), 9);
    EXPECT_EQ(board.Cells(50).Value(), 0);
    EXPECT_EQ(board.Cells(50).CandidateMask(), 0);
    EXPECT_TRUE(test::GroupsInStep(board));
}

TEST(Propagation, EachFillIsTheLowestSingleAtThatMomentAndRestartsTheScan)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    bool sawLowerAfterHigher = false;
    for (const Grid &puzzle : test::ReadPuzzles(folder / "norvig_easy50.txt")) {
        Board board;
        test::Load(board, puzzle);
        RecordingGrid recorder;
        const bool alive = PropagateSingles(board, recorder, BoxNumber(17));

        Board replay;
        test::Load(replay, puzzle);
        int previous = -1;
        ASSERT_EQ(recorder.calls.size() % 2, 0u);
        for (std::size_t i = 0; i < recorder.calls.size(); i += 2) {
            const auto show = recorder.calls[i], tag = recorder.calls[i + 1];
            ASSERT_EQ(show.kind, 'S');
            ASSERT_EQ(tag, (RecordingGrid::Call {'T', show.p, 17}));
            ASSERT_EQ(show.p, LowestSingle(replay)) << test::GridString(puzzle);
            ASSERT_EQ(1 << show.value, replay.Cells(show.p).CandidateMask());
            replay.Cells(show.p).SetValue(show.value);
            sawLowerAfterHigher = sawLowerAfterHigher || show.p < previous;
            previous = show.p;
        }
        EXPECT_EQ(replay.Digits(), board.Digits());
        if (alive) {
            for (int p = 0; p < CellCount; ++p)
                if (board.Cells(p).Value() == 0) {
                    EXPECT_GE(CountOf(board.Cells(p).CandidateMask()), 2);
                }
        }
    }
    EXPECT_TRUE(sawLowerAfterHigher);
}

TEST(Propagation, LaterCallsTagOnlyTheirOwnFills)
{
    Board board;
    test::Load(board, ParseGrid("123456780" + std::string(72, '0')));
    RecordingGrid first;
    PropagateSingles(board, first, BoxNumber(9));
    // Column 0 then lacks only 9, at position 72.
    for (auto [p, d] : {std::pair {9, 4}, {18, 7}, {27, 2}, {36, 3}, {45, 5}, {54, 6}, {63, 8}})
        board.Cells(p).SetValue(d);
    RecordingGrid second;
    PropagateSingles(board, second, BoxNumber(73));
    EXPECT_NE(
        std::find(second.calls.begin(), second.calls.end(), RecordingGrid::Call {'S', 72, 9}), second.calls.end());
    for (const auto &call : second.calls)
        if (call.kind == 'T') {
            EXPECT_EQ(call.value, 73);
        }
    for (const auto &call : second.calls)
        EXPECT_NE(call.p, 8) << "position 8 was filled by the earlier call";
}
