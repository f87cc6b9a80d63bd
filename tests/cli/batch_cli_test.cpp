// quadrelle-solve run as a user runs it: by path, with files, standard input and options.

#include "batch_solver_fixture.h"

#include <random>
#include <regex>

using namespace quadrelle::testing;

TEST_F(BatchSolver, HelpDescribesUsageAndSucceeds)
{
    for (const char *option : {"--help", "-h"}) {
        const Result r = Run({option});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_NE(r.out.find("quadrelle-solve"), std::string::npos);
        EXPECT_NE(r.out.find("--jobs"), std::string::npos);
        EXPECT_NE(r.out.find("--count"), std::string::npos);
        EXPECT_NE(r.out.find("--version"), std::string::npos);
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(BatchSolver, VersionIsTheProjectVersion)
{
    const Result r = Run({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_GE(lines.size(), 3u) << r.out;
    EXPECT_EQ(lines[0], "quadrelle-solve " QUADRELLE_VERSION);
    EXPECT_EQ(lines[1], "Copyright (c) The Quadrelle developers");
    EXPECT_EQ(lines[2], "License MIT: <https://opensource.org/licenses/MIT>");
    EXPECT_EQ(r.err, "");

    const Result full = Run({"--version"}, "", "/dev/full");
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_NE(full.err.find("could not write"), std::string::npos) << full.err;
}

TEST_F(BatchSolver, UsageErrorsExitWithTwoAndNameTheCulprit)
{
    ExpectUsageError({"--frobnicate"}, "--frobnicate");
    ExpectUsageError({"-x"}, "-x");
    ExpectUsageError({"--jobs", "0"}, "'0'");
    ExpectUsageError({"--jobs", "abc"}, "'abc'");
    ExpectUsageError({"--jobs", "-3"}, "-3");
    ExpectUsageError({"--jobs", "2x"}, "'2x'");
    ExpectUsageError({"--jobs="}, "--jobs");
    ExpectUsageError({"--jobs"}, "--jobs");
    ExpectUsageError({"-cj"}, "-j");
    ExpectUsageError({"-cx"}, "-x");
    ExpectUsageError({"--count=2"}, "--count");
    // Two modes name both, in either order, as does an option the mode ignores.
    for (const auto &[first, second] : {std::pair {"--rate", "--count"}, {"--count", "--rate"}, {"--explain", "--hint"},
             {"-c", "--explain"}, {"--generate=2", "--count"}, {"--hint", "--generate=2"}}) {
        const std::string named = std::string(first).substr(0, std::string(first).find('='));
        ExpectUsageError({first, second}, named == "-c" ? "--count and --explain" : named + " and ");
    }
    ExpectUsageError({"--generate", "2", "--strict"}, "--strict");
    ExpectUsageError({"--count", "--effort", "2"}, "--effort works only with --rate, --explain or --hint");
    ExpectUsageError({"--generate", "2", "--scale", "sukaku"}, "--scale works only with");
    // An abbreviation of two long names lists both.
    ExpectUsageError({"--ra"}, "'--ra' is ambiguous; possibilities: '--rate' '--rating'");
    ExpectUsageError({"--h"}, "'--h' is ambiguous; possibilities: '--hint' '--help'");
    EXPECT_EQ(Run({"--rate", "--rate"}, EmptyBoard + "\n").exitCode, 0);
}

// The option forms every GNU tool takes, each checked by what the run then does.
TEST_F(BatchSolver, OptionsFollowGnuRules)
{
    const std::string file = File("board.txt", EmptyBoard + "\n").string();
    const std::string multiple = "multiple "; // which two solutions is the counter's choice
    struct Row {
        std::vector<std::string> args;
        int exitCode;
        // What the output starts with (both puzzles: the file's, then standard input's).
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {{"--jobs=2", "-"}, 0, EmptyBoardSolved, ""},
        {{"-j2"}, 0, EmptyBoardSolved, ""},
        {{"-j", "2", "-"}, 0, EmptyBoardSolved, ""},
        {{"-cj2"}, 0, multiple, ""},
        {{"-c", "--jobs", "1"}, 0, multiple, ""},
        {{"--co"}, 0, multiple, ""}, // cut short while unambiguous
        {{file, "-c", "-"}, 0, multiple, ""}, // options after files
        {{"--", "-"}, 0, EmptyBoardSolved, ""},
        {{"--", "-c"}, 2, "", "cannot read '-c': No such file or directory"},
        {{"-j", "2", "--", file, "-", "--count"}, 2, EmptyBoardSolved + "\n" + EmptyBoardSolved,
            "cannot read '--count'"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const Result r = Run(row.args, EmptyBoard + "\n");
        EXPECT_EQ(r.exitCode, row.exitCode) << r.err;
        EXPECT_EQ(r.out.substr(0, row.out.size()), row.out);
        EXPECT_NE(r.err.find(row.err), std::string::npos) << r.err;
    }
}

// Like cat and grep: each file when its turn comes, the others answered, status 2 at the end.
TEST_F(BatchSolver, MissingUnreadableAndDirectoryFilesAreReportedInTurnAndTheOthersAnswered)
{
    const fs::path a = File("a.txt", EmptyBoard + "\n"), b = File("b.txt", std::string(81, '.') + "\n");
    const fs::path locked = File("locked.txt", EmptyBoard + "\n");
    fs::permissions(locked, fs::perms::none);
    const bool lockedReadable = static_cast<bool>(std::ifstream(locked));
    const std::string missing = (dir / "no-such-file.txt").string();

    const Result r = Run({a.string(), dir.string(), missing, locked.string(), b.string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, EmptyBoardSolved + "\n" + (lockedReadable ? EmptyBoardSolved + "\n" : "") + EmptyBoardSolved + "\n");
    const std::vector<std::string> lines = Lines(r.err);
    ASSERT_EQ(lines.size(), lockedReadable ? 3u : 4u) << r.err;
    EXPECT_EQ(lines[0], "quadrelle-solve: cannot read '" + dir.string() + "': Is a directory");
    EXPECT_EQ(lines[1], "quadrelle-solve: cannot read '" + missing + "': No such file or directory");
    if (!lockedReadable) {
        EXPECT_EQ(lines[2], "quadrelle-solve: cannot read '" + locked.string() + "': Permission denied");
    }
    EXPECT_NE(lines.back().find(lockedReadable ? "3 puzzles: 3 solved" : "2 puzzles: 2 solved"), std::string::npos);

    const Result alone = Run({missing});
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_EQ(alone.out, "");
    EXPECT_NE(alone.err.find("0 puzzles"), std::string::npos) << alone.err;
}

TEST_F(BatchSolver, EmptyBoardFromStandardInput)
{
    for (const std::vector<std::string> &args : {std::vector<std::string> {}, {"-"}, {"--jobs", "2", "-"}}) {
        const Result r = Run(args, EmptyBoard + "\n");
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, EmptyBoardSolved + "\n");
        EXPECT_NE(r.err.find("1 puzzle: 1 solved, 0 unsolvable, 0 gave-up, 0 invalid"), std::string::npos) << r.err;
    }
}

TEST_F(BatchSolver, MalformedLinesAreReportedInPlaceAndExitWithOne)
{
    const std::string dots(81, '.');
    std::string badChar = EmptyBoard;
    badChar[40] = 'x';
    std::string nulInside = EmptyBoard;
    nulInside[10] = '\0';
    std::string repeated = EmptyBoard;
    repeated[3] = repeated[75] = '7'; // column 3
    // Position 50 has no candidate: its row holds 1-4, its column 5-7, its box 4, 8, 9.
    std::string dead = EmptyBoard;
    for (auto [p, d] :
        {std::pair {45, '1'}, {46, '2'}, {47, '3'}, {48, '4'}, {5, '5'}, {14, '6'}, {23, '7'}, {30, '8'}, {40, '9'}})
        dead[static_cast<std::size_t>(p)] = d;

    const std::vector<std::pair<std::string, std::string>> cases = {
        {dots, EmptyBoardSolved},
        {EmptyBoard.substr(0, 80), "invalid 0 bad-length"},
        {EmptyBoard + "1", "invalid 0 bad-length"},
        {EmptyBoard + "0", "invalid 0 bad-length"},
        {badChar, "invalid 0 bad-character"},
        {nulInside, "invalid 0 bad-character"},
        {EmptyBoard + std::string(1, '\0'), "invalid 0 bad-length"},
        {EmptyBoard + "\r", EmptyBoardSolved},
        {"", ""},
        {"   \t ", ""},
        {"\r", ""},
        {"# a comment", ""},
        {"#" + EmptyBoard, ""},
        {EmptyBoard + " 12 extra", EmptyBoardSolved},
        {EmptyBoard + "\tx", EmptyBoardSolved},
        {EmptyBoard + ",1,2", EmptyBoardSolved},
        {EmptyBoard + ":1:" + EmptyBoard, EmptyBoardSolved},
        {EmptyBoard + ";", EmptyBoardSolved},
        {EmptyBoard + " " + std::string(1 << 20, 'x') + "\r", EmptyBoardSolved},
        {std::string(1 << 20, '1'), "invalid 0 bad-length"},
        {repeated, "invalid 0 repeated-digit"},
        {dead, "unsolvable 0 " + dead},
        {" " + EmptyBoard, "invalid 0 bad-length"},
    };
    std::string input, expected;
    for (const auto &[line, output] : cases) {
        input += line + "\n";
        if (!output.empty())
            expected += output + "\n";
    }
    input += dots; // no line end at the end of the file
    expected += EmptyBoardSolved + "\n";

    const fs::path file = File("malformed.txt", input);
    for (const char *jobs : {"1", "3"}) {
        const Result r = Run({"--jobs", jobs, file.string()});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, expected);
        EXPECT_NE(r.err.find("19 puzzles: 9 solved, 1 unsolvable, 0 gave-up, 9 invalid"), std::string::npos) << r.err;
    }
}

// Lines are kept only in part; the part kept may be all blanks although the line is not.
TEST_F(BatchSolver, LongRunOfBlanksThenTextIsInvalidNotBlank)
{
    const Result r = Run({"--jobs", "1"}, std::string(200, ' ') + "junk\n" + std::string(200, '\t') + "x\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "invalid 0 bad-character\ninvalid 0 bad-character\n");
}

TEST_F(BatchSolver, BinaryJunkNeverStopsTheRun)
{
    std::mt19937 random(2017);
    std::string junk;
    for (int i = 0; i < 1 << 16; ++i) {
        const auto byte = static_cast<char>(random() % 256);
        junk += (i % 97 == 0) ? '\n' : (i % 89 == 0) ? '\0' : byte;
    }
    // Junk between valid lines: both must still be solved, in place.
    const std::string input = EmptyBoard + "\n" + junk + "\n" + EmptyBoard + "\n";
    const Result r = Run({"--jobs", "2", File("junk.bin", input).string()});
    EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 1) << r.exitCode;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front(), EmptyBoardSolved);
    EXPECT_EQ(lines.back(), EmptyBoardSolved);
    const std::regex shape(
        "(solved|unsolvable|gave-up|invalid) [0-9]+ ([0-9]{81}|bad-length|bad-character|repeated-digit)");
    for (const std::string &line : lines)
        EXPECT_TRUE(std::regex_match(line, shape)) << line;
    EXPECT_NE(r.err.find(std::to_string(lines.size()) + " puzzles"), std::string::npos) << r.err;
}

TEST_F(BatchSolver, EmptyInputAndOutcomesOtherThanInvalidExitWithZero)
{
    const Result empty = Run({File("empty.txt", "").string()});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("0 puzzles"), std::string::npos);

    const auto datasets = Datasets();
    if (!datasets)
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";
    // The first cap-stress puzzle gives up; the first no-solution test puzzle is refuted by the search.
    std::ifstream cap(*datasets / "cap_stress_7.txt");
    std::string gaveUp;
    std::getline(cap, gaveUp);
    const std::string noSolution = "100050209007000000060000000200000000000501002000020390304090001500010003000800040";
    const Result r = Run({"--jobs", "2"}, gaveUp + "\n" + noSolution + "\n");
    EXPECT_EQ(r.exitCode, 0);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 15), "gave-up 999999 ");
    EXPECT_EQ(lines[1].substr(0, 11), "unsolvable ");
    for (std::size_t p = 0; p < 81; ++p) {
        if (gaveUp[p] != '0') {
            EXPECT_EQ(lines[0][15 + p], gaveUp[p]) << p;
        }
    }
}

