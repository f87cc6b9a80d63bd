#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include "counter/solution_count.h"
#include "logic/explain.h"
#include "logic/rating.h"
#include "logic/shown_step.h"
#include "solver/commands/step_sentence.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace quadrelle;
using namespace quadrelle::test;

// The status line: the givens counted and rated off the GUI thread as they change.
class StatusLineTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saysWhatTheEngineSays();
    void namesTheRatingOfAUniquePuzzle();
    void noSolution();
    void emptyBoardSaysNothing();
    void newerRequestSupersedesOlder();
    void hintNamesTheNextStepAndChangesNothing();
    void typing81DigitsLosesNone();

private:
    Form1 &form() { return *fixture_->form; }
    MainWindow &window() { return *fixture_->window; }
    std::vector<Message> &shown() { return fixture_->boxes.shown; }

    std::unique_ptr<WindowFixture> fixture_;
};

namespace {

const QString Euler1Solution
    = QStringLiteral("483921657967345821251876493548132976729564138136798245372689514814253769695417382");
// Rated 7.2 on the default scale: its rating takes the worker a while.
const QString Hard
    = QStringLiteral("200050006010000090600801003007090600000703000900080002100000005060902010003060200");

// What the status line should say, from the engine itself.
QString Expected(const QString &line)
{
    const PuzzleAnalyst::Cells cells = CellsOf(line);
    PuzzleVerdict verdict;
    verdict.solutions = CountSolutions(cells).solutions;
    if (verdict.solutions == 1) {
        const Rating rating = RatePuzzle(cells);
        verdict.tenths = rating.tenths;
        verdict.lowerBound = rating.status == Rating::Status::LowerBound;
        verdict.hardest = QString::fromUtf8(rating.hardest.data(), static_cast<qsizetype>(rating.hardest.size()));
    }
    return DescribeVerdict(verdict);
}

void Paste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(Focus(), QKeySequence::Paste);
}

} // namespace

void StatusLineTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void StatusLineTest::cleanup()
{
    fixture_.reset();
}

// Any givens from one solution, from a handful (several solutions) to many (one).
void StatusLineTest::saysWhatTheEngineSays()
{
    QRandomGenerator random(3031);
    for (int round = 0; round < 16; ++round) {
        QString line = Euler1Solution;
        const int keep = 10 + 4 * round;
        for (int p = 0; p < 81; ++p) {
            if (random.bounded(81) >= keep)
                line[p] = QLatin1Char('.');
        }
        Paste(line);
        QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
        const QString expected = Expected(line);
        QTRY_COMPARE_WITH_TIMEOUT(window().StatusText(), expected, 5000);
    }
}

void StatusLineTest::namesTheRatingOfAUniquePuzzle()
{
    Paste(Hard);
    QTRY_VERIFY_WITH_TIMEOUT(window().StatusText().startsWith("One solution"), 5000);
    QVERIFY2(QRegularExpression("^One solution · \\d\\.\\d \\S").match(window().StatusText()).hasMatch(),
        qPrintable(window().StatusText()));
    // Several solutions once a given goes.
    TypeAt(form(), 1, '2');
    Press(Qt::Key_Left);
    Press(Qt::Key_Delete);
    QTRY_COMPARE_WITH_TIMEOUT(window().StatusText(), QStringLiteral("Several solutions"), 5000);
}

void StatusLineTest::noSolution()
{
    // Two 1s in the first row: no keys reach this, but the verdict must not care how it came.
    Plant(form(), "11" + QString(79, QLatin1Char('0')));
    QTRY_COMPARE_WITH_TIMEOUT(window().StatusText(), QStringLiteral("No solution"), 5000);
}

void StatusLineTest::emptyBoardSaysNothing()
{
    TypeAt(form(), 1, '5');
    QTRY_COMPARE_WITH_TIMEOUT(window().StatusText(), QStringLiteral("Several solutions"), 5000);
    Click(form().PushButton1());
    QTRY_VERIFY_WITH_TIMEOUT(window().StatusText().isEmpty(), 5000);
}

void StatusLineTest::newerRequestSupersedesOlder()
{
    PuzzleAnalyst analyst;
    QSignalSpy analysed(&analyst, &PuzzleAnalyst::Analysed);
    analyst.Analyse(CellsOf(Hard));
    analyst.Analyse(CellsOf(QString(81, QLatin1Char('0'))));
    QTRY_COMPARE_WITH_TIMEOUT(analysed.size(), 1, 5000);
    QTest::qWait(200);
    QCOMPARE(analysed.size(), 1);
    QCOMPARE(analysed.front().front().value<PuzzleVerdict>().solutions, 2);
}

void StatusLineTest::hintNamesTheNextStepAndChangesNothing()
{
    Paste(Hard);
    const QString before = PuzzleGridLine(form());
    // The engine's first step from the grid as the window holds it, deductions included.
    const std::optional<logic::ShownStep> step = logic::NextStep(CellsOf(ModelLine(form())), {});
    QVERIFY(step);
    QTest::keySequence(Focus(), QKeySequence(Qt::CTRL | Qt::Key_H));
    QTRY_COMPARE_WITH_TIMEOUT(window().StatusText(), StepSentence(*step), 5000);
    QCOMPARE(PuzzleGridLine(form()), before);
    // Several solutions: no hint, and why.
    Click(form().PushButton1());
    TypeAt(form(), 1, '5');
    QTest::keySequence(Focus(), QKeySequence(Qt::CTRL | Qt::Key_H));
    QTRY_COMPARE_WITH_TIMEOUT(
        window().StatusText(), QStringLiteral("No hint: the puzzle has several solutions."), 5000);
}

// Every keystroke lands while the worker rates the grid behind it.
void StatusLineTest::typing81DigitsLosesNone()
{
    Paste(Hard);
    QTRY_VERIFY_WITH_TIMEOUT(!window().StatusText().isEmpty(), 5000);
    const QString solution
        = QString::fromLatin1("284359176315627894679841523857294631426713958931586742192478365568932417743165289");
    QSignalSpy analysed(&window().Analyst(), &PuzzleAnalyst::Analysed);
    form().txPuz(1).setFocus();
    QElapsedTimer slowest;
    qint64 longest = 0;
    for (const QChar digit : solution) {
        slowest.start();
        QTest::keyClicks(Focus(), QString(digit));
        longest = std::max(longest, slowest.elapsed());
        QCoreApplication::processEvents();
    }
    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
    QCOMPARE(PuzzleGridLine(form()), solution);
    for (int n = 1; n <= 81; ++n)
        QVERIFY2(HasEntryColours(form(), n), qPrintable(QString::number(n)));
    QTRY_COMPARE_WITH_TIMEOUT(window().StatusText(), QStringLiteral("One solution"), 5000);
    qInfo("slowest keystroke: %lld ms; verdicts shown: %lld of 81", longest, static_cast<long long>(analysed.size()));
}

int RunStatusLineTest(int argc, char **argv)
{
    StatusLineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "status_line_test.moc"
