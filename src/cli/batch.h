#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

namespace quadrelle {

struct BatchCounts {
    long solved = 0;
    long unsolvable = 0;
    long gaveUp = 0;
    long invalid = 0;
    long total() const { return solved + unsolvable + gaveUp + invalid; }
};

struct BatchOptions {
    unsigned jobs = 1;
    // Draw a progress bar on the progress stream once the run has lasted a while.
    bool progress = false;
    // Bytes of input when known in advance (0: unknown), for the bar's percentage.
    std::uintmax_t totalBytes = 0;
    // Puzzles solved between two writes of results (1 answers each line at once).
    std::size_t chunkSize = 2048;
};

// Solves every puzzle line of the inputs, in order, writing one result line each to out.
BatchCounts RunBatch(const std::vector<std::istream *> &inputs, std::ostream &out, std::ostream &progressOut,
    const BatchOptions &options);

} // namespace quadrelle
