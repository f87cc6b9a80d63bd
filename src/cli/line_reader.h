#pragma once

#include "cli/batch_input.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quadrelle {

// The lines of the batch inputs in turn. A line ends at LF, CR or CR LF, so that line numbers
// are an editor's; a UTF-8 byte-order mark that starts an input is dropped. An input that fails
// is reported, its partial last line dropped, and reading goes on with the next one.
class LineReader {
public:
    // Enough to classify any line (81 cells and a separator, an XML element with its
    // attributes); the rest is read, not kept.
    static constexpr std::size_t KeptLineLength = 512;

    enum class Status { Line, WouldWait, End };

    using ErrorReport = std::function<void(const std::string &description)>;

    LineReader(const std::vector<std::unique_ptr<BatchInput>> &inputs, ErrorReport reportError);

    // The next line, cut to KeptLineLength characters plus the first non-blank one after them.
    // Never waits for input that has not come yet (a line a person has not typed, or one a pipe
    // has not brought): says WouldWait and keeps what came of the line for the next call.
    Status Next(std::string &line);
    // Readable once the input that said WouldWait brings more; -1 when none waits.
    int ReadyFd() const;

    // Input bytes up to the end of the last line returned (the inputs' lengths added up).
    std::uintmax_t BytesTaken() const { return bytesRead_ - (end_ - begin_); }
    // The input the last line came from; the number of inputs once they are done.
    std::size_t CurrentInput() const { return current_; }

private:
    Status TakeLine(BatchInput &input, std::string &line);
    void FinishInput();

    const std::vector<std::unique_ptr<BatchInput>> &inputs_;
    ErrorReport reportError_;
    std::size_t current_ = 0;
    bool open_ = false;
    bool ended_ = false;
    bool atInputStart_ = true;
    // What came of a line that did not end yet.
    std::string partial_;
    bool midLine_ = false;
    // The last line ended at a CR: an LF right after it ends no other line.
    bool afterCr_ = false;
    std::array<char, 1 << 16> buffer_ {};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uintmax_t bytesRead_ = 0;
};

} // namespace quadrelle
