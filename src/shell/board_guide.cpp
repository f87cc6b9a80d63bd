#include "shell/board_guide.h"

#include "logic/geometry.h"
#include "shell/explain_panel.h"
#include "shell/form1.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QScreen>
#include <QStringList>

namespace quadrelle {

namespace {

PuzzleAnalyst::Cells CellsOf(const Grid &digits)
{
    PuzzleAnalyst::Cells cells {};
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<std::uint8_t>(digits[i]);
    return cells;
}

} // namespace

BoardGuide::BoardGuide(Form1 &form, PuzzleAnalyst &analyst, QWidget &window)
    : form_(form), analyst_(analyst), window_(window), candidates_(form.board(), form.grids()),
      hint_(form.grids(), candidates_)
{
    connect(&analyst_, &PuzzleAnalyst::Hinted, this, &BoardGuide::ShowHint);
    connect(&analyst_, &PuzzleAnalyst::Explained, this, &BoardGuide::ShowPath);
    candidatesChanged_.setSingleShot(true);
    candidatesChanged_.setInterval(0);
    connect(&candidatesChanged_, &QTimer::timeout, this, [this] { candidates_.Refresh(); });
}

void BoardGuide::Hint()
{
    if (hint_.Showing()) {
        ApplyHint();
        return;
    }
    emit Asking();
    // A hard step can take the rater a second: say that one is on its way.
    emit Say(QCoreApplication::translate("Quadrelle", "Looking for the next step…"));
    // From the grid as it stands, deductions and struck candidates included.
    analyst_.Hint(CellsOf(form_.board().Digits()), candidates_.Struck());
}

void BoardGuide::ShowHint(const BoardHint &hint)
{
    emit Say(hint.sentence);
    // A hint for a board that changed since it was asked for would mark the wrong boxes.
    if (!hint.shown || CellsOf(form_.board().Digits()) != hint.shown->before)
        return;
    if (panel_)
        panel_->List().setCurrentRow(-1);
    hint_.Show(*hint.shown);
}

void BoardGuide::ApplyHint()
{
    if (!hint_.Apply().placements.empty())
        return;
    // The step only struck out candidates: the board shows that through the candidates alone.
    emit Say(candidates_.Shown()
            ? QCoreApplication::translate("Quadrelle", "Struck out the candidates; Hint again for the next step.")
            : QCoreApplication::translate("Quadrelle", "Struck out the candidates; %1 shows those left.")
                  .arg(QKeySequence(Qt::CTRL | Qt::Key_M).toString(QKeySequence::NativeText)));
}

void BoardGuide::ShowCandidates(bool shown)
{
    candidates_.SetShown(shown);
}

void BoardGuide::Explain()
{
    CreatePanel();
    panel_->ShowWorking();
    PlacePanel();
    panel_->show();
    panel_->raise();
    // The keys walk the list.
    panel_->activateWindow();
    emit Asking();
    explainedFor_ = form_.board().Digits();
    analyst_.Explain(CellsOf(explainedFor_));
}

void BoardGuide::CreatePanel()
{
    if (panel_)
        return;
    panel_ = new ExplainPanel(&window_);
    connect(panel_, &ExplainPanel::StepChosen, this, &BoardGuide::ShowPathStep);
    // A row chosen is the step on the board; a hint shown since has taken the choice away.
    connect(panel_, &ExplainPanel::Closed, this, [this] {
        if (panel_->List().currentRow() >= 0)
            form_.grids().HideStep();
        // Without a window manager nothing gives the keys back to the board.
        window_.activateWindow();
    });
}

// Right of the window where the screen has room, else left of it, else at the screen's edge.
void BoardGuide::PlacePanel()
{
    const QScreen *screen = window_.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = window_.frameGeometry();
    const int width = panel_->frameGeometry().width();
    int x = frame.right() + 8;
    if (x + width > room.right())
        x = frame.left() - 8 - width >= room.left() ? frame.left() - 8 - width : room.right() - width;
    panel_->move(x, frame.top());
}

void BoardGuide::ShowPath(const BoardPath &path)
{
    emit PathArrived();
    if (!panel_)
        return;
    if (form_.board().Digits() != explainedFor_) {
        panel_->ShowStale();
        return;
    }
    path_ = path;
    panel_->ShowPath(path_);
}

void BoardGuide::ShowPathStep(int index)
{
    if (index < 0 || index >= static_cast<int>(path_.steps.size()))
        return;
    const BoardHint &step = path_.steps[static_cast<std::size_t>(index)];
    if (!step.shown)
        return;
    hint_.Hide();
    form_.grids().ShowStep(*step.shown, true);
    emit Say(step.sentence);
}

void BoardGuide::SetDiffering(const std::vector<Cell> &cells)
{
    differing_ = cells;
    emit CheckAvailable(!differing_.empty());
}

void BoardGuide::Check()
{
    if (differing_.empty())
        return;
    hint_.Hide();
    form_.grids().ShowCells(differing_);
    QStringList cells;
    for (const Cell cell : differing_)
        cells << QString::fromStdString(logic::CellName(cell));
    emit Say(QCoreApplication::translate("Quadrelle", "Two solutions differ in %1 boxes: %2")
                 .arg(static_cast<qsizetype>(differing_.size()))
                 .arg(cells.join(QStringLiteral(", "))));
}

void BoardGuide::BoardChanged()
{
    hint_.Hide();
    form_.grids().HideStep();
    SetDiffering({});
    if (panel_ && form_.board().Digits() != explainedFor_) {
        path_ = {};
        panel_->ShowStale();
    }
    candidatesChanged_.start();
}

} // namespace quadrelle
