#include "board/commands/clear_command.h"
#include "board/grids.h"
#include "grid_lines.h"
#include "model/board.h"
#include "recording_step_runner.h"
#include "solver/commands/solve_command.h"
#include "window_fixture.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>

using namespace quadrelle;
using namespace quadrelle::test;

// Start Solving on nothing but its context, without Form1: a bare widget, the grids, a board
// and a guard that records each failing step instead of showing it.
class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void solveUsesTheWindowOnlyThroughItsContext();
};

namespace {

const QString Euler1
    = QStringLiteral("003020600900305001001806400008102900700000008006708200002609500800203009005010300");
const QString Euler1Solved
    = QStringLiteral("483921657967345821251876493548132976729564138136798245372689514814253769695417382");

struct Bench {
    QWidget window;
    bool updating = false;
    Grids grids {window, updating, {}};
    Board board;
    Search search {board};
    QProgressBar progressBar {&window};
    QPushButton printSolution {&window};
    RecordingStepRunner guard;
    RecordingMessageBoxes boxes;
    QString title = QStringLiteral("Quadrelle Sudoku");

    Bench()
    {
        for (int g = 0; g <= 26; ++g)
            board.CreateGroup(g);
        for (int p = 0; p <= 80; ++p)
            board.CreateCell(p);
        for (int n = 1; n <= 81; ++n) {
            grids.CreatePuzzleBox(n);
            grids.CreateSolutionLabel(n);
        }
    }

    // Digits into the model and the boxes, unchecked.
    void Plant(const QString &puzzle)
    {
        for (int p = 0; p < 81; ++p) {
            const int d = DigitAt(puzzle, p);
            board.Cells(p).SetValue(d);
            grids.txPuz(p + 1).SetText(d ? QString::number(d) : QString());
        }
    }
};

} // namespace

void CommandsTest::solveUsesTheWindowOnlyThroughItsContext()
{
    Bench bench;
    bench.Plant(Euler1);
    bench.printSolution.setEnabled(false);
    std::vector<MousePointer> pointers;
    std::vector<bool> enabledAtEvents;
    std::vector<bool> barDrawnAtEvents;

    SolveCommand({bench.board, bench.search, bench.grids, bench.progressBar, bench.printSolution, bench.window,
        [&](MousePointer pointer) { pointers.push_back(pointer); }, bench.guard, bench.boxes, bench.title,
        [&] {
            enabledAtEvents.push_back(bench.window.isEnabled());
            barDrawnAtEvents.push_back(bench.progressBar.updatesEnabled());
        }});

    QVERIFY(bench.guard.Failures().empty());
    QCOMPARE(bench.boxes.shown.size(), std::size_t(1));
    QCOMPARE(bench.boxes.shown[0].text, QStringLiteral("Done."));
    QCOMPARE(pointers, (std::vector<MousePointer> {MousePointer::Hourglass, MousePointer::Default}));
    // Events run twice, before and after the search, both times with the window disabled.
    QCOMPARE(enabledAtEvents, (std::vector<bool> {false, false}));
    // The bar is not redrawn for each digit shown, but it is by the events after the display.
    QCOMPARE(barDrawnAtEvents, (std::vector<bool> {true, true}));
    QVERIFY(bench.window.isEnabled());
    QVERIFY(bench.printSolution.isEnabled());
    QString solution;
    for (int n = 1; n <= 81; ++n)
        solution += bench.grids.txSol(n).Caption();
    QCOMPARE(solution, Euler1Solved);
}

int RunCommandsTest(int argc, char **argv)
{
    CommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "commands_test.moc"
