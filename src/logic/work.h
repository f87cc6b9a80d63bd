#pragma once

#include <atomic>
#include <cstdint>

namespace quadrelle::logic {

// The rater's work on this thread so far, in the units of RatingLimits::effort. Each thread rates
// one puzzle at a time, so the count is the puzzle's own whatever the other threads do.
inline thread_local std::uint64_t workDone = 0;

inline void AddWork(std::uint64_t units)
{
    workDone += units;
}

// Where a rating must stop: this much work done, or a stop asked for.
struct Budget {
    std::uint64_t limit = UINT64_MAX;
    const std::atomic<bool> *stop = nullptr;

    bool Spent() const { return workDone >= limit || (stop != nullptr && stop->load(std::memory_order_relaxed)); }
};

} // namespace quadrelle::logic
