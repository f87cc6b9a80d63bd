#pragma once

// New puzzles: a random solution grid, then its givens taken away in a random order, an orbit of
// the symmetry at a time, as long as the solution counter still finds exactly one solution. A
// given that must stay once must stay for good (taking more away only adds solutions), so one
// pass leaves a puzzle from which no orbit can be taken.

#include "generate/grid.h"
#include "generate/random.h"
#include "generate/symmetry.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace quadrelle::generate {

struct GenerateOptions {
    Symmetry symmetry = Symmetry::None;
    // Every orbit that can go goes; otherwise the taking stops at the first one that must stay.
    bool minimal = true;
    // Once true, a filter's search for a kept candidate is abandoned.
    const std::atomic<bool> *stop = nullptr;
};

// Keeps a candidate puzzle (true) or asks for another; an empty filter keeps every one.
using PuzzleFilter = std::function<bool(const Grid &puzzle)>;

struct GeneratedPuzzle {
    Grid puzzle {};
    Grid solution {};
    // Candidates drawn until the filter kept one: 1 without a filter.
    long candidates = 0;
    // options.stop turned true before a candidate was kept: the puzzle is none to use.
    bool abandoned = false;
};

// A puzzle whose only solution is `solution`, its givens symmetric.
Grid CarvePuzzle(const Grid &solution, Random &random, const GenerateOptions &options);

// Puzzle `index` of the run seeded `runSeed`: the same whatever else the run does.
GeneratedPuzzle GeneratePuzzle(
    std::uint64_t runSeed, std::uint64_t index, const GenerateOptions &options, const PuzzleFilter &keep);

} // namespace quadrelle::generate
