#include "fake_source.h"
#include "page_scan.h"
#include "recording_step_runner.h"

#include "printing/print_job.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace quadrelle;
using namespace quadrelle::testing;

namespace {

// A page of a printer of the given resolution, its printable area as a whole.
QImage A4Page(int dpi, QPageSize::PageSizeId paper = QPageSize::A4)
{
    const QSize size = QPageSize(paper).sizePixels(dpi);
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(255);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

struct Printed {
    QImage page;
    std::vector<RecordingStepRunner::Failure> failures;
};

Printed PrintOnImage(const FakeSource &source, int mode, int dpi, QImage page = QImage())
{
    Printed printed {page.isNull() ? A4Page(dpi) : page, {}};
    RecordingStepRunner runner;
    PrintJob job(source, runner, [&] { return std::make_unique<PrinterCanvas>(printed.page); });
    job.PrintIt(mode);
    printed.failures = runner.Failures();
    return printed;
}

// Text measures of the digits' font on a device of the given resolution.
struct DigitMetrics {
    double space, cell, line, rowGap;
};

DigitMetrics MeasureDigits(const FakeSource &source, int dpi)
{
    QImage probe = A4Page(dpi);
    PrinterCanvas canvas(probe);
    canvas.SetFontName(source.fontName);
    canvas.SetFontSize(22);
    canvas.SetFontBold(true);
    return {canvas.TextWidth(" "), canvas.TextWidth("0   "), canvas.TextHeight(), canvas.TextWidth("1") / 2.4};
}

// Boxes at the columns and rows of the layout, whatever the cells hold, and the frames centred
// across the page.
void CheckGridLayout(const QImage &page, const Grid &grid, const DigitMetrics &m, int dpi)
{
    QVERIFY(!grid.frame.isNull());
    const double offCentre = OffCentre(grid, page.rect(), Px(15, dpi));
    QVERIFY2(std::abs(offCentre) <= 1, qPrintable(QString::number(offCentre)));
    QCOMPARE(grid.frame.width(), Px(2445, dpi));
    QCOMPARE(grid.frame.height(), Px(2430, dpi));
    QCOMPARE(static_cast<int>(grid.cells.size()), 81);
    for (int n = 0; n < 81; ++n) {
        QCOMPARE(grid.cells[n].left(), grid.cells[n % 9].left());
        QCOMPARE(grid.cells[n].top(), grid.cells[n / 9 * 9].top());
    }
    const double firstLeft = m.space - 15.0 * dpi / 600;
    QVERIFY(std::abs(grid.cells[0].left() - grid.frame.left() - firstLeft) <= 1);
    for (int c = 1; c < 9; ++c) {
        const double pitch = m.cell + (c % 3 == 0 ? m.space : 0);
        QVERIFY2(
            std::abs(grid.cells[c].left() - grid.cells[c - 1].left() - pitch) <= 1, qPrintable(QString::number(c)));
    }
    for (int r = 1; r < 9; ++r) {
        const double pitch = m.line + m.rowGap + (r % 3 == 0 ? m.space : 0);
        QVERIFY(std::abs(grid.cells[r * 9].top() - grid.cells[(r - 1) * 9].top() - pitch) <= 1);
    }
    const double firstTop = m.line + m.rowGap + m.space - 255.0 * dpi / 600;
    QVERIFY(std::abs(grid.cells[0].top() - grid.frame.top() - firstTop) <= 1);
}

} // namespace

class PrintJobTest : public QObject {
    Q_OBJECT

private slots:
    void puzzlePage_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("600 dpi, the layout's own") << 600;
        QTest::newRow("300 dpi, scaled") << 300;
    }

