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
    ReadFault what;
    what.row = static_cast<int>(index + 1);
    if (broken_) {
        // Reported already.
    } else if (row.badColumn != 0) {
        what.kind = ReadFault::Kind::BadCharacter;
        what.byte = static_cast<unsigned char>(line[row.badColumn - 1]);
        fault = Fault({lineNumber, row.badColumn}, what);
    } else if (row.count != RowCount) {
        what.kind = ReadFault::Kind::CellCount;
        what.cells = static_cast<int>(row.count);
        fault = Fault({lineNumber, row.count == 0 ? 1 : row.firstColumn}, what);
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
    rowsBeforeBorder_ = 0;
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
    const std::size_t total = rows_ + rowsBeforeBorder_;
    if (rowsBeforeBorder_ > 0 && total == RowCount) {
        Reset();
        rowsBeforeBorder_ = 0;
        return std::nullopt;
    }
    if (total % 3 == 0)
        return std::nullopt;
    ReadFault what;
    what.kind = ReadFault::Kind::GapInBand;
    what.row = static_cast<int>(rows_);
    what.blank = blank;
    const std::size_t rows = rows_;
    ReadPuzzle fault = Fault({lineNumber, 1}, what);
    Reset();
    if (!blank)
        rowsBeforeBorder_ = rows;
    return fault;
}

std::optional<ReadPuzzle> GridBlock::Interrupt()
{
    if (rows_ == 0)
        return std::nullopt;
    const bool reported = broken_ || rows_ + rowsBeforeBorder_ == RowCount;
    const std::size_t rows = rows_;
    const FilePosition start = start_;
    Reset();
    rowsBeforeBorder_ = 0;
    if (reported)
        return std::nullopt;
    ReadFault what;
    what.kind = ReadFault::Kind::EndsEarly;
    what.row = static_cast<int>(rows);
    ReadPuzzle fault = Fault(start, what);
    Reset();
    return fault;
}

ReadPuzzle GridBlock::Fault(FilePosition at, ReadFault what)
{
    broken_ = true;
    ReadPuzzle fault;
    fault.puzzle.kind = PuzzleLine::Kind::Invalid;
    fault.puzzle.reason = BadGrid;
    fault.position = at;
    fault.form = PuzzleForm::Grid;
    fault.fault = what;
    return fault;
}

void GridBlock::Reset()
{
    rows_ = 0;
    broken_ = false;
    givens_ = {};
}

} // namespace quadrelle
