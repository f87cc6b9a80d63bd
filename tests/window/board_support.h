#pragma once

// Boards as 81-character lines ('0' or '.' for an empty cell) typed into, planted on and
// read back from the real window.

#include "board/numeric_value.h"
#include "model/positions.h"
#include "support.h"

#include <QProgressBar>
#include <QPushButton>

namespace quadrelle::test {

inline int DigitAt(const QString &line, int p)
{
    const QChar c = line.at(p);
    return c >= QLatin1Char('1') && c <= QLatin1Char('9') ? c.digitValue() : 0;
}

// What the puzzle boxes stand for, as the model reads them.
inline QString PuzzleGridLine(Form1 &form)
{
    QString line;
    for (int n = 1; n <= 81; ++n)
        line += QString::number(NumericValue(form.txPuz(n).Text()));
    return line;
}

inline QString SolutionGridLine(Form1 &form)
{
    QString line;
    for (int n = 1; n <= 81; ++n) {
        const QString caption = form.txSol(n).Caption();
        line += caption.isEmpty() ? QStringLiteral("0") : caption;
    }
    return line;
}

inline QString ModelLine(Form1 &form)
{
    QString line;
    for (int p = 0; p < CellCount; ++p)
        line += QString::number(form.board().Cells(p).Value());
    return line;
}

// The boxes (1..81) that carry a tag, as "box:tag" words.
inline QStringList Tags(Form1 &form)
{
    QStringList tags;
    for (int n = 1; n <= 81; ++n) {
        if (!form.txPuz(n).Tag().isEmpty())
            tags << QStringLiteral("%1:%2").arg(n).arg(form.txPuz(n).Tag());
    }
    return tags;
}

// Empty, or where the model holds a digit twice in a row, column or box.
inline QString RepeatedDigit(Form1 &form)
{
    for (int p = 0; p < CellCount; ++p) {
        const int d = form.board().Cells(p).Value();
        for (int q = p + 1; d != 0 && q < CellCount; ++q) {
            const bool peer
                = RowGroupOf(p) == RowGroupOf(q) || ColGroupOf(p) == ColGroupOf(q) || BoxGroupOf(p) == BoxGroupOf(q);
            if (peer && form.board().Cells(q).Value() == d)
                return QStringLiteral("digit %1 at positions %2 and %3").arg(d).arg(p).arg(q);
        }
    }
    return {};
}

inline bool HasEntryColours(Form1 &form, int n)
{
    return form.txPuz(n).ForeColor() == form.txPuz(0).ForeColor()
        && form.txPuz(n).BackColor() == form.txPuz(0).BackColor();
}

inline bool HasSolutionColours(Form1 &form, int n)
{
    return form.txPuz(n).ForeColor() == form.txSol(0).ForeColor()
        && form.txPuz(n).BackColor() == form.txSol(0).BackColor();
}

// As a user does it: puts the focus into box n and presses the key, which goes to
// whatever has the focus.
inline void TypeAt(Form1 &form, int n, QChar digit)
{
    form.txPuz(n).setFocus();
    QTest::keyClicks(Focus(), QString(digit));
}

// Every given of the line, in reading order.
inline void TypePuzzle(Form1 &form, const QString &puzzle)
{
    for (int p = 0; p < CellCount; ++p) {
        if (DigitAt(puzzle, p) != 0)
            TypeAt(form, p + 1, puzzle.at(p));
    }
}

// Puts the digits into the model and the boxes (entry colours) unchecked and without
// propagation: boards that no sequence of keys reaches, such as one with a dead cell.
inline void Plant(Form1 &form, const QString &puzzle)
{
    for (int p = 0; p < CellCount; ++p) {
        const int d = DigitAt(puzzle, p);
        PuzzleBox &box = form.txPuz(p + 1);
        // The cell first: the box's change handler then finds nothing to check.
        form.board().Cells(p).SetValue(d);
        box.SetText(d ? QString::number(d) : QString());
        box.SetForeColor(form.txPuz(0).ForeColor());
        box.SetBackColor(form.txPuz(0).BackColor());
    }
}

inline void Click(QPushButton &button)
{
    QTest::mouseClick(&button, Qt::LeftButton);
}

inline bool IsPuzzleBox(Form1 &form, QWidget *widget, int n)
{
    return widget == static_cast<QWidget *>(&form.txPuz(n));
}

} // namespace quadrelle::test