TEST_F(BatchSolver, FilesAndStandardInputAreReadInTurn)
{
    std::string one = EmptyBoard;
    one[0] = '9';
    const fs::path a = File("a.txt", one + "\n"), b = File("b.txt", "x\n");
    const Result r = Run({a.string(), "-", b.string()}, EmptyBoard);
    EXPECT_EQ(r.exitCode, 1);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 11), "solved 80 9");
    EXPECT_EQ(lines[1], EmptyBoardSolved);
    EXPECT_EQ(lines[2], "invalid 0 bad-length");
}

TEST_F(BatchSolver, TwoJobsGiveTheSameOutputInInputOrder)
{
    const auto datasets = Datasets();
    if (!datasets)
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";
    // More lines than one batch of work, with invalid lines in between.
    std::ifstream kaggle(*datasets / "kaggle3m_radcliffe_sample7034.txt");
    std::string input, line;
    std::vector<std::string> puzzles;
    for (int i = 0; std::getline(kaggle, line) && i < 2100; ++i) {
        input += line + "\n";
        puzzles.push_back(line);
        if (i % 700 == 0) {
            input += "not a puzzle\n";
            puzzles.push_back("");
        }
    }
    const fs::path file = File("mixed.txt", input);
    const fs::path easy50 = *datasets / "norvig_easy50.txt";
    const Result one = Run({"--jobs", "1", file.string(), easy50.string()});
    const Result two = Run({"--jobs", "2", file.string(), easy50.string()});
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(two.exitCode, 1);
    EXPECT_TRUE(one.out == two.out) << "output of --jobs 2 differs from --jobs 1";

    // Line i answers puzzle i: every solution keeps its puzzle's givens.
    std::ifstream top(easy50);
    while (std::getline(top, line))
        puzzles.push_back(line);
    const std::vector<std::string> lines = Lines(two.out);
    ASSERT_EQ(lines.size(), puzzles.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (puzzles[i].empty()) {
            EXPECT_EQ(lines[i], "invalid 0 bad-length") << i;
            continue;
        }
        ASSERT_EQ(lines[i].substr(0, 7), "solved ") << i;
        const std::string grid = lines[i].substr(lines[i].rfind(' ') + 1);
        for (std::size_t p = 0; p < 81; ++p)
            if (puzzles[i][p] != '0') {
                ASSERT_EQ(grid[p], puzzles[i][p]) << "line " << i;
            }
    }
}