    void puzzlePage()
    {
        QFETCH(int, dpi);
        const FakeSource source(Givens, NoneDeduced, Solution);
        const Printed printed = PrintOnImage(source, 1, dpi);
        QVERIFY(printed.failures.empty());

        const auto grids = FindGrids(printed.page, dpi);
        QCOMPARE(static_cast<int>(grids.size()), 1);
        CheckGridLayout(printed.page, grids[0], MeasureDigits(source, dpi), dpi);
        QCOMPARE(Pattern(printed.page, grids[0]), Expected(Givens));

        // Title centred on the page, bold; the heading above the frame, 45 pixels right of it.
        const QRect above(0, 0, printed.page.width(), grids[0].frame.top() - Px(15, dpi) - 1);
        const QRect ink = InkBounds(printed.page, above);
        int titleBottom = ink.top();
        while (InkIn(printed.page, QRect(0, titleBottom, above.width(), 1), 0) > 0)
            ++titleBottom;
        const QRect title = InkBounds(printed.page, QRect(0, ink.top(), above.width(), titleBottom - ink.top()));
        QVERIFY2(std::abs(title.center().x() - printed.page.width() / 2) <= printed.page.width() / 100,
            qPrintable(QString::number(title.center().x())));
        const QRect heading
            = InkBounds(printed.page, QRect(0, titleBottom, above.width(), above.bottom() - titleBottom));
        const int gridLeft = grids[0].frame.left() + Px(45, dpi);
        QVERIFY(heading.left() >= gridLeft - 1 && heading.left() <= gridLeft + Px(60, dpi));
        QVERIFY(heading.right() < grids[0].frame.right());
    }

    void solutionPage()
    {
        const int dpi = 300;
        const FakeSource source(Givens, NoneDeduced, Solution);
        const Printed printed = PrintOnImage(source, 2, dpi);
        QVERIFY(printed.failures.empty());

        const auto grids = FindGrids(printed.page, dpi);
        QCOMPARE(static_cast<int>(grids.size()), 2);
        const DigitMetrics metrics = MeasureDigits(source, dpi);
        CheckGridLayout(printed.page, grids[0], metrics, dpi);
        CheckGridLayout(printed.page, grids[1], metrics, dpi);
        QVERIFY(grids[1].frame.top() > grids[0].frame.bottom());
        QCOMPARE(Pattern(printed.page, grids[0]), Expected(Givens));
        QCOMPARE(Pattern(printed.page, grids[1]), Expected(Solution));

        // Givens: bold black in the puzzle, thin grey in the solution; found digits bold black.
        for (int i = 0; i < 81; ++i) {
            const int darkest = DarkestIn(printed.page, grids[1].cells[i], 2);
            if (Givens[i] != '.') {
                QVERIFY(darkest >= 0x70 && darkest <= 0x90);
                QVERIFY(DarkestIn(printed.page, grids[0].cells[i], 2) < 0x40);
                QVERIFY(InkIn(printed.page, grids[0].cells[i], 2) > InkIn(printed.page, grids[1].cells[i], 2));
            } else {
                QVERIFY(darkest < 0x40);
            }
        }
    }

    void blanksKeepTheColumns()
    {
        // A digit the propagation filled in prints blank in the puzzle; an empty caption and a
        // puzzle box emptied after the solve still take a digit's width.
        const int dpi = 300;
        std::string deduced = NoneDeduced;
        deduced[2] = '4';
        FakeSource source(Givens, deduced, Solution);
        source.solutionCaption[14] = QString(); // row 2, column 5
        source.puzzleText[1] = QString(); // given 5, box then emptied
        std::string puzzleInk = Givens, solutionInk = Solution;
        puzzleInk[0] = '.';
        solutionInk[13] = '.';

        const Printed both = PrintOnImage(source, 2, dpi);
        const auto grids = FindGrids(both.page, dpi);
        QCOMPARE(static_cast<int>(grids.size()), 2);
        const DigitMetrics metrics = MeasureDigits(source, dpi);
        CheckGridLayout(both.page, grids[0], metrics, dpi);
        CheckGridLayout(both.page, grids[1], metrics, dpi);
        QCOMPARE(Pattern(both.page, grids[0]), Expected(puzzleInk));
        QCOMPARE(Pattern(both.page, grids[1]), Expected(solutionInk));

        const Printed puzzle = PrintOnImage(source, 1, dpi);
        const auto grid = FindGrids(puzzle.page, dpi);
        QCOMPARE(static_cast<int>(grid.size()), 1);
        CheckGridLayout(puzzle.page, grid[0], metrics, dpi);
        QCOMPARE(Pattern(puzzle.page, grid[0]), Expected(puzzleInk));
    }

