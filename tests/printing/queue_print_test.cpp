// Printing on CUPS queues of this test's own, as a user's default printer would be: their
// default paper and orientation, the width of the outlines, and a queue that refuses the job.
#include "cups_pdf.h"
#include "fake_source.h"
#include "page_scan.h"

#include "printing/print_job.h"
#include "recording_step_runner.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTransform>

#include <algorithm>

using namespace quadrelle;
using namespace quadrelle::testing;

namespace {

struct QueuePrint {
    std::vector<RecordingStepRunner::Failure> failures;
    QStringList pdfs; // of the new jobs, once all have finished; none after a failure
};

// PrintIt on the queue as the default printer.
QueuePrint PrintOn(PdfQueue &queue, int mode)
{
    queue.MakeDefault();
    const QStringList before = queue.Jobs();
    FakeSource source(Givens, NoneDeduced, Solution);
    // The window's solution grid: with it both grids overrun a Letter sheet at full size.
    source.fontName = "Arial";
    source.fontSize = 15.75f;
    RecordingStepRunner runner;
    PrintJob(source, runner).PrintIt(mode);
    QueuePrint printed {runner.Failures(), {}};
    if (printed.failures.empty())
        printed.pdfs = queue.FinishedPdfs(before);
    return printed;
}

// Page size in points, from pdfinfo.
QSizeF PageSizePoints(const QString &pdf)
{
    const auto match
        = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(RunProgram("pdfinfo", {pdf}));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

const QString Messages(const std::vector<RecordingStepRunner::Failure> &failures)
{
    QStringList texts;
    for (const auto &failure : failures)
        texts << QString("%1: %2").arg(failure.label).arg(QString::fromStdString(failure.description));
    return texts.join(" | ");
}

} // namespace

class QueuePrintTest : public QObject {
    Q_OBJECT
private slots:
    void printsOnTheQueuesOwnPaper_data();
    void printsOnTheQueuesOwnPaper();
    void outlinesAreASixHundredthOfAnInch();
    void refusedDocumentIsReported();
};

void QueuePrintTest::printsOnTheQueuesOwnPaper_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSizeF>("sheet"); // points, upright
    QTest::addColumn<bool>("landscape"); // the page lies across the sheet
    // Shorter than both grids in the window's font: the page shrinks a little.
    QTest::newRow("Letter") << "Letter" << QStringList() << QSizeF(612, 792) << false;
    QTest::newRow("A5") << "A5" << QStringList() << QPageSize(QPageSize::A5).size(QPageSize::Point) << false;
    QTest::newRow("A3") << "A3" << QStringList() << QPageSize(QPageSize::A3).size(QPageSize::Point) << false;
    QTest::newRow("A4 landscape") << "A4" << QStringList {"-o", "orientation-requested-default=4"}
                                  << QPageSize(QPageSize::A4).size(QPageSize::Point) << true;
}

