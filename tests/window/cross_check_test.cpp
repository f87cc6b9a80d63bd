#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressBar>

#include <cmath>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

// One line of quadrelle-solve: "<status> <placements> <grid>".
struct BatchAnswer {
    QString status;
    QString grid;
};

struct Puzzle {
    QString name;
    QString line;
    BatchAnswer batch;
};

// Every puzzle line of a collection, as 81 digits.
QStringList ReadCollection(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    QStringList puzzles;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.size() < 81 || line.startsWith(QLatin1Char('#')))
            continue;
        puzzles << line.left(81).replace(QLatin1Char('.'), QLatin1Char('0'));
    }
    return puzzles;
}

std::vector<BatchAnswer> RunBatchSolver(const QStringList &puzzles)
{
    QProcess solver;
    solver.start(QStringLiteral(QUADRELLE_SOLVE), {QStringLiteral("--jobs"), QStringLiteral("2")});
    if (!solver.waitForStarted(10000))
        qFatal("cannot start %s", QUADRELLE_SOLVE);
    solver.write(puzzles.join(QLatin1Char('\n')).toLatin1() + '\n');
    solver.closeWriteChannel();
    if (!solver.waitForFinished(60000) || solver.exitCode() > 1) // 1: some line was invalid
        qFatal("quadrelle-solve failed: %s", solver.readAllStandardError().constData());
    std::vector<BatchAnswer> answers;
    for (const QByteArray &line : solver.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 3)
            answers.push_back({QString::fromLatin1(words[0]), QString::fromLatin1(words[2])});
    }
    if (answers.size() != std::size_t(puzzles.size()))
        qFatal("quadrelle-solve answered %zu of %lld puzzles", answers.size(), qlonglong(puzzles.size()));
    return answers;
}

} // namespace

// Real collections typed into the window key by key and solved with "Start Solving",
// against the batch solver's line for the same puzzle.
class CrossCheckTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowAgreesWithBatchSolver_data();
    void windowAgreesWithBatchSolver();

private:
    Form1 &form() { return *fixture_->form; }
    std::vector<Message> &shown() { return fixture_->boxes.shown; }

    std::vector<Puzzle> puzzles_;
    std::unique_ptr<WindowFixture> fixture_;
};

void CrossCheckTest::initTestCase()
{
    const QString folder = qEnvironmentVariable("QUADRELLE_DATASETS");
    if (folder.isEmpty() || !QFileInfo::exists(folder + QStringLiteral("/magictour_top95.txt")))
        QSKIP(qPrintable(QStringLiteral("the puzzle collections are absent (QUADRELLE_DATASETS='%1')").arg(folder)));
    const QDir dir(folder);

    const auto add = [&](const QString &file, const QStringList &lines, int every) {
        for (int i = 0; i < lines.size(); i += every)
            puzzles_.push_back({QStringLiteral("%1 #%2").arg(file).arg(i + 1), lines[i], {}});
    };
    // A slice: every run repaints the whole window twice, some 20 ms offscreen.
    add(QStringLiteral("top95"), ReadCollection(dir.filePath(QStringLiteral("magictour_top95.txt"))), 2);
    add(QStringLiteral("forum 1106"), ReadCollection(dir.filePath(QStringLiteral("forum_hardest_1106.txt"))), 25);
    // Puzzles with no solution, and others with several.
    add(QStringLiteral("tdoku tests"), ReadCollection(dir.filePath(QStringLiteral("tdoku_test_puzzles.txt"))), 1);
    // Repeated givens and dead cells: refused while they are typed.
    add(QStringLiteral("sudopedia invalid"), ReadCollection(dir.filePath(QStringLiteral("sudopedia_invalid7.txt"))), 1);
    add(QStringLiteral("cap stress"), ReadCollection(dir.filePath(QStringLiteral("cap_stress_7.txt"))).mid(0, 1), 1);

    QStringList lines;
    for (const Puzzle &p : puzzles_)
        lines << p.line;
    const std::vector<BatchAnswer> answers = RunBatchSolver(lines);
    for (std::size_t i = 0; i < puzzles_.size(); ++i)
        puzzles_[i].batch = answers[i];

    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void CrossCheckTest::cleanupTestCase()
{
    fixture_.reset();
}

void CrossCheckTest::windowAgreesWithBatchSolver_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < puzzles_.size(); ++i)
        QTest::newRow(qPrintable(puzzles_[i].name)) << int(i);
}

void CrossCheckTest::windowAgreesWithBatchSolver()
{
    QFETCH(int, index);
    const Puzzle &puzzle = puzzles_[std::size_t(index)];
    Click(form().PushButton1());
    shown().clear();

    TypePuzzle(form(), puzzle.line);
    const QString typed = PuzzleGridLine(form());
    BatchAnswer expected = puzzle.batch;
    if (shown().empty()) {
        for (int p = 0; p < CellCount; ++p) {
            if (DigitAt(puzzle.line, p))
                QCOMPARE(typed.at(p), puzzle.line.at(p));
        }
    } else {
        // A digit refused while typing proves that the givens repeat a digit or have no
        // solution; the window then solves the board it kept, and so must the batch solver.
        QVERIFY2(
            puzzle.batch.status == QStringLiteral("unsolvable") || puzzle.batch.status == QStringLiteral("invalid"),
            qPrintable(puzzle.batch.status));
        for (const Message &m : shown())
            QVERIFY2(m.text == QStringLiteral("Contradiction between cells")
                    || m.text == QStringLiteral("Duplicate value in cell"),
                qPrintable(m.text));
        expected = RunBatchSolver({typed}).front();
    }

    constexpr int earlierBar = 50; // no k / 81 * 100 rounds to it
    form().ProgressBar1().setValue(earlierBar);
    shown().clear();
    Click(form().PushButton2());

    QCOMPARE(shown().size(), std::size_t(1));
    const Message &message = shown().front();
    QString solution = typed;
    int bar = earlierBar;
    if (expected.status == QStringLiteral("solved")) {
        QCOMPARE(message.text, QStringLiteral("Done."));
        QCOMPARE(message.title, form().AppTitle());
        QCOMPARE(message.icon, MessageIcon::None);
        solution = expected.grid;
        bar = 100;
    } else if (expected.status == QStringLiteral("unsolvable")) {
        QCOMPARE(message.text, QStringLiteral("Done scanning but no solution was found."));
        QCOMPARE(message.title, form().AppTitle());
        QCOMPARE(message.icon, MessageIcon::None);
        // The digits of the board up to its first empty cell, then what was copied.
        int k = int(expected.grid.indexOf(QLatin1Char('0')));
        if (k < 0)
            k = 81;
        solution = expected.grid.left(k) + typed.mid(k);
        if (k > 0)
            bar = int(std::lround(k / 81.0 * 100));
        QCOMPARE(PuzzleGridLine(form()), expected.grid);
    } else {
        QCOMPARE(expected.status, QStringLiteral("gave-up"));
        QCOMPARE(message.title, QStringLiteral("Sorry..."));
        QCOMPARE(message.icon, MessageIcon::Question);
        QCOMPARE(PuzzleGridLine(form()), expected.grid);
    }
    QCOMPARE(SolutionGridLine(form()), solution);
    QCOMPARE(form().ProgressBar1().value(), bar);
    QCOMPARE(ModelLine(form()), PuzzleGridLine(form()));
}

int RunCrossCheckTest(int argc, char **argv)
{
    CrossCheckTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cross_check_test.moc"
