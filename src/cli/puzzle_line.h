#pragma once

#include "model/board.h"

#include <string_view>

namespace quadrelle {

// One input line of the batch solver, read as a puzzle.
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
