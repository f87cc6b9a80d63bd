#include "formats/xml_games.h"

#include <expat.h>

#include <algorithm>
#include <cstring>

namespace quadrelle {

namespace {

// Where the value of a `data=` attribute in a tag's text starts (past its quote), or npos.
std::size_t FindData(std::string_view tag)
{
    for (std::size_t at = tag.find("data"); at != std::string_view::npos; at = tag.find("data", at + 1)) {
        if (at == 0 || std::string_view(" \t\n").find(tag[at - 1]) == std::string_view::npos)
            continue;
        std::size_t p = tag.find_first_not_of(" \t\n", at + 4);
        if (p == std::string_view::npos || tag[p] != '=')
            continue;
        p = tag.find_first_not_of(" \t\n", p + 1);
        if (p != std::string_view::npos && (tag[p] == '"' || tag[p] == '\''))
            return p + 1;
    }
    return std::string_view::npos;
}

ReadPuzzle FromValue(std::string_view value, FilePosition at)
{
    ReadPuzzle read;
    read.position = at;
    read.form = PuzzleForm::Xml;
    read.puzzle = ParsePuzzleLine(value);
    if (read.puzzle.kind == PuzzleLine::Kind::Skip
        || (read.puzzle.kind == PuzzleLine::Kind::Puzzle && value.size() != CellCount)) {
        read.puzzle.kind = PuzzleLine::Kind::Invalid;
        read.puzzle.reason = "bad-length";
    }
    return read;
}

} // namespace

struct XmlGames::State {
    XML_Parser parser = nullptr;
    std::uint64_t firstLine = 1;
    std::vector<ReadPuzzle> *found = nullptr;
    bool failed = false;

    // Where the parser is, in the file's lines.
    FilePosition Here() const
    {
        return {firstLine + XML_GetCurrentLineNumber(parser) - 1,
            static_cast<std::uint32_t>(XML_GetCurrentColumnNumber(parser) + 1)};
    }

    // Where the current tag's data value starts, found in the tag's own bytes; the tag's start
    // when the parser cannot show them.
    FilePosition DataPosition() const
    {
        FilePosition at = Here();
        int offset = 0, size = 0;
        const char *context = XML_GetInputContext(parser, &offset, &size);
        const int count = XML_GetCurrentByteCount(parser);
        if (context == nullptr || count <= 0 || offset + count > size)
            return at;
        const std::string_view tag(context + offset, static_cast<std::size_t>(count));
        // The parser counts characters; a line end in what it still holds gives the column in bytes.
        const std::size_t lineStart = std::string_view(context, static_cast<std::size_t>(offset)).rfind('\n');
        if (lineStart != std::string_view::npos)
            at.column = static_cast<std::uint32_t>(static_cast<std::size_t>(offset) - lineStart);
        else if (XML_GetCurrentByteIndex(parser) == offset)
            at.column = static_cast<std::uint32_t>(offset + 1);
        const std::size_t value = FindData(tag);
        if (value == std::string_view::npos)
            return at;
        at = Past(at, tag.substr(0, value));
        // A value that starts with a line break starts, for a person, on the next line.
        const std::size_t breaks = std::min<std::size_t>(tag.compare(value, 2, "\r\n") == 0 ? 2 : 1, tag.size() - value);
        if (value < tag.size() && (tag[value] == '\r' || tag[value] == '\n'))
            at = Past(at, tag.substr(value, breaks));
        return at;
    }

