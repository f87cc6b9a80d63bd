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

// One puzzle's answer: typed, for every output form, and as the line form's text, made where the
// answer is found so that the thread that writes in order only copies it. Fixed size, so the
// answers in flight need no allocation; only steps allocate.
struct Answer {
    // The longest line and a line end.
    static constexpr std::size_t Capacity = 176;
    using Digits = std::array<char, CellCount>;

    std::array<char, Capacity> text;
    std::uint8_t length = 0;
    Verdict verdict = Verdict::Invalid;
    // solved, unsolvable, gave-up, unique, multiple, none, invalid, rated or hint: static text.
    std::string_view status;
    // The solver's trial placements; -1 for the other modes.
    std::int32_t placements = -1;
    // The solver's grid, or the counter's solutions, as digits; `grids` says how many are set.
    std::array<Digits, 2> grids;
    std::uint8_t gridCount = 0;
    // For invalid: bad-length, bad-character, repeated-digit or bad-grid.
    std::string_view reason;
    // A rating, or a hint's step: its score in tenths, whether the score is only a lower bound,
    // and the technique (the ladder's static text). tenths < 0: none.
    int tenths = -1;
    bool lowerBound = false;
    std::string_view technique;
    // An explanation's or a hint's steps, a line each, written before the text.
    std::string steps;
    // Steps were asked for: an explanation lists them even when there are none.
    bool listsSteps = false;

    std::string_view Text() const { return {text.data(), length}; }
    std::string_view GridText(std::size_t i) const { return i < gridCount ? std::string_view(grids[i].data(), CellCount) : ""; }
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
