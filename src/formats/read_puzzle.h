#pragma once

#include "model/puzzle_line.h"

#include <cstdint>
#include <string>

namespace quadrelle {

// 1-based, in bytes from the start of the line.
struct FilePosition {
    std::uint64_t line = 0;
    std::uint32_t column = 0;

    friend bool operator==(const FilePosition &, const FilePosition &) = default;
};

enum class PuzzleForm : std::uint8_t { Line, Grid, Csv, Xml };

// One puzzle found in a file, or one that should have been there but is malformed.
struct ReadPuzzle {
    // Kind::Puzzle, or Kind::Invalid with its reason (bad-length, bad-character, bad-grid).
    PuzzleLine puzzle;
    // The first cell of a puzzle; for a malformed grid, where the fault is.
    FilePosition position;
    PuzzleForm form = PuzzleForm::Line;
    // For a malformed grid, what is wrong, in words.
    std::string problem;
};

} // namespace quadrelle
