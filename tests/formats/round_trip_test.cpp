// Each form written from one set of puzzles and read back: the same puzzles in the same order,
// each with the position of its first cell.
#include "form_writers.h"

#include "formats/puzzle_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

namespace quadrelle {
namespace {

using test::FormWriter;

std::vector<Grid> SomePuzzles()
{
    std::vector<Grid> puzzles(2);
    for (std::size_t p = 0; p < 81; ++p)
        puzzles[1][p] = static_cast<std::int8_t>((p * 4 + p / 9 + 3) % 9 + 1);
    std::mt19937 random(20);
    for (int i = 0; i < 40; ++i) {
        Grid puzzle {};
        const unsigned density = random() % 100;
        for (auto &cell : puzzle)
            cell = static_cast<std::int8_t>(random() % 100 < density ? random() % 9 + 1 : 0);
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

struct Form {
    const char *name;
    FormWriter write;
    PuzzleForm form;
    FormHint hint = FormHint::None;
};

const Form Forms[] = {
    {"lines", test::AsLines, PuzzleForm::Line},
    {"sdm", test::AsSdm, PuzzleForm::Line},
    {"sdk", test::AsSdk, PuzzleForm::Grid},
    {"sdk with sections", test::AsSadmanSections, PuzzleForm::Grid},
    {"simple sudoku", test::AsSimpleSudoku, PuzzleForm::Grid},
    {"simple sudoku print", test::AsSimpleSudokuPrint, PuzzleForm::Grid},
    {"forum grid", test::AsForumGrid, PuzzleForm::Grid},
    {"banded grid", test::AsBandedGrid, PuzzleForm::Grid},
    {"opensudoku", test::AsOpenSudoku, PuzzleForm::Xml},
    {"opensudoku by name", test::AsOpenSudoku, PuzzleForm::Xml, FormHint::Xml},
    {"csv", test::AsCsv, PuzzleForm::Csv},
    {"quoted csv", test::AsQuotedCsv, PuzzleForm::Csv, FormHint::Csv},
};

TEST(RoundTrip, EveryFormReadsBackTheSamePuzzlesAtTheirFirstCell)
{
    const std::vector<Grid> puzzles = SomePuzzles();
    for (const Form &form : Forms) {
        for (const bool crlf : {false, true}) {
            SCOPED_TRACE(std::string(form.name) + (crlf ? " with CR LF" : ""));
            const std::string text = crlf ? test::WithCrLf(form.write(puzzles)) : form.write(puzzles);
            const std::vector<ReadPuzzle> read = ReadPuzzles(text, {false, form.hint});
            const std::vector<std::string_view> lines = Lines(text);
            ASSERT_EQ(read.size(), puzzles.size());
            for (std::size_t i = 0; i < read.size(); ++i) {
                ASSERT_EQ(read[i].puzzle.kind, PuzzleLine::Kind::Puzzle) << "puzzle " << i << ": " << read[i].problem;
                EXPECT_EQ(test::LineOf(read[i].puzzle.givens), test::LineOf(puzzles[i])) << "puzzle " << i;
                EXPECT_EQ(read[i].form, form.form);
                const FilePosition at = read[i].position;
                ASSERT_TRUE(at.line >= 1 && at.line <= lines.size() && at.column >= 1);
                const std::string_view line = lines[at.line - 1];
                ASSERT_LT(at.column - 1, line.size());
                const char first = line[at.column - 1];
                EXPECT_EQ(first == '.' || first == '_' || first == '*' ? '0' : first, '0' + puzzles[i][0]);
            }
        }
    }
}

TEST(RoundTrip, StrictReadingTakesOnlyLines)
{
    const std::vector<Grid> puzzles = SomePuzzles();
    for (const FormWriter write : {test::AsLines, test::AsSdm, test::AsCsv}) {
        const std::string text = write(puzzles);
        const std::vector<ReadPuzzle> strict = ReadPuzzles(text, {true});
        const std::vector<ReadPuzzle> open = ReadPuzzles(text);
        // The CSV header is a bad line to the strict reader, skipped by the other.
        const std::size_t header = write == test::AsCsv ? 1 : 0;
        ASSERT_EQ(strict.size(), open.size() + header);
        for (std::size_t i = 0; i < open.size(); ++i)
            EXPECT_EQ(strict[i + header].puzzle.givens, open[i].puzzle.givens);
    }
    for (const ReadPuzzle &row : ReadPuzzles(test::AsSdk(puzzles), {true})) {
        EXPECT_EQ(row.puzzle.kind, PuzzleLine::Kind::Invalid);
        EXPECT_EQ(row.puzzle.reason, "bad-length");
    }
}

TEST(RoundTrip, NamesHintAtForms)
{
    EXPECT_EQ(HintFromName("a/b.SDK"), FormHint::None);
    EXPECT_EQ(HintFromName("x.OpenSudoku"), FormHint::Xml);
    EXPECT_EQ(HintFromName("kaggle.csv"), FormHint::Csv);
    EXPECT_EQ(HintFromName("dir.csv/puzzles"), FormHint::None);
}

} // namespace
} // namespace quadrelle
