#include "generate/symmetry.h"

namespace quadrelle::generate {

namespace {

constexpr std::array<std::string_view, 4> Names {"none", "central", "diagonal", "mirror"};

std::vector<Orbit> MakeOrbits(Symmetry symmetry)
{
    std::vector<Orbit> orbits;
    for (int cell = 0; cell < 81; ++cell) {
        const int image = Image(symmetry, cell);
        if (image < cell)
            continue;
        Orbit orbit;
        orbit.cells = {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(image)};
        orbit.size = image == cell ? 1 : 2;
        orbits.push_back(orbit);
    }
    return orbits;
}

} // namespace

std::optional<Symmetry> SymmetryNamed(std::string_view name)
{
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (Names[i] == name)
            return static_cast<Symmetry>(i);
    return std::nullopt;
}

std::string_view NameOf(Symmetry symmetry)
{
    return Names[static_cast<std::size_t>(symmetry)];
}

int Image(Symmetry symmetry, int cell)
{
    const int row = cell / 9, column = cell % 9;
    switch (symmetry) {
    case Symmetry::None:
        return cell;
    case Symmetry::Central:
        return 80 - cell;
    case Symmetry::Diagonal:
        return column * 9 + row;
    case Symmetry::Mirror:
        return row * 9 + 8 - column;
    }
    return cell;
}

const std::vector<Orbit> &OrbitsOf(Symmetry symmetry)
{
    static const std::array<std::vector<Orbit>, 4> all {MakeOrbits(Symmetry::None), MakeOrbits(Symmetry::Central),
        MakeOrbits(Symmetry::Diagonal), MakeOrbits(Symmetry::Mirror)};
    return all[static_cast<std::size_t>(symmetry)];
}

} // namespace quadrelle::generate
