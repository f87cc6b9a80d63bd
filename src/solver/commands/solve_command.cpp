#include "solver/commands/solve_command.h"

#include "board/grids.h"
#include "board/numeric_value.h"
#include "kit/message_boxes.h"
#include "kit/step_runner.h"
#include "solver/propagation.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>

namespace quadrelle {

namespace {

const char GaveUpText[] = QT_TRANSLATE_NOOP(
    "Quadrelle", "Could not find a solution within reasonable\r\ntime -- and I'm pretty sure there is none.");

void CopyPuzzleToSolution(Grids &grids, StepRunner &guard)
{
    for (int i = FirstBox; i <= LastBox; ++i) {
        bool given = false;
        guard.Run(106, [&] { given = NumericValue(grids.txPuz(i).Text()) != 0; });
        if (given) {
            guard.Run(108, [&] { grids.txSol(i).SetCaption(grids.txPuz(i).Text()); });
            guard.Run(110, [&] { grids.txSol(i).SetForeColor(grids.txPuz(i).ForeColor()); });
            guard.Run(112, [&] { grids.txSol(i).SetBackColor(grids.txPuz(i).BackColor()); });
        } else {
            guard.Run(114, [&] { grids.txSol(i).SetCaption(QString()); });
            guard.Run(116, [&] { grids.txSol(i).SetForeColor(grids.txSol(0).ForeColor()); });
            guard.Run(118, [&] { grids.txSol(i).SetBackColor(grids.txSol(0).BackColor()); });
        }
    }
}

// A progress bar repaints itself at once for each new value: 81 repaints in a few milliseconds,
// costlier than the search of most puzzles and too quick for any eye. The bar is drawn once,
// with its last value, when events next run.
class RepaintsDeferred {
public:
    explicit RepaintsDeferred(QWidget &widget) : widget_(widget), enabled_(widget.updatesEnabled())
    {
        widget_.setUpdatesEnabled(false);
    }
    ~RepaintsDeferred() { widget_.setUpdatesEnabled(enabled_); }
    RepaintsDeferred(const RepaintsDeferred &) = delete;
    RepaintsDeferred &operator=(const RepaintsDeferred &) = delete;

private:
    QWidget &widget_;
    const bool enabled_;
};

// Shows the board's digits up to its first empty cell; true when all 81 were shown.
bool ShowResult(const SolveContext &context)
{
    StepRunner &guard = context.guard;
    const RepaintsDeferred deferred(context.progressBar);
    int i = FirstBox;
    for (; i <= LastBox; ++i) {
        const BoxNumber box(i);
        int value = 0;
        guard.Run(166, [&] { value = context.board.Cells(box.Position()).Value(); });
        if (value == 0)
            break;
        guard.Run(170, [&] { context.grids.txSol(box).SetCaption(QString::number(value)); });
        guard.Run(172, [&] {
            context.progressBar.setValue(static_cast<int>(std::nearbyint(i / static_cast<double>(LastBox) * 100)));
        });
    }
    return i > LastBox;
}

void ProcessEvents(const SolveContext &context)
{
    if (context.processEvents)
        context.processEvents();
}

} // namespace

void SolveCommand(const SolveContext &context)
{
    StepRunner &guard = context.guard;
    Grids &grids = context.grids;
    Search &search = context.search;

    guard.Run(100, [&] { context.printSolution.setEnabled(true); });
    guard.Run(102, [&] { context.window.setEnabled(false); });
    CopyPuzzleToSolution(grids, guard);
    guard.Run(122, [&] { context.setPointer(MousePointer::Hourglass); });
    guard.Run(124, [&] { ProcessEvents(context); });

    // The search is started before the propagation rather than before the search: a dead
    // cell skips the search, and must not be read as the previous run's give-up. Starting
    // afresh also makes a reset of the placement count after the run unnecessary.
    guard.Run(126, [&] { search.Initialise(); });
    bool alive = false;
    guard.Run(126, [&] { alive = PropagateSingles(context.board, grids, TemplateBox); });
    if (alive) {
        for (int i = FirstBox; i <= LastBox; ++i)
            guard.Run(130, [&] { grids.txPuz(i).SetTag(QString()); });
        guard.Run(146, [&] { search.Run(); });
    }

    const QString title = context.appTitle;
    if (search.State().GaveUp) {
        guard.Run(154, [&] {
            context.boxes.Show(QCoreApplication::translate("Quadrelle", GaveUpText),
                QCoreApplication::translate("Quadrelle", "Sorry..."), MessageIcon::Question);
        });
    } else {
        const bool solved = ShowResult(context);
        if (solved)
            guard.Run(184, [&] {
                context.boxes.Show(QCoreApplication::translate("Quadrelle", "Done."), title, MessageIcon::None);
            });
        else
            guard.Run(186, [&] {
                context.boxes.Show(QCoreApplication::translate("Quadrelle", "Done scanning but no solution was found."),
                    title, MessageIcon::None);
            });
    }
    guard.Run(188, [&] { ProcessEvents(context); });

    for (int i = FirstBox; i <= LastBox; ++i) {
        const BoxNumber box(i);
        guard.Run(192, [&] { context.board.Cells(box.Position()).SetValue(NumericValue(grids.txPuz(box).Text())); });
    }
    guard.Run(198, [&] { context.window.setEnabled(true); });
    guard.Run(200, [&] { grids.txPuz(1).setFocus(); });
    guard.Run(202, [&] { context.setPointer(MousePointer::Default); });
}

} // namespace quadrelle
