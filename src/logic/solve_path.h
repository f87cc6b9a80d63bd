#pragma once

#include "logic/rating.h"
#include "logic/step.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quadrelle::logic {

struct SolvePath {
    Rating rating;
    // Kept only when asked for; with firstOnly, at most the first.
    std::vector<Step> steps;
};

enum class Keep : std::uint8_t { None, First, All };

class CandidateGrid;

// Takes a step: its placements, then its eliminations.
void Apply(const Step &step, CandidateGrid &grid);

// Applies the easiest step until the puzzle is solved or the effort is spent.
SolvePath SolveLogically(const std::array<std::uint8_t, 81> &cells, RatingLimits limits, Keep keep);

} // namespace quadrelle::logic
