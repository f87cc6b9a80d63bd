#include "keys.h"
#include "window_fixture.h"

#include "model/runtime_error.h"
#include "shell/install_layout.h"
#include "kit/colors.h"
#include "kit/guard.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace quadrelle;
using namespace quadrelle::test;

// Start-up with and without the optional files, activation, the pointer policy, closing.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void plainStartUp();
    void skinRecolours();
    void skinNeverReachesMessageBoxes();
    void homePageFailureIsReported();
    void pointerPolicy_data();
    void pointerPolicy();
    void filesFromTheDataFolder();
    void activationBeforeLoadIsReported();
    void messageBoxKeepsTheFocus();
    void closingEndsTheProgram();
};

namespace {

const QByteArray Skin = "QLabel { color: rgb(1, 2, 3) } QWidget { background-color: rgb(200, 0, 0) }";

} // namespace

void StartupTest::plainStartUp()
{
    WindowFixture fixture;
    Form1 &form = fixture.Start();
    QVERIFY(fixture.boxes.shown.empty());
    QVERIFY(fixture.opened.empty());
    QCOMPARE(form.windowTitle(), QStringLiteral("Quadrelle Sudoku Suite"));
    QCOMPARE(form.AppTitle(), QStringLiteral("Quadrelle Sudoku"));
    QCOMPARE(form.windowIcon().availableSizes().size(), 4);
    QCOMPARE(Focus(), static_cast<QWidget *>(&form.txPuz(1)));
    QCOMPARE(form.DigitBit(), (DigitBitTable {2, 4, 8, 16, 32, 64, 128, 256, 512}));
    for (int p = 0; p < 81; ++p)
        QCOMPARE(form.board().Cells(p).Value(), 0);
    for (int g = 0; g < 27; ++g)
        QCOMPARE(form.board().Groups(g).Mask(), 1022);
    CheckDesignColours(form);
    QVERIFY(!form.MouseIcon());
}

void StartupTest::skinRecolours()
{
    WindowFixture fixture;
    fixture.WriteFile("x/o.cjs", Skin);
    Form1 &form = fixture.Start();
    QVERIFY(fixture.boxes.shown.empty());
    QCOMPARE(form.BackColor(), colors::ButtonFace);
    QCOMPARE(form.palette().color(QPalette::Window), Resolve(colors::ButtonFace));
    for (int n = 0; n <= 81; ++n) {
        QCOMPARE(form.txSol(n).BackColor(), colors::ButtonFace);
        QCOMPARE(form.txPuz(n).BackColor(), colors::White);
    }
    QCOMPARE(form.lb(0).BackColor(), colors::White);
    QCOMPARE(form.lb(1).BackColor(), colors::White);
    // The skin reaches the window's own controls, but the cells' stored colours win.
    QVERIFY(form.styleSheet().contains("#Form1 > QLabel"));
    const QColor button = form.PushButton1().grab().toImage().pixelColor(10, 13);
    QVERIFY2(button.red() > 150 && button.green() < 100, qPrintable(button.name())); // shaded by the style
    QCOMPARE(form.txSol(5).grab().toImage().pixelColor(20, 3), Resolve(colors::ButtonFace));
    QCOMPARE(form.txPuz(5).grab().toImage().pixelColor(20, 3), QColor(Qt::white));
}

void StartupTest::skinNeverReachesMessageBoxes()
{
    WindowFixture fixture;
    fixture.WriteFile("x/o.cjs", Skin);
    Form1 &form = fixture.Start();
    auto box = MakeMessageBox("text", "title", MessageIcon::None, &form);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    for (QLabel *label : box->findChildren<QLabel *>())
        QVERIFY(label->palette().color(QPalette::WindowText) != QColor(1, 2, 3));
    QVERIFY(box->grab().toImage().pixelColor(2, 2) != QColor(200, 0, 0));
}

void StartupTest::homePageFailureIsReported()
{
    WindowFixture fixture;
    fixture.fraction = 0.065;
    fixture.openSucceeds = false;
    Form1 &form = fixture.Start();
    QCOMPARE(fixture.opened.size(), 1u);
    QCOMPARE(fixture.boxes.shown.size(), 1u);
    QVERIFY(fixture.boxes.shown[0].text.contains("Form_Load at line 110"));
    QVERIFY(form.txPuz(81).isVisible());
}

void StartupTest::pointerPolicy_data()
{
    QTest::addColumn<bool>("cursorFile");
    QTest::newRow("hand cursor present") << true;
    QTest::newRow("hand cursor absent") << false;
}

