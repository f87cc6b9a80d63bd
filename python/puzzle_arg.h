#pragma once

// Puzzles as Python passes them, read the way the batch tool reads its lines.

#include "model/puzzle_line.h"

#include <pybind11/pybind11.h>

#include <string>

namespace quadrelle::python {

// A str or bytes line of 81 cells (whatever the batch tool's line reader takes), or a sequence of
// 81 integers 0-9 such as a NumPy row. Throws ValueError with the reader's reason and where it
// lies; TypeError for anything else.
PuzzleLine PuzzleOf(pybind11::handle object);

// The ValueError's words for givens that repeat a digit in a unit: "repeated-digit: 5 at r1c3
// and r1c7".
std::string RepeatedDigitText(const Grid &givens);

// `count` cells, row-major, 0 for empty: the same checks, where a cell is at fault said as "cell n".
PuzzleLine PuzzleOfCells(const long long *cells, std::size_t count);

} // namespace quadrelle::python
