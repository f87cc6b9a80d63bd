#pragma once

#include "model/cell_set.h"

#include <string>

namespace quadrelle::logic {

// "r4c7".
std::string CellName(Cell cell);

} // namespace quadrelle::logic
