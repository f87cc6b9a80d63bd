// The puzzle collections as they were published: read in any form, the same puzzles as the
// converted one-a-line files; and the line files read as they always were.
#include "form_writers.h"

#include "formats/puzzle_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace quadrelle {
namespace {

std::filesystem::path Datasets()
{
    const char *env = std::getenv("QUADRELLE_DATASETS");
    return env == nullptr ? std::filesystem::path() : std::filesystem::path(env);
}

#define DATASETS_OR_SKIP(folder)                                                                                       \
    const std::filesystem::path folder = Datasets();                                                                   \
    if (folder.empty() || !std::filesystem::exists(folder / "originals")) {                                            \
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";                 \
    }

std::string Contents(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::vector<ReadPuzzle> &read)
{
    std::vector<std::string> lines;
    for (const ReadPuzzle &r : read)
        lines.push_back(r.puzzle.kind == PuzzleLine::Kind::Puzzle ? test::LineOf(r.puzzle.givens, '0') : "invalid");
    return lines;
}

TEST(Collections, OriginalsReadAsTheirConvertedLines)
{
    DATASETS_OR_SKIP(folder);
    const struct {
        const char *original, *converted;
    } pairs[] = {
        {"kaggle3m_radcliffe_sample7034.orig.csv", "kaggle3m_radcliffe_sample7034.txt"},
        {"plb_hard20_commented.orig.txt", "plb_hard20.txt"},
        {"tdoku_test_puzzles.orig.txt", "tdoku_test_puzzles.txt"},
        {"sudopedia_invalid7_labelled.orig.txt", "sudopedia_invalid7.txt"},
    };
    for (const auto &pair : pairs) {
        SCOPED_TRACE(pair.original);
        const std::vector<ReadPuzzle> original = ReadPuzzles(Contents(folder / "originals" / pair.original));
        const std::vector<ReadPuzzle> converted = ReadPuzzles(Contents(folder / pair.converted));
        ASSERT_FALSE(converted.empty());
        EXPECT_EQ(Lines(original), Lines(converted));
    }
}

TEST(Collections, LineFilesReadAsTheStrictReaderReadsThem)
{
    DATASETS_OR_SKIP(folder);
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".txt")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string text = Contents(entry.path());
        EXPECT_EQ(Lines(ReadPuzzles(text)), Lines(ReadPuzzles(text, {true})));
    }
}

TEST(Collections, AsGridsTheyReadBackTheSame)
{
    DATASETS_OR_SKIP(folder);
    std::vector<Grid> puzzles;
    for (const ReadPuzzle &r : ReadPuzzles(Contents(folder / "magictour_top1465.txt")))
        puzzles.push_back(r.puzzle.givens);
    for (const test::FormWriter write : {test::AsSimpleSudokuPrint, test::AsForumGrid, test::AsOpenSudoku}) {
        std::vector<Grid> back;
        for (const ReadPuzzle &r : ReadPuzzles(write(puzzles)))
            back.push_back(r.puzzle.givens);
        EXPECT_EQ(back, puzzles);
    }
}

} // namespace
} // namespace quadrelle
