// quadrelle-solve --count: one verdict a puzzle, in input order, counted in the summary.

#include "batch_solver_fixture.h"

#include <array>

using namespace quadrelle::testing;

namespace {

const std::string Unique = "003020600900305001001806400008102900700000008006708200002609500800203009005010300";
// Refuted only by the search.
const std::string NoSolution = "100050209007000000060000000200000000000501002000020390304090001500010003000800040";
// Cell 50 has no candidate: its row holds 1-4, its column 5-7, its box 4, 8, 9.
const std::string DeadCell = "000005000000006000000007000000800000000090000123400000000000000000000000000000000";

// Every row, column and box holds 1-9, and every given stays.
::testing::AssertionResult IsCompletionOf(const std::string &grid, const std::string &puzzle)
{
    if (grid.size() != 81)
        return ::testing::AssertionFailure() << "not 81 cells: " << grid;
    for (std::size_t p = 0; p < 81; ++p)
        if (puzzle[p] != '0' && puzzle[p] != '.' && puzzle[p] != grid[p])
            return ::testing::AssertionFailure() << "given " << p << " changed in " << grid;
    for (int unit = 0; unit < 27; ++unit) {
        std::array<bool, 10> seen {};
        for (int i = 0; i < 9; ++i) {
            const int row = unit < 9 ? unit : unit < 18 ? i : (unit - 18) / 3 * 3 + i / 3;
            const int column = unit < 9 ? i : unit < 18 ? unit - 9 : (unit - 18) % 3 * 3 + i % 3;
            const char c = grid[static_cast<std::size_t>(row * 9 + column)];
            if (c < '1' || c > '9' || seen[static_cast<std::size_t>(c - '0')])
                return ::testing::AssertionFailure() << "unit " << unit << " breaks the rules in " << grid;
            seen[static_cast<std::size_t>(c - '0')] = true;
        }
    }
    return ::testing::AssertionSuccess();
}

std::vector<std::string> Words(const std::string &line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

} // namespace

TEST_F(BatchSolver, CountGivesEachVerdictWithItsSolutions)
{
    std::string repeated = EmptyBoard;
    repeated[0] = repeated[80] = '5';
    repeated[2] = repeated[20] = '3'; // box 0
    std::string fewGivens = EmptyBoard;
    fewGivens[0] = '1';
    fewGivens[40] = '5';
    const std::string input = Unique + "\n" + EmptyBoard + "\n" + fewGivens + ";a name\n" + NoSolution + "\n" + DeadCell
        + "\n" + "12\n" + "# skipped\n" + EmptyBoard.substr(1) + "x\n" + repeated + "\n";

    const Result solved = Run({"--jobs", "1"}, Unique + "\n");
    const Result r = Run({"--count", "--jobs", "2"}, input);
    EXPECT_EQ(r.exitCode, 1);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 8u) << r.out;

    // The solution equals the one the default mode finds.
    EXPECT_EQ("unique " + solved.out.substr(solved.out.rfind(' ') + 1), lines[0] + "\n");
    for (const auto &[index, puzzle] : {std::pair {1, EmptyBoard}, {2, fewGivens}}) {
        SCOPED_TRACE(index);
        const std::vector<std::string> words = Words(lines[static_cast<std::size_t>(index)]);
        ASSERT_EQ(words.size(), 3u);
        EXPECT_EQ(words[0], "multiple");
        EXPECT_TRUE(IsCompletionOf(words[1], puzzle));
        EXPECT_TRUE(IsCompletionOf(words[2], puzzle));
        EXPECT_NE(words[1], words[2]);
    }
    EXPECT_EQ(lines[3], "none");
    EXPECT_EQ(lines[4], "none");
    EXPECT_EQ(lines[5], "invalid bad-length");
    EXPECT_EQ(lines[6], "invalid bad-character");
    EXPECT_EQ(lines[7], "invalid repeated-digit");
    EXPECT_NE(r.err.find("8 puzzles: 1 unique, 2 multiple, 2 none, 3 invalid"), std::string::npos) << r.err;
}

TEST_F(BatchSolver, CountExitsWithZeroWithoutInvalidLines)
{
    const Result r = Run({"-c"}, Unique + "\n" + NoSolution + "\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Lines(r.out).size(), 2u);
    EXPECT_NE(r.err.find("2 puzzles: 1 unique, 0 multiple, 1 none, 0 invalid"), std::string::npos) << r.err;
}
