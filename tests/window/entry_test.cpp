#include "grid_lines.h"
#include "keys.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QRandomGenerator>

#include <algorithm>

using namespace quadrelle;
using namespace quadrelle::test;

// Typing into the puzzle grid: refusals, take-backs, deductions and the focus, on a fresh
// window for every case.
class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void duplicateIsRefused_data();
    void duplicateIsRefused();
    void contradictionTakesBackTheEntry();
    void acceptedDigitMovesFocusOn_data();
    void acceptedDigitMovesFocusOn();
    void forcedDigitIsFilledAndTagged();
    void deleteEmptiesTheCell_data();
    void deleteEmptiesTheCell();
    void sameDigitOverItselfIsANewEntry_data();
    void sameDigitOverItselfIsANewEntry();
    void typingAWholeGridEntersEveryDigit_data();
    void typingAWholeGridEntersEveryDigit();
    void pastedNonDigitCountsAsEmpty_data();
    void pastedNonDigitCountsAsEmpty();
    void randomKeysKeepModelAndGridInStep_data();
    void randomKeysKeepModelAndGridInStep();

private:
    Form1 &form() { return *fixture_->form; }
    std::vector<Message> &shown() { return fixture_->boxes.shown; }
    void VerifyRefusal(const QString &text);
    // Row 1 typed but for box 5; the last digit, 9 in box 9, forces 5 into box 5.
    void TypeRowForcingBox5();

    std::unique_ptr<WindowFixture> fixture_;
};

void EntryTest::init()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void EntryTest::cleanup()
{
    fixture_.reset();
}

void EntryTest::VerifyRefusal(const QString &text)
{
    QCOMPARE(shown().size(), std::size_t(1));
    QCOMPARE(shown()[0].text, text);
    QCOMPARE(shown()[0].title, form().AppTitle());
    QCOMPARE(shown()[0].icon, MessageIcon::None);
}

void EntryTest::TypeRowForcingBox5()
{
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9})
        TypeAt(form(), n, QChar('0' + n));
}

void EntryTest::duplicateIsRefused_data()
{
    QTest::addColumn<int>("otherBox");
    QTest::addColumn<int>("earlierDigit"); // already in box 1 before the 5 is typed
    QTest::newRow("same row") << 9 << 0;
    QTest::newRow("same column") << 73 << 0;
    QTest::newRow("same box") << 21 << 0;
    QTest::newRow("over an earlier digit") << 9 << 3;
}

void EntryTest::duplicateIsRefused()
{
    QFETCH(int, otherBox);
    QFETCH(int, earlierDigit);
    TypeAt(form(), otherBox, '5');
    if (earlierDigit)
        TypeAt(form(), 1, QChar('0' + earlierDigit));
    QVERIFY(shown().empty());

    TypeAt(form(), 1, '5');

    VerifyRefusal(QStringLiteral("Duplicate value in cell"));
    QCOMPARE(form().txPuz(1).Text(), QString());
    QCOMPARE(form().board().Cells(0).Value(), 0);
    QVERIFY(HasEntryColours(form(), 1));
    QVERIFY(IsPuzzleBox(form(), Focus(), 1));
    QCOMPARE(ModelLine(form()), PuzzleGridLine(form()));
    if (earlierDigit) {
        // Free again in its row, column and box.
        QVERIFY(form().board().CanPlace(1, earlierDigit));
        QVERIFY(form().board().CanPlace(27, earlierDigit));
        QVERIFY(form().board().CanPlace(19, earlierDigit));
    }
}

void EntryTest::contradictionTakesBackTheEntry()
{
    // Typed in reading order, box 81 forces 4 into box 45. Then 1 in box 35 forces box 36
    // and box 52, after which box 53 has no candidate left.
    const QString givens
        = QStringLiteral("103000009006000000700100000000600800005910360690000007000000040000090000060000002");
    const QString before
        = QStringLiteral("103000009006000000700100000000600800005910364690000007000000040000090000060000002");
    TypePuzzle(form(), givens);
    QVERIFY(shown().empty());
    QCOMPARE(PuzzleGridLine(form()), before);
    QCOMPARE(Tags(form()), QStringList {QStringLiteral("45:81")});

    TypeAt(form(), 35, '1');

    VerifyRefusal(QStringLiteral("Contradiction between cells"));
    QCOMPARE(ModelLine(form()), before);
    QCOMPARE(PuzzleGridLine(form()), before);
    for (int n : {35, 36, 52}) {
        QCOMPARE(form().txPuz(n).Text(), QString());
        QVERIFY2(HasEntryColours(form(), n), qPrintable(QStringLiteral("box %1").arg(n)));
    }
    QCOMPARE(Tags(form()), QStringList {QStringLiteral("45:81")});
    QVERIFY(HasSolutionColours(form(), 45));
    QVERIFY(IsPuzzleBox(form(), Focus(), 36));
}

