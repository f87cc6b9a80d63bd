#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>

namespace quadrelle {

// A one-line progress bar that appears only once a run has lasted a second. It shows the share of
// the input whose answers are written, not how far reading has run ahead.
class ProgressBar {
public:
    ProgressBar(std::ostream &out, bool enabled, std::uintmax_t totalBytes);

    // bytesAnswered: input bytes up to the end of the last line answered, or whatever else
    // measures the run's progress against totalBytes.
    // candidatesTried: shown when more than the puzzles (a generator turning some away).
    void Update(long puzzlesDone, std::uintmax_t bytesAnswered, long candidatesTried = 0);
    // Erases the bar, so that other output can follow on a clean line.
    void Clear();

private:
    using Clock = std::chrono::steady_clock;
    std::ostream &out_;
    bool enabled_;
    std::uintmax_t totalBytes_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDraw_ {};
    bool shown_ = false;
};

} // namespace quadrelle
