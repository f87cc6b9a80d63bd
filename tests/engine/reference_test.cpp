#include "reference_solver.h"
#include "solver/pipeline.h"
#include "solver/propagation.h"
#include "solver/search.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace quadrelle;

namespace {

// Runs the engine's parts one by one and compares every observable with the reference.
void ExpectSameAsReference(const Grid &puzzle)
{
    SCOPED_TRACE(test::GridString(puzzle));
    const test::ReferenceRun ref = test::ReferenceSolve(puzzle);

    Board board;
    const bool valid = PlaceGivens(board, puzzle);
    ASSERT_EQ(valid, ref.validGivens);
    int hookCalls = 0;
    const std::optional<SolveResult> result = SolvePuzzle(puzzle, [&] { ++hookCalls; });
    ASSERT_EQ(result.has_value(), valid);
    if (!valid)
        return;

    NoGrid noGrid;
    ASSERT_EQ(PropagateSingles(board, noGrid, 0), ref.propagationAlive);
    ASSERT_EQ(board.Digits(), ref.afterPropagation);

    Search search(board);
    search.Initialise();
    if (ref.searched)
        search.Run();
    const SearchState &s = search.State();
    EXPECT_EQ(s.SearchCount, ref.searchCount);
    EXPECT_EQ(s.StopSearch, ref.stopSearch);
    EXPECT_EQ(s.GaveUp, ref.gaveUp);
    EXPECT_EQ(s.CurrentCell, ref.currentCell);
    EXPECT_EQ(board.Digits(), ref.final);

    const Outcome expected = ref.gaveUp ? Outcome::GaveUp : ref.stopSearch ? Outcome::Solved : Outcome::NoSolution;
    EXPECT_EQ(result->outcome, expected);
    EXPECT_EQ(result->placements, ref.searchCount);
    EXPECT_EQ(hookCalls, ref.searchCount / 8192);
    EXPECT_EQ(result->grid, expected == Outcome::Solved ? ref.final : ref.afterPropagation);
}

void CompareCollection(const char *file, std::size_t count, std::size_t step)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = test::ReadPuzzles(folder / file, count, step);
    ASSERT_FALSE(puzzles.empty());
    for (const Grid &puzzle : puzzles) {
        ExpectSameAsReference(puzzle);
        if (::testing::Test::HasFailure())
            return; // one divergence is enough to read
    }
}

} // namespace

TEST(Reference, SmallCasesMatch)
{
    ExpectSameAsReference(Grid {});
    ExpectSameAsReference(
        test::ParseGrid("974236158638591742125487936316754289742918563589362417867125394253649871491873625"));
    Grid repeated {};
    repeated[3] = repeated[30] = 6;
    ExpectSameAsReference(repeated);
}

TEST(Reference, EdgeCasesMatch)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    for (const std::string &line : test::ReadLines(folder / "edge_cases_expected.tsv")) {
        // hard1 gives up, a path GaveUpBoardMatches already pins; it would double the run time.
        if (!line.empty() && line[0] != '#' && line.find("hard1") == std::string::npos)
            ExpectSameAsReference(test::ParseGrid(std::string_view(line).substr(0, CellCount)));
    }
}

TEST(Reference, Top95Matches)
{
    CompareCollection("magictour_top95.txt", test::Slice(48), 2);
}
TEST(Reference, Top1465SliceMatches)
{
    CompareCollection("magictour_top1465.txt", test::Slice(80), 18);
}
TEST(Reference, ForumHardestSliceMatches)
{
    CompareCollection("forum_hardest_1106.txt", test::Slice(40), 9);
}
TEST(Reference, SeventeenClueSliceMatches)
{
    CompareCollection("17_clue_49158.txt", test::Slice(20), 1);
}
TEST(Reference, MultiSolutionSliceMatches)
{
    CompareCollection("serg_benchmark_multisolution.txt", test::Slice(80), 125);
}
TEST(Reference, KaggleSliceMatches)
{
    CompareCollection("kaggle3m_radcliffe_sample7034.txt", test::Slice(80), 87);
}
TEST(Reference, GaveUpBoardMatches)
{
    CompareCollection("cap_stress_7.txt", 1, 1);
}
