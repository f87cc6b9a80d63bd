#pragma once

#include "model/board.h"

#include <QString>

#include <optional>

namespace quadrelle {

// What the window was asked to open on its command line: the givens, or why there are none.
struct PuzzleArgument {
    std::optional<Grid> givens;
    // Names what is wrong; empty when `givens` is set.
    QString error;
};

// One argument: a puzzle of 81 characters as the batch solver reads a line, or a file whose
// first puzzle line (blank and '#' lines skipped) is taken.
PuzzleArgument ReadPuzzleArgument(const QString &argument);

// Why `line` is no puzzle, in words, for a line the batch solver calls invalid.
QString DescribeBadPuzzle(const QByteArray &line);

} // namespace quadrelle
