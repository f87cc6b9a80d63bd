#pragma once

#include "model/geometry.h"

#include <array>
#include <cstdint>

namespace quadrelle::generate {

// Row-major cells, 0 = empty, 1..9 = a digit: the counter's input form.
using Grid = std::array<std::uint8_t, 81>;

} // namespace quadrelle::generate
