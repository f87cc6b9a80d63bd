#include "shell/first_puzzle.h"

#include "formats/puzzle_reader.h"
#include "formats/text_encoding.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quadrelle {

namespace {

constexpr qint64 Chunk = 1 << 16;
// Longer lines are kept in part: nothing after this decides what a line holds.
constexpr int LinePrefix = 4096;

// The file's text as UTF-8 a chunk at a time: UTF-16 with a byte-order mark converted, a UTF-8
// mark dropped.
class Utf8Chunks {
public:
    explicit Utf8Chunks(QFileDevice &file) : file_(file) { }

    // False at the end, or when reading fails.
    bool Next(QByteArray &chunk)
    {
        QByteArray raw = file_.read(Chunk);
        if (raw.isEmpty())
            return false;
        std::string_view bytes(raw.constData(), static_cast<std::size_t>(raw.size()));
        if (std::exchange(atStart_, false)) {
            if (const auto order = Utf16ByteOrderMark(bytes)) {
                utf16_.emplace(*order);
                bytes.remove_prefix(2);
            } else if (bytes.starts_with("\xEF\xBB\xBF")) {
                bytes.remove_prefix(3);
            }
        }
        if (!utf16_) {
            chunk = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
            return true;
        }
        chunk.resize(static_cast<qsizetype>(Utf16Decoder::MostOutput(bytes.size())));
        chunk.resize(static_cast<qsizetype>(utf16_->Decode(bytes, chunk.data())));
        return true;
    }
    bool Converted() const { return utf16_.has_value(); }

private:
    QFileDevice &file_;
    bool atStart_ = true;
    std::optional<Utf16Decoder> utf16_;
};

// The last two lines' starts: a line the reader held answers when the next one comes.
struct RecentLines {
    QByteArray current;
    QByteArray previous;
    std::uint64_t number = 1;

    void Add(std::string_view piece)
    {
        const qsizetype room = LinePrefix - current.size();
        if (room > 0)
            current.append(piece.data(), std::min<qsizetype>(room, static_cast<qsizetype>(piece.size())));
    }
    void End()
    {
        previous = std::exchange(current, {});
        ++number;
    }
    QByteArray LineNumbered(std::uint64_t line) const { return line == number ? current : previous; }
};

} // namespace

FirstPuzzle ReadFirstPuzzle(QFileDevice &file, const QString &name, qint64 readLimit)
{
    Utf8Chunks chunks(file);
    std::optional<PuzzleReader> reader;
    std::vector<ReadPuzzle> found;
    FirstPuzzle first;
    RecentLines lines;
    bool afterCr = false;
    for (QByteArray chunk; found.empty() && !first.limitReached && chunks.Next(chunk);) {
        if (!reader)
            reader.emplace(ReaderOptions {false, HintFromName(name.toStdString()), chunks.Converted()});
        std::string_view text(chunk.constData(), static_cast<std::size_t>(chunk.size()));
        if (std::exchange(afterCr, false) && text.starts_with('\n'))
            text.remove_prefix(1);
        while (!text.empty() && found.empty()) {
            const std::size_t end = text.find_first_of("\r\n");
            const std::string_view piece = text.substr(0, end);
            lines.Add(piece);
            reader->FeedPart(piece, end != std::string_view::npos, found);
            if (end == std::string_view::npos)
                break;
            const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            afterCr = text[end] == '\r' && end + 1 == text.size();
            text.remove_prefix(end + (crlf ? 2 : 1));
            if (found.empty())
                lines.End();
        }
        first.limitReached = found.empty() && file.pos() >= readLimit;
    }
    if (file.error() != QFileDevice::NoError) {
        first.readFailed = true;
        return first;
    }
    if (reader && found.empty() && first.limitReached) {
        // No further than the limit: the line it cuts is taken as it stands.
        reader->FeedPart({}, true, found);
        first.limitReached = found.empty();
    } else if (reader && found.empty()) {
        reader->Finish(found);
    }
    if (!found.empty()) {
        first.read = std::move(found.front());
        first.line = lines.LineNumbered(first.read->position.line);
    }
    return first;
}

} // namespace quadrelle
