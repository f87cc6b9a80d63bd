// The two print buttons of the real window, after typing and solving a puzzle: on the CUPS
// PDF printer, read back from the PDF, and without any printer at all.
#include "cups_pdf.h"
#include "keys.h"
#include "page_scan.h"
#include "window_fixture.h"

#include "shell/application.h"
#include "kit/guard.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

using namespace quadrelle;
using namespace quadrelle::test;
using namespace quadrelle::testing;

namespace {

// The propagation deduces part of it (eleven digits) and the search does the rest.
const std::string Puzzle = "..5.....6.7...9.2....5..1.78.415.......8.3.......928.59.7..6....3.4...1.2.....6..";

} // namespace

// Typing, "Start Solving", then "Print Puzzle" and "Print Solution" onto the PDF printer.
class WindowPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void printsWhatTheWindowShows_data();
    void printsWhatTheWindowShows();

private:
    std::unique_ptr<WindowFixture> fixture_;
    std::string deduced_; // puzzle boxes the propagation filled, '.' elsewhere
    std::string solution_;
};

void WindowPrinterTest::initTestCase()
{
    QUADRELLE_REQUIRE_PRINTER(PdfPrinterProblem());
    fixture_ = std::make_unique<WindowFixture>();
    static_cast<Application *>(QCoreApplication::instance())->SetMessageBoxes(&fixture_->boxes);
    Form1 &form = fixture_->Start();
    QCOMPARE(QApplication::focusWidget(), &form.txPuz(1));

    TypeOnwards(QString::fromStdString(Puzzle));
    QVERIFY2(fixture_->boxes.shown.empty(), qPrintable(MessageTexts(fixture_->boxes.shown)));
    for (int n = 1; n <= 81; ++n) {
        const char c = Puzzle[n - 1];
        if (c == '.')
            continue;
        QCOMPARE(form.txPuz(n).Text(), QString(QChar(c)));
        QCOMPARE(form.txPuz(n).BackColor(), form.txPuz(0).BackColor());
    }

    QTest::mouseClick(&form.PushButton2(), Qt::LeftButton);
    QCOMPARE(fixture_->boxes.shown.size(), 1u);
    QCOMPARE(fixture_->boxes.shown[0].text, QStringLiteral("Done."));
    fixture_->boxes.shown.clear();

    for (int n = 1; n <= 81; ++n) {
        const bool found = !form.txPuz(n).Text().isEmpty() && form.txPuz(n).BackColor() == form.txSol(0).BackColor();
        deduced_ += found ? form.txPuz(n).Text().toStdString() : ".";
        solution_ += form.txSol(n).Caption().isEmpty() ? "." : form.txSol(n).Caption().toStdString();
    }
    const auto count = [](const std::string &s) { return 81 - std::count(s.begin(), s.end(), '.'); };
    qInfo("propagation deduced %d digits into the puzzle grid", int(count(deduced_)));
    QVERIFY2(count(deduced_) > 0, "the puzzle no longer shows deduced digits in the puzzle grid");
    QVERIFY2(count(Puzzle) + count(deduced_) < 81, "the puzzle no longer needs the search");
    QCOMPARE(count(solution_), 81);
}

void WindowPrinterTest::cleanupTestCase()
{
    static_cast<Application *>(QCoreApplication::instance())->SetMessageBoxes(nullptr);
    fixture_.reset();
}

void WindowPrinterTest::printsWhatTheWindowShows_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("Print Puzzle") << 3;
    QTest::newRow("Print Solution") << 4;
}

