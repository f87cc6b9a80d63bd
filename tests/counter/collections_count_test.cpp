// Verdicts on the puzzle collections, whose counts are known.

#include "count_support.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

struct Collection {
    const char *file;
    // Every step-th puzzle; fewer under the sanitizers.
    std::size_t step;
    std::size_t sanitizedStep;
    int solutions;
};

// A count of one with a valid completion is the puzzle's solution.
TEST(CounterCollections, EachPuzzleGetsItsCountAndValidCompletions)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    for (const Collection &collection : {
             Collection {"magictour_top1465.txt", 1, 10, 1},
             Collection {"forum_hardest_1106.txt", 1, 10, 1},
             Collection {"17_clue_49158.txt", 1, 5, 1},
             Collection {"forum_hardest_1905_11plus.txt", 10, 100, 1},
             Collection {"serg_benchmark_multisolution.txt", 1, 3, 2},
         }) {
        const auto puzzles
            = ReadPuzzles(folder / collection.file, SIZE_MAX, Sanitized ? collection.sanitizedStep : collection.step);
        ASSERT_FALSE(puzzles.empty()) << collection.file;
        for (const Grid &puzzle : puzzles) {
            const SolutionCount result = CountSolutions(ToCells(puzzle));
            ASSERT_EQ(result.solutions, collection.solutions) << collection.file << ": " << GridString(puzzle);
            ASSERT_EQ(CheckCompletions(puzzle, result), "") << collection.file << ": " << GridString(puzzle);
            // No heavy tail: the hardest of these take a few hundred guesses.
            EXPECT_LE(result.guesses, 2000) << collection.file << ": " << GridString(puzzle);
        }
    }
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

// Tab-separated: puzzle, then 0, 1, 2+ or invalid-givens. Among them the 43 test puzzles of one
// solver with their counts and the seven labelled invalid cases of a wiki.
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
