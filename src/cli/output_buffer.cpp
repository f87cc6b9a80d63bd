#include "cli/output_buffer.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace quadrelle {

OutputBuffer::OutputBuffer(int fd) : fd_(fd)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

OutputBuffer::~OutputBuffer()
{
    Drain();
}

bool OutputBuffer::WriteAll(const char *data, std::size_t size)
{
    if (!error_.empty())
        return false;
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = written < 0 ? std::strerror(errno) : "nothing written";
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool OutputBuffer::Drain()
{
    const bool written = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c)
{
    if (!Drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int OutputBuffer::sync()
{
    return Drain() ? 0 : -1;
}

std::streamsize OutputBuffer::xsputn(const char *text, std::streamsize count)
{
    const auto size = static_cast<std::size_t>(count);
    if (size > static_cast<std::size_t>(epptr() - pptr()) && !Drain())
        return 0;
    if (size > buffer_.size())
        return WriteAll(text, size) ? count : 0;
    std::memcpy(pptr(), text, size);
    pbump(static_cast<int>(count));
    return count;
}

} // namespace quadrelle
