#pragma once

#include "model/digits.h"
#include "model/positions.h"
#include "model/runtime_error.h"

#include <array>
#include <cassert>
#include <cstdint>

namespace quadrelle {

// One row, column or box: which digits are still free in it, as flags and as a mask.
class cGroup {
public:
    cGroup();

    // d in 1..9, else "Subscript out of range".
    void Release(int d);
    void Take(int d);
    // d in 0..9; digit 0 (empty) is always available.
    bool IsAvailable(int d) const;
    std::int32_t Mask() const { return mask_; }

    // For the search, whose digits are 1..9 by construction.
    void ReleaseUnchecked(int d)
    {
        assert(d >= 1 && d <= 9);
        Available[d] = true;
        mask_ |= Bit[d - 1];
    }
    void TakeUnchecked(int d)
    {
        assert(d >= 1 && d <= 9);
        Available[d] = false;
        mask_ &= NotBit[d - 1];
    }

private:
    std::int32_t mask_ = 0;
    std::array<std::int32_t, 9> Bit {};
    std::array<std::int32_t, 9> NotBit {};
    std::array<bool, 10> Available {};
};

using GroupArray = std::array<cGroup, UnitCount>;

// One board position. Changing its digit keeps its three groups in step.
class cCell {
public:
    explicit cCell(GroupArray &groups) : groups_(&groups) { }

    // p in 0..80.
    void SetPosition(int p);
    std::int32_t Value() const { return value_; }
    // d in 0..9; does not check that d is free (callers do).
    void SetValue(std::int32_t d);
    int RowGroup() const { return rowGroup_; }
    int ColGroup() const { return colGroup_; }
    int BoxGroup() const { return boxGroup_; }

    // For the search, whose digits are 0..9 by construction.
    void SetValueUnchecked(std::int32_t d)
    {
        GroupArray &g = *groups_;
        if (value_ != 0) {
            g[rowGroup_].ReleaseUnchecked(value_);
            g[colGroup_].ReleaseUnchecked(value_);
            g[boxGroup_].ReleaseUnchecked(value_);
        }
        value_ = d;
        if (d != 0) {
            g[rowGroup_].TakeUnchecked(d);
            g[colGroup_].TakeUnchecked(d);
            g[boxGroup_].TakeUnchecked(d);
        }
    }

    std::int32_t CandidateMask() const { return CandidateMaskIn(*groups_); }
    // The same, with the board's groups at hand (saves a load per cell in the search's scan).
    std::int32_t CandidateMaskIn(const GroupArray &g) const
    {
        return g[static_cast<std::size_t>(colGroup_)].Mask() & g[static_cast<std::size_t>(rowGroup_)].Mask()
            & g[static_cast<std::size_t>(boxGroup_)].Mask();
    }

private:
    std::int32_t value_ = 0;
    int rowGroup_ = 0;
    int colGroup_ = 0;
    int boxGroup_ = 0;
    GroupArray *groups_;
};

using Grid = std::array<std::int8_t, CellCount>;

// The 81 cells and 27 groups. Not copyable: each cell points at its board's groups.
class Board {
public:
    Board();
    Board(const Board &) = delete;
    Board &operator=(const Board &) = delete;

    // Initialise group g afresh (all digits free), or create cell p afresh (empty) at its position.
    void CreateGroup(int g);
    void CreateCell(int p);

    cCell &Cells(int p);
    const cCell &Cells(int p) const;
    cCell &Cells(CellIndex cell) { return Cells(cell.value); }
    const cCell &Cells(CellIndex cell) const { return Cells(cell.value); }
    cGroup &Groups(int g);
    const cGroup &Groups(int g) const;

    // d in 0..9 is free in the row, the column and the box of p.
    bool CanPlace(int p, int d) const;
    bool CanPlace(CellIndex cell, int d) const { return CanPlace(cell.value, d); }

    // The digits of all cells, 0 for empty.
    Grid Digits() const;

    // Unchecked access for the search's hot path.
    cCell &CellAt(int p)
    {
        assert(p >= 0 && p < CellCount);
        return cells_[static_cast<std::size_t>(p)];
    }
    const cCell &CellAt(int p) const
    {
        assert(p >= 0 && p < CellCount);
        return cells_[static_cast<std::size_t>(p)];
    }
    const GroupArray &AllGroups() const { return groups_; }

private:
    GroupArray groups_;
    std::array<cCell, CellCount> cells_;
};

} // namespace quadrelle
