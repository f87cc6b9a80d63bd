#include "solver/pipeline.h"
#include "solver/propagation.h"
#include "solver/search.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

using namespace quadrelle;
using test::ParseGrid;

namespace {

const char *const Solved = "974236158638591742125487936316754289742918563589362417867125394253649871491873625";

const char *const EmptyBoardSolution = "123456789"
                                       "456789123"
                                       "789123456"
                                       "231674895"
                                       "875912364"
                                       "694538217"
                                       "317265948"
                                       "542897631"
                                       "968341572";

struct Searcher {
    Board board;
    Search search;

    explicit Searcher(
        const Grid &grid, EventHook hook = {}, std::int32_t placementLimit = Search::DefaultPlacementLimit)
        : search(board, std::move(hook), placementLimit)
    {
        test::Load(board, grid);
        search.Initialise();
    }
    const SearchState &State() const { return search.State(); }
};

int Count(const Grid &grid)
{
    int n = 0;
    for (auto d : grid)
        n += d != 0;
    return n;
}

} // namespace

TEST(Search, EmptyBoardFillsInEightyOnePlacementsWithoutBacktracking)
{
    Searcher s(Grid {});
    EXPECT_EQ(s.search.PickNextCell(), 0);
    EXPECT_EQ(s.State().ChosenMask, 1022);
    s.search.Initialise();
    s.search.Run();
    EXPECT_EQ(s.State().SearchCount, 81);
    EXPECT_TRUE(s.State().StopSearch);
    EXPECT_FALSE(s.State().GaveUp);
    EXPECT_EQ(test::GridString(s.board.Digits()), EmptyBoardSolution);
    EXPECT_TRUE(test::GroupsInStep(s.board));
}

TEST(Search, FullBoardStopsAtOnceWithAnEmptyRange)
{
    Searcher s(ParseGrid(Solved));
    s.search.State().CurrentCell = 37;
    EXPECT_EQ(s.search.PickNextCell(), 37); // the previous choice is kept
    EXPECT_TRUE(s.State().StopSearch);
    EXPECT_EQ(s.State().LowCell, 81);
    EXPECT_EQ(s.State().HighCell, -1);

    s.search.Initialise();
    s.search.Run();
    EXPECT_EQ(s.State().SearchCount, 0);
    EXPECT_TRUE(s.State().StopSearch);
    EXPECT_FALSE(s.State().GaveUp);
    EXPECT_EQ(test::GridString(s.board.Digits()), Solved);
}

