#include "model/puzzle_line.h"

namespace quadrelle {

namespace {
bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == ':' || c == ';';
}

// 1-9 for a given, 0 for '0' and '.'; false when a character is anything else. No branch on
// each cell and a local grid, so the compiler reads sixteen at a time.
bool ReadCells(std::string_view cells, Grid &read)
{
    unsigned char bad = 0;
    for (std::size_t p = 0; p < CellCount; ++p) {
        const auto c = static_cast<unsigned char>(cells[p]);
        const auto digit = static_cast<unsigned char>(c - '0');
        const unsigned char dot = c == '.';
        bad |= (digit > 9) & !dot;
        read[p] = static_cast<std::int8_t>(dot ? 0 : digit);
    }
    return bad == 0;
}

PuzzleLine Invalid(std::string_view reason)
{
    PuzzleLine parsed;
    parsed.kind = PuzzleLine::Kind::Invalid;
    parsed.reason = reason;
    return parsed;
}

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}
} // namespace

PuzzleLine ParsePuzzleLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (IsBlank(line) || line.front() == '#')
        return {};

    if (line.size() < CellCount || (line.size() > CellCount && !IsSeparator(line[CellCount])))
        return Invalid("bad-length");
    // Read before the result is made: a result cleared first and then written costs a puzzle
    // line more than its reading does.
    Grid givens;
    if (!ReadCells(line, givens))
        return Invalid("bad-character");
    return {PuzzleLine::Kind::Puzzle, givens, {}};
}

} // namespace quadrelle
