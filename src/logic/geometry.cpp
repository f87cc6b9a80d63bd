#include "logic/geometry.h"

namespace quadrelle::logic {

std::string CellName(Cell cell)
{
    return {'r', static_cast<char>('1' + RowOf(cell)), 'c', static_cast<char>('1' + ColumnOf(cell))};
}

} // namespace quadrelle::logic
