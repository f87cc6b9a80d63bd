#include "generate/rating_filter.h"

#include "logic/ladder.h"
#include "logic/rating.h"
#include "logic/techniques.h"

#include <algorithm>

namespace quadrelle::generate {

namespace {

// From this score up, the rungs whose scores grow with the length of their proof leave no tenth
// out; below it each rung scores what the ladder says and nothing else.
constexpr int VariableFrom = 45;

} // namespace

int HighestRating()
{
    // The top rung with the longest proof it can build: an outer chain through every candidate,
    // each refuted by an inner chain through every candidate.
    constexpr int Candidates = 81 * 9;
    return logic::Ladder().back().tenths + logic::LengthBonus(Candidates + Candidates * Candidates);
}

std::vector<RatingRange> ReachableRatings()
{
    std::vector<int> fixed;
    for (const logic::Rung &rung : logic::Ladder())
        if (rung.tenths < VariableFrom)
            fixed.push_back(rung.tenths);
    std::sort(fixed.begin(), fixed.end());
    fixed.erase(std::unique(fixed.begin(), fixed.end()), fixed.end());
    std::vector<RatingRange> ranges;
    for (const int tenths : fixed)
        ranges.push_back({tenths, tenths});
    ranges.push_back({VariableFrom, HighestRating()});
    return ranges;
}

PuzzleFilter RatingFilter(RatingRange range, const std::atomic<bool> *stop)
{
    const bool reachesTop = range.highest >= HighestRating();
    return [range, reachesTop, stop](const Grid &puzzle) {
        RatingLimits limits;
        limits.stop = stop;
        const Rating rating = RatePuzzle(puzzle, limits);
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
