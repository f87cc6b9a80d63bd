#pragma once

#include "board/box_marks.h"
#include "board/puzzle_box.h"
#include "kit/controls.h"
#include "logic/shown_step.h"
#include "model/digits.h"
#include "model/geometry.h"
#include "model/positions.h"
#include "solver/propagation.h"

#include <QRect>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace quadrelle {

// The puzzle grid txPuz(1..81) and the solution grid txSol(1..81), each built from its
// hidden template element 0. Box n shows board position n - 1.
class Grids final : public PuzzleGrid {
public:
    // Creates the two templates on `window`. `updating` is set around the program's own
    // writes of deduced digits; `onChange` gets the box number of every changed box.
    Grids(QWidget &window, bool &updating, std::function<void(int)> onChange);

    // n in 0..81 and created, else "Subscript out of range".
    PuzzleBox &txPuz(int n);
    const PuzzleBox &txPuz(int n) const;
    Label &txSol(int n);
    const Label &txSol(int n) const;
    PuzzleBox &txPuz(BoxNumber n) { return txPuz(n.value); }
    const PuzzleBox &txPuz(BoxNumber n) const { return txPuz(n.value); }
    Label &txSol(BoxNumber n) { return txSol(n.value); }
    const Label &txSol(BoxNumber n) const { return txSol(n.value); }

    // A copy of the template with its look as it is now, placed and shown.
    void CreatePuzzleBox(int n);
    void CreateSolutionLabel(int n);

    static QRect PuzzleBoxGeometry(int n);
    static QRect SolutionLabelGeometry(int n);

    // Under Updating: the digit into the cell's box in txSol(0)'s colours.
    void ShowDeducedDigit(CellIndex cell, Digit digit) override;
    void TagBox(CellIndex cell, BoxNumber tag) override;

    // By cell, digit d in bit d - 1: the digits still possible, in small print in the empty
    // boxes; nullopt shows none.
    using CandidateMasks = std::array<std::uint16_t, CellCount>;
    void ShowCandidates(const std::optional<CandidateMasks> &masks);
    // The step over the boxes: its unit and the boxes it acts on highlighted, the digit it places,
    // the candidates it removes; withEarlier also the digits the path placed before it.
    void ShowStep(const logic::ShownStep &shown, bool withEarlier);
    // The cells highlighted, as where two solutions differ.
    void ShowCells(const std::vector<Cell> &cells);
    void HideStep();
    bool ShowingStep() const { return showingStep_; }

private:
    void Redraw();

    QWidget &window_;
    bool &updating_;
    std::function<void(int)> onChange_;
    std::array<PuzzleBox *, BoxSlots> puz_ {};
    std::array<Label *, BoxSlots> sol_ {};
    std::optional<CandidateMasks> candidates_;
    // By cell: the marks of the step shown, candidates aside.
    std::array<BoxMarks, CellCount> stepMarks_ {};
    bool showingStep_ = false;
};

} // namespace quadrelle
