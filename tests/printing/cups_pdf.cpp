#include "cups_pdf.h"

#include "page_scan.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include <pwd.h>
#include <unistd.h>

namespace quadrelle::testing {

namespace {

const QString SetUp = QStringLiteral(" (scripts/cups.sh starts the scheduler; CI runs it before the tests)");

// Exit code and output of a program, or -1 when it did not finish within 30 s.
struct Outcome {
    int exitCode = -1;
    QString output;
};

Outcome Run(const QString &program, const QStringList &arguments,
    QProcess::ProcessChannelMode channels = QProcess::MergedChannels)
{
    QProcess process;
    process.setProcessChannelMode(channels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(1000);
        return {-1, QStringLiteral("(timed out)")};
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed()};
}

// The job numbers in lpstat's "QUEUE-ID ..." lines.
QStringList JobNumbers(const QString &queue, const QString &which)
{
    QStringList numbers;
    const QString listing = RunProgram("lpstat", {"-W", which, "-o", queue});
    const QRegularExpression line(
        "^" + QRegularExpression::escape(queue) + "-(\\d+)\\s", QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(listing); it.hasNext();)
        numbers << it.next().captured(1);
    return numbers;
}

// The PDF printer names every file of our queues "…-job_ID.pdf" (Label=2).
QString PdfOfJob(const QString &job)
{
    const QDir folder(PdfFolder());
    const QStringList names = folder.entryList({"*-job_" + job + ".pdf"}, QDir::Files);
    return names.size() == 1 ? folder.filePath(names.front()) : QString();
}

std::unique_ptr<PdfQueue> &DefaultQueue()
{
    static std::unique_ptr<PdfQueue> queue;
    return queue;
}

} // namespace

PdfQueue::PdfQueue(const QStringList &options)
    : name_(QStringLiteral("quadrelle-test-%1-%2")
                .arg(QCoreApplication::applicationPid())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0')))
{
    for (const char *tool : {"lpadmin", "lpstat"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            problem_ = QStringLiteral("%1 is missing: no CUPS client here").arg(tool) + SetUp;
            return;
        }
    if (!RunProgram("lpstat", {"-r"}).contains("scheduler is running")) {
        problem_ = "The CUPS scheduler is not running" + SetUp;
        return;
    }
    const QStringList add = QStringList {"-p", name_, "-E", "-v", "cups-pdf:/", "-m",
                                "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-o", "Label=2"}
        + options;
    const Outcome added = Run("lpadmin", add);
    if (added.exitCode != 0) {
        problem_ = "Cannot add the PDF queue " + name_ + ": " + added.output;
        return;
    }
    added_ = true;
}

PdfQueue::~PdfQueue()
{
    if (added_)
        Run("lpadmin", {"-x", name_});
    for (const QString &pdf : written_)
        QFile::remove(pdf);
}

void PdfQueue::MakeDefault() const
{
    qputenv("LPDEST", name_.toLocal8Bit());
    qputenv("PRINTER", name_.toLocal8Bit());
}

QStringList PdfQueue::Jobs() const
{
    return JobNumbers(name_, "all");
}

QStringList PdfQueue::FinishedPdfs(const QStringList &before, int deadlineMs)
{
    const QDeadlineTimer deadline(deadlineMs);
    QStringList jobs;
    while (!deadline.hasExpired()) {
        if (jobs.isEmpty())
            for (const QString &job : Jobs())
                if (!before.contains(job))
                    jobs << job;
        // The file appears before its job has finished: wait for the job, then for its file.
        const QStringList finished = JobNumbers(name_, "completed");
        QStringList pdfs;
        for (const QString &job : jobs) {
            if (!finished.contains(job))
                break;
            const QString pdf = PdfOfJob(job);
            if (pdf.isEmpty())
                break;
            pdfs << pdf;
        }
        if (!jobs.isEmpty() && pdfs.size() == jobs.size()) {
            written_ += pdfs;
            return pdfs;
        }
        QThread::msleep(100);
    }
    return {};
}

QString PdfFolder()
{
    // cups-pdf's own default, unless its settings name another folder; it runs as the job's user.
    QString folder = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile settings(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (settings.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression out("^Out\\s+(\\S.*?)\\s*$");
        while (!settings.atEnd()) {
            const auto match = out.match(QString::fromLocal8Bit(settings.readLine()));
            if (match.hasMatch())
                folder = match.captured(1);
        }
    }
    const passwd *user = getpwuid(getuid());
    if (user) {
        folder.replace("${HOME}", QString::fromLocal8Bit(user->pw_dir));
        folder.replace("${USER}", QString::fromLocal8Bit(user->pw_name));
    }
    return folder;
}

QString RunProgram(const QString &program, const QStringList &arguments)
{
    return Run(program, arguments, QProcess::SeparateChannels).output;
}

QString PdfPrinterProblem()
{
    for (const char *tool : {"pdftoppm", "pdfinfo"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QStringLiteral("%1 is missing: no poppler-utils here").arg(tool) + SetUp;
    auto &queue = DefaultQueue();
    if (!queue) {
        queue = std::make_unique<PdfQueue>();
        // Removed with the application, while Qt can still run lpadmin.
        qAddPostRoutine([] { DefaultQueue().reset(); });
        if (queue->Problem().isEmpty())
            queue->MakeDefault();
    }
    if (!queue->Problem().isEmpty())
        return queue->Problem();
    // Anything but the queue of our own is refused, so that no test ever prints on paper.
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.printerName() != queue->Name())
        return "The default printer is \"" + printer.printerName() + "\", not the test's own queue " + queue->Name();
    return QString();
}

QStringList PrintedJobs()
{
    return DefaultQueue() ? DefaultQueue()->Jobs() : QStringList();
}

QStringList FinishedPdfs(const QStringList &before, int deadlineMs)
{
    return DefaultQueue() ? DefaultQueue()->FinishedPdfs(before, deadlineMs) : QStringList();
}

int PageCount(const QString &pdf)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(RunProgram("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QImage RenderPage(const QString &pdf, int dpi, int page, const QRect &crop)
{
    QTemporaryDir dir;
    const QString base = dir.filePath("page");
    const QString number = QString::number(page);
    QStringList arguments {"-q", "-r", QString::number(dpi), "-gray", "-f", number, "-l", number};
    if (!crop.isNull())
        arguments << "-x" << QString::number(crop.x()) << "-y" << QString::number(crop.y()) << "-W"
                  << QString::number(crop.width()) << "-H" << QString::number(crop.height());
    if (Run("pdftoppm", arguments + QStringList {"-singlefile", pdf, base}).exitCode != 0)
        return QImage();
    return Gray(QImage(base + ".pgm"));
}

} // namespace quadrelle::testing
