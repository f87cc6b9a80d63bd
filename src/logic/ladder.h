#pragma once

#include "logic/step.h"

#include <span>
#include <string_view>

namespace quadrelle::logic {

struct Rung {
    std::string_view name;
    // Base score in tenths; chains add their length.
    int tenths;
    Finder find;
};

// The techniques, easiest first.
std::span<const Rung> Ladder();

// Named when a rating is only a lower bound.
inline constexpr std::string_view TopRung = "Nested Forcing Chains";

} // namespace quadrelle::logic
