#include "logic/candidate_grid.h"

#include "logic/geometry.h"

namespace quadrelle::logic {

std::optional<CandidateGrid> CandidateGrid::FromGivens(const std::array<std::uint8_t, 81> &cells)
{
    CandidateGrid grid;
    const CellSet all = CellSet::All();
    grid.open_ = all;
    grid.boards_.fill(all);
    grid.candidates_.fill(AllDigits);
    for (auto &unit : grid.places_)
        unit.fill(0x1FF);
    for (int cell = 0; cell < 81; ++cell) {
        if (cells[cell] == 0)
            continue;
        const Digit digit(cells[cell]);
        if (!grid.Has(cell, digit))
            return std::nullopt;
        grid.Place(cell, digit);
    }
    return grid;
}

namespace {

// A cell's position along its row, its column and its box, the order UnitsOf gives them.
constexpr std::array<int, 3> PositionsOf(Cell cell)
{
    return {ColumnOf(cell), RowOf(cell), RowOf(cell) % 3 * 3 + ColumnOf(cell) % 3};
}

} // namespace

void CandidateGrid::ClearPlaces(int cell, Digit digit)
{
    const std::array<int, 3> positions = PositionsOf(Cell(cell));
    const auto &units = UnitsOf(Cell(cell));
    for (int k = 0; k < 3; ++k)
        places_[units[k]][digit.Index()] &= static_cast<std::uint16_t>(~(1u << positions[k]));
}

void CandidateGrid::Place(int cell, Digit digit)
{
    assert(IsCell(cell));
    value_[cell] = static_cast<std::uint8_t>(digit.Value());
    for (DigitMask m = candidates_[cell]; m; m &= m - 1) {
        boards_[LowestDigit(m).Index()].Clear(cell);
        ClearPlaces(cell, LowestDigit(m));
    }
    candidates_[cell] = 0;
    open_.Clear(cell);
    (Peers[cell] & boards_[digit.Index()]).ForEach([&](int peer) { Eliminate(peer, digit); });
}

void CandidateGrid::Eliminate(int cell, Digit digit)
{
    assert(IsCell(cell));
    candidates_[cell] = static_cast<DigitMask>(candidates_[cell] & ~BitOf(digit));
    boards_[digit.Index()].Clear(cell);
    ClearPlaces(cell, digit);
}

} // namespace quadrelle::logic
