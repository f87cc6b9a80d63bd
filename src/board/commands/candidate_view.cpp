#include "board/commands/candidate_view.h"

#include "board/grids.h"

namespace quadrelle {

namespace {

// Every digit of `before` is still where it was.
bool OnlyAdded(const Grid &before, const Grid &now)
{
    for (std::size_t cell = 0; cell < before.size(); ++cell)
        if (before[cell] != 0 && before[cell] != now[cell])
            return false;
    return true;
}

} // namespace

void CandidateView::SetShown(bool shown)
{
    shown_ = shown;
    Refresh();
}

void CandidateView::Strike(const std::vector<logic::Candidate> &candidates)
{
    if (struck_.empty())
        struckOn_ = board_.Digits();
    struck_.insert(struck_.end(), candidates.begin(), candidates.end());
    Refresh();
}

void CandidateView::Refresh()
{
    const Grid digits = board_.Digits();
    if (!struck_.empty() && !OnlyAdded(struckOn_, digits))
        struck_.clear();
    if (!shown_) {
        grids_.ShowCandidates(std::nullopt);
        return;
    }
    Grids::CandidateMasks masks {};
    for (int cell = 0; cell < CellCount; ++cell) {
        if (digits[static_cast<std::size_t>(cell)] == 0)
            masks[static_cast<std::size_t>(cell)] = static_cast<std::uint16_t>(board_.Cells(cell).CandidateMask());
    }
    for (const logic::Candidate &c : struck_) {
        std::uint16_t &mask = masks[static_cast<std::size_t>(c.cell.Index())];
        mask = static_cast<std::uint16_t>(mask & ~BitOf(c.digit));
    }
    grids_.ShowCandidates(masks);
}

} // namespace quadrelle
