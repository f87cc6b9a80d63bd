#include "keys.h"
#include "window_fixture.h"

#include <QClipboard>

using namespace quadrelle;
using namespace quadrelle::test;

// Keys, focus and selection in the puzzle grid, and the grid's two writes for the solver.
class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void arrowsMoveWithWrapAround_data();
    void arrowsMoveWithWrapAround();
    void onlyDigitsGetIn_data();
    void onlyDigitsGetIn();
    void editingKeysDoNothing_data();
    void editingKeysDoNothing();
    void deleteEmptiesTheBox();
    void escapePassesOn();
    void focusSelectsTheDigit();
    void clickSelectsTheDigit();
    void typedDigitSurvivesAnotherEntrysTakeBack();
    void contextMenuPasteIsNotFiltered();
    void deducedDigitIsWrittenUnderUpdating();

private:
    std::unique_ptr<WindowFixture> fixture_;
};

void KeyboardTest::initTestCase()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void KeyboardTest::cleanupTestCase()
{
    fixture_.reset();
}

void KeyboardTest::init()
{
    Form1 &form = *fixture_->form;
    for (int n = 1; n <= 81; ++n)
        form.txPuz(n).SetText(QString());
}

void KeyboardTest::arrowsMoveWithWrapAround_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    QTest::newRow("left in box 1 -> 81") << 1 << int(Qt::Key_Left) << 0 << 81;
    QTest::newRow("right in box 81 -> 1") << 81 << int(Qt::Key_Right) << 0 << 1;
    QTest::newRow("left in box 10 -> end of row above") << 10 << int(Qt::Key_Left) << 0 << 9;
    QTest::newRow("right in box 9 -> start of row below") << 9 << int(Qt::Key_Right) << 0 << 10;
    QTest::newRow("up in box 5 -> bottom row") << 5 << int(Qt::Key_Up) << 0 << 77;
    QTest::newRow("down in box 77 -> top row") << 77 << int(Qt::Key_Down) << 0 << 5;
    QTest::newRow("up in box 41") << 41 << int(Qt::Key_Up) << 0 << 32;
    QTest::newRow("down in box 41") << 41 << int(Qt::Key_Down) << 0 << 50;
    QTest::newRow("shift+right moves like right") << 40 << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 41;
    QTest::newRow("ctrl+left moves like left") << 40 << int(Qt::Key_Left) << int(Qt::ControlModifier) << 39;
}

void KeyboardTest::arrowsMoveWithWrapAround()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    Form1 &form = *fixture_->form;
    form.txPuz(from).setFocus();
    Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(Focus(), static_cast<QWidget *>(&form.txPuz(to)));
}

void KeyboardTest::onlyDigitsGetIn_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digit") << "7" << 0 << "7";
    QTest::newRow("one and nine") << "1" << 0 << "1";
    QTest::newRow("nine") << "9" << 0 << "9";
    QTest::newRow("zero") << "0" << 0 << "";
    QTest::newRow("letter") << "a" << 0 << "";
    QTest::newRow("space") << " " << 0 << "";
    QTest::newRow("punctuation") << "." << 0 << "";
    // Chords are no entries.
    QTest::newRow("Alt+6") << "6" << int(Qt::AltModifier) << "";
    QTest::newRow("Super+6") << "6" << int(Qt::MetaModifier) << "";
    QTest::newRow("Ctrl+6") << "6" << int(Qt::ControlModifier) << "";
    QTest::newRow("keypad 6") << "6" << int(Qt::KeypadModifier) << "6";
    QTest::newRow("Shift+6, a digit on some layouts") << "6" << int(Qt::ShiftModifier) << "6";
}

