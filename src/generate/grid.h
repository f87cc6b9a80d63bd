#pragma once

#include <array>
#include <cstdint>

namespace quadrelle::generate {

// Row-major cells, 0 = empty, 1..9 = a digit: the counter's input form.
using Grid = std::array<std::uint8_t, 81>;

// The 20 cells that share a row, column or box with each cell.
using PeerTable = std::array<std::array<std::uint8_t, 20>, 81>;
const PeerTable &Peers();

// The digits (bit d for digit d) that the peers of `cell` hold.
inline unsigned SeenDigits(const Grid &grid, int cell)
{
    unsigned seen = 0;
    for (const std::uint8_t peer : Peers()[static_cast<std::size_t>(cell)])
        seen |= 1u << grid[peer];
    return seen & 0x3FEu;
}

} // namespace quadrelle::generate
