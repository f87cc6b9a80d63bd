#include "reference_compare.h"
#include "reference_solver.h"
#include "solver/pipeline.h"
#include "solver/propagation.h"
#include "solver/search.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace quadrelle;

namespace {

// Runs the engine's parts one by one and compares every observable with the reference.
void ExpectSameAsReference(const Grid &puzzle, std::int32_t placementLimit = Search::DefaultPlacementLimit)
{
    SCOPED_TRACE(test::GridString(puzzle) + " limit " + std::to_string(placementLimit));
    const test::ReferenceRun ref = test::ReferenceSolve(puzzle, placementLimit);

    Board board;
    const bool valid = PlaceGivens(board, puzzle);
    ASSERT_EQ(valid, ref.validGivens);
    int hookCalls = 0;
    const std::optional<SolveResult> result = SolvePuzzle(
        puzzle, [&] { ++hookCalls; }, placementLimit);
    ASSERT_EQ(result.has_value(), valid);
    if (!valid)
        return;

    NoGrid noGrid;
    ASSERT_EQ(PropagateSingles(board, noGrid, TemplateBox), ref.propagationAlive);
    ASSERT_EQ(board.Digits(), ref.afterPropagation);

    // With events the search stops every 8192 placements and goes on where it was; without,
    // it runs through. Both must end as the reference.
    for (const bool withEvents : {true, false}) {
        SCOPED_TRACE(withEvents ? "with events" : "without events");
        Board searched;
        PlaceGivens(searched, puzzle);
        PropagateSingles(searched, noGrid, TemplateBox);
        std::vector<std::int32_t> countsAtEvents;
        Search *running = nullptr;
        EventHook hook;
        if (withEvents)
            hook = [&] { countsAtEvents.push_back(running->State().SearchCount); };
        Search search(searched, hook, placementLimit);
        running = &search;
        search.Initialise();
        if (ref.searched)
            search.Run();
        const SearchState &s = search.State();
        EXPECT_EQ(s.SearchCount, ref.searchCount);
        EXPECT_EQ(s.StopSearch, ref.stopSearch);
        EXPECT_EQ(s.GaveUp, ref.gaveUp);
        test::ExpectChoicesAsReference(s, searched, ref);
        ASSERT_EQ(countsAtEvents.size(), withEvents ? static_cast<std::size_t>(ref.searchCount / 8192) : 0u);
        for (std::size_t i = 0; i < countsAtEvents.size(); ++i)
            EXPECT_EQ(countsAtEvents[i], static_cast<std::int32_t>((i + 1) * 8192));
    }

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
    CompareCollection("cap_stress_7.txt", test::Sanitized ? 1 : 7, 1);
}

TEST(Reference, LoweredLimitsStopInTheSameState)
{
    // Stops at many points of a search: on a cell's first digit and on a later one, at an event
    // and next to one, at the very first placement.
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = test::ReadPuzzles(folder / "magictour_top95.txt", test::Slice(24), 4);
    ASSERT_FALSE(puzzles.empty());
    for (const Grid &puzzle : puzzles) {
        for (std::int32_t limit : {1, 2, 3, 5, 8, 13, 100, 377, 1000, 8191, 8192, 8193, 20000}) {
            ExpectSameAsReference(puzzle, limit);
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

namespace {
// Lines (from 1) of the 17-clue collection whose search reaches the budget: 195 of 49,158.
constexpr std::array<int, 195> SeventeenClueGiveUps {397, 959, 1149, 1249, 1255, 1450, 1603, 1608, 1729, 2768, 3135,
    3540, 6981, 7007, 7201, 7207, 7271, 7313, 7321, 7322, 7326, 7327, 7448, 7501, 8940, 9047, 9245, 9512, 9701, 10110,
    10395, 10615, 10623, 12308, 12312, 12873, 12895, 12898, 12906, 13275, 13763, 13772, 13773, 14098, 14369, 14370,
    14704, 16182, 17308, 17309, 17310, 17311, 17312, 17313, 17631, 18728, 19509, 19653, 19657, 19658, 20120, 20320,
    20439, 20611, 20669, 20699, 20905, 21210, 21246, 21266, 21267, 21294, 21300, 21412, 21428, 21430, 21431, 21457,
    21458, 21644, 21690, 21715, 21765, 21801, 22019, 22099, 22106, 23026, 23036, 23037, 23129, 23143, 23221, 23233,
    23309, 23603, 23618, 23678, 23679, 23685, 23706, 23725, 23738, 23744, 23745, 24383, 24566, 24620, 24948, 25096,
    25174, 25176, 25177, 25686, 25894, 26055, 26090, 26123, 26560, 26881, 27345, 27468, 27469, 27515, 27615, 27619,
    27620, 27816, 27817, 27819, 27820, 28009, 28211, 28251, 28506, 28507, 28782, 28949, 29048, 29215, 29216, 29223,
    29312, 30360, 30904, 31639, 32122, 33810, 34704, 35233, 35541, 35687, 35910, 35923, 36460, 36553, 36574, 37100,
    37119, 37137, 38746, 41209, 41213, 42734, 43428, 45586, 45708, 45711, 45712, 45713, 45714, 45754, 45764, 46249,
    46317, 46751, 46841, 46843, 46884, 47033, 47077, 47094, 47101, 47106, 47112, 47192, 47314, 47420, 47442, 47443,
    47731, 47887, 48342, 48354, 48884};
} // namespace

TEST(Reference, EverySeventeenClueGiveUpGivesUp)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    const auto puzzles = test::ReadPuzzles(folder / "17_clue_49158.txt");
    ASSERT_EQ(puzzles.size(), 49'158u);
    const std::size_t step = test::Sanitized ? 65 : test::PortableEngine ? 5 : 1;
    for (std::size_t i = 0; i < SeventeenClueGiveUps.size(); i += step) {
        const Grid &puzzle = puzzles[static_cast<std::size_t>(SeventeenClueGiveUps[i] - 1)];
        if (i % 39 == 0 && !test::Sanitized) {
            ExpectSameAsReference(puzzle);
            continue;
        }
        const auto result = SolvePuzzle(puzzle);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->outcome, Outcome::GaveUp) << "line " << SeventeenClueGiveUps[i];
        EXPECT_EQ(result->placements, 999'999);
    }
}
