#pragma once

#include "model/puzzle_line.h"

#include <cstdint>
#include <string>

namespace quadrelle {

// 1-based, in bytes from the start of the line.
struct FilePosition {
    std::uint64_t line = 0;
    std::uint32_t column = 0;

    friend bool operator==(const FilePosition &, const FilePosition &) = default;
};

enum class PuzzleForm : std::uint8_t { Line, Grid, Csv, Xml };

// What is wrong where a puzzle should have been, as values, so that each program can say it in
// its own language.
struct ReadFault {
    enum class Kind : std::uint8_t {
        None,
        // A grid row holds `byte`, which is neither a cell nor a border.
        BadCharacter,
        // A grid row has `cells` cells.
        CellCount,
        // A blank line (`blank`) or a border after grid row `row`, inside a band.
        GapInBand,
        // The grid ends after `row` rows.
        EndsEarly,
        // The XML is not well-formed; `what` is the parser's description.
        BadXml,
    };
    Kind kind = Kind::None;
    // 1-9: the grid row at fault, or the last one read.
    int row = 0;
    int cells = 0;
    unsigned char byte = 0;
    bool blank = false;
    // Static text.
    const char *what = "";

    friend bool operator==(const ReadFault &, const ReadFault &) = default;
};

// The fault in English, as quadrelle-solve says it: "grid row 4 has 8 cells, not 9".
std::string FaultText(const ReadFault &fault);

// One puzzle found in a file, or one that should have been there but is malformed.
struct ReadPuzzle {
    // Kind::Puzzle, or Kind::Invalid with its reason (bad-length, bad-character, bad-grid, bad-xml).
    PuzzleLine puzzle;
    // The first cell of a puzzle; for a malformed grid, where the fault is.
    FilePosition position;
    PuzzleForm form = PuzzleForm::Line;
    // For a malformed grid or XML file, what is wrong.
    ReadFault fault;
    // A title line right above a grid ("Grid 01"), without its blanks; empty when none.
    std::string label;

    bool Malformed() const { return fault.kind != ReadFault::Kind::None; }
};

} // namespace quadrelle
