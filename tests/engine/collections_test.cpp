#include "solver/pipeline.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using namespace quadrelle;

namespace {

struct Tally {
    int solved = 0, unsolvable = 0, gaveUp = 0, invalid = 0;
    long long placements = 0;
};

// Solves a slice, checking every solution against its puzzle.
Tally SolveSlice(const std::vector<Grid> &puzzles)
{
    Tally tally;
    for (const Grid &puzzle : puzzles) {
        const auto result = SolvePuzzle(puzzle);
        if (!result) {
            ++tally.invalid;
            continue;
        }
        tally.placements += result->placements;
        switch (result->outcome) {
        case Outcome::Solved:
            ++tally.solved;
            EXPECT_TRUE(test::IsValidCompletion(puzzle, result->grid))
                << test::GridString(puzzle) << " -> " << test::GridString(result->grid);
            break;
        case Outcome::NoSolution:
            ++tally.unsolvable;
            break;
        case Outcome::GaveUp:
            ++tally.gaveUp;
            EXPECT_EQ(result->placements, 999'999);
            break;
        }
        if (result->outcome != Outcome::GaveUp) {
            EXPECT_LT(result->placements, 999'999);
        }
    }
    return tally;
}

// Every puzzle of these slices has a solution well within the budget. A whole collection
// must also keep its total placement count (checked once against the reference solver).
void ExpectAllSolved(const char *file, std::size_t count, std::size_t step, long long wholeTotal = 0)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = test::ReadPuzzles(folder / file, count, step);
    ASSERT_FALSE(puzzles.empty());
    const Tally tally = SolveSlice(puzzles);
    EXPECT_EQ(tally.solved, static_cast<int>(puzzles.size())) << file;
    if (wholeTotal != 0 && step == 1 && count >= puzzles.size()
        && test::ReadLines(folder / file).size() == puzzles.size()) {
        EXPECT_EQ(tally.placements, wholeTotal) << file << ": the search no longer makes the same choices";
    }
}

std::map<std::string, std::string> EdgeCaseExpectations(const std::filesystem::path &folder)
{
    std::map<std::string, std::string> expected;
    for (const std::string &line : test::ReadLines(folder / "edge_cases_expected.tsv")) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string puzzle, count;
        std::getline(fields, puzzle, '\t');
        std::getline(fields, count, '\t');
        expected[puzzle] = count;
    }
    return expected;
}

} // namespace

TEST(Collections, EdgeCasesComeOutAsExpected)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto expected = EdgeCaseExpectations(folder);
    // These hold every puzzle of tdoku_test_puzzles.txt and sudopedia_invalid7.txt.
    ASSERT_EQ(expected.size(), 55u);
    int noSolution = 0, repeated = 0;
    for (const auto &[text, count] : expected) {
        noSolution += count == "0";
        repeated += count == "invalid-givens";
        SCOPED_TRACE(text + " expected " + count);
        if (test::Sanitized && text == test::GridString(test::ReadPuzzles(folder / "cap_stress_7.txt").back()))
            continue; // hard1 gives up; the sanitizer build has its give-up runs elsewhere
        const Grid puzzle = test::ParseGrid(text);
        const auto result = SolvePuzzle(puzzle);
        if (count == "invalid-givens") {
            EXPECT_FALSE(result);
            continue;
        }
        ASSERT_TRUE(result);
        if (count == "0") {
            EXPECT_NE(result->outcome, Outcome::Solved);
        } else if (result->outcome == Outcome::Solved) {
            EXPECT_TRUE(test::IsValidCompletion(puzzle, result->grid));
        } else {
            EXPECT_EQ(result->outcome, Outcome::GaveUp); // a puzzle with solutions is never "unsolvable"
        }
    }
    EXPECT_EQ(noSolution, 14);
    EXPECT_EQ(repeated, 3);
}

TEST(Collections, UniqueSolutionsMatchThePublishedOnes)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    int checked = 0;
    // puzzle:count:solution
    for (const std::string &line : test::ReadLines(folder / "originals" / "tdoku_test_puzzles.orig.txt")) {
        if (line.size() < 2 * CellCount + 3 || line.substr(CellCount, 3) != ":1:")
            continue;
        const auto result = SolvePuzzle(test::ParseGrid(line.substr(0, CellCount)));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->outcome, Outcome::Solved);
        EXPECT_EQ(test::GridString(result->grid), line.substr(CellCount + 3, CellCount));
        ++checked;
    }
    EXPECT_EQ(checked, 18);

    // puzzle,solution,... for a slice of the Kaggle sample.
    const auto lines = test::ReadLines(folder / "originals" / "kaggle3m_radcliffe_sample7034.orig.csv");
    for (std::size_t i = 1; i < lines.size(); i += 70) {
        const std::string &line = lines[i];
        const auto result = SolvePuzzle(test::ParseGrid(line.substr(0, CellCount)));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->outcome, Outcome::Solved);
        EXPECT_EQ(test::GridString(result->grid), line.substr(CellCount + 1, CellCount));
    }
}

TEST(Collections, CapStressPuzzlesAllGiveUp)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = test::ReadPuzzles(folder / "cap_stress_7.txt", test::Sanitized ? 1 : 7);
    ASSERT_FALSE(puzzles.empty());
    const Tally tally = SolveSlice(puzzles);
    EXPECT_EQ(tally.gaveUp, static_cast<int>(puzzles.size()));
}

TEST(Collections, SeventeenClueSliceSolvesOrGivesUp)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = test::ReadPuzzles(folder / "17_clue_49158.txt", test::Slice(50), 1);
    const Tally tally = SolveSlice(puzzles);
    EXPECT_EQ(tally.unsolvable, 0);
    EXPECT_EQ(tally.invalid, 0);
    EXPECT_EQ(tally.solved + tally.gaveUp, static_cast<int>(puzzles.size()));
}

TEST(Collections, Top95)
{
    ExpectAllSolved("magictour_top95.txt", test::Slice(95), 1, 1'410'430);
}
TEST(Collections, NorvigHardestAndEasy)
{
    ExpectAllSolved("norvig_hardest11.txt", 11, 1);
    ExpectAllSolved("norvig_easy50.txt", 50, 1);
    ExpectAllSolved("plb_hard20.txt", 20, 1);
}
TEST(Collections, Top1465Slice)
{
    ExpectAllSolved("magictour_top1465.txt", test::Slice(150), 9);
}
TEST(Collections, ForumHardest1106)
{
    if (test::Sanitized)
        ExpectAllSolved("forum_hardest_1106.txt", 20, 18);
    else
        ExpectAllSolved("forum_hardest_1106.txt", 375, 1, 5'479'310);
}
TEST(Collections, ForumHardest1905Slice)
{
    ExpectAllSolved("forum_hardest_1905_11plus.txt", test::Slice(100), 487);
}
TEST(Collections, Top50000Slice)
{
    ExpectAllSolved("top50000.txt", test::Slice(300), 166);
}
TEST(Collections, DiabolicalSlice)
{
    ExpectAllSolved("sudoku_exchange_diabolical.txt", test::Slice(200), 198);
}
TEST(Collections, KaggleSlice)
{
    ExpectAllSolved("kaggle3m_radcliffe_sample7034.txt", test::Slice(200), 35);
}
TEST(Collections, MultiSolutionSlice)
{
    ExpectAllSolved("serg_benchmark_multisolution.txt", test::Slice(200), 50);
}
