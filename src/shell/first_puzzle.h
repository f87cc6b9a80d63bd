#pragma once

#include "formats/read_puzzle.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace quadrelle {

// The first puzzle of a file in any form the puzzle reader knows, or the first thing that
// should have been one.
struct FirstPuzzle {
    // None when the file holds no puzzle or could not be read.
    std::optional<ReadPuzzle> read;
    // The start of the line it was read from, to say what is wrong with a bad line.
    QByteArray line;
    bool readFailed = false;
    // The first `readLimit` bytes held no puzzle; the rest was not read.
    bool limitReached = false;
};

// Reads `file` (named `name`, whose extension is a hint) only as far as its first puzzle, and
// no further than about `readLimit` bytes.
FirstPuzzle ReadFirstPuzzle(QFileDevice &file, const QString &name, qint64 readLimit);

} // namespace quadrelle
