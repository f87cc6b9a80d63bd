#pragma once

#include "formats/answer_format.h"
#include "cli/generate_options.h"

#include <cstdint>
#include <iosfwd>

namespace quadrelle {

struct GenerateCounts {
    std::uint64_t puzzles = 0;
    // Candidates drawn: more than the puzzles when a rating range turned some away.
    std::uint64_t candidates = 0;
    // The output refused a write; the run stopped there.
    bool writeFailed = false;
};

struct GenerateRun {
    std::uint64_t count = 0;
    std::uint64_t seed = 0;
    generate::GenerateOptions options;
    generate::PuzzleFilter keep;
    unsigned jobs = 1;
    bool progress = false;
    OutputFormat format = OutputFormat::Line;
};

// Writes run.count puzzles to out, one line each in the order of their numbers, made on
// run.jobs threads; the output does not depend on the number of threads.
GenerateCounts RunGenerate(const GenerateRun &run, std::ostream &out, std::ostream &messages);

} // namespace quadrelle
