#pragma once

#include "cli/batch_input.h"
#include "formats/text_encoding.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

namespace quadrelle {

// The lines of the batch inputs in turn, in pieces as they come, of any length. A line ends at LF,
// CR or CR LF, so that line numbers are an editor's; a UTF-8 byte-order mark that starts an input
// is dropped, and a UTF-16 one has the input turned into UTF-8. An input that fails is reported,
// and reading goes on with the next one.
class LineReader {
public:
    enum class Status { Line, WouldWait, End };

    using ErrorReport = std::function<void(const std::string &description)>;

    LineReader(const std::vector<std::unique_ptr<BatchInput>> &inputs, ErrorReport reportError);

    // The next piece of a line, valid until the next call; `ends` when the line ends after it.
    // Never waits for input that has not come yet (a line a person has not typed, or one a pipe
    // has not brought): says WouldWait instead.
    Status Next(std::string_view &piece, bool &ends);
    // Readable once the input that said WouldWait brings more; -1 when none waits.
    int ReadyFd() const;

    // Input bytes up to the end of the last line returned (the inputs' lengths added up).
    std::uintmax_t BytesTaken() const;
    // The input the last piece came from; the number of inputs once they are done.
    std::size_t CurrentInput() const { return current_; }
    // The current input was UTF-16, turned into UTF-8 on the way in.
    bool Converted() const { return utf16_.has_value(); }

private:
    Status TakePiece(BatchInput &input, std::string_view &piece, bool &ends);
    // Reads more of the input into the buffer: false when it would wait.
    bool Fill(BatchInput &input);
    void FinishInput();

    const std::vector<std::unique_ptr<BatchInput>> &inputs_;
    ErrorReport reportError_;
    std::size_t current_ = 0;
    bool open_ = false;
    bool ended_ = false;
    bool atInputStart_ = true;
    bool midLine_ = false;
    std::optional<Utf16Decoder> utf16_;
    std::array<char, 1 << 15> raw_ {};
    // The last line ended at a CR: an LF right after it ends no other line.
    bool afterCr_ = false;
    std::array<char, 1 << 16> buffer_ {};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uintmax_t bytesRead_ = 0;
};

} // namespace quadrelle
