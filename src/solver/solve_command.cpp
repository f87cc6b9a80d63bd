#include "solve_command.h"

#include "board/numeric_value.h"
#include "propagation.h"
#include "shell/form1.h"
#include "shell/guard.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>

namespace quadrelle {

namespace {

const QString GaveUpText
    = QStringLiteral("Could not find a solution within reasonable\r\ntime -- and I'm pretty sure there is none.");

void CopyPuzzleToSolution(Form1 &form, Guard &guard)
{
    for (int i = 1; i <= 81; ++i) {
        bool given = false;
        guard.Run(106, [&] { given = NumericValue(form.txPuz(i).Text()) != 0; });
        if (given) {
            guard.Run(108, [&] { form.txSol(i).SetCaption(form.txPuz(i).Text()); });
            guard.Run(110, [&] { form.txSol(i).SetForeColor(form.txPuz(i).ForeColor()); });
            guard.Run(112, [&] { form.txSol(i).SetBackColor(form.txPuz(i).BackColor()); });
        } else {
            guard.Run(114, [&] { form.txSol(i).SetCaption(QString()); });
            guard.Run(116, [&] { form.txSol(i).SetForeColor(form.txSol(0).ForeColor()); });
            guard.Run(118, [&] { form.txSol(i).SetBackColor(form.txSol(0).BackColor()); });
        }
    }
}

// Shows the board's digits up to its first empty cell; true when all 81 were shown.
bool ShowResult(Form1 &form, Guard &guard)
{
    int i = 1;
    for (; i <= 81; ++i) {
        int value = 0;
        guard.Run(166, [&] { value = form.board().Cells(i - 1).Value(); });
        if (value == 0)
            break;
        guard.Run(170, [&] { form.txSol(i).SetCaption(QString::number(value)); });
        guard.Run(172, [&] { form.ProgressBar1().setValue(static_cast<int>(std::nearbyint(i / 81.0 * 100))); });
    }
    return i > 81;
}

} // namespace

void SolveCommand(Form1 &form)
{
    Guard guard(form.messageBoxes(), GuardedOperation::PushButton2_Click);
    SearchState &state = form.search().State();

    guard.Run(100, [&] { form.PushButton4().setEnabled(true); });
    guard.Run(102, [&] { form.setEnabled(false); });
    CopyPuzzleToSolution(form, guard);
    guard.Run(122, [&] { form.SetPointer(MousePointer::Hourglass); });
    guard.Run(124, [] { QCoreApplication::processEvents(); });

    // The search state is initialised before the propagation rather than before the search:
    // a dead cell skips the search, and must not be read as the previous run's give-up.
    guard.Run(126, [&] { form.search().Initialise(); });
    bool alive = false;
    guard.Run(126, [&] { alive = PropagateSingles(form.board(), form.grids(), 0); });
    if (alive) {
        for (int i = 1; i <= 81; ++i)
            guard.Run(130, [&] { form.txPuz(i).SetTag(QString()); });
        guard.Run(146, [&] { form.search().Run(); });
    }

    const QString title = form.AppTitle();
    if (state.GaveUp) {
        guard.Run(
            154, [&] { form.messageBoxes().Show(GaveUpText, QStringLiteral("Sorry..."), MessageIcon::Question); });
    } else {
        const bool solved = ShowResult(form, guard);
        if (solved)
            guard.Run(184, [&] { form.messageBoxes().Show(QStringLiteral("Done."), title, MessageIcon::None); });
        else
            guard.Run(186, [&] {
                form.messageBoxes().Show(
                    QStringLiteral("Done scanning but no solution was found."), title, MessageIcon::None);
            });
    }
    guard.Run(188, [] { QCoreApplication::processEvents(); });

    for (int i = 1; i <= 81; ++i)
        guard.Run(192, [&] { form.board().Cells(i - 1).SetValue(NumericValue(form.txPuz(i).Text())); });
    guard.Run(196, [&] { state.SearchCount = 0; });
    guard.Run(198, [&] { form.setEnabled(true); });
    guard.Run(200, [&] { form.txPuz(1).setFocus(); });
    guard.Run(202, [&] { form.SetPointer(MousePointer::Default); });
}

} // namespace quadrelle
