#pragma once

// The search's inner loop on 81-bit sets instead of the cell objects.
//
// It makes exactly the choices of the cell-by-cell search (the same cell, the same digits in
// the same order, the same tie rule) and leaves the board and the search state as that search
// would: the solution or the trial digits written back through the cells' setters, and
// SearchCount, StopSearch, GaveUp, CurrentCell, LowCell, HighCell and ChosenMask as it ends.
//
// Every empty cell's candidate count is held across four 81-bit sets, one a bit of the count,
// so that one set operation updates all the counts at once:
//
//     cell        0  1  2  3  ..  80
//     count       3  9  2  6  ..   5
//     plane 0     1  1  0  0  ..   1     (1s)
//     plane 1     1  0  1  1  ..   0     (2s)
//     plane 2     0  0  0  1  ..   1     (4s)
//     plane 3     0  1  0  0  ..   0     (8s)
//
// A digit placed takes one off the counts of the cells in `lost`: a borrow rippling up from
// plane 0. The fewest: from plane 3 down, keep the cells with a 0 wherever any cell has one.

#include "model/board.h"
#include "solver/search.h"

#include <cstdint>

namespace quadrelle {

// TryCell(p) for the p that PickNextCell just chose, with state.ChosenMask its candidates
// (not 0) and state.StopSearch false. The hook runs after every EventInterval-th placement;
// if it throws, the board and the state are written back as they stand and the exception
// goes on.
void RunBitboardSearch(Board &board, SearchState &state, int p, const EventHook &hook, std::int32_t placementLimit);

} // namespace quadrelle
