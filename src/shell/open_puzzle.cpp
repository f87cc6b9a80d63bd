#include "shell/open_puzzle.h"

#include "board/commands/puzzle_transfer.h"
#include "shell/form1.h"
#include "kit/message_boxes.h"
#include "shell/puzzle_argument.h"

#include <QCoreApplication>

namespace quadrelle {

void TypeGivens(Form1 &form, const Grid &givens)
{
    EnterGivens(form.grids(), givens);
}

void OpenPuzzleArguments(Form1 &form, MessageBoxes &boxes, const QByteArrayList &arguments)
{
    if (arguments.isEmpty())
        return;
    if (arguments.size() > 1) {
        boxes.Show(
            QCoreApplication::translate("Quadrelle", "Quadrelle opens one puzzle or puzzle file at a time, not %1.")
                .arg(arguments.size()),
            form.AppTitle(), MessageIcon::Exclamation);
        return;
    }
    const PuzzleArgument puzzle = ReadPuzzleArgument(arguments.front());
    if (!puzzle.givens) {
        boxes.Show(puzzle.error, form.AppTitle(), MessageIcon::Exclamation);
        return;
    }
    TypeGivens(form, *puzzle.givens);
}

} // namespace quadrelle
