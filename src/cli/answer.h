#pragma once

#include "logic/rating.h"
#include "model/puzzle_line.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quadrelle {

enum class Verdict : std::uint8_t { Solved, Unsolvable, GaveUp, Unique, Multiple, None, Invalid };
inline constexpr std::size_t VerdictCount = 7;

// One result line of the batch solver, with its line end; fixed size, so the answers in flight
// need no allocation. Only an explanation, many lines long, allocates.
struct Answer {
    // The longest line and a line end.
    static constexpr std::size_t Capacity = 176;

    std::array<char, Capacity> text;
    std::uint8_t length = 0;
    Verdict verdict = Verdict::Invalid;
    // An explanation's many lines, which replace text when present.
    std::string lines;

    std::string_view Text() const { return lines.empty() ? std::string_view {text.data(), length} : lines; }
};

// "<status> <placements> <grid>": the window's engine within the placement budget.
Answer SolveAnswer(const PuzzleLine &line, std::int32_t placementLimit);

// "unique <solution>", "multiple <solution> <another>", "none" or "invalid <reason>": how many
// solutions the puzzle has, up to two, without a budget.
Answer CountAnswer(const PuzzleLine &line);

enum class RateDepth : std::uint8_t { Rating, FirstStep, AllSteps };

// For a puzzle with one solution "rated <score> <hardest technique> <solution>", with the steps
// before it (AllSteps, then a blank line) or the first step alone (FirstStep); otherwise the
// count's verdict.
Answer RateAnswer(const PuzzleLine &line, RateDepth depth, const RatingLimits &limits);

} // namespace quadrelle
