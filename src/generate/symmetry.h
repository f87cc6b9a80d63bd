#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quadrelle::generate {

enum class Symmetry {
    None,
    // A half turn about the centre: cell (r, c) with (8 - r, 8 - c).
    Central,
    // A reflection in the main diagonal: (r, c) with (c, r).
    Diagonal,
    // A reflection left to right: (r, c) with (r, 8 - c).
    Mirror,
};

std::optional<Symmetry> SymmetryNamed(std::string_view name);
std::string_view NameOf(Symmetry symmetry);

// Cells that the symmetry maps onto each other: they are given or empty together.
struct Orbit {
    std::array<std::uint8_t, 2> cells {};
    std::uint8_t size = 1;
};

// Every cell in exactly one orbit.
const std::vector<Orbit> &OrbitsOf(Symmetry symmetry);

// The cell that `cell` maps to.
int Image(Symmetry symmetry, int cell);

} // namespace quadrelle::generate
