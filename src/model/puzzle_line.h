#pragma once

#include "model/board.h"

#include <string_view>

namespace quadrelle {

// One input line read as a puzzle: the batch solver's lines and the window's argument.
struct PuzzleLine {
    enum class Kind { Skip, Puzzle, Invalid };
    Kind kind = Kind::Skip;
    Grid givens {};
    // For Invalid: bad-length or bad-character.
    std::string_view reason;
};

// 81 cells of 1-9, 0 or '.', optionally followed by a separator (space, tab, comma, colon,
// semicolon) and anything. A trailing CR is dropped; blank lines and '#' lines are skipped.
PuzzleLine ParsePuzzleLine(std::string_view line);

} // namespace quadrelle
