// Verdicts on the puzzle collections, whose counts are known.

#include "count_support.h"
#include "solver/pipeline.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

// Every puzzle is unique and its solution is the exact engine's.
void ExpectUniqueAsExactEngine(const char *file)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    // The exact engine takes milliseconds on these: a tenth of them under the sanitizers.
    const auto puzzles = ReadPuzzles(folder / file, SIZE_MAX, Sanitized ? 10 : 1);
    ASSERT_FALSE(puzzles.empty());
    for (const Grid &puzzle : puzzles) {
        const SolutionCount result = CountSolutions(ToCells(puzzle));
        ASSERT_EQ(result.solutions, 1) << file << ": " << GridString(puzzle);
        const auto exact = SolvePuzzle(puzzle);
        ASSERT_TRUE(exact && exact->outcome == Outcome::Solved) << GridString(puzzle);
        ASSERT_EQ(SolutionString(result.first), GridString(exact->grid)) << GridString(puzzle);
    }
}

TEST(CounterCollections, Top1465IsUniqueWithTheExactEnginesSolutions)
{
    ExpectUniqueAsExactEngine("magictour_top1465.txt");
}

TEST(CounterCollections, ForumHardest1106IsUniqueWithTheExactEnginesSolutions)
{
    ExpectUniqueAsExactEngine("forum_hardest_1106.txt");
}

// Counts that need no search by the exact engine.
void ExpectAllUnique(const char *file, std::size_t step)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = ReadPuzzles(folder / file, SIZE_MAX, step);
    ASSERT_FALSE(puzzles.empty());
    for (const Grid &puzzle : puzzles) {
        const SolutionCount result = CountSolutions(ToCells(puzzle));
        ASSERT_EQ(result.solutions, 1) << file << ": " << GridString(puzzle);
        ASSERT_EQ(CheckCompletions(puzzle, result), "") << GridString(puzzle);
    }
}

TEST(CounterCollections, SeventeenCluePuzzlesAreUnique)
{
    ExpectAllUnique("17_clue_49158.txt", Sanitized ? 5 : 1);
}

TEST(CounterCollections, ForumHardest1905SampleIsUnique)
{
    ExpectAllUnique("forum_hardest_1905_11plus.txt", Sanitized ? 100 : 10);
}

// Six 17-clue puzzles that need millions of guesses from a search on naked singles alone, and
// one with several solutions as far away.
TEST(CounterCollections, CapStressPuzzlesGetTheirVerdicts)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = ReadPuzzles(folder / "cap_stress_7.txt");
    ASSERT_EQ(puzzles.size(), 7u);
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const SolutionCount result = CountSolutions(ToCells(puzzles[i]));
        EXPECT_EQ(result.solutions, i < 6 ? 1 : 2) << GridString(puzzles[i]);
        EXPECT_EQ(CheckCompletions(puzzles[i], result), "") << GridString(puzzles[i]);
    }
}

TEST(CounterCollections, SergBenchmarkIsMultipleWithTwoDifferentCompletions)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = ReadPuzzles(folder / "serg_benchmark_multisolution.txt", SIZE_MAX, Sanitized ? 3 : 1);
    ASSERT_EQ(puzzles.size(), Sanitized ? 3334u : 10000u);
    for (const Grid &puzzle : puzzles) {
        const SolutionCount result = CountSolutions(ToCells(puzzle));
        ASSERT_EQ(result.solutions, 2) << GridString(puzzle);
        ASSERT_EQ(CheckCompletions(puzzle, result), "") << GridString(puzzle);
    }
}

// Lines "puzzle:count:solution", the count up to 601 and the solution present when it is 1.
TEST(CounterCollections, TdokuTestPuzzlesKeepTheirCounts)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    int seen = 0;
    for (const std::string &line : ReadLines(folder / "originals" / "tdoku_test_puzzles.orig.txt")) {
        if (line.empty())
            continue;
        std::istringstream fields(line);
        std::string puzzleText, countText, solution;
        std::getline(fields, puzzleText, ':');
        std::getline(fields, countText, ':');
        std::getline(fields, solution, ':');
        const Grid puzzle = ParseGrid(puzzleText);
        const int count = std::stoi(countText);
        const SolutionCount result = CountSolutions(ToCells(puzzle));
        ++seen;
        EXPECT_EQ(result.solutions, std::min(count, 2)) << line;
        EXPECT_EQ(CheckCompletions(puzzle, result), "") << line;
        if (count == 1) {
            EXPECT_EQ(SolutionString(result.first), solution) << line;
        }
    }
    EXPECT_EQ(seen, 43);
}

TEST(CounterCollections, SudopediaInvalidCasesHaveNoSolution)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto lines = ReadLines(folder / "originals" / "sudopedia_invalid7_labelled.orig.txt");
    ASSERT_EQ(lines.size(), 7u);
    for (const std::string &line : lines) {
        const Cells cells = ToCells(std::string_view(line).substr(0, 81));
        EXPECT_EQ(CountSolutions(cells).solutions, 0) << line;
        EXPECT_EQ(ReferenceCount(cells), 0) << line;
    }
}

// Tab-separated: puzzle, then 0, 1, 2+ or invalid-givens.
TEST(CounterCollections, EdgeCasesKeepTheirExpectedCounts)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    int seen = 0;
    for (const std::string &line : ReadLines(folder / "edge_cases_expected.tsv")) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string puzzleText, expected;
        std::getline(fields, puzzleText, '\t');
        std::getline(fields, expected, '\t');
        const Grid puzzle = ParseGrid(puzzleText);
        const SolutionCount result = CountSolutions(ToCells(puzzle));
        ++seen;
        const int count = expected == "2+" ? 2 : expected == "1" ? 1 : 0;
        EXPECT_EQ(result.solutions, count) << line;
        EXPECT_EQ(CheckCompletions(puzzle, result), "") << line;
    }
    EXPECT_EQ(seen, 55);
}

} // namespace
