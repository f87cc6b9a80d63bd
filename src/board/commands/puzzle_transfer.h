#pragma once

#include "formats/read_puzzle.h"
#include "model/board.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QMimeData;

namespace quadrelle {

class Grids;

// The digits the user entered: boxes with a digit and no tag (a tag marks a deduction).
Grid EnteredGivens(const Grids &grids);

// 81 characters, '.' for an empty cell.
std::string PuzzleLineOf(const Grid &givens);
// Nine rows of nine, '.' for an empty cell, each ended by a line feed: SadMan Sudoku's .sdk.
std::string SdkGridOf(const Grid &givens);
// The solution grid as 81 digits, or empty while it is not full.
std::string SolutionLineOf(const Grids &grids);

// What is wrong with a malformed grid or XML file, in the window's language.
QString DescribeFault(const ReadFault &fault);

// Every puzzle the puzzle reader finds in `text`, or, when it finds none, why not in words.
struct PuzzlesInText {
    std::vector<Grid> puzzles;
    QString problem;
};
PuzzlesInText ReadPuzzlesIn(std::string_view text);

// What Paste Puzzle takes from the clipboard: the first puzzle of its text, or why there is
// none (nothing, an image, text that holds no puzzle). `data` may be null.
struct ClipboardPuzzle {
    std::optional<Grid> givens;
    QString problem;
};
ClipboardPuzzle PuzzleOnClipboard(const QMimeData *data);

// Types each given into its box as a key press does, so entry validation applies.
void EnterGivens(Grids &grids, const Grid &givens);

} // namespace quadrelle
