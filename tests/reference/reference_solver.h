#pragma once

// A deliberately plain second implementation of the solving rules, sharing no code with the
// engine, so that tests can compare the two placement for placement and the benchmarks can
// time the engine against the straightforward way of making the same choices.

#include "model/board.h"

#include <cstdint>

namespace quadrelle::test {

struct ReferenceRun {
    bool validGivens = true;
    bool propagationAlive = true;
    Grid afterPropagation {};
    bool searched = false;
    std::int32_t searchCount = 0;
    bool stopSearch = false;
    bool gaveUp = false;
    std::int32_t currentCell = 0;
    std::int32_t lowCell = 0;
    std::int32_t highCell = 80;
    std::int32_t chosenMask = 0;
    // The board when the search ended (trial digits included).
    Grid final {};
};

// Givens, propagation from position 0, then the fewest-candidates search with its budget.
ReferenceRun ReferenceSolve(const Grid &givens, std::int32_t placementLimit = 999'999);

} // namespace quadrelle::test
