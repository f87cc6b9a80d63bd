#include "cli/line_reader.h"

#include <algorithm>
#include <cstring>
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

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Keeps the first KeptLineLength characters, and then one non-blank so that a line of blanks
// and text never reads as blank.
void Keep(std::string &line, const char *from, const char *to)
{
    const std::size_t room = LineReader::KeptLineLength - std::min(line.size(), LineReader::KeptLineLength);
    const std::size_t taken = std::min(room, static_cast<std::size_t>(to - from));
    line.append(from, taken);
    if (line.size() != LineReader::KeptLineLength)
        return;
    const char *text = std::find_if_not(from + taken, to, IsBlank);
    if (text != to)
        line.push_back(*text);
}
} // namespace

LineReader::LineReader(const std::vector<std::unique_ptr<BatchInput>> &inputs, ErrorReport reportError)
    : inputs_(inputs), reportError_(std::move(reportError))
{
}

LineReader::Status LineReader::Next(std::string &line)
{
    line.clear();
    while (current_ < inputs_.size()) {
        BatchInput &input = *inputs_[current_];
        try {
            if (!open_) {
                input.Open();
                open_ = true;
            }
            const Status status = TakeLine(input, line);
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

LineReader::Status LineReader::TakeLine(BatchInput &input, std::string &line)
{
    for (;;) {
        if (begin_ == end_) {
            if (ended_ && !midLine_)
                return Status::End;
            if (ended_)
                break; // the last line has no line end
            if (input.WouldWait())
                return Status::WouldWait;
            begin_ = 0;
            end_ = input.Read(buffer_.data(), buffer_.size());
            bytesRead_ += end_;
            ended_ = end_ == 0;
            continue;
        }
        if (afterCr_ && buffer_[begin_] == '\n')
            ++begin_;
        afterCr_ = false;
        if (begin_ == end_)
            continue;
        const char *from = buffer_.data() + begin_;
        const char *to = buffer_.data() + end_;
        const char *lineEnd = LineEnd(from, to);
        Keep(partial_, from, lineEnd);
        midLine_ = true;
        begin_ = static_cast<std::size_t>(lineEnd - buffer_.data());
        if (lineEnd != to) {
            afterCr_ = *lineEnd == '\r';
            ++begin_;
            break;
        }
    }
    if (atInputStart_ && partial_.starts_with(ByteOrderMark))
        partial_.erase(0, ByteOrderMark.size());
    atInputStart_ = false;
    midLine_ = false;
    line.swap(partial_);
    partial_.clear();
    return Status::Line;
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
    partial_.clear();
    begin_ = end_ = 0;
}

} // namespace quadrelle
