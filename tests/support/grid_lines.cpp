#include "grid_lines.h"

#include "board/numeric_value.h"
#include "model/positions.h"

namespace quadrelle::test {

int DigitAt(const QString &line, int p)
{
    const QChar c = line.at(p);
    return c >= QLatin1Char('1') && c <= QLatin1Char('9') ? c.digitValue() : 0;
}

std::array<std::uint8_t, 81> CellsOf(const QString &line)
{
    std::array<std::uint8_t, 81> cells {};
    for (int p = 0; p < 81; ++p)
        cells[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(DigitAt(line, p));
    return cells;
}

QString PuzzleGridLine(Form1 &form)
{
    QString line;
    for (int n = 1; n <= 81; ++n)
        line += QString::number(NumericValue(form.txPuz(n).Text()));
    return line;
}

QString SolutionGridLine(Form1 &form)
{
    QString line;
    for (int n = 1; n <= 81; ++n) {
        const QString caption = form.txSol(n).Caption();
        line += caption.isEmpty() ? QStringLiteral("0") : caption;
    }
    return line;
}

QString ModelLine(Form1 &form)
{
    QString line;
    for (int p = 0; p < CellCount; ++p)
        line += QString::number(form.board().Cells(p).Value());
    return line;
}

QStringList Tags(Form1 &form)
{
    QStringList tags;
    for (int n = 1; n <= 81; ++n) {
        if (!form.txPuz(n).Tag().isEmpty())
            tags << QStringLiteral("%1:%2").arg(n).arg(form.txPuz(n).Tag());
    }
    return tags;
}

QString RepeatedDigit(Form1 &form)
{
    for (int p = 0; p < CellCount; ++p) {
        const int d = form.board().Cells(p).Value();
        for (int q = p + 1; d != 0 && q < CellCount; ++q) {
            if (ArePeers(Cell(p), Cell(q)) && form.board().Cells(q).Value() == d)
                return QStringLiteral("digit %1 at positions %2 and %3").arg(d).arg(p).arg(q);
        }
    }
    return {};
}

bool HasEntryColours(Form1 &form, int n)
{
    return form.txPuz(n).ForeColor() == form.txPuz(0).ForeColor()
        && form.txPuz(n).BackColor() == form.txPuz(0).BackColor();
}

bool HasSolutionColours(Form1 &form, int n)
{
    return form.txPuz(n).ForeColor() == form.txSol(0).ForeColor()
        && form.txPuz(n).BackColor() == form.txSol(0).BackColor();
}

void Plant(Form1 &form, const QString &puzzle)
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

} // namespace quadrelle::test
