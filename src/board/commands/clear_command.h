#pragma once

class QPushButton;

namespace quadrelle {

class Board;
class Grids;
class StepRunner;

// What "Clear" works on.
struct ClearContext {
    Board &board;
    Grids &grids;
    // "Print Solution": nothing is left to print.
    QPushButton &printSolution;
    StepRunner &guard;
};

// "Clear": empties the model, both grids and the tags, and switches "Print Solution" off.
void ClearCommand(const ClearContext &context);

} // namespace quadrelle
