#pragma once

// Keys and clicks as a user gives them to the real window.

#include "shell/form1.h"

#include <QPoint>
#include <QString>
#include <QTest>

class QPushButton;
class QWidget;

namespace quadrelle::test {

QWidget *Focus();

// Types as a user does: each key goes to whichever box has the focus now.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A mouse move without buttons, delivered the way the platform delivers it to `widget`.
void MoveMouse(QWidget &widget, QPoint pos = QPoint(2, 2));

void Click(QPushButton &button);

// Puts the focus into box n and presses the key, which goes to whatever has the focus.
void TypeAt(Form1 &form, int n, QChar digit);

// Every given of an 81-character line ('0' or '.' for an empty cell), in reading order, each
// typed into its box.
void TypePuzzle(Form1 &form, const QString &puzzle);

// Types from the focused box on: a digit moves the focus on by itself, a '.' is stepped over
// with the right arrow.
void TypeOnwards(const QString &digits);

bool IsPuzzleBox(Form1 &form, QWidget *widget, int n);

} // namespace quadrelle::test
