#include "batch/doorbell.h"

#include <cstdint>

#include <sys/eventfd.h>
#include <unistd.h>

namespace quadrelle {

Doorbell::Doorbell() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

Doorbell::~Doorbell()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void Doorbell::Ring() const
{
    const std::uint64_t one = 1;
    // Only a full counter refuses, and that is readable already.
    [[maybe_unused]] const ssize_t written = ::write(fd_, &one, sizeof one);
}

void Doorbell::Clear() const
{
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = ::read(fd_, &count, sizeof count);
}

} // namespace quadrelle
