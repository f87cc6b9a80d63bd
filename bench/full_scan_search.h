#pragma once

// The yardstick for the engine's search: the same choices made the straightforward way, by
// counting the candidates of every empty cell with a popcount at every step.

#include "model/board.h"

#include <cstdint>

namespace quadrelle::bench {

struct FullScanResult {
    std::int32_t placements = 0;
    bool solved = false;
    bool gaveUp = false;
};

// Searches the board's digits from a fresh search state with a budget of 999,999 placements.
FullScanResult FullScanSearch(const Grid &start);

} // namespace quadrelle::bench
