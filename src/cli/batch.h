#pragma once

#include "answer.h"
#include "batch_input.h"
#include "solver/search.h"

#include <array>
#include <cstddef>
#include <cstdint>
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
    unsigned jobs = 1;
    // Draw a progress bar on the message stream once the run has lasted a while.
    bool progress = false;
    // Bytes of input when known in advance (0: unknown), for the bar's percentage.
    std::uintmax_t totalBytes = 0;
    // Most puzzles solved between two writes of results; the next chunk is read meanwhile.
    // Input that pauses (a terminal, a pipe) is answered as far as it has come whatever this
    // says. Each chunk waits for its slowest puzzle, so fewer chunks keep more threads busy.
    std::size_t chunkSize = 8192;
    // Trial placements before a puzzle is given up; lowered only by the fuzz tests.
    std::int32_t placementLimit = Search::DefaultPlacementLimit;
};

// Answers every puzzle line of the inputs, in order, one result line each on out. A failing
// input is reported on messages and the run goes on with the next; a failing write ends it.
BatchCounts RunBatch(const std::vector<std::unique_ptr<BatchInput>> &inputs, std::ostream &out, std::ostream &messages,
    const BatchOptions &options);

// The same over streams that the caller owns.
BatchCounts RunBatch(
    const std::vector<std::istream *> &inputs, std::ostream &out, std::ostream &messages, const BatchOptions &options);

} // namespace quadrelle
