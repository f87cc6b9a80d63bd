#pragma once

// The steps as the window shows them on the board: taken from the grid as a person holds it,
// with the candidates they have struck out, and each with the unit that makes a single hidden.

#include "logic/rating.h"
#include "logic/step.h"
#include "logic/step_focus.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quadrelle::logic {

struct ShownStep {
    Step step;
    // Units: 0..8 rows, 9..17 columns, 18..26 boxes.
    StepFocus focus;
    // The grid the step was found in: 0 = empty, 1..9.
    std::array<std::uint8_t, 81> before {};
};

// The easiest step once `removed` is struck out of `cells`, which have one solution; nothing when
// the grid is full, contradicts itself or the effort ran out first.
std::optional<ShownStep> NextStep(
    const std::array<std::uint8_t, 81> &cells, std::span<const Candidate> removed, RatingLimits limits = {});

// Every step from `cells` to the solution, in order; empty unless there is one solution.
std::vector<ShownStep> StepsToSolve(const std::array<std::uint8_t, 81> &cells, RatingLimits limits = {});

} // namespace quadrelle::logic
