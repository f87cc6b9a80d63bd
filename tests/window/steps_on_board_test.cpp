#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include "counter/solution_count.h"
#include "logic/geometry.h"
#include "model/geometry.h"
#include "logic/ladder.h"
#include "logic/shown_step.h"
#include "shell/explain_panel.h"
#include "solver/commands/step_sentence.h"

#include <QAction>
#include <QClipboard>
#include <QListWidget>
#include <QRegularExpression>
#include <QTranslator>

#include <set>

using namespace quadrelle;
using namespace quadrelle::test;

// Hints, candidates, the explained path and Check, drawn over the puzzle boxes at the user's
// asking, driven by their keys.
class StepsOnBoardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hintIsShownThenAppliedBySecondAsking();
    void hintsAskedAndAppliedOverAndOverSolveThePuzzle();
    void anEditHidesTheHint();
    void candidatesFollowTheBoard();
    void explainListsThePathAndShowsTheChosenStep();
    void checkShowsWhereTwoSolutionsDiffer();
    void techniqueNamesAreTranslated();

private:
    Form1 &form() { return *fixture_->form; }
    MainWindow &window() { return *fixture_->window; }
    std::vector<Message> &shown() { return fixture_->boxes.shown; }

    std::unique_ptr<WindowFixture> fixture_;
};

namespace {

// Rated 2.6: singles, then a pointing step that only removes candidates.
const QString Pointing
    = QStringLiteral("100920000524010000000000070050008102000000000402700090060000000000030945000071006");
// Rated 3.2, with an X-Wing.
const QString XWing
    = QStringLiteral("043080250600000000000001094900004070000608000010200003820500000000000005034090710");

void Paste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(Focus(), QKeySequence::Paste);
}

void Keys(QKeyCombination key)
{
    QTest::keySequence(Focus(), QKeySequence(key));
}

const BoxMarks &MarksOf(Form1 &form, int cell)
{
    return form.txPuz(cell + 1).Marks();
}

// The cells (0..80) whose boxes are highlighted.
std::set<int> Highlighted(Form1 &form)
{
    std::set<int> cells;
    for (int cell = 0; cell < 81; ++cell)
        if (MarksOf(form, cell).highlight != BoxMarks::Highlight::None)
            cells.insert(cell);
    return cells;
}

bool NoStepMarks(Form1 &form)
{
    for (int cell = 0; cell < 81; ++cell) {
        BoxMarks marks = MarksOf(form, cell);
        marks.candidates = 0;
        if (marks != BoxMarks {})
            return false;
    }
    return true;
}

// Every box shows what the step places, removes and looks at, and no other box is marked.
void CheckStepOnBoard(Form1 &form, const logic::ShownStep &step)
{
    std::set<int> expected;
    if (step.focus.unit >= 0)
        expected.insert(
            UnitCells(step.focus.unit).begin(), UnitCells(step.focus.unit).end());
    step.focus.causes.ForEach([&](int cell) { expected.insert(cell); });
    for (const logic::Candidate &c : step.step.placements) {
        QCOMPARE(MarksOf(form, c.cell.Index()).placed, c.digit.Value());
        QCOMPARE(MarksOf(form, c.cell.Index()).highlight, BoxMarks::Highlight::Target);
        expected.insert(c.cell.Index());
    }
    for (const logic::Candidate &c : step.step.eliminations) {
        QVERIFY(MarksOf(form, c.cell.Index()).removed & BitOf(c.digit));
        QCOMPARE(MarksOf(form, c.cell.Index()).highlight, BoxMarks::Highlight::Target);
        expected.insert(c.cell.Index());
    }
    QVERIFY(Highlighted(form) == expected);
}

// Each empty box offers exactly the digits its row, column and box leave, less `struck`.
void CheckCandidates(Form1 &form, const std::vector<logic::Candidate> &struck = {})
{
    for (int cell = 0; cell < 81; ++cell) {
        const int value = form.board().Cells(cell).Value();
        std::uint16_t expected = value ? 0 : static_cast<std::uint16_t>(form.board().Cells(cell).CandidateMask());
        for (const logic::Candidate &c : struck)
            if (c.cell.Index() == cell)
                expected = static_cast<std::uint16_t>(expected & ~BitOf(c.digit));
        QVERIFY2(MarksOf(form, cell).candidates == expected, qPrintable(QString::number(cell)));
    }
}

} // namespace

void StepsOnBoardTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void StepsOnBoardTest::cleanup()
{
    fixture_.reset();
}