TEST(Search, DeadCellAtTheStartIsChosenAndEndsWithoutAPlacement)
{
    // Position 50 (row 5, column 5): row holds 1-4, column 5-7, box 4, 8, 9.
    Grid grid {};
    for (auto [p, d] : {std::pair {45, 1}, {46, 2}, {47, 3}, {48, 4}, {5, 5}, {14, 6}, {23, 7}, {30, 8}, {40, 9}})
        grid[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(d);
    Searcher s(grid);
    s.search.Run();
    EXPECT_EQ(s.State().CurrentCell, 50);
    EXPECT_EQ(s.State().ChosenMask, 0);
    EXPECT_EQ(s.State().SearchCount, 0);
    EXPECT_FALSE(s.State().StopSearch);
    EXPECT_FALSE(s.State().GaveUp);
    EXPECT_EQ(s.board.Digits(), grid);
}

TEST(Search, TiesGoToThePreviousChoiceWhileItIsEmptyElseToTheLowestPosition)
{
    // A 1 at position 0 leaves its row, column and box cells with 8 candidates, all others 9.
    Grid grid {};
    grid[0] = 1;
    Searcher s(grid);

    s.search.State().CurrentCell = 72; // column 0: ties with position 1
    EXPECT_EQ(s.search.PickNextCell(), 72);
    EXPECT_EQ(s.State().ChosenMask, 1022 & ~2);
    EXPECT_EQ(s.State().LowCell, 1);
    EXPECT_EQ(s.State().HighCell, 80);

    s.search.State().CurrentCell = 80; // 9 candidates: the lowest 8-candidate cell wins
    EXPECT_EQ(s.search.PickNextCell(), 1);

    s.search.State().CurrentCell = 0; // not empty
    EXPECT_EQ(s.search.PickNextCell(), 1);

    // Two cells with one candidate each, 10 and 50: the previous one wins, else the lower.
    Grid two = ParseGrid(Solved);
    two[10] = two[50] = 0;
    Searcher t(two);
    t.search.State().CurrentCell = 50;
    EXPECT_EQ(t.search.PickNextCell(), 50);
    EXPECT_EQ(t.State().ChosenMask, 1 << ParseGrid(Solved)[50]);
    EXPECT_EQ(t.State().LowCell, 10);
    EXPECT_EQ(t.State().HighCell, 50);
    t.search.State().CurrentCell = 79;
    EXPECT_EQ(t.search.PickNextCell(), 10);
}

TEST(Search, NoSolutionLeavesOnlyTheDigitsThatWereThereBefore)
{
    // Propagation cannot refute it; the search has to.
    const Grid puzzle = ParseGrid("100050209007000000060000000200000000000501002000020390304090001500010003000800040");
    Searcher s(puzzle);
    NoGrid noGrid;
    ASSERT_TRUE(PropagateSingles(s.board, noGrid, TemplateBox));
    const Grid before = s.board.Digits();
    s.search.Run();
    EXPECT_FALSE(s.State().StopSearch);
    EXPECT_FALSE(s.State().GaveUp);
    EXPECT_GT(s.State().SearchCount, 0);
    EXPECT_EQ(s.board.Digits(), before);
    EXPECT_TRUE(test::GroupsInStep(s.board));
}

TEST(Search, GivesUpAtExactlyThePlacementLimitKeepingTheTrialDigits)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const Grid puzzle = test::ReadPuzzles(folder / "cap_stress_7.txt", 1).front();
    std::vector<std::int32_t> hookCounts;
    const SearchState *state = nullptr;
    Searcher s(puzzle, [&] { hookCounts.push_back(state->SearchCount); });
    state = &s.State();
    NoGrid noGrid;
    ASSERT_TRUE(PropagateSingles(s.board, noGrid, TemplateBox));
    const Grid before = s.board.Digits();
    s.search.Run();

    EXPECT_EQ(s.State().SearchCount, 999'999);
    EXPECT_TRUE(s.State().StopSearch);
    EXPECT_TRUE(s.State().GaveUp);
    const Grid after = s.board.Digits();
    EXPECT_GT(Count(after), Count(before));
    EXPECT_LT(Count(after), CellCount);
    for (int p = 0; p < CellCount; ++p)
        if (before[static_cast<std::size_t>(p)] != 0) {
            EXPECT_EQ(after[static_cast<std::size_t>(p)], before[static_cast<std::size_t>(p)]) << p;
        }
    EXPECT_TRUE(test::GroupsInStep(s.board));

    // Events after the 8192nd, 16384th, ... placement: 122 times below the limit.
    ASSERT_EQ(hookCounts.size(), 122u);
    for (std::size_t i = 0; i < hookCounts.size(); ++i)
        EXPECT_EQ(hookCounts[i], static_cast<std::int32_t>((i + 1) * 8192));
}

TEST(Pipeline, OutcomesOfSolvePuzzle)
{
    auto empty = SolvePuzzle(Grid {});
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->outcome, Outcome::Solved);
    EXPECT_EQ(empty->placements, 81);
    EXPECT_EQ(test::GridString(empty->grid), EmptyBoardSolution);

    auto full = SolvePuzzle(ParseGrid(Solved));
    ASSERT_TRUE(full);
    EXPECT_EQ(full->outcome, Outcome::Solved);
    EXPECT_EQ(full->placements, 0);

    // Last empty square: propagation alone completes it, so no placement is counted.
    auto last
        = SolvePuzzle(ParseGrid("256489173374615982981723456593274861712806549468591327635147298127958634849362715"));
    ASSERT_TRUE(last);
    EXPECT_EQ(last->outcome, Outcome::Solved);
    EXPECT_EQ(last->placements, 0);
    EXPECT_EQ(last->grid[40], 3);

    // A repeated digit in row 0 (positions 0 and 8).
    Grid repeated {};
    repeated[0] = repeated[8] = 4;
    EXPECT_FALSE(SolvePuzzle(repeated));
    Grid repeatedBox {};
    repeatedBox[0] = repeatedBox[20] = 4;
    EXPECT_FALSE(SolvePuzzle(repeatedBox));

    // Dead cell met by the propagation: no search, the board as propagation left it.
    Grid dead {};
    for (auto [p, d] : {std::pair {45, 1}, {46, 2}, {47, 3}, {48, 4}, {5, 5}, {14, 6}, {23, 7}, {30, 8}, {40, 9}})
        dead[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(d);
    auto deadResult = SolvePuzzle(dead);
    ASSERT_TRUE(deadResult);
    EXPECT_EQ(deadResult->outcome, Outcome::NoSolution);
    EXPECT_EQ(deadResult->placements, 0);
    EXPECT_EQ(deadResult->grid, dead);
}

TEST(Search, ALoweredPlacementLimitGivesUpThere)
{
    // The empty board needs 81 placements. The placement that reaches the budget gives up even
    // when it fills the board, so 82 solves and 81 gives up with all 81 digits placed.
    Searcher enough(Grid {}, {}, 82);
    enough.search.Run();
    EXPECT_EQ(enough.State().SearchCount, 81);
    EXPECT_FALSE(enough.State().GaveUp);
    Searcher full(Grid {}, {}, 81);
    full.search.Run();
    EXPECT_TRUE(full.State().GaveUp);
    EXPECT_EQ(test::GridString(full.board.Digits()), EmptyBoardSolution);
    Searcher tooFew(Grid {}, {}, 80);
    tooFew.search.Run();
    EXPECT_EQ(tooFew.State().SearchCount, 80);
    EXPECT_TRUE(tooFew.State().GaveUp);
    EXPECT_TRUE(tooFew.State().StopSearch);
    EXPECT_EQ(Count(tooFew.board.Digits()), 80);

    const auto gaveUp = SolvePuzzle(Grid {}, {}, 1);
    ASSERT_TRUE(gaveUp);
    EXPECT_EQ(gaveUp->outcome, Outcome::GaveUp);
    EXPECT_EQ(gaveUp->placements, 1);
    EXPECT_EQ(gaveUp->grid, Grid {});

    Board board;
    EXPECT_THROW(Search(board, {}, 0), std::invalid_argument);
    EXPECT_THROW(SolvePuzzle(Grid {}, {}, -5), std::invalid_argument);
}
