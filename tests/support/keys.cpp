#include "keys.h"

#include "grid_lines.h"
#include "model/positions.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace quadrelle::test {

QWidget *Focus()
{
    return QApplication::focusWidget();
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(Focus(), key, modifiers);
}

void MoveMouse(QWidget &widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

void Click(QPushButton &button)
{
    QTest::mouseClick(&button, Qt::LeftButton);
}

void TypeAt(Form1 &form, int n, QChar digit)
{
    form.txPuz(n).setFocus();
    QTest::keyClicks(Focus(), QString(digit));
}

void TypePuzzle(Form1 &form, const QString &puzzle)
{
    for (int p = 0; p < CellCount; ++p) {
        if (DigitAt(puzzle, p) != 0)
            TypeAt(form, p + 1, puzzle.at(p));
    }
}

void TypeOnwards(const QString &digits)
{
    for (QChar c : digits) {
        if (c == QLatin1Char('.'))
            QTest::keyClick(Focus(), Qt::Key_Right);
        else
            QTest::keyClicks(Focus(), QString(c));
    }
}

bool IsPuzzleBox(Form1 &form, QWidget *widget, int n)
{
    return widget == static_cast<QWidget *>(&form.txPuz(n));
}

} // namespace quadrelle::test
