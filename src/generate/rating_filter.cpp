#include "generate/rating_filter.h"

#include "logic/ladder.h"
#include "logic/rating.h"
#include "logic/techniques.h"

namespace quadrelle::generate {

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
        const Rating rating = RatePuzzle(puzzle);
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
