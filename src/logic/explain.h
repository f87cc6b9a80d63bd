#pragma once

// The rating and the steps behind it as text, for the batch solver.

#include "logic/rating.h"
#include "logic/step.h"

#include <array>
#include <cstdint>
#include <string>

namespace quadrelle {

enum class ExplainDepth : std::uint8_t {
    // "rated <score> <hardest technique> <solution>"
    Rating,
    // The first step's line only.
    FirstStep,
    // A line per step, then the rating line.
    AllSteps,
};

// For a puzzle with one solution; each line ends in a line end. A lower bound's score ends in '+'.
std::string DescribePuzzle(const std::array<std::uint8_t, 81> &cells, ExplainDepth depth, RatingLimits limits = {});

// "7.2", "9.6+".
std::string ScoreText(const Rating &rating);
// "7.2".
void AppendTenths(std::string &text, int tenths);

// The notation people exchange, with the technique and its score: each placement of a step of
// singles is a move of its own, a line each; any other step is one line. Lines end in '\n'.
void AppendStep(std::string &text, const logic::Step &step);

} // namespace quadrelle
