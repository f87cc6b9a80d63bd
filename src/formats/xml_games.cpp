#include "formats/xml_games.h"

#include <algorithm>

namespace quadrelle {

namespace {

constexpr std::string_view GameTag = "<game";

bool EndsName(char c)
{
    return c == ' ' || c == '\t' || c == '/' || c == '>';
}

// Where the value of a `data=` attribute in [from, to) starts (its quote), or npos.
std::size_t FindData(std::string_view line, std::size_t from, std::size_t to)
{
    for (std::size_t at = line.find("data", from); at < to; at = line.find("data", at + 1)) {
        if (at > 0 && line[at - 1] != ' ' && line[at - 1] != '\t')
            continue;
        std::size_t p = at + 4;
        while (p < to && (line[p] == ' ' || line[p] == '\t'))
            ++p;
        if (p >= to || line[p] != '=')
            continue;
        ++p;
        while (p < to && (line[p] == ' ' || line[p] == '\t'))
            ++p;
        return p;
    }
    return std::string_view::npos;
}

ReadPuzzle FromValue(std::string_view value, FilePosition at)
{
    ReadPuzzle read;
    read.position = at;
    read.form = PuzzleForm::Xml;
    read.puzzle = ParsePuzzleLine(value);
    if (read.puzzle.kind == PuzzleLine::Kind::Puzzle && value.size() != CellCount) {
        read.puzzle.kind = PuzzleLine::Kind::Invalid;
        read.puzzle.reason = "bad-length";
    } else if (read.puzzle.kind == PuzzleLine::Kind::Skip) {
        read.puzzle.kind = PuzzleLine::Kind::Invalid;
        read.puzzle.reason = "bad-length";
    }
    return read;
}

} // namespace

void XmlGames::Scan(std::string_view line, std::uint64_t lineNumber, std::vector<ReadPuzzle> &found)
{
    std::size_t from = 0;
    if (inGameTag_)
        from = ScanTag(line, 0, lineNumber, found);
    while (from < line.size()) {
        const std::size_t tag = line.find(GameTag, from);
        if (tag == std::string_view::npos)
            return;
        const std::size_t name = tag + GameTag.size();
        if (name < line.size() && !EndsName(line[name])) {
            from = name;
            continue;
        }
        inGameTag_ = true;
        from = ScanTag(line, name, lineNumber, found);
    }
}

std::size_t XmlGames::ScanTag(
    std::string_view line, std::size_t from, std::uint64_t lineNumber, std::vector<ReadPuzzle> &found)
{
    const std::size_t close = line.find('>', from);
    const std::size_t to = close == std::string_view::npos ? line.size() : close;
    const std::size_t value = FindData(line, from, to);
    if (value != std::string_view::npos) {
        // An attribute's value is quoted; anything else is no puzzle.
        const bool quoted = value < to && (line[value] == '"' || line[value] == '\'');
        const std::size_t end = quoted ? line.find(line[value], value + 1) : value;
        const std::size_t start = quoted ? value + 1 : value;
        const auto column = static_cast<std::uint32_t>(std::min(start, line.size() - 1) + 1);
        found.push_back(
            FromValue(line.substr(start, end == std::string_view::npos ? end : end - start), {lineNumber, column}));
    }
    if (close == std::string_view::npos)
        return line.size();
    inGameTag_ = false;
    return close + 1;
}

} // namespace quadrelle
