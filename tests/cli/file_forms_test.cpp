// quadrelle-solve on puzzle files in the forms people keep them in, and its three output forms.

#include "batch_solver_fixture.h"

using namespace quadrelle::testing;

namespace {

const std::string Unique = "003020600900305001001806400008102900700000008006708200002609500800203009005010300";
const std::string UniqueSolution = "483921657967345821251876493548132976729564138136798245372689514814253769695417382";

// The puzzle as SadMan Sudoku writes it: metadata, then nine rows with '.' for a blank.
std::string Sdk(const std::string &puzzle)
{
    std::string text = "#AQuadrelle\n#DA test\n";
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const char c = puzzle[static_cast<std::size_t>(row * 9 + column)];
            text += c == '0' ? '.' : c;
        }
        text += '\n';
    }
    return text;
}

// As Simple Sudoku prints it, with a frame and box borders.
std::string Ss(const std::string &puzzle)
{
    std::string text = "*-----------*\n";
    for (int row = 0; row < 9; ++row) {
        if (row == 3 || row == 6)
            text += "|---+---+---|\n";
        for (int column = 0; column < 9; ++column) {
            text += column % 3 == 0 ? "|" : "";
            const char c = puzzle[static_cast<std::size_t>(row * 9 + column)];
            text += c == '0' ? '.' : c;
        }
        text += "|\n";
    }
    return text + "*-----------*\n";
}

} // namespace

TEST_F(BatchSolver, EveryFileFormGivesItsPuzzlesInOrder)
{
    const fs::path sdk = File("one.sdk", Sdk(Unique));
    const fs::path ss = File("two.ss", Ss(EmptyBoard) + "\r\n");
    const fs::path xml = File("set.opensudoku", "<?xml version=\"1.0\"?>\n<opensudoku>\n  <game data=\"" + Unique
            + "\" />\n  <game\n    data=\"" + EmptyBoard + "\"/>\n</opensudoku>\n");
    const fs::path csv = File("kaggle.csv", "quizzes,solutions\n" + Unique + "," + UniqueSolution + "\n");
    const fs::path lines = File("lines.sdm", EmptyBoard + "\n" + Unique + "\n");

    const Result r = Run({"--count", sdk.string(), ss.string(), xml.string(), csv.string(), lines.string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string unique = "unique " + UniqueSolution;
    const std::string empty = "multiple ";
    const std::vector<std::string> out = Lines(r.out);
    ASSERT_EQ(out.size(), 7u) << r.out;
    const std::vector<std::string> expected {unique, empty, unique, empty, unique, empty, unique};
    for (std::size_t i = 0; i < out.size(); ++i)
        EXPECT_EQ(out[i].substr(0, expected[i].size()), expected[i]) << "answer " << i;
}

TEST_F(BatchSolver, PublishedCollectionsReadAsTheirConvertedLines)
{
    const auto datasets = Datasets();
    if (!datasets)
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";
    const std::pair<const char *, const char *> published[] = {
        {"originals/kaggle3m_radcliffe_sample7034.orig.csv", "kaggle3m_radcliffe_sample7034.txt"},
        {"originals/tdoku_test_puzzles.orig.txt", "tdoku_test_puzzles.txt"},
        {"originals/plb_hard20_commented.orig.txt", "plb_hard20.txt"},
    };
    for (const auto &[original, converted] : published) {
        const Result fromOriginal = Run({"--count", "--jobs=2", (*datasets / original).string()});
        EXPECT_EQ(fromOriginal.out, Run({"--count", "--jobs=2", (*datasets / converted).string()}).out) << original;
        EXPECT_NE(fromOriginal.out, "");
    }
}

TEST_F(BatchSolver, MalformedGridIsNamedWhereItIsAndTheRestIsAnswered)
{
    std::string broken = Sdk(Unique);
    broken.erase(broken.find("\n8.") + 3, 1); // row 8 loses a cell
    const fs::path file = File("broken.sdk", broken + "\n" + Sdk(Unique));

    const Result solved = Run({file.string()});
    EXPECT_EQ(solved.exitCode, 1);
    EXPECT_EQ(Lines(solved.out), (std::vector<std::string> {"invalid 0 bad-grid", "solved 0 " + UniqueSolution}));
    EXPECT_NE(solved.err.find(file.string() + ":10:1: grid row 8 has 8 cells, not 9"), std::string::npos) << solved.err;

    const Result json = Run({"--count", "--format", "jsonl", file.string()});
    EXPECT_EQ(Lines(json.out).front(),
        R"({"input":")" + file.string()
            + R"(","line":10,"column":1,"verdict":"invalid","reason":"bad-grid","problem":"grid row 8 has 8 cells, not 9"})");
    EXPECT_EQ(Lines(json.out).back(), R"({"input":")" + file.string()
            + R"(","line":15,"column":1,"verdict":"unique","solutions":[")" + UniqueSolution + "\"]}");
}

