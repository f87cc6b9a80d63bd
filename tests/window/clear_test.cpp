#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QProgressBar>
#include <QPushButton>

using namespace quadrelle;
using namespace quadrelle::test;

// "Clear" from the states a user leaves the board in, and typing afterwards.
class ClearTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clearEmptiesEverything_data();
    void clearEmptiesEverything();

private:
    Form1 &form() { return *fixture_->form; }
    std::vector<Message> &shown() { return fixture_->boxes.shown; }

    std::unique_ptr<WindowFixture> fixture_;
};

namespace {

// Propagation fills its other cells while it is typed, in the solution colours.
const QString Euler1
    = QStringLiteral("003020600900305001001806400008102900700000008006708200002609500800203009005010300");

} // namespace

void ClearTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void ClearTest::cleanup()
{
    fixture_.reset();
}

void ClearTest::clearEmptiesEverything_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("solved");
    QTest::addColumn<bool>("pasted");
    QTest::newRow("empty board") << false << false << false;
    QTest::newRow("typed, with deductions") << true << false << false;
    QTest::newRow("after a solve run") << true << true << false;
    QTest::newRow("a pasted non-digit") << true << false << true;
}

void ClearTest::clearEmptiesEverything()
{
    QFETCH(bool, typed);
    QFETCH(bool, solved);
    QFETCH(bool, pasted);
    if (typed)
        TypePuzzle(form(), Euler1);
    if (solved)
        Click(form().PushButton2());
    if (pasted) {
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        form().txPuz(3).setFocus();
        form().txPuz(3).paste();
        QCOMPARE(form().txPuz(3).Text(), QStringLiteral("x"));
    }
    form().txPuz(40).setFocus();
    const std::size_t messagesBefore = shown().size();
    const int bar = form().ProgressBar1().value();

    Click(form().PushButton1());

    QCOMPARE(shown().size(), messagesBefore);
    QCOMPARE(ModelLine(form()), QString(81, QLatin1Char('0')));
    for (int n = 1; n <= 81; ++n) {
        const QString where = QStringLiteral("box %1").arg(n);
        QVERIFY2(form().txPuz(n).Text().isEmpty(), qPrintable(where));
        QVERIFY2(HasEntryColours(form(), n), qPrintable(where));
        const Label &label = form().txSol(n);
        QVERIFY2(label.Caption().isEmpty(), qPrintable(where));
        QVERIFY2(label.ForeColor() == form().txSol(0).ForeColor() && label.BackColor() == form().txSol(0).BackColor(),
            qPrintable(where));
    }
    QVERIFY(Tags(form()).isEmpty());
    QVERIFY(!form().PushButton4().isEnabled());
    QVERIFY(IsPuzzleBox(form(), Focus(), 1));
    QCOMPARE(form().ProgressBar1().value(), bar);

    // A fresh board: nothing typed before the Clear is in the way.
    TypePuzzle(form(), Euler1);
    QCOMPARE(shown().size(), messagesBefore);
    QCOMPARE(ModelLine(form()), PuzzleGridLine(form()));
    QCOMPARE(form().txPuz(3).Text(), QStringLiteral("3"));
}

int RunClearTest(int argc, char **argv)
{
    ClearTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "clear_test.moc"
