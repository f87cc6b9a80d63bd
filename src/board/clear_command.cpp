#include "clear_command.h"

#include "shell/form1.h"
#include "shell/guard.h"

#include <QPushButton>

namespace quadrelle {

void ClearCommand(Form1 &form)
{
    Guard guard(form.messageBoxes(), GuardedOperation::PushButton1_Click);
    for (int n = 1; n <= 81; ++n) {
        // The cell first: the box's change handler then finds nothing to do.
        guard.Run(104, [&] { form.board().Cells(n - 1).SetValue(0); });
        guard.Run(110, [&] { form.txPuz(n).SetText(QString()); });
        guard.Run(112, [&] { form.txPuz(n).SetForeColor(form.txPuz(0).ForeColor()); });
        guard.Run(114, [&] { form.txPuz(n).SetBackColor(form.txPuz(0).BackColor()); });
        guard.Run(116, [&] { form.txPuz(n).SetTag(QString()); });
        guard.Run(120, [&] { form.txSol(n).SetCaption(QString()); });
        guard.Run(122, [&] { form.txSol(n).SetForeColor(form.txSol(0).ForeColor()); });
        guard.Run(124, [&] { form.txSol(n).SetBackColor(form.txSol(0).BackColor()); });
    }
    guard.Run(128, [&] { form.txPuz(1).setFocus(); });
    guard.Run(130, [&] { form.PushButton4().setEnabled(false); });
}

} // namespace quadrelle
