// Every step the rater takes, checked against the solution: no placement differs from it, no
// elimination removes its digit, and the steps in order reach it. A wrong technique shows here.

#include "counter/solution_count.h"
#include "logic/candidate_grid.h"
#include "logic/solve_path.h"
#include "logic/techniques.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace quadrelle;
using namespace quadrelle::logic;

namespace {

struct Tally {
    long rated = 0, lowerBounds = 0, skipped = 0, over3 = 0;
};

// The steps of one puzzle against its solution.
void CheckPuzzle(const std::array<std::uint8_t, 81> &cells, RatingLimits limits, Tally &tally)
{
    if (CountSolutions(cells).solutions != 1) {
        ++tally.skipped;
        return;
    }
    const SolvePath path = SolveLogically(cells, limits, Keep::All);
    const auto &solution = path.rating.solution;
    std::optional<CandidateGrid> grid = CandidateGrid::FromGivens(cells);
    ASSERT_TRUE(grid);
    for (const Step &step : path.steps) {
        ASSERT_FALSE(step.placements.empty() && step.eliminations.empty()) << step.technique;
        for (const Candidate &c : step.placements) {
            ASSERT_EQ(c.digit.Value(), solution[c.cell.Index()]) << step.technique << " places a wrong digit";
            grid->Place(c.cell.Index(), c.digit);
        }
        for (const Candidate &c : step.eliminations) {
            ASSERT_NE(c.digit.Value(), solution[c.cell.Index()]) << step.technique << " removes the solution's digit";
            grid->Eliminate(c.cell.Index(), c.digit);
        }
    }
    if (path.rating.status == Rating::Status::LowerBound) {
        ++tally.lowerBounds;
        return;
    }
    ++tally.rated;
    tally.over3 += path.rating.tenths >= 30;
    ASSERT_TRUE(grid->Solved());
    for (int cell = 0; cell < 81; ++cell)
        ASSERT_EQ(grid->Value(cell).Value(), solution[cell]);
}

Tally CheckCollection(const std::filesystem::path &file, std::size_t count, RatingLimits limits)
{
    Tally tally;
    const std::vector<Grid> all = test::ReadPuzzles(file);
    const std::size_t step = std::max<std::size_t>(1, all.size() / std::max<std::size_t>(count, 1));
    for (std::size_t i = 0; i < all.size(); i += step) {
        SCOPED_TRACE(file.filename().string() + " puzzle " + std::to_string(i + 1));
        CheckPuzzle(test::ToCells(all[i]), limits, tally);
        if (::testing::Test::HasFatalFailure())
            break;
    }
    return tally;
}

struct Collection {
    const char *file;
    // Puzzles checked in the quick run, spread over the file.
    std::size_t sample;
};

constexpr Collection Collections[] = {
    {"norvig_easy50.txt", 50},
    {"norvig_hardest11.txt", 11},
    {"magictour_top95.txt", 8},
    {"magictour_top1465.txt", 8},
    {"forum_hardest_1106.txt", 3},
    {"forum_hardest_1905_11plus.txt", 1},
    {"plb_hard20.txt", 4},
    {"tdoku_test_puzzles.txt", 20},
    {"17_clue_49158.txt", 30},
    {"kaggle3m_radcliffe_sample7034.txt", 100},
    {"sudoku_exchange_diabolical.txt", 60},
    {"top50000.txt", 30},
    {"serg_benchmark_multisolution.txt", 20},
    {"cap_stress_7.txt", 7},
    {"sudopedia_invalid7.txt", 7},
};

bool SinglesSolve(const std::array<std::uint8_t, 81> &cells)
{
    std::optional<CandidateGrid> grid = CandidateGrid::FromGivens(cells);
    for (Step step; grid && !grid->Solved(); step = {}) {
        if (!FindHiddenSingleBox(*grid, step) && !FindHiddenSingleLine(*grid, step) && !FindNakedSingle(*grid, step))
            return false;
        for (const Candidate &c : step.placements)
            if (grid->IsOpen(c.cell.Index()) && grid->Has(c.cell.Index(), c.digit))
                grid->Place(c.cell.Index(), c.digit);
    }
    return grid.has_value();
}

// The hardest collection runs out of effort on nearly every puzzle: QUADRELLE_LOGIC_EFFORT (in
// thousandths of the default) trades how far each solve goes for a run that ends in minutes.
std::uint64_t FullEffort()
{
    const char *limit = std::getenv("QUADRELLE_LOGIC_EFFORT");
    return DefaultEffort * (limit ? std::atoi(limit) : 200) / 1000;
}

// full: every puzzle of the collections whose names contain `only` (all for "1").
void CheckAll(bool full, std::string_view only = "1")
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    for (const Scale scale : {Scale::SudokuExplainer, Scale::SukakuExplainer})
        for (const Collection &collection : Collections) {
            if (full && only != "1" && std::string_view(collection.file).find(only) == std::string_view::npos)
                continue;
            const std::size_t sample = full ? SIZE_MAX : test::Slice(collection.sample);
            const Tally tally
                = CheckCollection(folder / collection.file, sample, {scale, full ? FullEffort() : DefaultEffort / 25});
            if (::testing::Test::HasFatalFailure())
                return;
            std::printf("%-6s %-36s %6ld rated %4ld lower bounds %5ld not unique\n", ScaleName(scale).data(),
                collection.file, tally.rated, tally.lowerBounds, tally.skipped);
        }
}

} // namespace

