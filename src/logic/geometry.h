#pragma once

#include "model/cell_set.h"

#include <string>

namespace quadrelle::logic {

// "r4c7".
std::string CellName(int cell);

} // namespace quadrelle::logic
