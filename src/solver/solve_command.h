#pragma once

namespace quadrelle {

class Form1;

// "Start Solving": copies the puzzle grid into the solution grid, propagates, searches,
// shows the result with the progress bar, says how it ended, and puts the model back to
// what the puzzle grid holds.
void SolveCommand(Form1 &form);

} // namespace quadrelle