    void narrowPaperShrinksThePage()
    {
        // A7 is 874 pixels wide at 300 dpi, the frames 2475 / 2.
        const int dpi = 300;
        const double zoom = 874 / 1237.5;
        const FakeSource source(Givens, NoneDeduced, Solution);
        const Printed printed = PrintOnImage(source, 1, dpi, A4Page(dpi, QPageSize::A7));
        QVERIFY(printed.failures.empty());
        const auto grids = FindGrids(printed.page, dpi, 3, zoom);
        QCOMPARE(static_cast<int>(grids.size()), 1);
        QVERIFY(!grids[0].frame.isNull());
        QCOMPARE(static_cast<int>(grids[0].cells.size()), 81);
        QCOMPARE(Pattern(printed.page, grids[0]), Expected(Givens));
        // The outer frame from edge to edge.
        const QRect frames = InkBounds(printed.page, QRect(0, grids[0].frame.top() - 10, printed.page.width(), 20));
        QVERIFY2(frames.left() <= 3 && frames.right() >= printed.page.width() - 4,
            qPrintable(QString("%1 to %2 of %3").arg(frames.left()).arg(frames.right()).arg(printed.page.width())));
    }

    void pageBreakHasItsOwnLabel()
    {
        // An image cannot take a second page: the page break fails, under its own label.
        const int dpi = 300;
        const FakeSource source(Givens, NoneDeduced, Solution);
        QImage shortPage = A4Page(dpi).copy(0, 0, QPageSize(QPageSize::A4).sizePixels(dpi).width(), 1600);
        shortPage.setDotsPerMeterX(A4Page(dpi).dotsPerMeterX());
        shortPage.setDotsPerMeterY(A4Page(dpi).dotsPerMeterY());
        const Printed printed = PrintOnImage(source, 2, dpi, shortPage);
        QCOMPARE(printed.failures.size(), std::size_t {1});
        QCOMPARE(printed.failures[0].label, 138);
        QCOMPARE(printed.failures[0].description, std::string("Printer error"));
    }

