#include "formats/puzzle_reader.h"

#include <algorithm>
#include <cctype>

namespace quadrelle {

namespace {

bool IsBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view TrimmedStart(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : line.substr(start);
}

// A CSV header names its columns: the first field is a word, and a comma or semicolon follows.
bool IsCsvHeader(std::string_view line)
{
    const std::size_t end = line.find_first_of(",;");
    if (end == std::string_view::npos)
        return false;
    std::string_view first = line.substr(0, end);
    if (first.size() >= 2 && first.front() == '"' && first.back() == '"')
        first = first.substr(1, first.size() - 2);
    return !first.empty() && std::isalpha(static_cast<unsigned char>(first.front()))
        && std::all_of(first.begin(), first.end(),
            [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ' ' || c == '-'; });
}

// A line of a grid that is no puzzle: in a section other than [Puzzle], where a game in progress is.
bool IsGameInProgress(std::string_view line)
{
    return IsGridText(line) && ParsePuzzleLine(line).kind != PuzzleLine::Kind::Puzzle;
}

std::string_view Extension(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    return name.substr(dot + 1);
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

FormHint HintFromName(std::string_view fileName)
{
    const std::string_view extension = Extension(fileName);
    struct Known {
        std::string_view extension;
        FormHint hint;
    };
    constexpr Known known[] = {{"csv", FormHint::Csv}, {"opensudoku", FormHint::Xml}, {"xml", FormHint::Xml}};
    for (const Known &k : known) {
        if (SameLetters(extension, k.extension))
            return k.hint;
    }
    return FormHint::None;
}

PuzzleReader::PuzzleReader(ReaderOptions options) : options_(options) { }

void PuzzleReader::Feed(std::string_view line, std::vector<ReadPuzzle> &found)
{
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (options_.strict) {
        FeedLine(line, ParsePuzzleLine(line), found);
        return;
    }
    if (xml_) {
        games_.Scan(line, lineNumber_, found);
        return;
    }
    if (IsBlankLine(line)) {
        Emit(grid_.AddGap(lineNumber_, true), found);
        return;
    }
    if (line.front() == '#' || TakeSection(line, found) || (otherSection_ && IsGameInProgress(line)))
        return;
    if (!seenContent_) {
        seenContent_ = true;
        FeedFirst(line, found);
        return;
    }
    FeedContent(line, found);
}

void PuzzleReader::FeedFirst(std::string_view line, std::vector<ReadPuzzle> &found)
{
    if (options_.hint == FormHint::Xml || TrimmedStart(line).starts_with('<')) {
        xml_ = true;
        games_.Scan(line, lineNumber_, found);
        return;
    }
    const bool puzzleLine = ParsePuzzleLine(line).kind == PuzzleLine::Kind::Puzzle;
    if (!puzzleLine && (IsCsvHeader(line) || (options_.hint == FormHint::Csv && !IsGridBorder(line)))) {
        csv_ = true;
        return;
    }
    FeedContent(line, found);
}

void PuzzleReader::FeedContent(std::string_view line, std::vector<ReadPuzzle> &found)
{
    if (IsGridBorder(line)) {
        Emit(grid_.AddGap(lineNumber_, false), found);
        return;
    }
    const PuzzleLine parsed = ParsePuzzleLine(line);
    if (parsed.kind != PuzzleLine::Kind::Puzzle) {
        if (grid_.Open()) {
            Emit(grid_.AddRow(line, lineNumber_), found);
            return;
        }
        const GridRow row = ParseGridRow(line);
        if (row.badColumn == 0 && row.count == 9) {
            Emit(grid_.AddRow(line, lineNumber_), found);
            return;
        }
    }
    Emit(grid_.Interrupt(), found);
    FeedLine(line, parsed, found);
}

void PuzzleReader::FeedLine(std::string_view line, const PuzzleLine &parsed, std::vector<ReadPuzzle> &found)
{
    ReadPuzzle read;
    read.position = {lineNumber_, 1};
    read.form = csv_ ? PuzzleForm::Csv : PuzzleForm::Line;
    read.puzzle = parsed;
    // A quoted first field, as spreadsheets write it.
    if (csv_ && line.size() > CellCount + 1 && line.front() == '"' && line[CellCount + 1] == '"') {
        read.position.column = 2;
        read.puzzle = ParsePuzzleLine(line.substr(1, CellCount));
    }
    if (read.puzzle.kind != PuzzleLine::Kind::Skip)
        found.push_back(std::move(read));
}

bool PuzzleReader::TakeSection(std::string_view line, std::vector<ReadPuzzle> &found)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (line.size() < 3 || line.front() != '[' || line.back() != ']')
        return false;
    Emit(grid_.Interrupt(), found);
    otherSection_ = !SameLetters(line, "[Puzzle]");
    return true;
}

void PuzzleReader::Finish(std::vector<ReadPuzzle> &found)
{
    Emit(grid_.Interrupt(), found);
}

void PuzzleReader::Emit(std::optional<ReadPuzzle> read, std::vector<ReadPuzzle> &found)
{
    if (read)
        found.push_back(std::move(*read));
}

std::vector<ReadPuzzle> ReadPuzzles(std::string_view text, ReaderOptions options)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    PuzzleReader reader(options);
    std::vector<ReadPuzzle> found;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        reader.Feed(text.substr(0, end), found);
        if (end == std::string_view::npos)
            break;
        const std::size_t next
            = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    reader.Finish(found);
    return found;
}

} // namespace quadrelle
