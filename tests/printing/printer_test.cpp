#include "cups_pdf.h"
#include "fake_source.h"
#include "page_scan.h"
#include "recording_step_runner.h"

#include "printing/print_job.h"

#include <QTest>

#include <cups/cups.h>

using namespace quadrelle;
using namespace quadrelle::testing;

class PrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QUADRELLE_REQUIRE_PRINTER(PdfPrinterProblem()); }

    void printsOnTheDefaultPrinter_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("Print Puzzle") << 1;
        QTest::newRow("Print Solution") << 2;
    }

    void printsOnTheDefaultPrinter()
    {
        QFETCH(int, mode);
        const FakeSource source(Givens, NoneDeduced, Solution);
        const QStringList before = PrintedJobs();
        RecordingStepRunner runner;
        PrintJob job(source, runner);
        job.PrintIt(mode);
        for (const auto &failure : runner.Failures())
            qWarning("step %d: %s", failure.label, failure.description.c_str());
        QVERIFY(runner.Failures().empty());

        const QStringList pdfs = FinishedPdfs(before);
        QVERIFY2(!pdfs.isEmpty(), "no finished PDF from the printer within a minute");
        QCOMPARE(pdfs.size(), 1);
        const QString pdf = pdfs.front();
        QCOMPARE(PageCount(pdf), 1);

        const int dpi = 72;
        const QImage page = RenderPage(pdf, dpi);
        QVERIFY(!page.isNull());

        const auto grids = FindGrids(page, dpi, 1);
        QCOMPARE(static_cast<int>(grids.size()), mode);
        for (const Grid &grid : grids) {
            QVERIFY(!grid.frame.isNull());
            QCOMPARE(static_cast<int>(grid.cells.size()), 81);
        }
        QCOMPARE(Pattern(page, grids[0]), Expected(Givens));
        if (mode == 2) {
            QCOMPARE(Pattern(page, grids[1]), Expected(Solution));
            // Givens grey, found digits black.
            for (int i = 0; i < 81; ++i) {
                const int darkest = DarkestIn(page, grids[1].cells[i], 2);
                QVERIFY2(Givens[i] != '.' ? darkest > 0x60 : darkest < 0x50, qPrintable(QString::number(i)));
            }
        }
    }

    // With the scheduler out of reach there is no default printer either: the report tells which.
    void missingPrinterOrSchedulerIsToldApart_data()
    {
        QTest::addColumn<QByteArray>("server");
        QTest::addColumn<QString>("report");
        QTest::newRow("no default printer") << QByteArray() << "Printer error: no default printer is set up";
        QTest::newRow("scheduler out of reach")
            << QByteArray("127.0.0.1:1") << "Printer error: the printing system cannot be reached at 127.0.0.1:1";
    }

    void missingPrinterOrSchedulerIsToldApart()
    {
        QFETCH(QByteArray, server);
        QFETCH(QString, report);
        const QByteArray queue = qgetenv("LPDEST");
        qputenv("LPDEST", "quadrelle-no-such-queue");
        qputenv("PRINTER", "quadrelle-no-such-queue");
        cupsSetServer(server.isEmpty() ? nullptr : server.constData());
        QString thrown;
        try {
            TakeDefaultPrinter();
        } catch (const RuntimeError &error) {
            thrown = QString::fromStdString(error.description());
        }
        cupsSetServer(nullptr);
        qputenv("LPDEST", queue);
        qputenv("PRINTER", queue);
        QCOMPARE(thrown, report);
    }
};

QTEST_MAIN(PrinterTest)
#include "printer_test.moc"
