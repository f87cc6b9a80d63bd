#include "logic/candidate_grid.h"

#include "logic/geometry.h"

namespace quadrelle::logic {

std::optional<CandidateGrid> CandidateGrid::FromGivens(const std::array<std::uint8_t, 81> &cells)
{
    CandidateGrid grid;
    const CellSet all = CellSet::All();
    grid.open_ = all;
    grid.boards_.fill(all);
    grid.candidates_.fill(0x1ff);
    grid.value_.fill(-1);
    for (int cell = 0; cell < 81; ++cell) {
        if (cells[cell] == 0)
            continue;
        const int digit = cells[cell] - 1;
        if (!grid.Has(cell, digit))
            return std::nullopt;
        grid.Place(cell, digit);
    }
    return grid;
}

void CandidateGrid::Place(int cell, int digit)
{
    value_[cell] = static_cast<std::int8_t>(digit);
    for (DigitMask m = candidates_[cell]; m; m &= m - 1)
        boards_[std::countr_zero(m)].Clear(cell);
    candidates_[cell] = 0;
    open_.Clear(cell);
    (Peers[cell] & boards_[digit]).ForEach([&](int peer) { Eliminate(peer, digit); });
}

void CandidateGrid::Eliminate(int cell, int digit)
{
    candidates_[cell] = static_cast<DigitMask>(candidates_[cell] & ~BitOf(digit));
    boards_[digit].Clear(cell);
}

} // namespace quadrelle::logic
