#pragma once

#include "generate/grid.h"
#include "generate/random.h"

namespace quadrelle::generate {

// A complete valid grid drawn at random: every cell and every digit is treated alike, so no
// position or digit is favoured (the grids are not uniform over all 6.7e21, but show no bias).
Grid RandomSolutionGrid(Random &random);

} // namespace quadrelle::generate