void WindowPrinterTest::printsWhatTheWindowShows()
{
    QFETCH(int, button);
    Form1 &form = *fixture_->form;
    const int grids = button == 3 ? 1 : 2;
    const QStringList before = PrintedJobs();

    QTest::mouseClick(button == 3 ? &form.PushButton3() : &form.PushButton4(), Qt::LeftButton);
    QVERIFY2(fixture_->boxes.shown.empty(), qPrintable(MessageTexts(fixture_->boxes.shown)));

    const QStringList pdfs = FinishedPdfs(before);
    QVERIFY2(!pdfs.isEmpty(), "no finished PDF from the printer within a minute");
    QCOMPARE(pdfs.size(), 1);
    QCOMPARE(PageCount(pdfs[0]), 1);
    const int dpi = 72;
    const QImage page = RenderPage(pdfs[0], dpi);
    QVERIFY(!page.isNull());

    // At 72 dpi a point is a pixel: the printable area as the printer reports it.
    const QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QRect printable = printer.pageLayout().paintRectPoints();
    QVERIFY2(std::abs(page.width() - printer.pageLayout().fullRectPoints().width()) <= 1, "not the printer's paper");

    const auto found = FindGrids(page, dpi, 1);
    QCOMPARE(static_cast<int>(found.size()), grids);
    for (const testing::Grid &grid : found) {
        QVERIFY2(!grid.frame.isNull(), "no second frame 15 pixels around the grid");
        QVERIFY(std::abs(OffCentre(grid, printable, Px(15, dpi))) <= 1);
        QVERIFY(std::abs(grid.frame.width() - Px(2445, dpi)) <= 1);
        QVERIFY(std::abs(grid.frame.height() - Px(2430, dpi)) <= 1);
        QCOMPARE(static_cast<int>(grid.cells.size()), 81);
        // Columns and rows line up; stacks and bands sit one space further apart.
        for (int n = 0; n < 81; ++n) {
            QVERIFY(std::abs(grid.cells[n].left() - grid.cells[n % 9].left()) <= 1);
            QVERIFY(std::abs(grid.cells[n].top() - grid.cells[n / 9 * 9].top()) <= 1);
        }
        const int pitch = grid.cells[1].left() - grid.cells[0].left();
        QVERIFY(grid.cells[3].left() - grid.cells[2].left() > pitch + 1);
        QVERIFY(grid.cells[27].top() - grid.cells[18].top() > grid.cells[18].top() - grid.cells[9].top() + 1);
        QVERIFY(grid.frame.contains(grid.cells[80]));
    }
    if (grids == 2)
        QVERIFY(found[1].frame.top() > found[0].frame.bottom() + Px(15, dpi));

    // The title centred on the printable width, bold; the heading 45 pixels right of the frame.
    const QRect above(0, 0, page.width(), found[0].frame.top() - Px(15, dpi) - 1);
    const QRect ink = InkBounds(page, above);
    int titleBottom = ink.top();
    while (InkIn(page, QRect(0, titleBottom, page.width(), 1), 0) > 0)
        ++titleBottom;
    const QRect title = InkBounds(page, QRect(0, ink.top(), page.width(), titleBottom - ink.top()));
    QVERIFY2(
        std::abs(title.center().x() - printable.center().x()) <= 3, qPrintable(QString::number(title.center().x())));
    const QRect heading = InkBounds(page, QRect(0, titleBottom, page.width(), above.bottom() - titleBottom));
    QVERIFY(heading.left() >= found[0].frame.left() + Px(45, dpi) - 1);
    QVERIFY(heading.left() <= found[0].frame.left() + Px(105, dpi));

    // The puzzle part shows the typed digits only, not the propagation's.
    QCOMPARE(Pattern(page, found[0]), Expected(Puzzle));
    for (int i = 0; i < 81; ++i) {
        if (deduced_[i] != '.')
            QVERIFY2(InkIn(page, found[0].cells[i], 2) == 0, qPrintable(QString("deduced cell %1 printed").arg(i + 1)));
        else if (Puzzle[i] != '.')
            QVERIFY2(
                DarkestIn(page, found[0].cells[i], 2) < 0x50, qPrintable(QString("given %1 not black").arg(i + 1)));
    }
    if (grids == 2) {
        // Every digit of the solution, the typed ones grey, the program's black.
        QCOMPARE(Pattern(page, found[1]), Expected(solution_));
        for (int i = 0; i < 81; ++i) {
            const int darkest = DarkestIn(page, found[1].cells[i], 2);
            QVERIFY2(Puzzle[i] != '.' ? darkest > 0x60 && darkest < 0xA0 : darkest < 0x50,
                qPrintable(QString("cell %1: %2").arg(i + 1).arg(darkest)));
        }
        // The README's picture of a printed page, on request.
        const QString picture = qEnvironmentVariable("QUADRELLE_PRINT_PNG");
        if (!picture.isEmpty())
            QVERIFY(RenderPage(pdfs[0], 90).save(picture, "PNG"));
    }
    QVERIFY2(fixture_->boxes.shown.empty(), qPrintable(MessageTexts(fixture_->boxes.shown)));
}

