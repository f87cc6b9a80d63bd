#include "generate/rating_filter.h"

#include "logic/ladder.h"
#include "logic/rating.h"
#include "logic/techniques.h"

#include <chrono>

namespace quadrelle::generate {

namespace {

// Long enough that no generated puzzle met so far reaches it: a rating cut short by the clock
// would make the output depend on the machine.
constexpr RatingLimits Patient {std::chrono::minutes(10)};

} // namespace

int HighestRating()
{
    // The top rung with the longest proof it can build: an outer chain through every candidate,
    // each refuted by an inner chain through every candidate.
    constexpr int Candidates = 81 * 9;
    return logic::Ladder().back().tenths + logic::LengthBonus(Candidates + Candidates * Candidates);
}

PuzzleFilter RatingFilter(RatingRange range)
{
    const bool reachesTop = range.highest >= HighestRating();
    return [range, reachesTop](const Grid &puzzle) {
        const Rating rating = RatePuzzle(puzzle, Patient);
        switch (rating.status) {
        case Rating::Status::Rated:
            return range.Holds(rating.tenths);
        case Rating::Status::LowerBound:
            return reachesTop && rating.tenths >= range.lowest;
        case Rating::Status::NotUnique:
            break;
        }
        return false;
    };
}

} // namespace quadrelle::generate
