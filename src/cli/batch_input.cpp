#include "cli/batch_input.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <istream>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quadrelle {

namespace {
bool IsStandardInput(const std::string &path)
{
    return path == "-";
}

ReadError ErrorReading(const std::string &name, int error)
{
    return ReadError("cannot read " + name + ": " + std::strerror(error));
}
} // namespace

FileInput::FileInput(std::string path)
    : path_(std::move(path)), name_(IsStandardInput(path_) ? "standard input" : "'" + path_ + "'")
{
}

std::string_view FileInput::Path() const
{
    return IsStandardInput(path_) ? std::string_view() : std::string_view(path_);
}

FileInput::~FileInput()
{
    Close();
}

void FileInput::Open()
{
    if (fd_ >= 0)
        return;
    if (IsStandardInput(path_)) {
        fd_ = STDIN_FILENO;
    } else {
        // Not retried on EINTR: only a stop signal interrupts it (a FIFO that waits for a writer).
        fd_ = ::open(path_.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0)
            throw ErrorReading(name_, errno);
    }
    struct stat status { };
    const bool known = ::fstat(fd_, &status) == 0;
    // Said now rather than by the first read, which some file systems allow on a directory.
    if (known && S_ISDIR(status.st_mode)) {
        Close();
        throw ErrorReading(name_, EISDIR);
    }
    onDisk_ = known && (S_ISREG(status.st_mode) || S_ISBLK(status.st_mode));
}

bool FileInput::WouldWait() const
{
    if (onDisk_ || fd_ < 0)
        return false;
    pollfd ready {fd_, POLLIN, 0};
    // An error or a hang-up counts as ready: the read reports it, or finds the end.
    return ::poll(&ready, 1, 0) == 0;
}

int FileInput::ReadyFd() const
{
    return onDisk_ ? -1 : fd_;
}

std::size_t FileInput::Read(char *buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw ErrorReading(name_, errno);
    }
}

void FileInput::Close()
{
    if (fd_ > STDIN_FILENO)
        ::close(fd_);
    fd_ = -1;
}

StreamInput::StreamInput(std::istream &stream, std::string name) : stream_(stream), name_(std::move(name))
{
}

std::size_t StreamInput::Read(char *buffer, std::size_t size)
{
    try {
        const std::streamsize got = stream_.rdbuf()->sgetn(buffer, static_cast<std::streamsize>(size));
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    } catch (const std::exception &error) {
        // A file buffer throws on a failing read.
        throw ReadError("cannot read " + name_ + ": " + error.what());
    }
}

} // namespace quadrelle
