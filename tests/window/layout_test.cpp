#include "keys.h"
#include "window_fixture.h"

#include <QProgressBar>
#include <QPushButton>

using namespace quadrelle;
using namespace quadrelle::test;

// The fixed design and the two grids, on one started window.
class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void window();
    void designControls_data();
    void designControls();
    void captionsAndFrames();
    void cells_data();
    void cells();
    void templatesStayHidden();

private:
    std::unique_ptr<WindowFixture> fixture_;
};

void LayoutTest::initTestCase()
{
    fixture_ = std::make_unique<WindowFixture>();
    fixture_->Start();
}

void LayoutTest::cleanupTestCase()
{
    fixture_.reset();
}

void LayoutTest::window()
{
    Form1 &form = *fixture_->form;
    QCOMPARE(form.size(), QSize(768, 495));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(form.windowTitle(), QStringLiteral("Quadrelle Sudoku Suite"));
    QVERIFY(fixture_->boxes.shown.empty());
}

void LayoutTest::designControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<double>("points");
    QTest::newRow("txPuz(0)") << "txPuz_0" << QRect(10, 48, 40, 40) << 15.75;
    QTest::newRow("txSol(0)") << "txSol_0" << QRect(388, 48, 40, 40) << 15.75;
    QTest::newRow("lb(0)") << "lb_0" << QRect(8, 8, 371, 26) << 14.25;
    QTest::newRow("lb(1)") << "lb_1" << QRect(388, 8, 371, 26) << 14.25;
    QTest::newRow("ProgressBar1") << "ProgressBar1" << QRect(8, 425, 752, 27) << 9.0;
    QTest::newRow("PushButton1") << "PushButton1" << QRect(8, 460, 184, 27) << 11.25;
    QTest::newRow("PushButton2") << "PushButton2" << QRect(200, 460, 184, 27) << 11.25;
    QTest::newRow("PushButton3") << "PushButton3" << QRect(392, 460, 184, 27) << 11.25;
    QTest::newRow("PushButton4") << "PushButton4" << QRect(584, 460, 176, 27) << 11.25;
    QTest::newRow("sh(0)") << "sh_0" << QRect(7, 45, 126, 126) << 9.0;
    QTest::newRow("sh(6)") << "sh_6" << QRect(256, 294, 123, 123) << 9.0;
    QTest::newRow("sh(19)") << "sh_19" << QRect(387, 45, 126, 125) << 9.0;
    QTest::newRow("sh(13)") << "sh_13" << QRect(636, 291, 123, 125) << 9.0;
}

void LayoutTest::designControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(double, points);
    const auto *control = fixture_->form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->font().family(), QStringLiteral("Arial"));
    QCOMPARE(control->font().pointSizeF(), points);
    QVERIFY(control->font().bold());
}

void LayoutTest::captionsAndFrames()
{
    Form1 &form = *fixture_->form;
    QCOMPARE(form.lb(0).Caption(), QStringLiteral("Puzzle"));
    QCOMPARE(form.lb(1).Caption(), QStringLiteral("Solution"));
    QCOMPARE(form.PushButton2().text(), QStringLiteral("Start Solving"));
    QCOMPARE(form.PushButton4().text(), QStringLiteral("Print Solution"));
    QCOMPARE(form.ProgressBar1().minimum(), 0);
    QCOMPARE(form.ProgressBar1().maximum(), 100);
    QCOMPARE(form.findChildren<Shape *>().size(), 18);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, form.sh(9));
    // Frames lie beneath the cells: a click on a frame's line lands in the box.
    QCOMPARE(form.childAt(9, 47), static_cast<QWidget *>(&form.txPuz(1)));
}

void LayoutTest::cells_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QRect>("puzzle");
    QTest::addColumn<QRect>("solution");
    QTest::addColumn<QString>("name");
    QTest::newRow("box 1, top left") << 1 << QRect(9, 47, 40, 40) << QRect(389, 46, 40, 40) << "row 1 column 1";
    QTest::newRow("box 9, top right") << 9 << QRect(337, 47, 40, 40) << QRect(717, 46, 40, 40) << "row 1 column 9";
    QTest::newRow("box 73, bottom left") << 73 << QRect(9, 375, 40, 40) << QRect(389, 374, 40, 40) << "row 9 column 1";
    QTest::newRow("box 81, bottom right")
        << 81 << QRect(337, 375, 40, 40) << QRect(717, 374, 40, 40) << "row 9 column 9";
}

void LayoutTest::cells()
{
    QFETCH(int, n);
    QFETCH(QRect, puzzle);
    QFETCH(QRect, solution);
    QFETCH(QString, name);
    Form1 &form = *fixture_->form;
    QCOMPARE(form.txPuz(n).geometry(), puzzle);
    QCOMPARE(form.txSol(n).geometry(), solution);
    QVERIFY(form.txPuz(n).isVisible());
    QVERIFY(form.txSol(n).isVisible());
    QCOMPARE(form.txPuz(n).accessibleName(), "Puzzle " + name);
    QCOMPARE(form.txSol(n).accessibleName(), "Solution " + name);
    // Copies of their templates.
    QCOMPARE(form.txPuz(n).maxLength(), 1);
    QCOMPARE(form.txPuz(n).alignment(), Qt::AlignCenter);
    QCOMPARE(form.txPuz(n).font(), form.txPuz(0).font());
    QCOMPARE(form.txPuz(n).ForeColor(), colors::DarkRed);
    QCOMPARE(form.txPuz(n).cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(form.txSol(n).font(), form.txSol(0).font());
    QCOMPARE(form.txSol(n).ForeColor(), colors::WindowText);
    QCOMPARE(form.txSol(n).focusPolicy(), Qt::NoFocus);
}

void LayoutTest::templatesStayHidden()
{
    Form1 &form = *fixture_->form;
    QVERIFY(!form.txPuz(0).isVisible());
    QVERIFY(!form.txSol(0).isVisible());
    // Tab through everything once: the template never takes the focus, the boxes follow
    // one another in box-number order.
    form.txPuz(1).setFocus();
    int expected = 1;
    for (int i = 0; i < 100; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus != &form.txPuz(0));
        if (auto *box = qobject_cast<PuzzleBox *>(focus); box && expected <= 81) {
            QCOMPARE(box->Index(), expected);
            ++expected;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(expected, 82);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, form.txPuz(82));
}

int RunLayoutTest(int argc, char **argv)
{
    LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "layout_test.moc"
