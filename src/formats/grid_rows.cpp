#include "formats/grid_rows.h"

namespace quadrelle {

namespace {

constexpr std::size_t RowCount = 9;
constexpr std::string_view BadGrid = "bad-grid";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A cell's digit: 1-9, 0 for a blank, -1 for a character that is no cell.
int CellDigit(char c)
{
    if (c >= '1' && c <= '9')
        return c - '0';
    return c == '0' || c == '.' || c == '_' || c == '*' ? 0 : -1;
}

std::string Printable(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F)
        return std::string("\"") + c + '"';
    constexpr char Hex[] = "0123456789ABCDEF";
    return std::string("byte 0x") + Hex[byte >> 4] + Hex[byte & 15];
}

} // namespace

GridRow ParseGridRow(std::string_view line)
{
    GridRow row;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (IsBlank(c) || c == '|' || c == '+')
            continue;
        const int digit = CellDigit(c);
        if (digit < 0) {
            row.badColumn = static_cast<std::uint32_t>(i + 1);
            return row;
        }
        if (row.count == 0)
            row.firstColumn = static_cast<std::uint32_t>(i + 1);
        if (row.count < row.cells.size())
            row.cells[row.count] = static_cast<std::int8_t>(digit);
        ++row.count;
    }
    return row;
}

bool IsGridText(std::string_view line)
{
    for (const char c : line) {
        if (!(IsBlank(c) || CellDigit(c) >= 0 || c == '|' || c == '+' || c == '-' || c == '='))
            return false;
    }
    return true;
}

bool IsGridBorder(std::string_view line)
{
    bool rule = false;
    for (const char c : line) {
        if (c == '-' || c == '=')
            rule = true;
        else if (!(IsBlank(c) || c == '+' || c == '|' || c == '*'))
            return false;
    }
    return rule;
}

std::optional<ReadPuzzle> GridBlock::AddRow(std::string_view line, std::uint64_t lineNumber)
{
    if (rows_ == 0)
        start_ = {lineNumber, 1};
    const GridRow row = ParseGridRow(line);
    const std::size_t index = rows_++;
    std::optional<ReadPuzzle> fault;
    if (broken_) {
        // Reported already.
    } else if (row.badColumn != 0) {
        fault = Fault({lineNumber, row.badColumn},
            "grid row " + std::to_string(index + 1) + ": " + Printable(line[row.badColumn - 1])
                + " is neither a digit nor a blank");
    } else if (row.count != RowCount) {
        fault = Fault({lineNumber, row.count == 0 ? 1 : row.firstColumn},
            "grid row " + std::to_string(index + 1) + " has " + std::to_string(row.count) + " cells, not 9");
    } else {
        if (index == 0)
            start_.column = row.firstColumn;
        for (std::size_t c = 0; c < RowCount; ++c)
            givens_[index * RowCount + c] = row.cells[c];
    }
    if (rows_ < RowCount)
        return fault;
    const bool complete = !broken_ && !fault;
    ReadPuzzle read;
    read.puzzle.kind = PuzzleLine::Kind::Puzzle;
    read.puzzle.givens = givens_;
    read.position = start_;
    read.form = PuzzleForm::Grid;
    Reset();
    if (complete)
        return read;
    return fault;
}

std::optional<ReadPuzzle> GridBlock::AddGap(std::uint64_t lineNumber, bool blank)
{
    if (rows_ == 0)
        return std::nullopt;
    if (broken_) {
        // A blank line ends what is left of a grid already reported.
        if (blank)
            Reset();
        return std::nullopt;
    }
    if (rows_ % 3 == 0)
        return std::nullopt;
    const std::string gap = blank ? "a blank line" : "a box border";
    ReadPuzzle fault = Fault({lineNumber, 1}, gap + " after grid row " + std::to_string(rows_) + " of 9");
    Reset();
    return fault;
}

std::optional<ReadPuzzle> GridBlock::Interrupt()
{
    if (rows_ == 0)
        return std::nullopt;
    const bool reported = broken_;
    const std::size_t rows = rows_;
    const FilePosition start = start_;
    Reset();
    if (reported)
        return std::nullopt;
    ReadPuzzle fault = Fault(
        start, "the grid ends after " + std::to_string(rows) + (rows == 1 ? " row" : " rows") + "; a grid has 9");
    Reset();
    return fault;
}

ReadPuzzle GridBlock::Fault(FilePosition at, std::string problem)
{
    broken_ = true;
    ReadPuzzle fault;
    fault.puzzle.kind = PuzzleLine::Kind::Invalid;
    fault.puzzle.reason = BadGrid;
    fault.position = at;
    fault.form = PuzzleForm::Grid;
    fault.problem = std::move(problem);
    return fault;
}

void GridBlock::Reset()
{
    rows_ = 0;
    broken_ = false;
    givens_ = {};
}

} // namespace quadrelle
