#pragma once

#include "board/commands/candidate_view.h"
#include "board/commands/hint_command.h"
#include "model/board.h"
#include "solver/commands/puzzle_analyst.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class QWidget;

namespace quadrelle {

class ExplainPanel;
class Form1;

// What the Puzzle menu draws inside the boxes at the user's asking: the hint, the candidates, a
// step of the explained path, the cells where two solutions differ. It asks the analyst and draws
// through the board's commands; the frame owns the menu items and the status line.
class BoardGuide : public QObject {
    Q_OBJECT
public:
    // `window`: the explain panel's parent, beside which it opens.
    BoardGuide(Form1 &form, PuzzleAnalyst &analyst, QWidget &window);

    // The next step on the board, or, when one is shown, that step applied.
    void Hint();
    void ShowCandidates(bool shown);
    void Explain();
    // With several solutions: where two of them differ. Nothing otherwise.
    void Check();
    // From the newest verdict: empty unless it found several solutions.
    void SetDiffering(const std::vector<Cell> &cells);
    // Any change of the board hides what is drawn for the board before it.
    void BoardChanged();
    // Null until Explain is first asked for.
    ExplainPanel *Panel() { return panel_; }

signals:
    // For the status line.
    void Say(const QString &text);
    // A request to the analyst is about to supersede the verdict in progress.
    void Asking();
    void CheckAvailable(bool available);
    // The explained path arrived.
    void PathArrived();

private:
    void ShowHint(const BoardHint &hint);
    void ApplyHint();
    void ShowPath(const BoardPath &path);
    void ShowPathStep(int index);
    void CreatePanel();
    void PlacePanel();

    Form1 &form_;
    PuzzleAnalyst &analyst_;
    QWidget &window_;
    CandidateView candidates_;
    HintCommand hint_;
    // Redraws the candidates once for all the boxes one entry changes.
    QTimer candidatesChanged_;
    ExplainPanel *panel_ = nullptr;
    BoardPath path_;
    // The board's digits the path was asked for.
    Grid explainedFor_ {};
    std::vector<Cell> differing_;
};

} // namespace quadrelle
