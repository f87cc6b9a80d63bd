#pragma once

#include "logic/rating.h"
#include "logic/step.h"

#include <span>
#include <string_view>

namespace quadrelle::logic {

struct Rung {
    std::string_view name;
    // Base score in tenths on the ladder's scale; chains add their length.
    int tenths;
    Finder find;
};

// The techniques of a scale, easiest first.
std::span<const Rung> Ladder(Scale scale = Scale::SudokuExplainer);

// Named when a rating is only a lower bound.
inline constexpr std::string_view TopRung = "Nested Forcing Chains";

} // namespace quadrelle::logic
