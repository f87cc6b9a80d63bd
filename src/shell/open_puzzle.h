#pragma once

#include "model/board.h"

#include <QByteArrayList>

namespace quadrelle {

class Form1;
class MessageBoxes;

// Enters each given in box order as if typed: the focus into the box, then its text, so the
// change handler validates, propagates and colours exactly as for a key press.
void TypeGivens(Form1 &form, const Grid &givens);

// The window's command-line operands, as the system gave them: none, or one puzzle or puzzle
// file, typed in. Anything else is reported in `boxes` and the board stays empty.
void OpenPuzzleArguments(Form1 &form, MessageBoxes &boxes, const QByteArrayList &arguments);

} // namespace quadrelle
