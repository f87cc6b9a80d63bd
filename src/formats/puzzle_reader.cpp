#include "formats/puzzle_reader.h"

#include "formats/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <utility>

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

// Keeps the first KeptLineLength characters of a line fed in pieces, and then one non-blank, so
// that a line of blanks and text never reads as blank.
void KeepStart(std::string &line, std::string_view part)
{
    const std::size_t room = PuzzleReader::KeptLineLength - std::min(line.size(), PuzzleReader::KeptLineLength);
    line.append(part.substr(0, room));
    if (line.size() != PuzzleReader::KeptLineLength)
        return;
    const std::size_t text = part.find_first_not_of(" \t", std::min(room, part.size()));
    if (text != std::string_view::npos)
        line.push_back(part[text]);
}

std::size_t CellCharacters(std::string_view line)
{
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '*';
    }));
}

std::size_t TextCharacters(std::string_view line)
{
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(),
        [](char c) { return c != ' ' && c != '\t' && c != '|' && c != '+'; }));
}

// Short enough to be a grid's faulty row or its title.
bool MayHold(std::string_view line)
{
    constexpr std::size_t Longest = 40;
    return TextCharacters(line) <= Longest;
}

// Mostly words, not cells: "Grid 01" is a title, "53..7...." a row however faulty.
bool IsTitle(std::string_view line)
{
    return CellCharacters(line) * 2 < TextCharacters(line);
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

void PuzzleReader::FeedPart(std::string_view part, bool ends, std::vector<ReadPuzzle> &found)
{
    if (xml_) {
        xml_->Feed(part, found);
        if (ends)
            xml_->Feed("\n", found);
        xmlMidLine_ = !ends;
        return;
    }
    if (ends && partial_.empty() && part.size() <= KeptLineLength) {
        Feed(part, found);
        return;
    }
    // XML on one long line (as minifiers write it) is read as it comes, not cut short.
    const bool firstContent = !options_.strict && !seenContent_ && IsBlankLine(partial_);
    if (firstContent && (options_.hint == FormHint::Xml || TrimmedStart(part).starts_with('<'))) {
        ++lineNumber_;
        seenContent_ = true;
        StartXml(partial_ + std::string(part), found);
        partial_.clear();
        if (ends)
            xml_->Feed("\n", found);
        xmlMidLine_ = !ends;
        return;
    }
    KeepStart(partial_, part);
    if (!ends)
        return;
    const std::string line = std::move(partial_);
    partial_.clear();
    Feed(line, found);
}

void PuzzleReader::Feed(std::string_view line, std::vector<ReadPuzzle> &found)
{
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (options_.strict) {
        FeedLine(line, ParsePuzzleLine(line), lineNumber_, found);
        return;
    }
    if (xml_) {
        xml_->Feed(line, found);
        xml_->Feed("\n", found);
        return;
    }
    if (IsBlankLine(line)) {
        Release(false, found);
        Emit(grid_.AddGap(lineNumber_, true), found);
        return;
    }
    if (line.front() == '#' || line.front() == '[') {
        Release(false, found);
        if (line.front() == '#' || TakeSection(line, found))
            return;
    }
    if (otherSection_ && IsGameInProgress(line))
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
        StartXml(line, found);
        xml_->Feed("\n", found);
        return;
    }
    const bool puzzleLine = ParsePuzzleLine(line).kind == PuzzleLine::Kind::Puzzle;
    if (!puzzleLine && (IsCsvHeader(line) || (options_.hint == FormHint::Csv && !IsGridBorder(line)))) {
        csv_ = true;
        return;
    }
    FeedContent(line, found);
}

void PuzzleReader::StartXml(std::string_view text, std::vector<ReadPuzzle> &found)
{
    xml_.emplace(lineNumber_, options_.converted);
    xml_->Feed(text, found);
}

void PuzzleReader::FeedContent(std::string_view line, std::vector<ReadPuzzle> &found)
{
    if (IsGridBorder(line)) {
        Release(!grid_.Open(), found);
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
            Release(true, found);
            Emit(grid_.AddRow(line, lineNumber_), found);
            return;
        }
        Release(false, found);
        if (!csv_ && MayHold(line)) {
            Hold(line);
            return;
        }
    }
    Release(false, found);
    Emit(grid_.Interrupt(), found);
    FeedLine(line, parsed, lineNumber_, found);
}

void PuzzleReader::Hold(std::string_view line)
{
    held_ = true;
    heldLine_.assign(line);
    heldNumber_ = lineNumber_;
}

void PuzzleReader::Release(bool gridFollows, std::vector<ReadPuzzle> &found)
{
    if (!held_)
        return;
    held_ = false;
    if (!gridFollows) {
        Emit(grid_.Interrupt(), found);
        FeedLine(heldLine_, ParsePuzzleLine(heldLine_), heldNumber_, found);
    } else if (IsTitle(heldLine_)) {
        const std::string_view title = TrimmedStart(heldLine_);
        label_.assign(title.substr(0, title.find_last_not_of(" \t") + 1));
    } else {
        Emit(grid_.AddRow(heldLine_, heldNumber_), found);
    }
}

void PuzzleReader::FeedLine(
    std::string_view line, const PuzzleLine &parsed, std::uint64_t lineNumber, std::vector<ReadPuzzle> &found)
{
    ReadPuzzle read;
    read.position = {lineNumber, 1};
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

void PuzzleReader::Pause(std::vector<ReadPuzzle> &found)
{
    Release(false, found);
    if (xml_)
        xml_->Flush(found);
}

void PuzzleReader::Finish(std::vector<ReadPuzzle> &found, bool lineCut)
{
    if (lineCut)
        partial_.clear();
    if (!partial_.empty()) {
        const std::string line = std::move(partial_);
        partial_.clear();
        Feed(line, found);
    }
    Release(false, found);
    Emit(grid_.Interrupt(), found);
    if (!xml_)
        return;
    // The parser sees the same text whether the last line has its line end or not.
    if (std::exchange(xmlMidLine_, false))
        xml_->Feed("\n", found);
    xml_->Finish(found);
}

void PuzzleReader::Emit(std::optional<ReadPuzzle> read, std::vector<ReadPuzzle> &found)
{
    if (!read)
        return;
    if (read->form == PuzzleForm::Grid && !label_.empty())
        read->label = std::exchange(label_, {});
    found.push_back(std::move(*read));
}

std::vector<ReadPuzzle> ReadPuzzles(std::string_view text, ReaderOptions options)
{
    if (const auto order = Utf16ByteOrderMark(text)) {
        std::string utf8(Utf16Decoder::MostOutput(text.size()), '\0');
        utf8.resize(Utf16Decoder(*order).Decode(text.substr(2), utf8.data()));
        options.converted = true;
        return ReadPuzzles(utf8, options);
    }
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    PuzzleReader reader(options);
    std::vector<ReadPuzzle> found;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        reader.FeedPart(text.substr(0, end), end != std::string_view::npos, found);
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