TEST_F(BatchSolver, StrictReadsOnlyLinesAsBefore)
{
    const Result r = Run({"--strict", "--count", File("one.sdk", Sdk(Unique)).string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Lines(r.out), std::vector<std::string>(9, "invalid bad-length"));
}

TEST_F(BatchSolver, GridOutputLaysOutTheSolutionForAPerson)
{
    const Result r = Run({"--format=grid"}, Unique + "\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> out = Lines(r.out);
    ASSERT_EQ(out.size(), 15u) << r.out;
    EXPECT_EQ(out[0], "standard input:1:1: solved, 0 placements");
    EXPECT_EQ(out[1], "+-------+-------+-------+");
    EXPECT_EQ(out[2], "| 4 8 3 | 9 2 1 | 6 5 7 |");
    EXPECT_EQ(out[14], "");
    const Result rated = Run({"--rate", "--format", "jsonl"}, Unique + "\n");
    EXPECT_EQ(rated.out.substr(0, 76), R"({"line":1,"column":1,"verdict":"rated","solutions":[")" + UniqueSolution.substr(0, 23));
    EXPECT_NE(rated.out.find(R"(,"technique":")"), std::string::npos) << rated.out;
    ExpectUsageError({"--format", "xml"}, "--format");
}

// Files as the issue met them: an OpenSudoku export on one line with a game commented out, a
// UTF-16 file with its byte-order mark, Project Euler's grids under titles, a faulty first row.
TEST_F(BatchSolver, FilesOfEveryShapeGiveEachPuzzleOnce)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><opensudoku><!-- <game data=\"" + EmptyBoard + "\"/> -->";
    for (int i = 0; i < 20; ++i)
        xml += "<game created=\"2026-12-01 10:00:00\" state=\"1\" time=\"0\" last_played=\"0\" data=\"" + Unique
            + "\" note=\"\" />";
    const Result oneLine = Run({"--count", File("one-line.opensudoku", xml + "</opensudoku>").string()});
    EXPECT_EQ(oneLine.exitCode, 0) << oneLine.err;
    EXPECT_EQ(Lines(oneLine.out), std::vector<std::string>(20, "unique " + UniqueSolution));

    std::string utf16 = "\xFF\xFE";
    for (const char c : "# saved as Unicode\r\n" + Unique + "\r\n" + Unique + "\r\n")
        utf16 += std::string {c, '\0'};
    utf16.resize(utf16.size() - 2); // the loop's terminating NUL
    const Result wide = Run({"--count", File("wide.txt", utf16).string()});
    EXPECT_EQ(wide.exitCode, 0) << wide.err;
    EXPECT_EQ(Lines(wide.out), std::vector<std::string>(2, "unique " + UniqueSolution));

    std::string euler;
    for (const char *title : {"Grid 01", "Grid 02"})
        euler += title + Sdk(Unique).substr(Sdk(Unique).find('\n', 13));
    const fs::path p096 = File("p096_sudoku.txt", euler);
    const Result grids = Run({"--count", "--format", "jsonl", p096.string()});
    EXPECT_EQ(grids.exitCode, 0) << grids.err;
    ASSERT_EQ(Lines(grids.out).size(), 2u) << grids.out;
    EXPECT_TRUE(Lines(grids.out)[1].starts_with(
        R"({"input":")" + p096.string() + R"(","line":12,"column":1,"label":"Grid 02","verdict":"unique")"))
        << grids.out;

    std::string firstRow = Sdk(Unique);
    firstRow.erase(firstRow.find("\n..3") + 3, 1);
    const fs::path first = File("first.sdk", firstRow);
    const Result faulty = Run({first.string()});
    EXPECT_EQ(faulty.exitCode, 1);
    EXPECT_EQ(faulty.out, "invalid 0 bad-grid\n");
    EXPECT_NE(faulty.err.find(first.string() + ":3:1: grid row 1 has 8 cells, not 9\n"), std::string::npos)
        << faulty.err;
    EXPECT_NE(faulty.err.find(" 1 puzzle: "), std::string::npos) << faulty.err;
}
