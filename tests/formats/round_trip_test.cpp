// Each form written from one set of puzzles and read back: the same puzzles in the same order,
// each at the position of its first cell, whatever the line ends.
#include "form_writers.h"

#include "formats/puzzle_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace quadrelle {
namespace {

using namespace test;

std::vector<Grid> SomePuzzles()
{
    std::vector<Grid> puzzles(2);
    for (std::size_t p = 0; p < 81; ++p)
        puzzles[1][p] = static_cast<std::int8_t>((p * 4 + p / 9 + 3) % 9 + 1);
    std::mt19937 random(20);
    for (int i = 0; i < 40; ++i) {
        const unsigned density = random() % 100;
        Grid puzzle {};
        for (auto &cell : puzzle)
            cell = static_cast<std::int8_t>(random() % 100 < density ? random() % 9 + 1 : 0);
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

std::string WithCrLf(const std::string &text)
{
    std::string crlf;
    for (const char c : text)
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    return crlf;
}

// The character at a 1-based line and column, as the cell it stands for.
int CellAt(const std::string &text, FilePosition at)
{
    std::size_t start = 0;
    for (std::uint64_t line = 1; line < at.line; ++line)
        start = text.find('\n', start) + 1;
    const char c = text.at(start + at.column - 1);
    return c >= '1' && c <= '9' ? c - '0' : 0;
}

TEST(RoundTrip, EveryFormReadsBackTheSamePuzzlesAtTheirFirstCell)
{
    const std::vector<Grid> puzzles = SomePuzzles();
    const struct {
        const char *name;
        std::function<std::string()> write;
        PuzzleForm form;
        FormHint hint = FormHint::None;
    } forms[] = {
        {"lines", [&] { return AsLines(puzzles, '.', " note"); }, PuzzleForm::Line},
        {"sdm", [&] { return AsLines(puzzles, '0', ""); }, PuzzleForm::Line},
        {"sdk", [&] { return AsGrids(puzzles, Sdk); }, PuzzleForm::Grid},
        {"sdk with sections", [&] { return AsGrids(puzzles, SdkSections); }, PuzzleForm::Grid},
        {"simple sudoku", [&] { return AsGrids(puzzles, SimpleSudoku); }, PuzzleForm::Grid},
        {"simple sudoku print", [&] { return AsGrids(puzzles, SimpleSudokuPrint); }, PuzzleForm::Grid},
        {"forum", [&] { return AsGrids(puzzles, Forum); }, PuzzleForm::Grid},
        {"banded", [&] { return AsGrids(puzzles, Banded); }, PuzzleForm::Grid},
        {"opensudoku", [&] { return AsOpenSudoku(puzzles); }, PuzzleForm::Xml},
        {"csv", [&] { return AsCsv(puzzles, false); }, PuzzleForm::Csv},
        {"quoted csv named .csv", [&] { return AsCsv(puzzles, true); }, PuzzleForm::Csv, HintFromName("k.CSV")},
    };
    for (const auto &form : forms) {
        for (const bool crlf : {false, true}) {
            SCOPED_TRACE(std::string(form.name) + (crlf ? " with CR LF" : ""));
            const std::string text = crlf ? WithCrLf(form.write()) : form.write();
            const std::vector<ReadPuzzle> read = ReadPuzzles(text, {false, form.hint});
            ASSERT_EQ(read.size(), puzzles.size());
            for (std::size_t i = 0; i < read.size(); ++i) {
                ASSERT_EQ(read[i].puzzle.kind, PuzzleLine::Kind::Puzzle) << i << ": " << FaultText(read[i].fault);
                EXPECT_EQ(LineOf(read[i].puzzle.givens), LineOf(puzzles[i])) << i;
                EXPECT_EQ(read[i].form, form.form);
                EXPECT_EQ(CellAt(text, read[i].position), puzzles[i][0]) << i;
            }
        }
    }
}

TEST(RoundTrip, StrictReadingTakesOnlyLines)
{
    const std::vector<Grid> puzzles = SomePuzzles();
    const std::string csv = AsCsv(puzzles, false);
    const std::vector<ReadPuzzle> strict = ReadPuzzles(csv, {true});
    ASSERT_EQ(strict.size(), puzzles.size() + 1);
    EXPECT_EQ(strict[0].puzzle.reason, "bad-length");
    EXPECT_EQ(strict[1].puzzle.givens, puzzles[0]);
    for (const ReadPuzzle &row : ReadPuzzles(AsGrids(puzzles, Sdk), {true}))
        EXPECT_EQ(row.puzzle.reason, "bad-length");
}

} // namespace
} // namespace quadrelle