// With no printer at all, CUPS unreachable: one report per command, and the window goes on.
class WindowNoPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void printWithoutPrinterIsReportedOnce_data();
    void printWithoutPrinterIsReportedOnce();
};

void WindowNoPrinterTest::initTestCase()
{
    // Nothing would stop a print onto a real printer here: refuse to press the buttons.
    QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "a default printer is still visible");
}

void WindowNoPrinterTest::printWithoutPrinterIsReportedOnce_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("Print Puzzle") << 3;
    QTest::newRow("Print Solution") << 4;
}

void WindowNoPrinterTest::printWithoutPrinterIsReportedOnce()
{
    QFETCH(int, button);
    WindowFixture fixture;
    auto *application = static_cast<Application *>(QCoreApplication::instance());
    application->SetMessageBoxes(&fixture.boxes);
    Form1 &form = fixture.Start();
    TypeOnwards("53..7");

    QTest::mouseClick(button == 3 ? &form.PushButton3() : &form.PushButton4(), Qt::LeftButton);
    QCOMPARE(fixture.boxes.shown.size(), 1u);
    const Message report = fixture.boxes.shown[0];
    QCOMPARE(report.title, QStringLiteral("Application Error"));
    QCOMPARE(report.icon, MessageIcon::Exclamation);
    const QRegularExpression text("^[^\r\n]+\r\nin Quadrelle2017/04/05\\.Form1\\.PrintIt at line 100"
        + QRegularExpression::escape(ReportRequest()) + "$");
    QVERIFY2(text.match(report.text).hasMatch(), qPrintable(report.text));
    QVERIFY2(report.text.startsWith(
                 "Printer error: the printing system cannot be reached at /nonexistent/quadrelle-no-cups.sock\r\n"),
        qPrintable(report.text));

    // The program goes on: the window takes digits and solves.
    fixture.boxes.shown.clear();
    QVERIFY(form.isEnabled());
    QTest::mouseClick(&form.txPuz(6), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "1");
    QCOMPARE(form.txPuz(6).Text(), QStringLiteral("1"));
    QTest::mouseClick(&form.PushButton2(), Qt::LeftButton);
    QCOMPARE(fixture.boxes.shown.size(), 1u);
    QCOMPARE(fixture.boxes.shown[0].text, QStringLiteral("Done."));
    QCOMPARE(form.txSol(6).Caption(), QStringLiteral("1"));
    application->SetMessageBoxes(nullptr);
}

// Runs one class, named by the first argument, inside the program's own application object.
int main(int argc, char **argv)
{
    const bool printer = argc >= 2 && !std::strcmp(argv[1], "printer");
    const bool noPrinter = argc >= 2 && !std::strcmp(argv[1], "noprinter");
    if (!printer && !noPrinter) {
        std::fprintf(stderr, "usage: %s printer|noprinter [Qt Test options]\n", argv[0]);
        return 2;
    }
    if (noPrinter) {
        // Before anything asks CUPS: libcups reads these once per process.
        qputenv("CUPS_SERVER", "/nonexistent/quadrelle-no-cups.sock");
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
    }
    argv[1] = argv[0];
    Application app(--argc, ++argv);
    if (printer) {
        WindowPrinterTest test;
        return QTest::qExec(&test, argc, argv);
    }
    WindowNoPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_print_test.moc"
