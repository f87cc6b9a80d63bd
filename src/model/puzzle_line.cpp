#include "model/puzzle_line.h"

#include <array>

namespace quadrelle {

namespace {
bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == ':' || c == ';';
}

// A cell's digit by its character: 1-9 for a given, 0 for '0' and '.', -1 for anything else.
constexpr std::array<std::int8_t, 256> CellValues = [] {
    std::array<std::int8_t, 256> values {};
    values.fill(-1);
    values['0'] = values['.'] = 0;
    for (char c = '1'; c <= '9'; ++c)
        values[static_cast<unsigned char>(c)] = static_cast<std::int8_t>(c - '0');
    return values;
}();

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
    for (std::size_t p = 0; p < CellCount; ++p) {
        const std::int8_t digit = CellValues[static_cast<unsigned char>(line[p])];
        if (digit < 0) {
            parsed.reason = "bad-character";
            return parsed;
        }
        parsed.givens[p] = digit;
    }
    parsed.kind = PuzzleLine::Kind::Puzzle;
    return parsed;
}

} // namespace quadrelle
