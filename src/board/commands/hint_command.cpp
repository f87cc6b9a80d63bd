#include "board/commands/hint_command.h"

#include "board/commands/candidate_view.h"
#include "board/grids.h"

namespace quadrelle {

void HintCommand::Show(const logic::ShownStep &shown)
{
    shown_ = shown;
    grids_.ShowStep(shown, false);
}

logic::Step HintCommand::Apply()
{
    if (!shown_)
        return {};
    logic::Step step = std::move(shown_->step);
    Hide();
    if (!step.eliminations.empty())
        candidates_.Strike(step.eliminations);
    for (const logic::Candidate &c : step.placements) {
        PuzzleBox &box = grids_.txPuz(BoxNumber::Of(c.cell));
        if (!box.Text().isEmpty())
            continue;
        box.setFocus(Qt::OtherFocusReason);
        box.TypeDigit(QChar(c.digit.Character()));
    }
    return step;
}

void HintCommand::Hide()
{
    if (!shown_)
        return;
    shown_.reset();
    grids_.HideStep();
}

} // namespace quadrelle
