#include "board/commands/entry_validation.h"

#include "board/grids.h"
#include "board/numeric_value.h"
#include "model/board.h"
#include "kit/message_boxes.h"
#include "solver/propagation.h"

#include <QCoreApplication>

namespace quadrelle {

void EntryValidation::txPuz_Change(int n)
{
    if (context_.updating)
        return;
    Grids &grids = context_.grids;
    PuzzleBox &box = grids.txPuz(n);
    const int v = NumericValue(box.Text());
    const CellIndex p = BoxNumber(n).Position();
    Board &board = context_.board;
    if (board.Cells(p).Value() == v)
        return;

    box.SetBackColor(grids.txPuz(0).BackColor());
    box.SetForeColor(grids.txPuz(0).ForeColor());
    // The box is the user's now: no later take-back of another entry may empty it.
    box.SetTag(QString());
    if (!board.CanPlace(p, v)) {
        RejectEntry(n, QCoreApplication::translate("Quadrelle", "Duplicate value in cell"));
        return;
    }
    board.Cells(p).SetValue(v);
    if (v == 0)
        return;

    grids.txPuz(n % LastBox + 1).setFocus();
    if (!HasContradiction(board, grids, BoxNumber(n)))
        return;
    TakeBackDeductionsOf(n);
    RejectEntry(n, QCoreApplication::translate("Quadrelle", "Contradiction between cells"));
}

void EntryValidation::TakeBackDeductionsOf(int n)
{
    const PuzzleBox &model = context_.grids.txPuz(0);
    for (int k = 0; k < CellCount; ++k) {
        const CellIndex cell(k);
        PuzzleBox &box = context_.grids.txPuz(BoxNumber::Of(cell));
        if (NumericValue(box.Tag()) != n)
            continue;
        box.SetTag(QString());
        context_.board.Cells(cell).SetValue(0);
        // The box must not go on showing a digit the model no longer holds. Its cell is
        // empty already, so its own change handler leaves it alone.
        box.SetText(QString());
        box.SetForeColor(model.ForeColor());
        box.SetBackColor(model.BackColor());
    }
}

void EntryValidation::RejectEntry(int n, const QString &message)
{
    context_.boxes.Show(message, context_.appTitle, MessageIcon::None);
    context_.grids.txPuz(n).SetText(QString());
}

} // namespace quadrelle
