#include "model/board.h"

#include <utility>

namespace quadrelle {

cGroup::cGroup()
{
    Available[0] = true;
    for (int d = 1; d <= 9; ++d) {
        Bit[d - 1] = BitOf(Digit(d));
        NotBit[d - 1] = ~Bit[d - 1];
        Release(d);
    }
}

void cGroup::Release(int d)
{
    CheckSubscript(d, 1, 9);
    ReleaseUnchecked(d);
}

void cGroup::Take(int d)
{
    CheckSubscript(d, 1, 9);
    TakeUnchecked(d);
}

bool cGroup::IsAvailable(int d) const
{
    CheckSubscript(d, 0, 9);
    return Available[static_cast<std::size_t>(d)];
}

void cCell::SetPosition(int p)
{
    CheckSubscript(p, 0, CellCount - 1);
    const Cell cell(p);
    rowGroup_ = RowUnit(RowOf(cell));
    colGroup_ = ColumnUnit(ColumnOf(cell));
    boxGroup_ = BoxUnit(BoxOf(cell));
}

void cCell::SetValue(std::int32_t d)
{
    // Checked before anything changes, so a refused digit cannot leave the groups out of step;
    // the digit held is always 0..9, so releasing it needs no check.
    CheckSubscript(d, 0, 9);
    SetValueUnchecked(d);
}

namespace {
template <std::size_t... I> std::array<cCell, CellCount> MakeCells(GroupArray &groups, std::index_sequence<I...>)
{
    return {{((void)I, cCell(groups))...}};
}
} // namespace

Board::Board() : cells_(MakeCells(groups_, std::make_index_sequence<CellCount>()))
{
    for (int g = 0; g < UnitCount; ++g)
        CreateGroup(g);
    for (int p = 0; p < CellCount; ++p)
        CreateCell(p);
}

void Board::CreateGroup(int g)
{
    Groups(g) = cGroup();
}

void Board::CreateCell(int p)
{
    CheckSubscript(p, 0, CellCount - 1);
    cCell cell(groups_);
    cell.SetPosition(p);
    cells_[static_cast<std::size_t>(p)] = cell;
}

cCell &Board::Cells(int p)
{
    CheckSubscript(p, 0, CellCount - 1);
    return cells_[static_cast<std::size_t>(p)];
}

const cCell &Board::Cells(int p) const
{
    CheckSubscript(p, 0, CellCount - 1);
    return cells_[static_cast<std::size_t>(p)];
}

cGroup &Board::Groups(int g)
{
    CheckSubscript(g, 0, UnitCount - 1);
    return groups_[static_cast<std::size_t>(g)];
}

const cGroup &Board::Groups(int g) const
{
    CheckSubscript(g, 0, UnitCount - 1);
    return groups_[static_cast<std::size_t>(g)];
}

bool Board::CanPlace(int p, int d) const
{
    const cCell &cell = Cells(p);
    return Groups(cell.RowGroup()).IsAvailable(d) && Groups(cell.ColGroup()).IsAvailable(d)
        && Groups(cell.BoxGroup()).IsAvailable(d);
}

Grid Board::Digits() const
{
    Grid digits {};
    for (int p = 0; p < CellCount; ++p)
        digits[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(cells_[static_cast<std::size_t>(p)].Value());
    return digits;
}

} // namespace quadrelle
