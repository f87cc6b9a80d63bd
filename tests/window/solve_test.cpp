#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace quadrelle;
using namespace quadrelle::test;

// "Start Solving" pressed on boards typed as a user types them, or planted where no
// keystroke leads: its message, progress bar, solution grid and the window it leaves.
class SolveTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void outcome_data();
    void outcome();
    void deadCellRightAfterGivingUp();

private:
    Form1 &form() { return *fixture_->form; }
    std::vector<Message> &shown() { return fixture_->boxes.shown; }
    // Presses "Start Solving"; checks the window while it runs and the state it is left in.
    void Solve();
    void VerifySolutionLooks(const QString &gridBefore, const std::vector<StoredColor> &foreBefore,
        const std::vector<StoredColor> &backBefore);

    std::unique_ptr<WindowFixture> fixture_;
};

namespace {

const QString Done = QStringLiteral("Done.");
const QString NoSolution = QStringLiteral("Done scanning but no solution was found.");
const QString Empty = QString(81, QLatin1Char('0'));
// The bar's value before each run: one that no run writes (no k gives k / 81 * 100 = 50).
constexpr int EarlierBar = 50;

// Row 1 and row 2 but box 11, whose 5 propagation deduces; then box 19 has no candidate
// left (7 is in its column). Without boxes 4 and 5 the board's first empty cell is box 4.
const QString DeadAfterDeduction
    = QStringLiteral("123456789406789123089000000700000000000000000000000000000000000000000000000000000");
const QString DeductionPastFirstEmpty
    = QStringLiteral("123006789406789123089000000700000000000000000000000000000000000000000000000000000");
// Box 1 sees 2 to 9 in its row and 1 in its column.
const QString DeadInBox1
    = QStringLiteral("023456789000000000000000000100000000000000000000000000000000000000000000000000000");

QString With(QString line, int p, QChar digit)
{
    line[p] = digit;
    return line;
}

} // namespace

void SolveTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void SolveTest::cleanup()
{
    fixture_.reset();
}

