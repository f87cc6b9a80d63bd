#pragma once

#include <array>
#include <streambuf>
#include <string>

namespace quadrelle {

// A stream buffer over a file descriptor that remembers why a write failed.
class OutputBuffer final : public std::streambuf {
public:
    explicit OutputBuffer(int fd);
    ~OutputBuffer() override;
    OutputBuffer(const OutputBuffer &) = delete;
    OutputBuffer &operator=(const OutputBuffer &) = delete;

    // Empty while every write has succeeded.
    const std::string &Error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;
    std::streamsize xsputn(const char *text, std::streamsize count) override;

private:
    bool WriteAll(const char *data, std::size_t size);
    bool Drain();

    int fd_;
    std::array<char, 1 << 16> buffer_ {};
    std::string error_;
};

} // namespace quadrelle
