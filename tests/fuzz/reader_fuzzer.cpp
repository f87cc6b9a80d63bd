// Any text through the puzzle-file reader: every position lies in the text (UTF-16 read as its
// UTF-8), line ends do not change what is read, the strict reader reads each line as the line parser does, and the
// puzzles read, written again in other forms, read back the same.
#include "fuzz_check.h"
#include "form_writers.h"

#include "formats/puzzle_reader.h"
#include "formats/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace quadrelle;

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string_view> Lines(std::string_view text)
{
    if (text.starts_with(ByteOrderMark))
        text.remove_prefix(ByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
    }
    return lines;
}

std::vector<Grid> PuzzlesOf(const std::vector<ReadPuzzle> &read)
{
    std::vector<Grid> puzzles;
    for (const ReadPuzzle &r : read) {
        if (r.puzzle.kind == PuzzleLine::Kind::Puzzle)
            puzzles.push_back(r.puzzle.givens);
    }
    return puzzles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char *>(data), size);
    // UTF-16 reads as the same text in UTF-8, whose lines the positions then name.
    std::string utf8;
    if (const auto order = Utf16ByteOrderMark(text)) {
        utf8.resize(Utf16Decoder::MostOutput(text.size()));
        utf8.resize(Utf16Decoder(*order).Decode(text.substr(2), utf8.data()));
        const std::vector<ReadPuzzle> original = ReadPuzzles(text), converted = ReadPuzzles(utf8, {false, {}, true});
        FUZZ_CHECK(original.size() == converted.size());
        for (std::size_t i = 0; i < original.size(); ++i)
            FUZZ_CHECK(original[i].position == converted[i].position && original[i].fault == converted[i].fault);
        text = utf8;
    }
    const std::vector<std::string_view> lines = Lines(text);
    const std::vector<ReadPuzzle> read = ReadPuzzles(text);
    std::string crlf(text.starts_with(ByteOrderMark) ? ByteOrderMark : "");
    for (const std::string_view line : lines)
        crlf.append(line).append("\r\n");
    const std::vector<ReadPuzzle> again = ReadPuzzles(crlf);
    FUZZ_CHECK(again.size() == read.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const ReadPuzzle &r = read[i];
        FUZZ_CHECK(r.position.line >= 1 && r.position.line <= lines.size() && r.position.column >= 1);
        FUZZ_CHECK(r.position.column <= std::max<std::size_t>(lines[r.position.line - 1].size(), 1));
        FUZZ_CHECK(r.puzzle.kind == PuzzleLine::Kind::Puzzle ? r.puzzle.reason.empty() : !r.puzzle.reason.empty());
        FUZZ_CHECK(again[i].position == r.position && again[i].puzzle.givens == r.puzzle.givens);
        FUZZ_CHECK(again[i].fault == r.fault
            && (!r.Malformed() || r.puzzle.reason == "bad-grid" || r.puzzle.reason == "bad-xml"));
    }

    std::size_t next = 0;
    for (const ReadPuzzle &r : ReadPuzzles(text, {true})) {
        while (next < lines.size() && ParsePuzzleLine(lines[next]).kind == PuzzleLine::Kind::Skip)
            ++next;
        FUZZ_CHECK(next < lines.size() && r.position.line == next + 1);
        const PuzzleLine parsed = ParsePuzzleLine(lines[next++]);
        FUZZ_CHECK(parsed.kind == r.puzzle.kind && parsed.givens == r.puzzle.givens && parsed.reason == r.puzzle.reason);
    }

    const std::vector<Grid> puzzles = PuzzlesOf(read);
    for (const test::GridStyle &style : {test::Sdk, test::SimpleSudokuPrint, test::Banded})
        FUZZ_CHECK(PuzzlesOf(ReadPuzzles(test::AsGrids(puzzles, style))) == puzzles);
    FUZZ_CHECK(PuzzlesOf(ReadPuzzles(test::AsOpenSudoku(puzzles))) == puzzles);
    return 0;
}