TEST(LogicSoundness, EveryStepKeepsTheSolutionOnASampleOfEachCollection)
{
    CheckAll(false);
}

// The whole of every collection: hours for the hardest, so only when asked for
// (QUADRELLE_LOGIC_FULL=1 ctest -L logic-full, or a part of a collection's name for that one).
TEST(LogicSoundness, EveryStepKeepsTheSolutionOnEveryPuzzle)
{
    const char *only = std::getenv("QUADRELLE_LOGIC_FULL");
    if (!only)
        GTEST_SKIP() << "set QUADRELLE_LOGIC_FULL=1 for the whole collections";
    CheckAll(true, only);
}

// Puzzles that singles solve stay below the first elimination technique's score, and the
// hardest published ones reach the dynamic chains or are reported beyond the time limit.
TEST(LogicSoundness, ScaleEnds)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    for (const char *file : {"norvig_easy50.txt", "kaggle3m_radcliffe_sample7034.txt"}) {
        for (const Grid &puzzle : test::ReadPuzzles(folder / file, test::Slice(200))) {
            if (!SinglesSolve(test::ToCells(puzzle)))
                continue;
            const Rating rating = RatePuzzle(test::ToCells(puzzle));
            ASSERT_EQ(rating.status, Rating::Status::Rated);
            EXPECT_LT(rating.tenths, 30) << file << ": " << test::GridString(puzzle) << " " << rating.hardest;
        }
    }
    for (const Grid &puzzle : test::ReadPuzzles(folder / "forum_hardest_1905_11plus.txt", 1)) {
        const Rating rating = RatePuzzle(test::ToCells(puzzle), {Scale::SudokuExplainer, DefaultEffort / 10});
        EXPECT_TRUE(rating.tenths >= 90 || rating.status == Rating::Status::LowerBound) << test::GridString(puzzle);
    }
}

// Out of effort, the rating so far is given as a lower bound naming the ladder's top rung.
TEST(LogicSoundness, EffortLimitGivesALowerBound)
{
    const std::array<std::uint8_t, 81> hard = test::ToCells(
        test::ParseGrid("800000000003600000070090200050007000000045700000100030001000068008500010090000400"));
    const Rating stopped = RatePuzzle(hard, {Scale::SudokuExplainer, 0});
    EXPECT_EQ(stopped.status, Rating::Status::LowerBound);
    EXPECT_EQ(stopped.hardest, "Nested Forcing Chains");
    EXPECT_EQ(stopped.solution, RatePuzzle(hard, {Scale::SudokuExplainer, DefaultEffort / 20}).solution);
    // Every search gives up soon after the effort is spent, however deep it is.
    for (const std::uint64_t effort : {DefaultEffort / 1000, DefaultEffort / 20, DefaultEffort / 4})
        for (const Scale scale : {Scale::SudokuExplainer, Scale::SukakuExplainer})
            EXPECT_LT(RatePuzzle(hard, {scale, effort}).work, effort + effort / 10 + 1000) << ScaleName(scale);
}
