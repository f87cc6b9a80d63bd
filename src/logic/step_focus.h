#pragma once

#include "model/cell_set.h"
#include "logic/step.h"

namespace quadrelle::logic {

class CandidateGrid;

// What a step looks at, beside the cells it acts on, for showing it: found again from the grid
// the step was taken in, for the techniques whose pattern that grid shows alone.
struct StepFocus {
    // A hidden single's digit has one place left in it; locked candidates' digit lies only where
    // it meets the removals; a subset's cells lie in it. -1: none.
    int unit = -1;
    // The pattern's cells: the locked digit's places, a subset's cells, a fish's corners.
    CellSet causes;
};

// Nothing found for chains, wings and the rest.
StepFocus FocusOf(const CandidateGrid &grid, const Step &step);

} // namespace quadrelle::logic