void StepsOnBoardTest::hintIsShownThenAppliedBySecondAsking()
{
    Paste(XWing);
    const QString before = PuzzleGridLine(form());
    const std::optional<logic::ShownStep> expected = logic::NextStep(CellsOf(ModelLine(form())), {});
    QVERIFY(expected && !expected->step.placements.empty());
    Keys(Qt::CTRL | Qt::Key_H);
    QTRY_VERIFY_WITH_TIMEOUT(form().grids().ShowingStep(), 5000);
    QCOMPARE(window().StatusText(), StepSentence(*expected));
    QVERIFY2(QRegularExpression("^(Hidden single in (box|row|column) \\d|Naked single): r\\dc\\d can only be \\d$")
                 .match(window().StatusText())
                 .hasMatch(),
        qPrintable(window().StatusText()));
    CheckStepOnBoard(form(), *expected);
    QCOMPARE(PuzzleGridLine(form()), before);

    Keys(Qt::CTRL | Qt::Key_H);
    const logic::Candidate placed = expected->step.placements.front();
    QCOMPARE(PuzzleGridLine(form()).at(placed.cell.Index()), QChar(placed.digit.Character()));
    // Typed as a key types it: an entry, not a deduction.
    QVERIFY(HasEntryColours(form(), placed.cell.Index() + 1));
    QVERIFY(NoStepMarks(form()));
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
}

// Struck candidates feed the next hint: without them an elimination would be offered for ever.
void StepsOnBoardTest::hintsAskedAndAppliedOverAndOverSolveThePuzzle()
{
    Paste(XWing);
    Keys(Qt::CTRL | Qt::Key_M);
    QVERIFY(window().ShowCandidatesAction().isChecked());
    const SolutionCount count = CountSolutions(CellsOf(XWing));
    int strikes = 0;
    for (int asked = 0; asked < 81 && PuzzleGridLine(form()).contains(QLatin1Char('0')); ++asked) {
        Keys(Qt::CTRL | Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(form().grids().ShowingStep(), 5000);
        std::vector<logic::Candidate> removed;
        bool placesNothing = true;
        for (int cell = 0; cell < 81; ++cell) {
            placesNothing = placesNothing && MarksOf(form(), cell).placed == 0;
            for (const Digit digit : EveryDigit)
                if (MarksOf(form(), cell).removed & BitOf(digit))
                    removed.emplace_back(Cell(cell), digit);
        }
        Keys(Qt::CTRL | Qt::Key_H);
        QVERIFY(!form().grids().ShowingStep());
        if (!placesNothing)
            continue;
        ++strikes;
        for (const logic::Candidate &c : removed)
            QVERIFY(!(MarksOf(form(), c.cell.Index()).candidates & BitOf(c.digit)));
    }
    QCOMPARE(PuzzleGridLine(form()), QString::fromLatin1(count.first.data(), 81));
    QVERIFY(strikes > 0);
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
}

void StepsOnBoardTest::anEditHidesTheHint()
{
    Paste(Pointing);
    Keys(Qt::CTRL | Qt::Key_H);
    QTRY_VERIFY_WITH_TIMEOUT(form().grids().ShowingStep(), 5000);
    const std::set<int> hinted = Highlighted(form());
    // A correct digit in a box the hint does not touch.
    const SolutionCount count = CountSolutions(CellsOf(Pointing));
    const QString line = PuzzleGridLine(form());
    int cell = 0;
    while (line.at(cell) != QLatin1Char('0') || hinted.count(cell))
        ++cell;
    TypeAt(form(), cell + 1, QLatin1Char(count.first[cell]));
    QVERIFY(NoStepMarks(form()));
    const QString typed = PuzzleGridLine(form());
    // Asking again shows a hint anew rather than applying the hidden one.
    Keys(Qt::CTRL | Qt::Key_H);
    QTRY_VERIFY_WITH_TIMEOUT(form().grids().ShowingStep(), 5000);
    QCOMPARE(PuzzleGridLine(form()), typed);
}

void StepsOnBoardTest::candidatesFollowTheBoard()
{
    Paste(Pointing);
    QVERIFY(!window().ShowCandidatesAction().isChecked());
    QVERIFY(window().ShowCandidatesAction().isCheckable());
    int empty = 0;
    while (PuzzleGridLine(form()).at(empty) != QLatin1Char('0'))
        ++empty;
    PuzzleBox &box = form().txPuz(empty + 1);
    const QImage plain = box.grab().toImage();
    for (int cell = 0; cell < 81; ++cell)
        QCOMPARE(MarksOf(form(), cell).candidates, 0);

    Keys(Qt::CTRL | Qt::Key_M);
    QVERIFY(window().ShowCandidatesAction().isChecked());
    CheckCandidates(form());
    QVERIFY(box.grab().toImage() != plain);
    // A digit typed takes its candidates from its row, column and box at once.
    const SolutionCount count = CountSolutions(CellsOf(Pointing));
    TypeAt(form(), empty + 1, QLatin1Char(count.first[empty]));
    QTRY_VERIFY_WITH_TIMEOUT(MarksOf(form(), empty).candidates == 0, 2000);
    CheckCandidates(form());

    Keys(Qt::CTRL | Qt::Key_M);
    for (int cell = 0; cell < 81; ++cell)
        QCOMPARE(MarksOf(form(), cell).candidates, 0);
}

void StepsOnBoardTest::explainListsThePathAndShowsTheChosenStep()
{
    Paste(Pointing);
    const std::vector<logic::ShownStep> path = logic::StepsToSolve(CellsOf(ModelLine(form())));
    QVERIFY(path.size() > 3);
    Keys(Qt::CTRL | Qt::Key_E);
    ExplainPanel *panel = window().Explanation();
    QVERIFY(panel && panel->isVisible());
    QVERIFY(!panel->isModal());
    QListWidget &list = panel->List();
    QTRY_COMPARE_WITH_TIMEOUT(list.count(), static_cast<int>(path.size()), 5000);
    for (std::size_t i = 0; i < path.size(); ++i)
        QVERIFY2(list.item(static_cast<int>(i))->text().contains(StepSentence(path[i])), qPrintable(QString::number(i)));

    // The keyboard walks the list; each row it reaches is drawn, with the digits placed before it.
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    const int row = list.currentRow();
    QVERIFY(row >= 1);
    const logic::ShownStep &step = path[static_cast<std::size_t>(row)];
    CheckStepOnBoard(form(), step);
    QCOMPARE(window().StatusText(), StepSentence(step));
    const logic::Candidate earlier = path.front().step.placements.front();
    QCOMPARE(MarksOf(form(), earlier.cell.Index()).earlier, earlier.digit.Value());

    panel->close();
    QVERIFY(NoStepMarks(form()));
    window().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &window());
    form().txPuz(1).setFocus();
    // Steps worked out for another board are not offered.
    Keys(Qt::CTRL | Qt::Key_E);
    QTRY_COMPARE_WITH_TIMEOUT(list.count(), static_cast<int>(path.size()), 5000);
    const SolutionCount count = CountSolutions(CellsOf(Pointing));
    window().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &window());
    TypeAt(form(), earlier.cell.Index() + 1, QLatin1Char(count.first[earlier.cell.Index()]));
    QCOMPARE(list.count(), 0);
    QVERIFY2(panel->Note().contains("changed"), qPrintable(panel->Note()));
}

