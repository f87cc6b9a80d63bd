#pragma once

namespace quadrelle {

// A descriptor that other threads make readable, so that one poll waits for them and for input
// alike. Ring is safe from any thread and from a signal handler.
class Doorbell {
public:
    Doorbell();
    ~Doorbell();
    Doorbell(const Doorbell &) = delete;
    Doorbell &operator=(const Doorbell &) = delete;

    void Ring() const;
    // Readable once rung, until cleared; -1 when the system gave no descriptor.
    int Fd() const { return fd_; }
    void Clear() const;

private:
    int fd_;
};

} // namespace quadrelle
