#pragma once

#include <atomic>

namespace quadrelle {

// SIGINT and SIGTERM, caught so that the answers found so far are written before the process
// ends. A signal that was ignored when the program started (a background job of a script) stays
// ignored; a second one of the same kind ends the process at once.
void CatchStopSignals();

// The stop signal caught, or 0.
int CaughtStopSignal();

// True once a stop signal is caught: for work that looks at it deep inside (a rating in progress).
const std::atomic<bool> &StopFlag();

// Ends the process by `signal` with its default action, so that the parent sees it.
[[noreturn]] void EndBySignal(int signal);

} // namespace quadrelle