void KeyboardTest::onlyDigitsGetIn()
{
    QFETCH(QString, typed);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    Form1 &form = *fixture_->form;
    form.txPuz(20).setFocus();
    QTest::keyClicks(Focus(), typed, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(form.txPuz(20).Text(), shown);
    QCOMPARE(form.board().Cells(19).Value(), shown.isEmpty() ? 0 : shown.toInt());
}

void KeyboardTest::clickSelectsTheDigit()
{
    // However the focus arrives, also by a click right of the digit, the next digit replaces it.
    Form1 &form = *fixture_->form;
    form.txPuz(1).setFocus();
    QTest::keyClicks(Focus(), "5");
    QCOMPARE(form.txPuz(1).Text(), QStringLiteral("5"));
    QTest::mouseClick(&form.txPuz(1), Qt::LeftButton, Qt::NoModifier, QPoint(36, 20));
    QCOMPARE(Focus(), static_cast<QWidget *>(&form.txPuz(1)));
    QCOMPARE(form.txPuz(1).selectedText(), QStringLiteral("5"));
    QTest::keyClicks(Focus(), "7");
    QCOMPARE(form.txPuz(1).Text(), QStringLiteral("7"));
    // Into another box from elsewhere.
    form.txPuz(40).setFocus();
    QTest::mouseClick(&form.txPuz(2), Qt::LeftButton, Qt::NoModifier, QPoint(4, 20));
    QTest::keyClicks(Focus(), "3");
    QTest::mouseClick(&form.txPuz(2), Qt::LeftButton, Qt::NoModifier, QPoint(36, 20));
    QTest::keyClicks(Focus(), "4");
    QCOMPARE(form.txPuz(2).Text(), QStringLiteral("4"));
    QCOMPARE(form.board().Cells(1).Value(), 4);
}

void KeyboardTest::typedDigitSurvivesAnotherEntrysTakeBack()
{
    WindowFixture fixture;
    Form1 &form = fixture.Start();
    const char *entries[] = {"80:4", "1:6", "8:2", "66:4", "62:5", "2:1", "7:1", "45:6", "38:8", "40:4", "61:7", "63:2",
        "39:9", "72:3", "17:3", "68:7", "12:6", "52:3", "77:1", "42:7", "3:3", "79:9", "13:7", "16:6", "6:5", "11:8",
        "48:7", "26:5", "34:5"};
    for (const char *entry : entries) {
        const QStringList parts = QString(entry).split(':');
        TypeAt(form, parts[0].toInt(), parts[1].front());
    }
    QCOMPARE(form.txPuz(44).Text(), QStringLiteral("1"));
    QCOMPARE(form.txPuz(44).Tag(), QStringLiteral("42"));
    form.txPuz(44).setFocus();
    Press(Qt::Key_Delete);
    TypeAt(form, 44, '1');
    TypeAt(form, 42, '3');
    QString row;
    for (int n = 37; n <= 45; ++n)
        row += form.txPuz(n).Text().isEmpty() ? "0" : form.txPuz(n).Text();
    QCOMPARE(form.txPuz(44).Text(), QStringLiteral("1"));
    QCOMPARE(form.board().Cells(43).Value(), 1);
    QVERIFY2(row.startsWith("0894") && row.endsWith("16"), qPrintable(row));
}

void KeyboardTest::editingKeysDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0;
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("shift+insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    QTest::newRow("ctrl+x") << int(Qt::Key_X) << int(Qt::ControlModifier);
    QTest::newRow("ctrl+z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
    QTest::newRow("home") << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << int(Qt::Key_End) << 0;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 0;
}

void KeyboardTest::editingKeysDoNothing()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Form1 &form = *fixture_->form;
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    PuzzleBox &box = form.txPuz(30);
    box.SetText(QStringLiteral("3"));
    box.setFocus();
    box.deselect();
    box.setCursorPosition(1);
    Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box.Text(), QStringLiteral("3"));
    QCOMPARE(box.cursorPosition(), 1);
    QCOMPARE(Focus(), static_cast<QWidget *>(&box));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("5"));
}

void KeyboardTest::deleteEmptiesTheBox()
{
    Form1 &form = *fixture_->form;
    PuzzleBox &box = form.txPuz(12);
    box.SetText(QStringLiteral("4"));
    form.txPuz(11).setFocus();
    Press(Qt::Key_Right); // arrives with its digit selected
    Press(Qt::Key_Delete);
    QCOMPARE(box.Text(), QString());
    QCOMPARE(Focus(), static_cast<QWidget *>(&box));
}

void KeyboardTest::escapePassesOn()
{
    Form1 &form = *fixture_->form;
    PuzzleBox &box = form.txPuz(13);
    box.setFocus();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(&box, &escape);
    QVERIFY(!escape.isAccepted());
    QCOMPARE(box.Text(), QString());
}

void KeyboardTest::focusSelectsTheDigit()
{
    Form1 &form = *fixture_->form;
    form.txPuz(15).SetText(QStringLiteral("6"));
    form.txPuz(14).setFocus();
    Press(Qt::Key_Right);
    QCOMPARE(form.txPuz(15).selectedText(), QStringLiteral("6"));
    // Selected, the digit is replaced; with the caret after it, nothing more gets in.
    QTest::keyClicks(Focus(), QStringLiteral("8"));
    QCOMPARE(form.txPuz(15).Text(), QStringLiteral("8"));
    QTest::keyClicks(Focus(), QStringLiteral("2"));
    QCOMPARE(form.txPuz(15).Text(), QStringLiteral("8"));
    // An empty box just shows the caret.
    Press(Qt::Key_Right);
    QCOMPARE(form.txPuz(16).selectedText(), QString());
}

void KeyboardTest::contextMenuPasteIsNotFiltered()
{
    Form1 &form = *fixture_->form;
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    form.txPuz(17).setFocus();
    form.txPuz(17).paste(); // what the context menu's Paste does
    QCOMPARE(form.txPuz(17).Text(), QStringLiteral("x"));
}

void KeyboardTest::deducedDigitIsWrittenUnderUpdating()
{
    Form1 &form = *fixture_->form;
    PuzzleBox &box = form.txPuz(23);
    form.txSol(0).SetForeColor(colors::Black);
    bool updatingDuringWrite = false;
    auto spy = QObject::connect(&box, &PuzzleBox::Change, [&] { updatingDuringWrite = form.Updating(); });
    form.grids().ShowDeducedDigit(CellIndex(22), Digit(4));
    form.grids().TagBox(CellIndex(22), BoxNumber(17));
    QObject::disconnect(spy);
    form.txSol(0).SetForeColor(colors::WindowText);

    QVERIFY(updatingDuringWrite);
    QVERIFY(!form.Updating());
    QCOMPARE(box.Text(), QStringLiteral("4"));
    QCOMPARE(box.ForeColor(), colors::Black);
    QCOMPARE(box.BackColor(), form.txSol(0).BackColor());
    QCOMPARE(box.Tag(), QStringLiteral("17"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, form.grids().ShowDeducedDigit(CellIndex(81), Digit(1)));
}

int RunKeyboardTest(int argc, char **argv)
{
    KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "keyboard_test.moc"
