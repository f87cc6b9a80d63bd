#include "entry_validation.h"

#include "numeric_value.h"
#include "shell/form1.h"
#include "solver/propagation.h"

namespace quadrelle {

void EntryValidation::txPuz_Change(int n)
{
    if (form_.Updating)
        return;
    PuzzleBox &box = form_.txPuz(n);
    const int v = NumericValue(box.Text());
    const int p = n - 1;
    Board &board = form_.board();
    if (board.Cells(p).Value() == v)
        return;

    box.SetBackColor(form_.txPuz(0).BackColor());
    box.SetForeColor(form_.txPuz(0).ForeColor());
    if (!board.CanPlace(p, v)) {
        RejectEntry(n, QStringLiteral("Duplicate value in cell"));
        return;
    }
    board.Cells(p).SetValue(v);
    if (v == 0)
        return;

    form_.txPuz(n % 81 + 1).setFocus();
    if (!HasContradiction(board, form_.grids(), n))
        return;
    TakeBackDeductionsOf(n);
    RejectEntry(n, QStringLiteral("Contradiction between cells"));
}

void EntryValidation::TakeBackDeductionsOf(int n)
{
    const PuzzleBox &model = form_.txPuz(0);
    for (int k = 0; k < 81; ++k) {
        PuzzleBox &box = form_.txPuz(k + 1);
        if (NumericValue(box.Tag()) != n)
            continue;
        box.SetTag(QString());
        form_.board().Cells(k).SetValue(0);
        // The box must not go on showing a digit the model no longer holds. Its cell is
        // empty already, so its own change handler leaves it alone.
        box.SetText(QString());
        box.SetForeColor(model.ForeColor());
        box.SetBackColor(model.BackColor());
    }
}

void EntryValidation::RejectEntry(int n, const QString &message)
{
    form_.messageBoxes().Show(message, form_.AppTitle(), MessageIcon::None);
    form_.txPuz(n).SetText(QString());
}

} // namespace quadrelle