// Both grids whole on one sheet of the queue's paper, centred across it: none cut off at the
// bottom or the right edge.
void QueuePrintTest::printsOnTheQueuesOwnPaper()
{
    QFETCH(QString, paper);
    QFETCH(QStringList, options);
    QFETCH(QSizeF, sheet);
    QFETCH(bool, landscape);
    PdfQueue queue(QStringList {"-o", "PageSize=" + paper} + options);
    QUADRELLE_REQUIRE_PRINTER(queue.Problem());

    const QueuePrint printed = PrintOn(queue, 2);
    QVERIFY2(printed.failures.empty(), qPrintable(Messages(printed.failures)));
    QVERIFY2(!printed.pdfs.isEmpty(), "no finished PDF from the queue within a minute");
    QCOMPARE(printed.pdfs.size(), 1);
    const QString &pdf = printed.pdfs.front();
    const QSizeF size = PageSizePoints(pdf);
    QVERIFY2(std::abs(size.width() - sheet.width()) < 2 && std::abs(size.height() - sheet.height()) < 2,
        qPrintable(QString("%1 x %2 pt").arg(size.width()).arg(size.height())));

    QCOMPARE(PageCount(pdf), 1);
    const int dpi = 300; // frames 15 pixels apart stay apart when shrunk, thin lines dark
    const QImage image = RenderPage(pdf, dpi);
    // Turned to be read: the page's top lies along the sheet's left edge.
    const QImage page = landscape ? image.transformed(QTransform().rotate(90)) : image;
    const double zoom = LayoutZoom(page, dpi);
    QVERIFY2(zoom >= 0.7 && zoom < 1.01, qPrintable(QString::number(zoom)));
    std::vector<Grid> grids;
    for (const Grid &grid : FindGrids(page, dpi, zoom < 0.99 ? 3 : 2, zoom)) {
        const int gap = Px(15 * zoom, dpi);
        QVERIFY2(!grid.frame.isNull(), "no second frame around a grid");
        QVERIFY(page.rect().contains(grid.frame.adjusted(-gap, -gap, gap, gap)));
        // The PDF printer's printable area is the whole sheet.
        const double offCentre = OffCentre(grid, page.rect(), gap);
        QVERIFY2(std::abs(offCentre) <= 2, qPrintable(QString::number(offCentre)));
        QCOMPARE(static_cast<int>(grid.cells.size()), 81);
        QCOMPARE(Pattern(page, grid), Expected(grids.empty() ? Givens : Solution));
        grids.push_back(grid);
    }
    QCOMPARE(static_cast<int>(grids.size()), 2);
}

void QueuePrintTest::outlinesAreASixHundredthOfAnInch()
{
    PdfQueue queue({"-o", "PageSize=A4"});
    QUADRELLE_REQUIRE_PRINTER(queue.Problem());
    const QueuePrint printed = PrintOn(queue, 1);
    QVERIFY2(printed.failures.empty(), qPrintable(Messages(printed.failures)));
    QVERIFY2(!printed.pdfs.isEmpty(), "no finished PDF from the queue within a minute");
    QCOMPARE(printed.pdfs.size(), 1);

    const auto grids = FindGrids(RenderPage(printed.pdfs.front(), 72), 72, 1);
    QCOMPARE(static_cast<int>(grids.size()), 1);
    // The first cell's box at 1200 dpi, with a margin: lines 2 pixels thick.
    const int dpi = 1200;
    const QRect cell = grids[0].cells[0];
    const QRect part(cell.left() * dpi / 72 - 40, cell.top() * dpi / 72 - 40, cell.width() * dpi / 72 + 80,
        cell.height() * dpi / 72 + 80);
    const QImage image = RenderPage(printed.pdfs.front(), dpi, 1, part);
    QVERIFY(!image.isNull());
    const auto thickness = [&](bool across) {
        // Along the middle row or column, the first run of ink.
        const int middle = (across ? image.height() : image.width()) / 2;
        int start = -1, end = -1;
        for (int i = 0; i < (across ? image.width() : image.height()); ++i) {
            const bool dark = qGray(across ? image.pixel(i, middle) : image.pixel(middle, i)) < 128;
            if (dark && start < 0)
                start = i;
            if (!dark && start >= 0) {
                end = i;
                break;
            }
        }
        return start < 0 || end < 0 ? 0 : end - start;
    };
    QCOMPARE(thickness(true), 2); // the left line
    QCOMPARE(thickness(false), 2); // the top line
}

void QueuePrintTest::refusedDocumentIsReported()
{
    PdfQueue queue({"-o", "PageSize=A4"});
    QUADRELLE_REQUIRE_PRINTER(queue.Problem());
    RunProgram("cupsreject", {queue.Name()});
    const QueuePrint printed = PrintOn(queue, 1);
    QCOMPARE(printed.failures.size(), std::size_t {1});
    QCOMPARE(printed.failures[0].label, 200);
    QCOMPARE(
        printed.failures[0].description, "Printer error: \"" + queue.Name().toStdString() + "\" is not accepting jobs");
    QVERIFY(printed.pdfs.isEmpty());
    QVERIFY(queue.Jobs().isEmpty());
}

QTEST_MAIN(QueuePrintTest)
#include "queue_print_test.moc"
