#include "board/grids.h"

#include "model/geometry.h"
#include "model/runtime_error.h"

#include <QCoreApplication>

namespace quadrelle {

namespace {

QFont CellFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(15.75);
    font.setBold(true);
    return font;
}

// A box's row and column as the window counts them, from 1. The hidden template, box 0, has no
// cell on the board: it sits in row 1, column 0.
int RowOfBox(int n)
{
    return (n - 1) / 9 + 1;
}
int ColumnOfBox(int n)
{
    return (n - 1) % 9 + 1;
}

template <class Control> Control &Element(const std::array<Control *, BoxSlots> &array, int n)
{
    CheckSubscript(n, 0, LastBox);
    Control *control = array[static_cast<std::size_t>(n)];
    if (!control)
        throw SubscriptOutOfRange();
    return *control;
}

} // namespace

Grids::Grids(QWidget &window, bool &updating, std::function<void(int)> onChange)
    : window_(window), updating_(updating), onChange_(std::move(onChange))
{
    auto *puzzle = new PuzzleBox(0, &window);
    puzzle->setGeometry(10, 48, 40, 40);
    puzzle->setFont(CellFont());
    puzzle->setAlignment(Qt::AlignCenter);
    puzzle->setMaxLength(1);
    puzzle->setCursor(Qt::ArrowCursor);
    puzzle->SetForeColor(colors::DarkRed);
    puzzle->SetBackColor(colors::White);
    // The templates are references only: never shown, never focused, never typed into.
    puzzle->setFocusPolicy(Qt::NoFocus);
    puzzle->setEnabled(false);
    puzzle->hide();
    puz_[0] = puzzle;

    auto *solution = new Label(QStringLiteral("txSol"), 0, &window);
    solution->setGeometry(388, 48, 40, 40);
    solution->setFont(CellFont());
    solution->SetForeColor(colors::WindowText);
    solution->SetBackColor(colors::WindowBackground);
    solution->setEnabled(false);
    solution->hide();
    sol_[0] = solution;
}

PuzzleBox &Grids::txPuz(int n)
{
    return Element(puz_, n);
}
const PuzzleBox &Grids::txPuz(int n) const
{
    return Element(puz_, n);
}
Label &Grids::txSol(int n)
{
    return Element(sol_, n);
}
const Label &Grids::txSol(int n) const
{
    return Element(sol_, n);
}

QRect Grids::PuzzleBoxGeometry(int n)
{
    return QRect(41 * ColumnOfBox(n) - 32, 41 * RowOfBox(n) + 6, 40, 40);
}

QRect Grids::SolutionLabelGeometry(int n)
{
    return QRect(41 * ColumnOfBox(n) + 348, 41 * RowOfBox(n) + 5, 40, 40);
}

void Grids::CreatePuzzleBox(int n)
{
    CheckSubscript(n, FirstBox, LastBox);
    const PuzzleBox &model = txPuz(0);
    auto *box = new PuzzleBox(n, &window_);
    box->CopyLookFrom(model);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setGeometry(PuzzleBoxGeometry(n));
    box->setAccessibleName(
        QCoreApplication::translate("Quadrelle", "Puzzle row %1 column %2").arg(RowOfBox(n)).arg(ColumnOfBox(n)));
    QObject::connect(
        box, &PuzzleBox::MoveFocus, box, [this](int target) { txPuz(target).setFocus(Qt::OtherFocusReason); });
    QObject::connect(box, &PuzzleBox::Change, box, [this](int index) {
        if (onChange_)
            onChange_(index);
    });
    puz_[static_cast<std::size_t>(n)] = box;
    box->show();
}

void Grids::CreateSolutionLabel(int n)
{
    CheckSubscript(n, FirstBox, LastBox);
    const Label &model = txSol(0);
    auto *label = new Label(QStringLiteral("txSol"), n, &window_);
    label->CopyLookFrom(model);
    label->setGeometry(SolutionLabelGeometry(n));
    label->setAccessibleName(
        QCoreApplication::translate("Quadrelle", "Solution row %1 column %2").arg(RowOfBox(n)).arg(ColumnOfBox(n)));
    sol_[static_cast<std::size_t>(n)] = label;
    label->show();
}

void Grids::ShowDeducedDigit(CellIndex cell, Digit digit)
{
    PuzzleBox &box = txPuz(BoxNumber::Of(cell));
    const Label &model = txSol(0);
    updating_ = true;
    box.SetText(QString::number(digit.Value()));
    box.SetForeColor(model.ForeColor());
    box.SetBackColor(model.BackColor());
    updating_ = false;
}

void Grids::TagBox(CellIndex cell, BoxNumber tag)
{
    txPuz(BoxNumber::Of(cell)).SetTag(QString::number(tag.value));
}

} // namespace quadrelle

namespace quadrelle {

void Grids::ShowCandidates(const std::optional<CandidateMasks> &masks)
{
    candidates_ = masks;
    Redraw();
}

void Grids::ShowStep(const logic::ShownStep &shown, bool withEarlier)
{
    stepMarks_ = {};
    if (shown.focus.unit >= 0) {
        for (const int cell : UnitCells(shown.focus.unit))
            stepMarks_[static_cast<std::size_t>(cell)].highlight = BoxMarks::Highlight::Unit;
    }
    shown.focus.causes.ForEach(
        [this](int cell) { stepMarks_[static_cast<std::size_t>(cell)].highlight = BoxMarks::Highlight::Cause; });
    for (const logic::Candidate &c : shown.step.placements) {
        BoxMarks &marks = stepMarks_[static_cast<std::size_t>(c.cell.Index())];
        marks.highlight = BoxMarks::Highlight::Target;
        marks.placed = c.digit.Value();
    }
    for (const logic::Candidate &c : shown.step.eliminations) {
        BoxMarks &marks = stepMarks_[static_cast<std::size_t>(c.cell.Index())];
        marks.highlight = BoxMarks::Highlight::Target;
        marks.removed = static_cast<std::uint16_t>(marks.removed | BitOf(c.digit));
    }
    if (withEarlier) {
        for (std::size_t cell = 0; cell < CellCount; ++cell)
            stepMarks_[cell].earlier = shown.before[cell];
    }
    showingStep_ = true;
    Redraw();
}

void Grids::ShowCells(const std::vector<Cell> &cells)
{
    stepMarks_ = {};
    for (const Cell cell : cells)
        stepMarks_[static_cast<std::size_t>(cell.Index())].highlight = BoxMarks::Highlight::Target;
    showingStep_ = true;
    Redraw();
}

void Grids::HideStep()
{
    if (!showingStep_)
        return;
    stepMarks_ = {};
    showingStep_ = false;
    Redraw();
}

void Grids::Redraw()
{
    for (int n = FirstBox; n <= LastBox; ++n) {
        PuzzleBox *box = puz_[static_cast<std::size_t>(n)];
        if (!box)
            continue;
        const auto cell = static_cast<std::size_t>(n - 1);
        BoxMarks marks = stepMarks_[cell];
        if (candidates_)
            marks.candidates = (*candidates_)[cell];
        box->SetMarks(marks);
    }
}

} // namespace quadrelle
