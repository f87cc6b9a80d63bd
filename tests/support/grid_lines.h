#pragma once

// Boards as 81-character lines ('0' or '.' for an empty cell) planted on and read back from
// the real window.

#include "shell/form1.h"

#include <array>
#include <cstdint>

#include <QString>
#include <QStringList>

namespace quadrelle::test {

// The digit at position p of a line; 0 for anything but '1' to '9'.
int DigitAt(const QString &line, int p);
// A line's 81 digits as the engine's commands take them.
std::array<std::uint8_t, 81> CellsOf(const QString &line);

// What the puzzle boxes stand for, as the model reads them.
QString PuzzleGridLine(Form1 &form);
// The solution labels' captions, '0' for an empty one.
QString SolutionGridLine(Form1 &form);
QString ModelLine(Form1 &form);

// The boxes (1..81) that carry a tag, as "box:tag" words.
QStringList Tags(Form1 &form);

// Empty, or where the model holds a digit twice in a row, column or box.
QString RepeatedDigit(Form1 &form);

bool HasEntryColours(Form1 &form, int n);
bool HasSolutionColours(Form1 &form, int n);

// Puts the digits into the model and the boxes (entry colours) unchecked and without
// propagation: boards that no sequence of keys reaches, such as one with a dead cell.
void Plant(Form1 &form, const QString &puzzle);

} // namespace quadrelle::test
