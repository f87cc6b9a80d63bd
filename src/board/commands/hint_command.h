#pragma once

#include "logic/shown_step.h"

#include <optional>

namespace quadrelle {

class CandidateView;
class Grids;

// A hint on the board: shown first, applied on the second asking. Applying types each placed
// digit as a key does, so entry validation and the deductions follow, and strikes out the
// candidates the step removes.
class HintCommand {
public:
    HintCommand(Grids &grids, CandidateView &candidates) : grids_(grids), candidates_(candidates) { }

    void Show(const logic::ShownStep &shown);
    bool Showing() const { return shown_.has_value(); }
    // The step applied; an empty one when none is shown.
    logic::Step Apply();
    // Any edit hides the hint.
    void Hide();

private:
    Grids &grids_;
    CandidateView &candidates_;
    std::optional<logic::ShownStep> shown_;
};

} // namespace quadrelle
