#include "cli/progress.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>

namespace quadrelle {

namespace {
constexpr auto ShowAfter = std::chrono::seconds(1);
constexpr auto RedrawEvery = std::chrono::milliseconds(100);
constexpr int BarWidth = 30;
} // namespace

ProgressBar::ProgressBar(std::ostream &out, bool enabled, std::uintmax_t totalBytes)
    : out_(out), enabled_(enabled), totalBytes_(totalBytes)
{
}

void ProgressBar::Update(long puzzlesDone, std::uintmax_t bytesAnswered, long candidatesTried)
{
    if (!enabled_)
        return;
    const auto now = Clock::now();
    if (now - start_ < ShowAfter || now - lastDraw_ < RedrawEvery)
        return;
    lastDraw_ = now;

    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::string line = "\r";
    if (totalBytes_ > 0) {
        const double fraction = std::min(1.0, static_cast<double>(bytesAnswered) / static_cast<double>(totalBytes_));
        const int filled = static_cast<int>(fraction * BarWidth);
        line += '[' + std::string(static_cast<std::size_t>(filled), '#')
            + std::string(static_cast<std::size_t>(BarWidth - filled), ' ') + "] ";
        char percent[16];
        std::snprintf(percent, sizeof percent, "%3d%% ", static_cast<int>(fraction * 100));
        line += percent;
    }
    char rate[64];
    std::snprintf(rate, sizeof rate, "%ld %s, %.0f/s ", puzzlesDone, puzzlesDone == 1 ? "puzzle" : "puzzles",
        puzzlesDone / seconds);
    line += rate;
    if (candidatesTried > puzzlesDone) {
        std::snprintf(rate, sizeof rate, "(%ld candidates) ", candidatesTried);
        line += rate;
    }
    out_ << line << std::flush;
    shown_ = true;
}

void ProgressBar::Clear()
{
    if (!shown_)
        return;
    out_ << "\r\033[K" << std::flush;
    shown_ = false;
}

} // namespace quadrelle
