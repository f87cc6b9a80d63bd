#include "cli/line_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <string_view>

namespace quadrelle {

namespace {
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The first '\n' or '\r', else `to`: two library scans, many bytes a step, rather than one
// comparison a byte.
const char *LineEnd(const char *from, const char *to)
{
    const auto *newline = static_cast<const char *>(std::memchr(from, '\n', static_cast<std::size_t>(to - from)));
    const char *end = newline != nullptr ? newline : to;
    const auto *carriage = static_cast<const char *>(std::memchr(from, '\r', static_cast<std::size_t>(end - from)));
    return carriage != nullptr ? carriage : end;
}

} // namespace

LineReader::LineReader(const std::vector<std::unique_ptr<BatchInput>> &inputs, ErrorReport reportError)
    : inputs_(inputs), reportError_(std::move(reportError))
{
}

LineReader::Status LineReader::Next(std::string_view &piece, bool &ends)
{
    while (current_ < inputs_.size()) {
        BatchInput &input = *inputs_[current_];
        try {
            if (!open_) {
                input.Open();
                open_ = true;
            }
            const Status status = TakePiece(input, piece, ends);
            if (status != Status::End)
                return status;
        } catch (const ReadError &error) {
            reportError_(error.what());
        }
        FinishInput();
    }
    return Status::End;
}

int LineReader::ReadyFd() const
{
    return current_ < inputs_.size() && open_ ? inputs_[current_]->ReadyFd() : -1;
}

std::uintmax_t LineReader::BytesTaken() const
{
    // Converted text is longer or shorter than what was read; the share is what the bar needs.
    return bytesRead_ - std::min<std::uintmax_t>(bytesRead_, end_ - begin_);
}

bool LineReader::Fill(BatchInput &input)
{
    if (input.WouldWait())
        return false;
    begin_ = 0;
    if (!utf16_ && !atInputStart_) {
        end_ = input.Read(buffer_.data(), buffer_.size());
        bytesRead_ += end_;
        ended_ = end_ == 0;
        return true;
    }
    const std::size_t got = input.Read(raw_.data(), raw_.size());
    bytesRead_ += got;
    ended_ = got == 0;
    std::string_view bytes(raw_.data(), got);
    if (atInputStart_ && got > 0) {
        atInputStart_ = false;
        if (const auto order = Utf16ByteOrderMark(bytes)) {
            utf16_.emplace(*order);
            bytes.remove_prefix(2);
        } else if (bytes.starts_with(ByteOrderMark)) {
            bytes.remove_prefix(ByteOrderMark.size());
        }
    }
    static_assert(Utf16Decoder::MostOutput(sizeof raw_) <= sizeof buffer_);
    if (utf16_) {
        end_ = utf16_->Decode(bytes, buffer_.data());
    } else {
        std::memcpy(buffer_.data(), bytes.data(), bytes.size());
        end_ = bytes.size();
    }
    return true;
}

LineReader::Status LineReader::TakePiece(BatchInput &input, std::string_view &piece, bool &ends)
{
    for (;;) {
        if (begin_ == end_) {
            if (ended_ && !midLine_)
                return Status::End;
            if (ended_) {
                // The last line has no line end.
                piece = {};
                ends = true;
                midLine_ = false;
                return Status::Line;
            }
            if (!Fill(input))
                return Status::WouldWait;
            continue;
        }
        if (std::exchange(afterCr_, false) && buffer_[begin_] == '\n') {
            ++begin_;
            continue;
        }
        const char *from = buffer_.data() + begin_;
        const char *to = buffer_.data() + end_;
        const char *lineEnd = LineEnd(from, to);
        piece = std::string_view(from, static_cast<std::size_t>(lineEnd - from));
        begin_ = static_cast<std::size_t>(lineEnd - buffer_.data());
        ends = lineEnd != to;
        midLine_ = !ends;
        if (ends) {
            afterCr_ = *lineEnd == '\r';
            ++begin_;
        }
        return Status::Line;
    }
}

void LineReader::FinishInput()
{
    inputs_[current_]->Close();
    ++current_;
    open_ = false;
    ended_ = false;
    atInputStart_ = true;
    midLine_ = false;
    afterCr_ = false;
    utf16_.reset();
    begin_ = end_ = 0;
}

} // namespace quadrelle
