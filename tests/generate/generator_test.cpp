// Generated puzzles: one solution, the drawn one; no orbit of givens can go; the symmetry holds.

#include "counter/solution_count.h"
#include "generate/generator.h"
#include "generate/rating_filter.h"
#include "logic/rating.h"

#include <gtest/gtest.h>

using namespace quadrelle;
using namespace quadrelle::generate;

namespace {

constexpr int PuzzlesEach = 40;

class Generated : public ::testing::TestWithParam<Symmetry> { };

::testing::AssertionResult IsSymmetric(const Grid &puzzle, Symmetry symmetry)
{
    for (int cell = 0; cell < 81; ++cell) {
        const int image = Image(symmetry, cell);
        if ((puzzle[static_cast<std::size_t>(cell)] == 0) != (puzzle[static_cast<std::size_t>(image)] == 0))
            return ::testing::AssertionFailure() << "cells " << cell << " and " << image << " differ";
    }
    return ::testing::AssertionSuccess();
}

// Every orbit of givens, taken away, leaves more than one solution.
::testing::AssertionResult IsMinimal(const Grid &puzzle, Symmetry symmetry)
{
    for (const Orbit &orbit : OrbitsOf(symmetry)) {
        if (puzzle[orbit.cells[0]] == 0)
            continue;
        Grid fewer = puzzle;
        fewer[orbit.cells[0]] = fewer[orbit.cells[1]] = 0;
        if (CountSolutions(fewer).solutions != 2)
            return ::testing::AssertionFailure() << "cell " << int(orbit.cells[0]) << " could go";
    }
    return ::testing::AssertionSuccess();
}

bool IsCompletion(const Grid &solution, const Grid &puzzle)
{
    for (std::size_t cell = 0; cell < 81; ++cell)
        if (puzzle[cell] != 0 && puzzle[cell] != solution[cell])
            return false;
    return true;
}

} // namespace

TEST_P(Generated, PuzzlesHaveTheirSolutionOnlyAndAreMinimalAndSymmetric)
{
    for (const bool minimal : {true, false}) {
        for (std::uint64_t index = 0; index < PuzzlesEach; ++index) {
            SCOPED_TRACE(::testing::Message() << "puzzle " << index << (minimal ? "" : ", not minimal"));
            const GeneratedPuzzle made = GeneratePuzzle(19, index, {GetParam(), minimal}, {});
            const SolutionCount count = CountSolutions(made.puzzle);
            ASSERT_EQ(count.solutions, 1);
            EXPECT_TRUE(IsCompletion(made.solution, made.puzzle));
            for (std::size_t cell = 0; cell < 81; ++cell)
                EXPECT_EQ(count.first[cell] - '0', made.solution[cell]);
            EXPECT_TRUE(IsSymmetric(made.puzzle, GetParam()));
            if (minimal) {
                EXPECT_TRUE(IsMinimal(made.puzzle, GetParam()));
            }
            EXPECT_EQ(made.candidates, 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySymmetry, Generated,
    ::testing::Values(Symmetry::None, Symmetry::Central, Symmetry::Diagonal, Symmetry::Mirror),
    [](const auto &info) { return std::string(NameOf(info.param)); });

TEST(Generator, FilterDrawsCandidatesUntilOneIsKeptAndTheSameSeedGivesTheSamePuzzles)
{
    int offered = 0;
    const auto everyThird = [&offered](const Grid &) { return ++offered % 3 == 0; };
    const GeneratedPuzzle kept = GeneratePuzzle(7, 3, {}, everyThird);
    EXPECT_EQ(kept.candidates, 3);

    // The third candidate of puzzle 3 is where an unfiltered puzzle 3 would be the first.
    EXPECT_NE(kept.puzzle, GeneratePuzzle(7, 3, {}, {}).puzzle);
    EXPECT_EQ(GeneratePuzzle(7, 3, {}, {}).puzzle, GeneratePuzzle(7, 3, {}, {}).puzzle);
    EXPECT_NE(GeneratePuzzle(7, 3, {}, {}).puzzle, GeneratePuzzle(7, 4, {}, {}).puzzle);
    EXPECT_NE(GeneratePuzzle(7, 3, {}, {}).puzzle, GeneratePuzzle(8, 3, {}, {}).puzzle);
}

TEST(Symmetry, OrbitsCoverEveryCellOnceAndMapOntoThemselves)
{
    for (const Symmetry symmetry : {Symmetry::None, Symmetry::Central, Symmetry::Diagonal, Symmetry::Mirror}) {
        SCOPED_TRACE(NameOf(symmetry));
        std::array<int, 81> seen {};
        for (const Orbit &orbit : OrbitsOf(symmetry)) {
            EXPECT_EQ(Image(symmetry, orbit.cells[0]), orbit.cells[1]);
            EXPECT_EQ(Image(symmetry, orbit.cells[1]), orbit.cells[0]);
            for (std::uint8_t i = 0; i < orbit.size; ++i)
                ++seen[orbit.cells[i]];
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 81);
        EXPECT_EQ(SymmetryNamed(NameOf(symmetry)), symmetry);
    }
}

TEST(Generator, RatingRangeKeepsOnlyPuzzlesRatedInIt)
{
    const RatingRange range {20, 39};
    const PuzzleFilter keep = RatingFilter(range);
    long candidates = 0;
    for (std::uint64_t index = 0; index < 8; ++index) {
        const GeneratedPuzzle made = GeneratePuzzle(5, index, {Symmetry::Diagonal, true}, keep);
        const Rating rating = RatePuzzle(made.puzzle);
        EXPECT_EQ(rating.status, Rating::Status::Rated);
        EXPECT_TRUE(range.Holds(rating.tenths)) << rating.tenths;
        candidates += made.candidates;
    }
    // About half the candidates fall outside; a filter that kept all would draw just one each.
    EXPECT_GT(candidates, 8);
}
