#pragma once

#include "logic/work.h"
#include "model/digits.h"
#include "model/geometry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quadrelle::logic {

struct Candidate {
    constexpr Candidate(Cell cell, Digit digit) : cell(cell), digit(digit) { }
    Cell cell;
    Digit digit;
    bool operator==(const Candidate &) const = default;
};

// One move of a person: what it places and removes, by which technique and how hard it was.
struct Step {
    std::string_view technique;
    int tenths = 0;
    std::vector<Candidate> placements;
    std::vector<Candidate> eliminations;
    // Set before the search: the rating has reached this already, so a finder whose scores vary
    // may take the first step scoring no more instead of looking for the easiest.
    int enough = 0;
    // The long searches give up when it is spent and find nothing.
    Budget budget;

    bool Expired() const { return budget.Spent(); }
    void Eliminate(Cell cell, Digit digit) { eliminations.emplace_back(cell, digit); }
    // Every digit of the mask from the cell.
    void EliminateEach(Cell cell, DigitMask digits)
    {
        for (; digits != 0; digits &= digits - 1)
            Eliminate(cell, LowestDigit(digits));
    }
};

// The digits a step removes, as a mask.
inline DigitMask RemovedDigits(const Step &step)
{
    DigitMask digits = 0;
    for (const Candidate &c : step.eliminations)
        digits = static_cast<DigitMask>(digits | BitOf(c.digit));
    return digits;
}

class CandidateGrid;

// Each technique: the easiest step of its kind in the grid, if any.
using Finder = bool (*)(const CandidateGrid &grid, Step &step);

} // namespace quadrelle::logic
