#pragma once

#include "kit/mouse_pointer.h"
#include "solver/search.h"

#include <QString>

#include <functional>

class QProgressBar;
class QPushButton;
class QWidget;

namespace quadrelle {

class Grids;
class MessageBoxes;
class StepRunner;

// What "Start Solving" works on.
struct SolveContext {
    Board &board;
    Search &search;
    Grids &grids;
    QProgressBar &progressBar;
    // "Print Solution": there is a solution grid to print from now on.
    QPushButton &printSolution;
    // Disabled while the command runs, with the hourglass over it.
    QWidget &window;
    std::function<void(MousePointer)> setPointer;
    StepRunner &guard;
    MessageBoxes &boxes;
    // The caption of the closing message.
    const QString &appTitle;
    // Lets the window draw what changed before and after the search.
    EventHook processEvents;
};

// "Start Solving": copies the puzzle grid into the solution grid, propagates, searches,
// shows the result with the progress bar, says how it ended, and puts the model back to
// what the puzzle grid holds.
void SolveCommand(const SolveContext &context);

} // namespace quadrelle