    // Where a position moves to past `text`: a line break is LF, CR LF or CR.
    static FilePosition Past(FilePosition at, std::string_view text)
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' || text[i] == '\n') {
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                ++at.line;
                at.column = 1;
            } else {
                ++at.column;
            }
        }
        return at;
    }

    static void StartElement(void *data, const XML_Char *name, const XML_Char **attributes)
    {
        auto &state = *static_cast<State *>(data);
        if (std::strcmp(name, "game") != 0)
            return;
        for (std::size_t i = 0; attributes[i] != nullptr; i += 2) {
            if (std::strcmp(attributes[i], "data") == 0)
                state.found->push_back(FromValue(attributes[i + 1], state.DataPosition()));
        }
    }

    // Where the parser stopped; at a line's end or past the last line, that line's last
    // character, so that the position lies in the text.
    FilePosition ErrorPosition() const
    {
        FilePosition at = Here();
        int offset = 0, size = 0;
        const char *context = XML_GetInputContext(parser, &offset, &size);
        if (context == nullptr || (offset < size && context[offset] != '\n'))
            return at;
        std::string_view before(context, static_cast<std::size_t>(std::min(offset, size)));
        if (offset >= size && before.ends_with('\n') && at.line > firstLine) {
            before.remove_suffix(1);
            --at.line;
        }
        const std::size_t lineStart = before.rfind('\n');
        // A line that starts before what the parser still holds is left as the parser says it.
        if (lineStart == std::string_view::npos && XML_GetCurrentByteIndex(parser) != offset)
            return at;
        const std::size_t length = before.size() - (lineStart == std::string_view::npos ? 0 : lineStart + 1);
        at.column = static_cast<std::uint32_t>(std::max<std::size_t>(length, 1));
        return at;
    }

    void Fail(std::vector<ReadPuzzle> &into)
    {
        FailAt(ErrorPosition(), XML_ErrorString(XML_GetErrorCode(parser)), into);
    }

    void FailAt(FilePosition at, const char *what, std::vector<ReadPuzzle> &into)
    {
        failed = true;
        ReadPuzzle fault;
        fault.puzzle.kind = PuzzleLine::Kind::Invalid;
        fault.puzzle.reason = "bad-xml";
        fault.position = at;
        fault.form = PuzzleForm::Xml;
        fault.fault.kind = ReadFault::Kind::BadXml;
        fault.fault.what = what;
        into.push_back(std::move(fault));
    }
};

XmlGames::XmlGames(std::uint64_t firstLine, bool utf8)
    : parser_(XML_ParserCreate(utf8 ? "UTF-8" : nullptr), XML_ParserFree), state_(std::make_unique<State>())
{
    state_->parser = parser_.get();
    state_->firstLine = firstLine;
    XML_SetUserData(parser_.get(), state_.get());
    XML_SetStartElementHandler(parser_.get(), &State::StartElement);
}

XmlGames::XmlGames(XmlGames &&) noexcept = default;
XmlGames &XmlGames::operator=(XmlGames &&) noexcept = default;
XmlGames::~XmlGames() = default;

void XmlGames::Feed(std::string_view bytes, std::vector<ReadPuzzle> &found)
{
    constexpr std::size_t Block = 1 << 14;
    if (pending_.empty() && bytes.size() >= Block) {
        Parse(bytes, false, found);
        return;
    }
    pending_.append(bytes);
    if (pending_.size() >= Block)
        Flush(found);
}

void XmlGames::Flush(std::vector<ReadPuzzle> &found)
{
    Parse(pending_, false, found);
    pending_.clear();
}

void XmlGames::Finish(std::vector<ReadPuzzle> &found)
{
    Flush(found);
    Parse({}, true, found);
}

void XmlGames::Parse(std::string_view bytes, bool last, std::vector<ReadPuzzle> &found)
{
    if (state_->failed || parser_ == nullptr)
        return;
    state_->found = &found;
    // The parser takes a NUL among the first two bytes for UTF-16, even when told UTF-8, and would
    // count lines and columns the reader never sees. UTF-16 reaches here converted, from its mark.
    const std::string_view head = bytes.substr(0, 2 - std::min<std::size_t>(head_, 2));
    if (const std::size_t nul = head.find('\0'); nul != std::string_view::npos) {
        const FilePosition at{state_->firstLine, static_cast<std::uint32_t>(head_ + nul + 1)};
        state_->FailAt(at, "a NUL byte at the start (UTF-16 without its byte-order mark?)", found);
        return;
    }
    head_ += head.size();
    // The parser takes an int's worth at a time.
    constexpr std::size_t Most = 1 << 30;
    do {
        const std::string_view part = bytes.substr(0, Most);
        bytes.remove_prefix(part.size());
        const bool final = last && bytes.empty();
        if (XML_Parse(parser_.get(), part.data(), static_cast<int>(part.size()), final) != XML_STATUS_OK) {
            state_->Fail(found);
            return;
        }
    } while (!bytes.empty());
}

} // namespace quadrelle

