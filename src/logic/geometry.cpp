#include "geometry.h"

namespace quadrelle::logic {

namespace {

Geometry Build()
{
    Geometry g;
    for (int cell = 0; cell < 81; ++cell) {
        g.unitsOf[cell] = {RowOf(cell), 9 + ColOf(cell), 18 + BoxOf(cell)};
        for (const int unit : g.unitsOf[cell])
            g.unit[unit].Set(cell);
    }
    for (int unit = 0; unit < UnitCount; ++unit) {
        int i = 0;
        g.unit[unit].ForEach([&](int cell) { g.unitCells[unit][i++] = cell; });
    }
    for (int cell = 0; cell < 81; ++cell) {
        for (const int unit : g.unitsOf[cell])
            g.peers[cell] |= g.unit[unit];
        g.peers[cell].Clear(cell);
    }
    return g;
}

} // namespace

const Geometry &Geo()
{
    static const Geometry geometry = Build();
    return geometry;
}

std::string CellName(int cell)
{
    return {'r', static_cast<char>('1' + RowOf(cell)), 'c', static_cast<char>('1' + ColOf(cell))};
}

} // namespace quadrelle::logic