void EntryTest::acceptedDigitMovesFocusOn_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("next");
    QTest::newRow("box 1") << 1 << 2;
    QTest::newRow("end of a row") << 9 << 10;
    QTest::newRow("box 81 wraps to box 1") << 81 << 1;
}

void EntryTest::acceptedDigitMovesFocusOn()
{
    QFETCH(int, box);
    QFETCH(int, next);
    TypeAt(form(), box, '7');
    QVERIFY(shown().empty());
    QCOMPARE(form().board().Cells(box - 1).Value(), 7);
    QVERIFY(IsPuzzleBox(form(), Focus(), next));
}

void EntryTest::forcedDigitIsFilledAndTagged()
{
    TypeRowForcingBox5();
    QVERIFY(shown().empty());
    QCOMPARE(form().txPuz(5).Text(), QStringLiteral("5"));
    QCOMPARE(form().board().Cells(4).Value(), 5);
    QVERIFY(HasSolutionColours(form(), 5));
    QCOMPARE(Tags(form()), QStringList {QStringLiteral("5:9")});
    QVERIFY(HasEntryColours(form(), 9));
    QVERIFY(IsPuzzleBox(form(), Focus(), 10));
}

void EntryTest::deleteEmptiesTheCell_data()
{
    QTest::addColumn<int>("box");
    QTest::newRow("typed digit; its deduction stays") << 9;
    QTest::newRow("deduced digit") << 5;
}

void EntryTest::deleteEmptiesTheCell()
{
    QFETCH(int, box);
    TypeRowForcingBox5();
    form().txPuz(box).setFocus();
    Press(Qt::Key_Delete);

    QVERIFY(shown().empty());
    QCOMPARE(form().txPuz(box).Text(), QString());
    QCOMPARE(form().board().Cells(box - 1).Value(), 0);
    QVERIFY(HasEntryColours(form(), box));
    QVERIFY(IsPuzzleBox(form(), Focus(), box));
    QCOMPARE(ModelLine(form()), PuzzleGridLine(form()));
    if (box == 9) {
        QCOMPARE(form().txPuz(5).Text(), QStringLiteral("5"));
        QCOMPARE(Tags(form()), QStringList {QStringLiteral("5:9")});
    }
}

void EntryTest::sameDigitOverItselfIsANewEntry_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("deduced");
    QTest::newRow("typed") << 3 << false;
    QTest::newRow("deduced") << 5 << true;
}

void EntryTest::sameDigitOverItselfIsANewEntry()
{
    // Typing on through a digit the propagation put there moves on with it, as any entry does.
    QFETCH(int, box);
    QFETCH(bool, deduced);
    TypeRowForcingBox5();
    const QString model = ModelLine(form());

    TypeAt(form(), box, QChar('0' + box));

    QVERIFY(shown().empty());
    QCOMPARE(form().txPuz(box).Text(), QString::number(box));
    QCOMPARE(ModelLine(form()), model);
    QVERIFY(IsPuzzleBox(form(), Focus(), box + 1));
    QVERIFY(HasEntryColours(form(), box));
    QCOMPARE(Tags(form()), deduced ? QStringList {} : QStringList {QStringLiteral("5:9")});
}

