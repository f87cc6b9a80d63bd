#pragma once

namespace quadrelle {

constexpr int CellCount = 81;
constexpr int GroupCount = 27;

// Groups 0..8 are rows, 9..17 columns, 18..26 boxes.
constexpr int RowGroupOf(int p)
{
    return p / 9;
}
constexpr int ColGroupOf(int p)
{
    return p % 9 + 9;
}
constexpr int BoxGroupOf(int p)
{
    return 3 * (p / 9 / 3) + (p % 9) / 3 + 18;
}

} // namespace quadrelle
