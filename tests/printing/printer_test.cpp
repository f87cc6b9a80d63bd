#include "fake_source.h"
#include "page_scan.h"

#include "printing/print_job.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace quadrelle;
using namespace quadrelle::testing;

namespace {

// Where scripts/cups.sh points the PDF printer, unless told otherwise.
QString OutputFolder()
{
    const QString folder = qEnvironmentVariable("QUADRELLE_PDF_OUT");
    return folder.isEmpty() ? QStringLiteral("/var/spool/cups-pdf-quadrelle") : folder;
}

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("(timed out)");
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QStringList Pdfs()
{
    return QDir(OutputFolder()).entryList({ "*.pdf" }, QDir::Files, QDir::Name);
}

// The PDF of the one job sent since `before` was listed, once the spooler has finished it.
QString FinishedPdf(const QStringList &before)
{
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (Run("lpstat", { "-o" }).isEmpty()) {
            for (const QString &name : Pdfs())
                if (!before.contains(name))
                    return QDir(OutputFolder()).filePath(name);
        }
        QThread::msleep(100);
    }
    return QString();
}

} // namespace

class PrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull())
            QSKIP("No default printer: CUPS with its PDF printer is not set up here "
                  "(scripts/cups.sh sets it up; CI runs it before the tests)");
        if (!printer.makeAndModel().contains("PDF", Qt::CaseInsensitive))
            QSKIP(qPrintable("The default printer \"" + printer.printerName()
                + "\" is not the CUPS PDF printer; not printing paper in a test"));
        if (!QDir(OutputFolder()).isReadable())
            QSKIP(qPrintable("No readable PDF folder " + OutputFolder()
                + " (scripts/cups.sh FOLDER, and QUADRELLE_PDF_OUT=FOLDER for another one)"));
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is missing");
    }

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
        const QStringList before = Pdfs();
        RecordingStepRunner runner;
        PrintJob job(source, runner);
        job.PrintIt(mode);
        for (const auto &failure : runner.Failures())
            qWarning("step %d: %s", failure.label, failure.description.c_str());
        QVERIFY(runner.Failures().empty());

        const QString pdf = FinishedPdf(before);
        QVERIFY2(!pdf.isEmpty(), "no finished PDF from the printer within a minute");
        QCOMPARE(Run("pdfinfo", { pdf }).contains(QRegularExpression("Pages:\\s+1\\b")), true);

        // The PDF printer's output carries no text: read the page as pixels.
        QTemporaryDir dir;
        const int dpi = 72;
        const QString base = dir.filePath("page");
        QCOMPARE(
            QProcess::execute("pdftoppm", { "-q", "-r", QString::number(dpi), "-gray", "-singlefile", pdf, base }), 0);
        const QImage page = Gray(QImage(base + ".pgm"));
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
            const QString picture = qEnvironmentVariable("QUADRELLE_PRINT_PNG");
            if (!picture.isEmpty()) {
                QString stem = picture;
                stem.remove(QRegularExpression("\\.png$"));
                QCOMPARE(QProcess::execute("pdftoppm", { "-q", "-r", "100", "-png", "-singlefile", pdf, stem }), 0);
            }
        }
    }
};

QTEST_MAIN(PrinterTest)
#include "printer_test.moc"
