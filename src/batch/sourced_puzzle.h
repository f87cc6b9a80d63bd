#pragma once

#include "formats/read_puzzle.h"

#include <cstddef>

namespace quadrelle {

// A puzzle of the batch inputs, with the input it came from.
struct SourcedPuzzle {
    ReadPuzzle read;
    std::size_t input = 0;
};

} // namespace quadrelle
