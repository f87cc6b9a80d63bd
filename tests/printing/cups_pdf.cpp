#include "cups_pdf.h"

#include "page_scan.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace quadrelle::testing {

QString PdfFolder()
{
    const QString folder = qEnvironmentVariable("QUADRELLE_PDF_OUT");
    return folder.isEmpty() ? QStringLiteral("/var/spool/cups-pdf-quadrelle") : folder;
}

QString RunProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(1000);
        return QStringLiteral("(timed out)");
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString PdfPrinterProblem()
{
    const QString setUp = QStringLiteral(" (scripts/cups.sh sets it up; CI runs it before the tests)");
    for (const char *tool : {"lpstat", "pdftoppm", "pdfinfo"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QStringLiteral("%1 is missing: no CUPS client or poppler-utils here").arg(tool) + setUp;
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return "No default printer: CUPS with its PDF printer is not set up here" + setUp;
    // The queue's device, not its model name, tells a PDF file from paper.
    const QString device = RunProgram("lpstat", {"-v", printer.printerName()});
    if (!device.contains(QRegularExpression(": cups-pdf:/")))
        return "The default printer \"" + printer.printerName() + "\" is not the CUPS PDF printer (" + device
            + "); not printing on paper in a test";
    if (!QDir(PdfFolder()).isReadable())
        return "No readable PDF folder " + PdfFolder()
            + " (scripts/cups.sh FOLDER, and QUADRELLE_PDF_OUT=FOLDER for another one)";
    return QString();
}

QStringList Pdfs()
{
    return QDir(PdfFolder()).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

QStringList FinishedPdfs(const QStringList &before, int deadlineMs)
{
    const QDeadlineTimer deadline(deadlineMs);
    while (!deadline.hasExpired()) {
        // The file appears before the job has finished; an empty queue means it has.
        if (RunProgram("lpstat", {"-o"}).isEmpty()) {
            QStringList added;
            for (const QString &name : Pdfs())
                if (!before.contains(name))
                    added << QDir(PdfFolder()).filePath(name);
            if (!added.isEmpty())
                return added;
        }
        QThread::msleep(100);
    }
    return {};
}

int PageCount(const QString &pdf)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(RunProgram("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QImage RenderPage(const QString &pdf, int dpi, int page)
{
    QTemporaryDir dir;
    const QString base = dir.filePath("page");
    const QString number = QString::number(page);
    QProcess process;
    process.start(
        "pdftoppm", {"-q", "-r", QString::number(dpi), "-gray", "-f", number, "-l", number, "-singlefile", pdf, base});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QImage();
    return Gray(QImage(base + ".pgm"));
}

} // namespace quadrelle::testing
