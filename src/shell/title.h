#pragma once

#include <QString>

namespace quadrelle {

// Three words, 22 characters: the window caption and the printed page's title.
inline constexpr char ProductName[] = QT_TRANSLATE_NOOP("Quadrelle", "Quadrelle Sudoku Suite");

// Drops the last word, then more from the end until at most 40 characters are left.
// Throws InvalidArgument when a pass finds no blank.
QString DeriveApplicationTitle(const QString &name);

} // namespace quadrelle
