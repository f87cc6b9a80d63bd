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

// Reads one generator option at args[0] (its value, if any, inline after '=' or at args[1]);
// returns how many arguments it used, 0 when args[0] is not a generator option.
// Throws UsageError.
int ParseGenerateOption(const char *const *args, int remaining, GenerateRequest &request);

// Throws UsageError when a rating range holds no rating that a puzzle can have.
void CheckRatingRange(const generate::RatingRange &range, int highestRating);

} // namespace quadrelle
