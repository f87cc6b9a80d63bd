#pragma once

#include "formats/grid_rows.h"
#include "formats/read_puzzle.h"
#include "formats/xml_games.h"

#include <string_view>
#include <vector>

namespace quadrelle {

// What a file's name suggests it holds; the content decides, the hint only settles what the
// content leaves open (a CSV header that looks like anything else).
enum class FormHint : std::uint8_t { None, Csv, Xml };

FormHint HintFromName(std::string_view fileName);

struct ReaderOptions {
    // Only puzzle lines, as before the other forms were read: every line that is not blank or
    // a '#' line is a puzzle or invalid.
    bool strict = false;
    FormHint hint = FormHint::None;
};

// The puzzles of one input, fed a line at a time, in any of the forms people keep them:
// 81-character lines (.sdm), 9-line grids with or without borders (.sdk with its '#' lines or
// [Puzzle] section, .ss), OpenSudoku XML, CSV whose first column is the puzzle. Memory does not grow with the
// input.
class PuzzleReader {
public:
    explicit PuzzleReader(ReaderOptions options = {});

    // The next line, without its line end (a trailing CR is dropped). What it completes is
    // appended to `found`: puzzles, invalid lines and malformed grids, in file order.
    void Feed(std::string_view line, std::vector<ReadPuzzle> &found);
    // The input ended: an unfinished grid is reported.
    void Finish(std::vector<ReadPuzzle> &found);

    std::uint64_t LineNumber() const { return lineNumber_; }

private:
    void FeedContent(std::string_view line, std::vector<ReadPuzzle> &found);
    void FeedFirst(std::string_view line, std::vector<ReadPuzzle> &found);
    void FeedLine(std::string_view line, const PuzzleLine &parsed, std::vector<ReadPuzzle> &found);
    void Emit(std::optional<ReadPuzzle> read, std::vector<ReadPuzzle> &found);
    // A "[Name]" line: only a [Puzzle] section holds grids ([State] holds a game in progress).
    bool TakeSection(std::string_view line, std::vector<ReadPuzzle> &found);

    ReaderOptions options_;
    std::uint64_t lineNumber_ = 0;
    bool seenContent_ = false;
    bool xml_ = false;
    bool csv_ = false;
    bool otherSection_ = false;
    GridBlock grid_;
    XmlGames games_;
};

// Every puzzle of a whole text (LF, CR LF or CR line ends, a UTF-8 byte-order mark first).
std::vector<ReadPuzzle> ReadPuzzles(std::string_view text, ReaderOptions options = {});

} // namespace quadrelle
