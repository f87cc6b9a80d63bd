#pragma once

#include <cstddef>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrelle {

// An input that failed while it was being opened or read; the description names it.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One input of the batch solver: a named stream of bytes, opened only when its turn comes.
class BatchInput {
public:
    virtual ~BatchInput() = default;

    // Throws ReadError.
    virtual void Open() { }
    // Up to size bytes into buffer; 0 at the end. Throws ReadError.
    virtual std::size_t Read(char *buffer, std::size_t size) = 0;
    virtual void Close() { }
    // The file's path as named; empty for standard input and streams.
    virtual std::string_view Path() const { return {}; }
    // Reading now would wait for bytes that have not come yet (a pipe or a terminal with
    // nothing to read). A file on disk never waits.
    virtual bool WouldWait() const { return false; }
    // Readable once reading would no longer wait; -1 for an input that never waits.
    virtual int ReadyFd() const { return -1; }
};

// A file by path, or standard input for "-" (which is never closed).
class FileInput final : public BatchInput {
public:
    explicit FileInput(std::string path);
    ~FileInput() override;
    FileInput(const FileInput &) = delete;
    FileInput &operator=(const FileInput &) = delete;

    void Open() override;
    std::size_t Read(char *buffer, std::size_t size) override;
    void Close() override;
    bool WouldWait() const override;
    int ReadyFd() const override;
    std::string_view Path() const override;

private:
    std::string path_;
    std::string name_;
    int fd_ = -1;
    bool onDisk_ = false;
};

// A stream the caller owns, read through its buffer.
class StreamInput final : public BatchInput {
public:
    StreamInput(std::istream &stream, std::string name);

    std::size_t Read(char *buffer, std::size_t size) override;

private:
    std::istream &stream_;
    std::string name_;
};

} // namespace quadrelle
