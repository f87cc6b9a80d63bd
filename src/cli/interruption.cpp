#include "cli/interruption.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace quadrelle {

namespace {

volatile std::sig_atomic_t caught = 0;
// Lock-free, so a signal handler may set it.
std::atomic<bool> stopFlag {false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void Catch(int signal)
{
    caught = signal;
    stopFlag.store(true, std::memory_order_relaxed);
}

} // namespace

void CatchStopSignals()
{
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction previous { };
        if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action { };
        action.sa_handler = Catch;
        sigemptyset(&action.sa_mask);
        // No SA_RESTART: a wait for input or for a FIFO's writer returns to look at the flag.
        action.sa_flags = SA_RESETHAND;
        sigaction(signal, &action, nullptr);
    }
}

int CaughtStopSignal()
{
    return caught;
}

const std::atomic<bool> &StopFlag()
{
    return stopFlag;
}

void EndBySignal(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

} // namespace quadrelle
