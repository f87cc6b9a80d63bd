#pragma once

// The rating range of --rating, through the rater of logic/.

#include "generate/generator.h"

#include <atomic>
#include <vector>

namespace quadrelle::generate {

// Ratings in tenths (23 is 2.3), both ends kept.
struct RatingRange {
    int lowest = 0;
    int highest = 0;

    bool Holds(int tenths) const { return lowest <= tenths && tenths <= highest; }
};

// The highest rating, in tenths, that a puzzle can have.
int HighestRating();

// The ratings a puzzle can have, as ranges in increasing order: the fixed scores of the easy
// rungs one by one, then every tenth from where the chains' scores start to HighestRating().
std::vector<RatingRange> ReachableRatings();

// Keeps the puzzles whose rating lies in the range; a rating known only as a lower bound (the
// top rung had to finish the puzzle) only when the range reaches the top. Once *stop turns true,
// a rating in progress ends soon and its answer means nothing.
PuzzleFilter RatingFilter(RatingRange range, const std::atomic<bool> *stop = nullptr);

} // namespace quadrelle::generate
