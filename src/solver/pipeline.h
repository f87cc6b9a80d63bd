#pragma once

#include "model/board.h"
#include "solver/search.h"

#include <optional>

namespace quadrelle {

enum class Outcome { Solved, NoSolution, GaveUp };

struct SolveResult {
    Outcome outcome = Outcome::NoSolution;
    // Trial placements of the search; 0 when no search ran.
    std::int32_t placements = 0;
    // Solved: the solution. Otherwise: the givens plus what the propagation deduced.
    Grid grid {};
};

// Places the givens one by one as typed entries would be; false at the first digit
// that is already taken in its row, column or box.
bool PlaceGivens(Board &board, const Grid &givens);

// One puzzle from its givens to its outcome: propagation, then, without a dead cell,
// a search from a fresh state with the given placement budget. Empty when the givens repeat a digit.
std::optional<SolveResult> SolvePuzzle(
    const Grid &givens, EventHook hook = {}, std::int32_t placementLimit = Search::DefaultPlacementLimit);

} // namespace quadrelle