void StepsOnBoardTest::checkShowsWhereTwoSolutionsDiffer()
{
    Paste(Pointing);
    QVERIFY(!window().CheckAction().isEnabled());
    // Without its first given the puzzle has several solutions.
    form().txPuz(1).setFocus();
    Press(Qt::Key_Delete);
    QTRY_VERIFY_WITH_TIMEOUT(window().CheckAction().isEnabled(), 5000);
    const SolutionCount count = CountSolutions(CellsOf(PuzzleGridLine(form())));
    QCOMPARE(count.solutions, 2);
    std::set<int> differ;
    for (int cell = 0; cell < 81; ++cell)
        if (count.first[cell] != count.second[cell])
            differ.insert(cell);
    Keys(Qt::CTRL | Qt::Key_K);
    QVERIFY(Highlighted(form()) == differ);
    // Two solutions of one set of givens differ in four boxes at the least.
    QVERIFY(differ.size() >= 4);
    QVERIFY2(window().StatusText().startsWith(QStringLiteral("Two solutions differ in %1 boxes").arg(differ.size())),
        qPrintable(window().StatusText()));
    TypeAt(form(), 1, QLatin1Char('1'));
    QVERIFY(Highlighted(form()).empty());
    QVERIFY(!window().CheckAction().isEnabled());
}

// The rungs' names, and the names their steps take instead, as a path of chains shows them.
void StepsOnBoardTest::techniqueNamesAreTranslated()
{
    std::set<std::string> names;
    for (const Scale scale : {Scale::SudokuExplainer, Scale::SukakuExplainer})
        for (const logic::Rung &rung : logic::Ladder(scale))
            names.insert(std::string(rung.name));
    const QString chains
        = QStringLiteral("200050006010000090600801003007090600000703000900080002100000005060902010003060200");
    for (const logic::ShownStep &step : logic::StepsToSolve(CellsOf(chains)))
        names.insert(std::string(step.step.technique));
    QVERIFY(names.count("X-Chain") + names.count("Forcing Chain") > 0);
    for (const char *language : {"de", "fr"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/quadrelle_%1.qm").arg(language)));
        for (const std::string &name : names)
            QVERIFY2(!translator.translate("Quadrelle", name.c_str()).isEmpty(), name.c_str());
    }
}

int RunStepsTest(int argc, char **argv)
{
    StepsOnBoardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "steps_on_board_test.moc"