    void emptyBoardPrintsEmptyBoxes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("Print Puzzle") << 1;
        QTest::newRow("Print Solution before any solve") << 2;
    }

    void emptyBoardPrintsEmptyBoxes()
    {
        QFETCH(int, mode);
        const int dpi = 300;
        const FakeSource source(NotSolved, NoneDeduced, NotSolved);
        const Printed printed = PrintOnImage(source, mode, dpi);
        QVERIFY(printed.failures.empty());
        const auto grids = FindGrids(printed.page, dpi);
        QCOMPARE(static_cast<int>(grids.size()), mode);
        for (const Grid &grid : grids) {
            CheckGridLayout(printed.page, grid, MeasureDigits(source, dpi), dpi);
            QCOMPARE(Pattern(printed.page, grid), Expected(NotSolved));
        }
    }

    void failedStepsAreReportedAndPrintingGoesOn_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("labels");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("puzzleInk");
        const QString givens = Expected(Givens);
        QString box5Blank = givens;
        box5Blank[4] = u'.';
        QTest::newRow("caption") << "Caption" << 1 << QList<int> {116, 118} << 81 << givens;
        // The default font is wider than the grid was made for: boxes only.
        QTest::newRow("font name") << "SolutionFontName" << 1 << QList<int> {102} << 81 << QString();
        QTest::newRow("font size") << "SolutionFontSize" << 2 << QList<int> {104, 124, 124} << 162 << givens;
        // The step left "blank" as box 4 had it.
        QTest::newRow("one puzzle text") << "PuzzleText:5" << 1 << QList<int> {178} << 81 << box5Blank;
        // Nothing printed for box 5: box 6 is drawn over it, and the row shifts.
        QTest::newRow("one puzzle text, mode 2") << "PuzzleText:5" << 2 << QList<int> {190} << 161 << QString();
        QTest::newRow("one solution colour") << "SolutionBackColor:9" << 1 << QList<int> {168} << 81 << givens;
    }

    void failedStepsAreReportedAndPrintingGoesOn()
    {
        QFETCH(QString, failing);
        QFETCH(int, mode);
        QFETCH(QList<int>, labels);
        QFETCH(int, boxes);
        QFETCH(QString, puzzleInk);
        const int dpi = 300;
        FakeSource source(Givens, NoneDeduced, Solution);
        source.failing.insert(failing.toStdString());
        const Printed printed = PrintOnImage(source, mode, dpi);

        QList<int> reported;
        for (const auto &failure : printed.failures) {
            reported << failure.label;
            QCOMPARE(QString::fromStdString(failure.description), "Test failure in " + failing.section(':', 0, 0));
        }
        QCOMPARE(reported, labels);
        QCOMPARE(static_cast<int>(FindOutlines(printed.page, {Px(225, dpi), Px(225, dpi), 0, 2}).size()), boxes);
        if (puzzleInk.isEmpty())
            return;
        const auto grids = FindGrids(printed.page, dpi);
        QCOMPARE(static_cast<int>(grids.size()), mode);
        QCOMPARE(Pattern(printed.page, grids[0]), puzzleInk);
        if (mode == 2)
            QCOMPARE(Pattern(printed.page, grids[1]), Expected(Solution));
    }

    void noPrinterIsReportedOnceAndStops()
    {
        FakeSource source(Givens, NoneDeduced, Solution);
        RecordingStepRunner runner;
        PrintJob job(source, runner, []() -> std::unique_ptr<PrinterCanvas> { throw NoPrinter(); });
        job.PrintIt(2);
        QCOMPARE(runner.Failures().size(), std::size_t {1});
        QCOMPARE(runner.Failures()[0].label, 100);
        QCOMPARE(runner.Failures()[0].description, NoPrinter().description());
        QCOMPARE(source.reads, 0);
    }

    void printerThatCannotStartIsReportedOnce()
    {
        FakeSource source(Givens, NoneDeduced, Solution);
        RecordingStepRunner runner;
        PrintJob job(source, runner, [] {
            return std::make_unique<PrinterCanvas>(std::make_unique<QPdfWriter>("/nonexistent/folder/page.pdf"));
        });
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        job.PrintIt(1);
        QCOMPARE(runner.Failures().size(), std::size_t {1});
        QCOMPARE(runner.Failures()[0].label, 114);
        QCOMPARE(source.reads, 2); // the font's name and size, before the first output
    }

    void bothGridsShareASheetWhileLegible_data()
    {
        QTest::addColumn<int>("heightMillimetres");
        QTest::addColumn<int>("pages");
        QTest::newRow("A4 holds both grids") << 297 << 1;
        QTest::newRow("shrunk a little") << 240 << 1;
        QTest::newRow("shrunk to three quarters") << 190 << 1;
        QTest::newRow("too short to shrink legibly") << 150 << 2;
    }

    // Both grids whole on each sheet, shrunk no further than to 70 %, centred across.
    void bothGridsShareASheetWhileLegible()
    {
        QFETCH(int, heightMillimetres);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.pdf");
        const FakeSource source(Givens, NoneDeduced, Solution);
        RecordingStepRunner runner;
        PrintJob job(source, runner, [&] {
            auto writer = std::make_unique<QPdfWriter>(path);
            writer->setResolution(600);
            writer->setPageSize(QPageSize(QSizeF(210, heightMillimetres), QPageSize::Millimeter));
            writer->setPageMargins(QMarginsF());
            return std::make_unique<PrinterCanvas>(std::move(writer));
        });
        job.PrintIt(2);
        QVERIFY(runner.Failures().empty());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(file.readAll());
        QCOMPARE(static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page\\b(?!s)"))), pages);

        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm is missing: no poppler-utils here");
        const int dpi = 150;
        std::vector<Grid> grids;
        for (int page = 1; page <= pages; ++page) {
            const QString base = dir.filePath(QString("page%1").arg(page));
            QCOMPARE(QProcess::execute("pdftoppm",
                         {"-q", "-r", QString::number(dpi), "-gray", "-aa", "no", "-f", QString::number(page), "-l",
                             QString::number(page), "-singlefile", path, base}),
                0);
            const QImage image = Gray(QImage(base + ".pgm"));
            const double zoom = LayoutZoom(image, dpi);
            QVERIFY2(zoom >= 0.7 && zoom < 1.01, qPrintable(QString::number(zoom)));
            // Outlines shrunk onto the paper are a pixel off now and then.
            for (const Grid &grid : FindGrids(image, dpi, zoom < 0.99 ? 3 : 2, zoom)) {
                QVERIFY(!grid.frame.isNull());
                QCOMPARE(static_cast<int>(grid.cells.size()), 81);
                QVERIFY(image.rect().contains(grid.frame));
                QVERIFY(std::abs(OffCentre(grid, image.rect(), Px(15 * zoom, dpi))) <= 1.5);
                grids.push_back(grid);
            }
        }
        QCOMPARE(static_cast<int>(grids.size()), 2);
    }
};

QTEST_MAIN(PrintJobTest)
#include "print_job_test.moc"
