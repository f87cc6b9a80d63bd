// Any text through the puzzle-file reader: every position lies in the text, line ends do not
// change what is read, the strict reader reads each line as the line parser does, and every
// puzzle read, written again as a grid and as a line, reads back the same.
#include "fuzz_check.h"
#include "form_writers.h"

#include "formats/puzzle_reader.h"

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

void CheckPositions(const std::vector<ReadPuzzle> &read, const std::vector<std::string_view> &lines)
{
    for (const ReadPuzzle &r : read) {
        FUZZ_CHECK(r.puzzle.kind != PuzzleLine::Kind::Skip);
        FUZZ_CHECK(r.position.line >= 1 && r.position.line <= lines.size());
        FUZZ_CHECK(r.position.column >= 1 && r.position.column <= std::max<std::size_t>(lines[r.position.line - 1].size(), 1));
        FUZZ_CHECK(r.puzzle.kind == PuzzleLine::Kind::Puzzle || !r.puzzle.reason.empty());
        FUZZ_CHECK(r.problem.empty() || r.puzzle.reason == "bad-grid");
        for (const std::int8_t digit : r.puzzle.givens)
            FUZZ_CHECK(digit >= 0 && digit <= 9);
    }
}

std::string WithLineEnds(std::string_view text, std::string_view end)
{
    std::string changed(text.starts_with(ByteOrderMark) ? ByteOrderMark : "");
    for (const std::string_view line : Lines(text)) {
        changed += line;
        changed += end;
    }
    return changed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string_view> lines = Lines(text);
    const std::vector<ReadPuzzle> read = ReadPuzzles(text);
    CheckPositions(read, lines);

    const std::vector<ReadPuzzle> crlf = ReadPuzzles(WithLineEnds(text, "\r\n"));
    FUZZ_CHECK(crlf.size() == read.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        FUZZ_CHECK(crlf[i].position == read[i].position);
        FUZZ_CHECK(crlf[i].puzzle.givens == read[i].puzzle.givens);
        FUZZ_CHECK(crlf[i].problem == read[i].problem);
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
    for (const auto write : {test::AsSdk, test::AsSimpleSudokuPrint, test::AsSdm, test::AsOpenSudoku})
        FUZZ_CHECK(PuzzlesOf(ReadPuzzles(write(puzzles))) == puzzles);
    return 0;
}
