#include "puzzle_line.h"

namespace quadrelle {

namespace {
bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == ':' || c == ';';
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

    PuzzleLine parsed;
    parsed.kind = PuzzleLine::Kind::Invalid;
    if (line.size() < CellCount || (line.size() > CellCount && !IsSeparator(line[CellCount]))) {
        parsed.reason = "bad-length";
        return parsed;
    }
    for (int p = 0; p < CellCount; ++p) {
        const char c = line[static_cast<std::size_t>(p)];
        if (c == '.' || c == '0') {
            parsed.givens[static_cast<std::size_t>(p)] = 0;
        } else if (c >= '1' && c <= '9') {
            parsed.givens[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(c - '0');
        } else {
            parsed.reason = "bad-character";
            return parsed;
        }
    }
    parsed.kind = PuzzleLine::Kind::Puzzle;
    return parsed;
}

} // namespace quadrelle
