#pragma once

// The rating range of --rating, through the rater of logic/.

#include "generate/generator.h"

namespace quadrelle::generate {

// Ratings in tenths (23 is 2.3), both ends kept.
struct RatingRange {
    int lowest = 0;
    int highest = 0;

    bool Holds(int tenths) const { return lowest <= tenths && tenths <= highest; }
};

// The highest rating, in tenths, that a puzzle can have.
int HighestRating();

// Keeps the puzzles whose rating lies in the range; a rating known only as a lower bound (the
// top rung had to finish the puzzle) only when the range reaches the top.
PuzzleFilter RatingFilter(RatingRange range);

} // namespace quadrelle::generate
