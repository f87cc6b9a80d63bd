#pragma once

// What `quadrelle-solve --generate` is asked for, and how its options are read.

#include "generate/rating_filter.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quadrelle {

struct GenerateRequest {
    // Puzzles to write; 0 when --generate was not given.
    std::uint64_t count = 0;
    // Drawn from a random source when not given.
    std::optional<std::uint64_t> seed;
    generate::GenerateOptions options;
    std::optional<generate::RatingRange> rating;
    // The first option that only --generate takes, for the message when --generate is missing.
    std::string_view firstOption;
};

// Takes one generator option ("--seed", ...) with its value (null for --no-minimal).
// Throws UsageError.
void ApplyGenerateOption(std::string_view option, const char *value, GenerateRequest &request);

// Throws UsageError, naming the nearest ratings there are, when a rating range holds none that a
// puzzle can have (the scale has gaps: nothing lies between 1.5 and 2.3).
void CheckRatingRange(const generate::RatingRange &range);

} // namespace quadrelle