void SolveTest::Solve()
{
    const QString gridBefore = PuzzleGridLine(form());
    const QStringList tagsBefore = Tags(form());
    std::vector<StoredColor> fore, back;
    for (int n = 1; n <= 81; ++n) {
        fore.push_back(form().txPuz(n).ForeColor());
        back.push_back(form().txPuz(n).BackColor());
    }
    const std::size_t messagesBefore = shown().size();

    // Runs at the first point where the command lets events through.
    bool probed = false, enabledWhileRunning = true;
    MousePointer pointerWhileRunning = MousePointer::Default;
    std::optional<Qt::CursorShape> screenWhileRunning;
    QString solutionWhileRunning;
    QTimer::singleShot(0, &form(), [&] {
        probed = true;
        enabledWhileRunning = form().isEnabled();
        pointerWhileRunning = form().Pointer();
        if (const QCursor *pointer = QGuiApplication::overrideCursor())
            screenWhileRunning = pointer->shape();
        solutionWhileRunning = SolutionGridLine(form());
    });
    Click(form().PushButton2());

    QVERIFY(probed);
    QVERIFY(!enabledWhileRunning);
    QCOMPARE(pointerWhileRunning, MousePointer::Hourglass);
    // Over the disabled window only the application's override shows the hourglass.
    QCOMPARE(screenWhileRunning, std::optional(Qt::WaitCursor));
    QCOMPARE(solutionWhileRunning, gridBefore);

    QCOMPARE(shown().size(), messagesBefore + 1);
    QCOMPARE(shown().back().screenPointer, std::optional(Qt::WaitCursor));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(ModelLine(form()), PuzzleGridLine(form()));
    const QString &text = shown().back().text;
    const QStringList tagsAfter = Tags(form());
    if (text == NoSolution && tagsAfter == tagsBefore) {
        // A dead cell met by the propagation leaves the tags alone.
    } else {
        QVERIFY2(tagsAfter.isEmpty(), qPrintable(tagsAfter.join(QLatin1Char(' '))));
    }
    QVERIFY(IsPuzzleBox(form(), Focus(), 1));
    QVERIFY(form().isEnabled());
    QCOMPARE(form().Pointer(), MousePointer::Default);
    QCOMPARE(form().cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(form().txPuz(41).cursor().shape(), form().txPuz(0).cursor().shape());
    QVERIFY(form().PushButton4().isEnabled());
    VerifySolutionLooks(gridBefore, fore, back);
}

// Digits that were in the puzzle grid keep their box's colours; all else is in the
// solution template's.
void SolveTest::VerifySolutionLooks(
    const QString &gridBefore, const std::vector<StoredColor> &foreBefore, const std::vector<StoredColor> &backBefore)
{
    const Label &model = form().txSol(0);
    for (int n = 1; n <= 81; ++n) {
        const Label &label = form().txSol(n);
        const bool given = DigitAt(gridBefore, n - 1) != 0;
        const std::size_t i = std::size_t(n - 1);
        const StoredColor fore = given ? foreBefore[i] : model.ForeColor();
        const StoredColor back = given ? backBefore[i] : model.BackColor();
        QVERIFY2(label.ForeColor() == fore && label.BackColor() == back,
            qPrintable(QStringLiteral("solution label %1").arg(n)));
    }
}

void SolveTest::outcome_data()
{
    QTest::addColumn<QString>("puzzle");
    QTest::addColumn<bool>("planted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("puzzleAfter"); // empty: not checked

    const QString firstOfTop95
        = QStringLiteral("400000805030000000000700000020000060000080400000010000000603070500200000104000000");
    const QString euler1
        = QStringLiteral("003020600900305001001806400008102900700000008006708200002609500800203009005010300");
    const QString complete
        = QStringLiteral("123456789456789123789123456231674895875912364694538217317265948542897631968341572");
    const QString refutedBySearch
        = QStringLiteral("100050209007000000060000000200000000000501002000020390304090001500010003000800040");

    QTest::newRow("empty board") << Empty << false << Done << 100 << complete << Empty;
    QTest::newRow("solved by the search")
        << firstOfTop95 << false << Done << 100
        << QStringLiteral("417369825632158947958724316825437169791586432346912758289643571573291684164875293")
        << QString();
    const QString euler1Solution
        = QStringLiteral("483921657967345821251876493548132976729564138136798245372689514814253769695417382");
    QTest::newRow("solved by propagation while typing")
        << euler1 << false << Done << 100 << euler1Solution << euler1Solution;
    QTest::newRow("complete board") << complete << false << Done << 100 << complete << complete;
    QTest::newRow("no solution, refuted by the search")
        << refutedBySearch << false << NoSolution << 1 << refutedBySearch << refutedBySearch;
    QTest::newRow("dead cell in box 1: bar unchanged")
        << DeadInBox1 << true << NoSolution << EarlierBar << DeadInBox1 << DeadInBox1;
    QTest::newRow("dead cell after a deduction")
        << DeadAfterDeduction << true << NoSolution << 22 << With(DeadAfterDeduction, 10, '5')
        << With(DeadAfterDeduction, 10, '5');
    QTest::newRow("deduction past the first empty cell is not shown")
        << DeductionPastFirstEmpty << true << NoSolution << 4 << DeductionPastFirstEmpty
        << With(DeductionPastFirstEmpty, 10, '5');
}

void SolveTest::outcome()
{
    QFETCH(QString, puzzle);
    QFETCH(bool, planted);
    QFETCH(QString, message);
    QFETCH(int, bar);
    QFETCH(QString, solution);
    QFETCH(QString, puzzleAfter);

    if (planted) {
        Plant(form(), puzzle);
        form().txPuz(50).SetTag(QStringLiteral("7"));
    } else {
        TypePuzzle(form(), puzzle);
        QVERIFY(shown().empty());
    }
    form().ProgressBar1().setValue(EarlierBar);

    Solve();
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(shown().back().text, message);
    QCOMPARE(shown().back().title, form().AppTitle());
    QCOMPARE(shown().back().icon, MessageIcon::None);
    QCOMPARE(form().ProgressBar1().value(), bar);
    QCOMPARE(SolutionGridLine(form()), solution);
    if (!puzzleAfter.isEmpty())
        QCOMPARE(PuzzleGridLine(form()), puzzleAfter);
    if (planted)
        QCOMPARE(Tags(form()), QStringList {QStringLiteral("50:7")});
}

void SolveTest::deadCellRightAfterGivingUp()
{
    const QString needsTooMany
        = QStringLiteral("000000000000000012003004005000003600000070000020000080007800000080120000400000007");
    TypePuzzle(form(), needsTooMany);
    QVERIFY(shown().empty());
    const QString typed = PuzzleGridLine(form());
    form().ProgressBar1().setValue(EarlierBar);

    Solve();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(shown().back().text,
        QStringLiteral("Could not find a solution within reasonable\r\n"
                       "time -- and I'm pretty sure there is none."));
    QCOMPARE(shown().back().title, QStringLiteral("Sorry..."));
    QCOMPARE(shown().back().icon, MessageIcon::Question);
    QCOMPARE(form().ProgressBar1().value(), EarlierBar);
    QCOMPARE(SolutionGridLine(form()), typed);

    // The next puzzle has a dead cell: the search does not run, and nothing of the
    // earlier run may make this one look like another give-up.
    Click(form().PushButton1());
    Plant(form(), DeadAfterDeduction);
    Solve();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(shown().back().text, NoSolution);
    QCOMPARE(shown().back().title, form().AppTitle());
    QCOMPARE(shown().back().icon, MessageIcon::None);
    QCOMPARE(form().ProgressBar1().value(), 22);
    QCOMPARE(SolutionGridLine(form()), With(DeadAfterDeduction, 10, '5'));
}

int RunSolveTest(int argc, char **argv)
{
    SolveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "solve_test.moc"
