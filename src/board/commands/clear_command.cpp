#include "board/commands/clear_command.h"

#include "board/grids.h"
#include "model/board.h"
#include "kit/step_runner.h"

#include <QPushButton>

namespace quadrelle {

void ClearCommand(const ClearContext &context)
{
    StepRunner &guard = context.guard;
    Grids &grids = context.grids;
    for (int n = FirstBox; n <= LastBox; ++n) {
        // The cell first: the box's change handler then finds nothing to do.
        guard.Run(104, [&] { context.board.Cells(n - 1).SetValue(0); });
        guard.Run(110, [&] { grids.txPuz(n).SetText(QString()); });
        guard.Run(112, [&] { grids.txPuz(n).SetForeColor(grids.txPuz(0).ForeColor()); });
        guard.Run(114, [&] { grids.txPuz(n).SetBackColor(grids.txPuz(0).BackColor()); });
        guard.Run(116, [&] { grids.txPuz(n).SetTag(QString()); });
        guard.Run(120, [&] { grids.txSol(n).SetCaption(QString()); });
        guard.Run(122, [&] { grids.txSol(n).SetForeColor(grids.txSol(0).ForeColor()); });
        guard.Run(124, [&] { grids.txSol(n).SetBackColor(grids.txSol(0).BackColor()); });
    }
    guard.Run(128, [&] { grids.txPuz(1).setFocus(); });
    guard.Run(130, [&] { context.printSolution.setEnabled(false); });
}

} // namespace quadrelle
