#pragma once

#include <cstdint>

namespace quadrelle {

// What a puzzle box draws over itself when the user asks for it: the candidates left, and the
// marks of a step. Masks hold digit d (1..9) in bit d, as everywhere.
struct BoxMarks {
    enum class Highlight : std::uint8_t {
        None,
        // A unit the step looks at.
        Unit,
        // A cell of the step's pattern.
        Cause,
        // A box the step places a digit in or removes candidates from, or where solutions differ.
        Target,
    };
    std::uint16_t candidates = 0;
    Highlight highlight = Highlight::None;
    // 1..9 when the step places it here; 0 otherwise.
    int placed = 0;
    std::uint16_t removed = 0;
    // 1..9: filled in before the step shown, though not on the board yet; drawn faint.
    int earlier = 0;

    bool operator==(const BoxMarks &) const = default;
};

} // namespace quadrelle
