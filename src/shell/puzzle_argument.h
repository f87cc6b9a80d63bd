#pragma once

#include "model/board.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace quadrelle {

// What the window was asked to open on its command line: the givens, or why there are none.
struct PuzzleArgument {
    std::optional<Grid> givens;
    // Names what is wrong; empty when `givens` is set.
    QString error;
};

// One argument, as the bytes the system gave: a puzzle of 81 characters as the batch solver
// reads a line, or a regular file whose first puzzle line (blank and '#' lines skipped) is
// taken. Nothing is read past the first puzzle line or the first MiB.
PuzzleArgument ReadPuzzleArgument(const QByteArray &argument);

// Why `line` is no puzzle, in words, for a line the batch solver calls invalid.
QString DescribeBadPuzzle(const QByteArray &line);

} // namespace quadrelle