void EntryTest::typingAWholeGridEntersEveryDigit_data()
{
    QTest::addColumn<QString>("grid");
    QTest::newRow("the empty board's solution")
        << QStringLiteral("123456789456789123789123456231674895875912364694538217317265948542897631968341572");
    QTest::newRow("a solved classic") << QStringLiteral(
        "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
}

void EntryTest::typingAWholeGridEntersEveryDigit()
{
    // Each key goes wherever the focus is when it arrives, as when a person types fast.
    QFETCH(QString, grid);
    Click(form().PushButton1());
    QTest::mouseClick(&form().txPuz(1), Qt::LeftButton);
    QTest::keyClicks(static_cast<QWidget *>(nullptr), grid.left(8));
    // The forced 9 landed where the focus went: selected, so the next digit replaces it.
    QVERIFY(IsPuzzleBox(form(), Focus(), 9));
    QCOMPARE(form().txPuz(9).selectedText(), grid.mid(8, 1));
    QTest::keyClicks(static_cast<QWidget *>(nullptr), grid.mid(8));

    QVERIFY2(shown().empty(), qPrintable(MessageTexts(shown())));
    QCOMPARE(PuzzleGridLine(form()), grid);
    QCOMPARE(ModelLine(form()), grid);
    for (int n = 1; n <= 81; ++n)
        QVERIFY2(HasEntryColours(form(), n), qPrintable(QStringLiteral("box %1").arg(n)));
    QVERIFY(IsPuzzleBox(form(), Focus(), 1));
}

void EntryTest::pastedNonDigitCountsAsEmpty_data()
{
    QTest::addColumn<int>("box");
    QTest::newRow("over a digit") << 9;
    QTest::newRow("into an empty box") << 20;
}

void EntryTest::pastedNonDigitCountsAsEmpty()
{
    QFETCH(int, box);
    TypeRowForcingBox5();
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    form().txPuz(box).setFocus();
    form().txPuz(box).paste(); // what the context menu's Paste does

    QVERIFY(shown().empty());
    QCOMPARE(form().txPuz(box).Text(), QStringLiteral("x"));
    QCOMPARE(form().board().Cells(box - 1).Value(), 0);
    QVERIFY(HasEntryColours(form(), box));
    QCOMPARE(ModelLine(form()), PuzzleGridLine(form()));
    QVERIFY(form().board().CanPlace(box - 1, 9));
}

void EntryTest::randomKeysKeepModelAndGridInStep_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {2u, 3u, 4u, 5u})
        QTest::addRow("seed %u", seed) << seed;
}

void EntryTest::randomKeysKeepModelAndGridInStep()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    const QStringList expected {QStringLiteral("Duplicate value in cell"),
        QStringLiteral("Contradiction between cells"), QStringLiteral("Done."),
        QStringLiteral("Done scanning but no solution was found.")};
    int digits = 0;
    for (int step = 0; step < 300; ++step) {
        const int roll = random.bounded(100);
        QString key;
        if (roll < 60) {
            key = QString::number(random.bounded(1, 10));
            QTest::keyClicks(Focus(), key);
            ++digits;
        } else if (roll < 90) {
            const Qt::Key arrow = arrows[random.bounded(4)];
            key = QStringLiteral("arrow %1").arg(arrow);
            Press(arrow);
        } else if (roll < 97) {
            key = QStringLiteral("Delete");
            Press(Qt::Key_Delete);
        } else if (roll < 99) {
            key = QStringLiteral("Start Solving");
            Click(form().PushButton2());
        } else {
            key = QStringLiteral("Clear");
            Click(form().PushButton1());
        }
        const QString where = QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(key);
        QVERIFY2(ModelLine(form()) == PuzzleGridLine(form()),
            qPrintable(where + QStringLiteral(": model ") + ModelLine(form()) + QStringLiteral(" grid ")
                + PuzzleGridLine(form())));
        const QString repeated = RepeatedDigit(form());
        QVERIFY2(repeated.isEmpty(), qPrintable(where + QStringLiteral(": ") + repeated));
        QVERIFY2(qobject_cast<PuzzleBox *>(Focus()) && static_cast<PuzzleBox *>(Focus())->Index() >= 1,
            qPrintable(where + QStringLiteral(": focus left the puzzle grid")));
        for (const Message &m : shown()) {
            QVERIFY2((expected.contains(m.text) && m.title == form().AppTitle() && m.icon == MessageIcon::None)
                    || m.title == QStringLiteral("Sorry..."),
                qPrintable(where + QStringLiteral(": unexpected message ") + m.text));
        }
    }
    QVERIFY(digits > 100);
    // Each seed reaches a take-back at least once.
    QVERIFY(std::any_of(shown().begin(), shown().end(), [&](const Message &m) { return m.text == expected[1]; }));
}

int RunEntryTest(int argc, char **argv)
{
    EntryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "entry_test.moc"
