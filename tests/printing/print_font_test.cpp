// The page in faces other than Arial: the metric-compatible one where installed, any other laid
// out to Arial's measures. CTest runs it with the system's fonts and with fontconfig set-ups that
// send "Arial" elsewhere (fonts/*.conf).
#include "fake_source.h"
#include "page_scan.h"
#include "recording_step_runner.h"

#include "printing/print_job.h"

#include <QFontInfo>
#include <QPageSize>
#include <QTest>

using namespace quadrelle;
using namespace quadrelle::testing;

namespace {

constexpr int Dpi = 300;

QImage PrintInFace(const QString &family, std::vector<RecordingStepRunner::Failure> &failures)
{
    QImage page(QPageSize(QPageSize::A4).sizePixels(Dpi), QImage::Format_Grayscale8);
    page.fill(255);
    page.setDotsPerMeterX(qRound(Dpi / 0.0254));
    page.setDotsPerMeterY(qRound(Dpi / 0.0254));
    FakeSource source(Givens, NoneDeduced, Solution);
    source.fontName = family;
    source.fontSize = 15.75f; // the window's
    RecordingStepRunner runner;
    PrintJob(source, runner, [&] { return std::make_unique<PrinterCanvas>(page); }).PrintIt(2);
    failures = runner.Failures();
    return page;
}

QString FaceOf(const QString &family)
{
    return QFontInfo(QFont(family)).family();
}

} // namespace

class PrintFontTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qInfo("\"Arial\" is %s here", qPrintable(FaceOf("Arial"))); }

    void arialPrintsInLiberationSans()
    {
        if (FaceOf("Liberation Sans") != "Liberation Sans")
            QSKIP("Liberation Sans is not installed here");
        std::vector<RecordingStepRunner::Failure> failures;
        const QImage arial = PrintInFace("Arial", failures);
        QVERIFY(failures.empty());
        QVERIFY(arial == PrintInFace("Liberation Sans", failures));
    }

    void everyDigitStaysInItsBox_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("Arial") << "Arial";
        // Wider digits, taller lines.
        QTest::newRow("DejaVu Sans") << "DejaVu Sans";
        QTest::newRow("DejaVu Serif") << "DejaVu Serif";
    }

    // Both grids on the one page, their boxes in rows and columns inside the frames, no ink in a
    // frame outside the boxes.
    void everyDigitStaysInItsBox()
    {
        QFETCH(QString, family);
        std::vector<RecordingStepRunner::Failure> failures;
        const QImage page = PrintInFace(family, failures);
        QVERIFY(failures.empty());
        const auto grids = FindGrids(page, Dpi);
        QCOMPARE(static_cast<int>(grids.size()), 2);
        for (const Grid &grid : grids) {
            QVERIFY(!grid.frame.isNull());
            QCOMPARE(static_cast<int>(grid.cells.size()), 81);
            for (int n = 0; n < 81; ++n) {
                if (n % 9 != 8)
                    QVERIFY(grid.cells[n].right() < grid.cells[n + 1].left());
                if (n < 72)
                    QVERIFY(grid.cells[n].bottom() < grid.cells[n + 9].top());
            }
            int inBoxes = 0;
            for (const QRect &cell : grid.cells)
                inBoxes += InkIn(page, cell, 0);
            QCOMPARE(InkIn(page, grid.frame, 2), inBoxes);
            QCOMPARE(Pattern(page, grid), Expected(&grid == &grids[0] ? Givens : Solution));
        }
    }
};

QTEST_MAIN(PrintFontTest)
#include "print_font_test.moc"
