#pragma once

#include "batch/answer.h"
#include "cli/batch_input.h"
#include "formats/answer_format.h"
#include "solver/search.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <numeric>
#include <vector>

namespace quadrelle {

struct BatchCounts {
    std::array<long, VerdictCount> verdicts {};
    // Inputs that failed to open or part-way through; the lines read before the failure are answered.
    long readErrors = 0;
    // The output refused a write; the run stopped there.
    bool writeFailed = false;
    // Asked to stop: the answers written are those of the lines before the first unfinished one.
    bool stopped = false;

    long Of(Verdict verdict) const { return verdicts[static_cast<std::size_t>(verdict)]; }
    long total() const { return std::accumulate(verdicts.begin(), verdicts.end(), 0L); }
};

enum class BatchMode {
    // What the window would answer: the search within its placement budget.
    Solve,
    // How many solutions, up to two.
    Count,
    // How hard for a person: the rating, the steps behind it, or the first step.
    Rate,
    Explain,
    Hint,
};

struct BatchOptions {
    BatchMode mode = BatchMode::Solve;
    OutputFormat format = OutputFormat::Line;
    // Only puzzle lines, as before the other file forms were read.
    bool strict = false;
    unsigned jobs = 1;
    // Draw a progress bar on the message stream once the run has lasted a while.
    bool progress = false;
    // The results go to the terminal the bar is drawn on: the bar is erased before they are.
    bool outputBesideProgress = false;
    // Bytes of input when known in advance (0: unknown), for the bar's percentage.
    std::uintmax_t totalBytes = 0;
    // Most puzzle lines read ahead of the first one not yet answered, so that a slow puzzle
    // holds no thread back; answers are written in order as soon as they are done whatever this
    // says.
    std::size_t readAhead = 8192;
    // The scale and the effort of a rating.
    RatingLimits rating;
    // Trial placements before a puzzle is given up; lowered only by the fuzz tests.
    std::int32_t placementLimit = Search::DefaultPlacementLimit;
    // Asked between steps: true writes every finished answer that is next in order and ends the
    // run without waiting for the puzzles in hand.
    std::function<bool()> stopRequested;
};

// Answers every puzzle line of the inputs, in order, one result line each on out, written soon
// after it is found. A failing input is reported on messages and the run goes on with the next;
// a failing write ends it.
BatchCounts RunBatch(const std::vector<std::unique_ptr<BatchInput>> &inputs, std::ostream &out, std::ostream &messages,
    const BatchOptions &options);

// The same over streams that the caller owns.
BatchCounts RunBatch(
    const std::vector<std::istream *> &inputs, std::ostream &out, std::ostream &messages, const BatchOptions &options);

} // namespace quadrelle
