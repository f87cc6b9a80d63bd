#pragma once

#include "formats/grid_rows.h"
#include "formats/read_puzzle.h"
#include "formats/xml_games.h"

#include <optional>
#include <string>
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
    // The text was converted to UTF-8 on the way in: an XML declaration's encoding no longer holds.
    bool converted = false;
};

// The puzzles of one input, fed a line or a piece of a line at a time, in any of the forms
// people keep them: 81-character lines (.sdm), 9-line grids with or without borders (.sdk with
// its '#' lines or [Puzzle] section, .ss, Project Euler's "Grid 01" titles), OpenSudoku XML, CSV
// whose first column is the puzzle. Memory does not grow with the input, nor with its lines.
class PuzzleReader {
public:
    // Enough to classify any line that is not XML (81 cells and a separator); the rest of a
    // longer line is read, not kept.
    static constexpr std::size_t KeptLineLength = 512;

    explicit PuzzleReader(ReaderOptions options = {});

    // The next line, without its line end (a trailing CR is dropped). What it completes is
    // appended to `found`: puzzles, invalid lines and malformed grids, in file order.
    void Feed(std::string_view line, std::vector<ReadPuzzle> &found);
    // A piece of a line, without its line end; `ends` when the line ends after it. Any line
    // length, an XML file on one line too.
    void FeedPart(std::string_view part, bool ends, std::vector<ReadPuzzle> &found);
    // The input pauses (a person typing, a slow pipe): a line that waits for the next is
    // answered as what it is on its own, so that the answers follow the input.
    void Pause(std::vector<ReadPuzzle> &found);
    // The input ended: an unfinished grid is reported. lineCut: the input failed part-way, and
    // the line it was in is dropped.
    void Finish(std::vector<ReadPuzzle> &found, bool lineCut = false);

private:
    void FeedContent(std::string_view line, std::vector<ReadPuzzle> &found);
    void FeedFirst(std::string_view line, std::vector<ReadPuzzle> &found);
    void FeedLine(
        std::string_view line, const PuzzleLine &parsed, std::uint64_t lineNumber, std::vector<ReadPuzzle> &found);
    void Emit(std::optional<ReadPuzzle> read, std::vector<ReadPuzzle> &found);
    // A "[Name]" line: only a [Puzzle] section holds grids ([State] holds a game in progress).
    bool TakeSection(std::string_view line, std::vector<ReadPuzzle> &found);
    // A short line that is neither a puzzle nor a grid row waits for the next: above a grid it is
    // the grid's title or its faulty first row, else an invalid line.
    void Hold(std::string_view line);
    void Release(bool gridFollows, std::vector<ReadPuzzle> &found);
    void StartXml(std::string_view text, std::vector<ReadPuzzle> &found);

    ReaderOptions options_;
    std::uint64_t lineNumber_ = 0;
    bool seenContent_ = false;
    bool csv_ = false;
    bool otherSection_ = false;
    GridBlock grid_;
    std::optional<XmlGames> xml_;
    // The XML's last line has not ended yet.
    bool xmlMidLine_ = false;
    // The start of a line fed in pieces.
    std::string partial_;
    bool held_ = false;
    std::string heldLine_;
    std::uint64_t heldNumber_ = 0;
    std::string label_;
};

// Every puzzle of a whole text (LF, CR LF or CR line ends, a UTF-8 byte-order mark first, or
// UTF-16 after its byte-order mark).
std::vector<ReadPuzzle> ReadPuzzles(std::string_view text, ReaderOptions options = {});

} // namespace quadrelle
