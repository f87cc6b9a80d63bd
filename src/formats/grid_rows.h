#pragma once

#include "formats/read_puzzle.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quadrelle {

// One text line of a 9x9 grid: cells (1-9; 0 . _ * for a blank) between optional blanks
// and '|' '+' borders.
struct GridRow {
    std::array<std::int8_t, 9> cells {};
    std::size_t count = 0;
    // 1-based: the first cell, and the first character that is neither cell nor border (0: none).
    std::uint32_t firstColumn = 0;
    std::uint32_t badColumn = 0;
};

GridRow ParseGridRow(std::string_view line);

// Only cells, borders and blanks: some part of a grid.
bool IsGridText(std::string_view line);

// A border between boxes or around the grid: only '-' '=' '+' '|' '*' and blanks, with a '-' or '='.
bool IsGridBorder(std::string_view line);

// The rows of one grid as they come, with the borders and blank lines a grid may hold. Errors
// name the fault's line and column.
class GridBlock {
public:
    bool Open() const { return rows_ > 0; }

    // Starts or continues the grid with a row; a ninth row completes it.
    std::optional<ReadPuzzle> AddRow(std::string_view line, std::uint64_t lineNumber);
    // A border or a blank line: fine between bands, a fault anywhere else.
    std::optional<ReadPuzzle> AddGap(std::uint64_t lineNumber, bool blank);
    // Something that is no part of a grid: an open grid ends unfinished, reported where it starts.
    std::optional<ReadPuzzle> Interrupt();

private:
    ReadPuzzle Fault(FilePosition at, ReadFault fault);
    void Reset();

    Grid givens_ {};
    std::size_t rows_ = 0;
    FilePosition start_;
    // A fault was reported: the rest of this grid's rows are taken without another report.
    bool broken_ = false;
    // Rows of a grid reported at a border inside a band: the rows after the border that make
    // them up to nine are its rest, not a grid of their own.
    std::size_t rowsBeforeBorder_ = 0;
};

} // namespace quadrelle