void StartupTest::pointerPolicy()
{
    QFETCH(bool, cursorFile);
    WindowFixture fixture;
    if (cursorFile)
        fixture.WriteFile("HAND-M.CUR", CursorFile(5, 7));
    Form1 &form = fixture.Start();
    QVERIFY(fixture.boxes.shown.empty());
    // The first call sets the arrow, though the stored pointer already says so.
    form.SetPointer(MousePointer::Default);
    QVERIFY(form.testAttribute(Qt::WA_SetCursor));

    MoveMouse(form.PushButton1());
    QCOMPARE(form.Pointer(), MousePointer::Custom);
    if (cursorFile) {
        QCOMPARE(form.PushButton1().cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(form.cursor().hotSpot(), QPoint(5, 7));
        QCOMPARE(form.cursor().pixmap().size(), QSize(32, 32));
    } else {
        QCOMPARE(form.PushButton1().cursor().shape(), Qt::ArrowCursor);
    }
    // Over a box or a label nothing changes; over the window's surface the arrow is back.
    MoveMouse(form.txPuz(40));
    MoveMouse(form.lb(0));
    QCOMPARE(form.Pointer(), MousePointer::Custom);
    MoveMouse(form, QPoint(4, 4));
    QCOMPARE(form.Pointer(), MousePointer::Default);
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);

    // Only a button that can be pressed shows the hand; the progress bar shows the arrow.
    form.PushButton4().setEnabled(false);
    MoveMouse(form.PushButton4());
    QCOMPARE(form.Pointer(), MousePointer::Default);
    MoveMouse(form.PushButton3());
    QCOMPARE(form.Pointer(), MousePointer::Custom);
    MoveMouse(form.ProgressBar1(), QPoint(300, 10));
    QCOMPARE(form.Pointer(), MousePointer::Default);
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);

    // The hourglass stays through every move.
    form.SetPointer(MousePointer::Hourglass);
    QCOMPARE(form.txPuz(40).cursor().shape(), Qt::WaitCursor);
    MoveMouse(form.PushButton4());
    MoveMouse(form, QPoint(4, 4));
    QCOMPARE(form.Pointer(), MousePointer::Hourglass);
    QCOMPARE(form.cursor().shape(), Qt::WaitCursor);
    form.SetPointer(MousePointer::Default);
    QCOMPARE(form.txPuz(40).cursor().shape(), Qt::ArrowCursor);
}

// An installed program keeps its files in share/quadrelle; a copy in the program's own
// folder (the build tree's) comes first.
void StartupTest::filesFromTheDataFolder()
{
    QCOMPARE(InstalledDataFolder(QStringLiteral("/opt/q/bin")), QStringLiteral("/opt/q/share/quadrelle"));

    // The program folder has neither file; its subfolder "data" stands for the installed one.
    {
        WindowFixture fixture;
        fixture.dataFolder = fixture.folder.filePath("data");
        fixture.WriteFile("data/HAND-M.CUR", CursorFile(3, 4));
        fixture.WriteFile("data/x/o.cjs", Skin);
        Form1 &form = fixture.Start();
        QVERIFY(fixture.boxes.shown.empty());
        QVERIFY(form.MouseIcon());
        QCOMPARE(form.MouseIcon()->hotSpot(), QPoint(3, 4));
        QCOMPARE(form.BackColor(), colors::ButtonFace);
    }
    {
        WindowFixture fixture;
        fixture.dataFolder = fixture.folder.filePath("data");
        fixture.WriteFile("data/HAND-M.CUR", CursorFile(3, 4));
        fixture.WriteFile("HAND-M.CUR", CursorFile(9, 1));
        Form1 &form = fixture.Start();
        QVERIFY(form.MouseIcon());
        QCOMPARE(form.MouseIcon()->hotSpot(), QPoint(9, 1));
    }
}

void StartupTest::activationBeforeLoadIsReported()
{
    WindowFixture fixture;
    fixture.Make().Form_Activate();
    QCOMPARE(fixture.boxes.shown.size(), 1u);
    QVERIFY(fixture.boxes.shown[0].text.startsWith(
        "Subscript out of range\r\nin Quadrelle2017/04/05.Form1.Form_Activate at line 100"));
}

void StartupTest::messageBoxKeepsTheFocus()
{
    // The one test with a real modal box: a timer closes it, with a deadline.
    WindowFixture fixture;
    Form1 &form = fixture.Start();
    form.txPuz(30).setFocus();
    QtMessageBoxes real(&form);
    int polls = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
        else if (++polls > 500)
            qFatal("the message box never appeared");
    });
    closer.start(10);
    real.Show("Duplicate value in cell", form.AppTitle(), MessageIcon::None);
    closer.stop();
    form.activateWindow(); // what a window manager does when the box goes
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::qWait(50);
    QCOMPARE(Focus(), static_cast<QWidget *>(&form.txPuz(30)));
}

void StartupTest::closingEndsTheProgram()
{
    WindowFixture fixture;
    Form1 &form = fixture.Start();
    QSignalSpy unloaded(&form, &Form1::Unloaded);
    QVERIFY(form.close());
    QCOMPARE(unloaded.size(), 1);
}

int RunStartupTest(int argc, char **argv)
{
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
