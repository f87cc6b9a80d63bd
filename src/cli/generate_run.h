#pragma once

#include "cli/generate_options.h"
#include "formats/answer_format.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>

namespace quadrelle {

struct GenerateCounts {
    std::uint64_t puzzles = 0;
    // Candidates drawn: more than the puzzles when a rating range turned some away.
    std::uint64_t candidates = 0;
    // The output refused a write; the run stopped there.
    bool writeFailed = false;
    // A stop was asked for: the puzzles made before it are written.
    bool stopped = false;
};

struct GenerateRun {
    std::uint64_t count = 0;
    std::uint64_t seed = 0;
    generate::GenerateOptions options;
    generate::PuzzleFilter keep;
    unsigned jobs = 1;
    bool progress = false;
    // The puzzles go to the terminal the bar is drawn on: the bar is erased before they are.
    bool outputBesideProgress = false;
    OutputFormat format = OutputFormat::Line;
    // Asked between puzzles; true ends the run after those made so far.
    std::function<bool()> stopRequested;
    // Looked at inside the search for a puzzle that run.keep takes, which can last long: once
    // true, the puzzles in hand are abandoned.
    const std::atomic<bool> *stop = nullptr;
};

// Writes run.count puzzles to out, one line each in the order of their numbers, made on
// run.jobs threads; the output does not depend on the number of threads.
GenerateCounts RunGenerate(const GenerateRun &run, std::ostream &out, std::ostream &messages);

} // namespace quadrelle
