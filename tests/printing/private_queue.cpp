#include "private_queue.h"

#include "cups_pdf.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace quadrelle::testing {

namespace {

const QString Ppd = QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd");
const QString CupsPdfConf = QStringLiteral("/etc/cups/cups-pdf.conf");

// Runs a CUPS tool; empty when it succeeded, else what went wrong.
QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(1000);
        return program + " timed out";
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + ": " + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return QString();
}

QString SchedulerProblem()
{
    for (const char *tool : {"lpadmin", "lpstat", "cupsreject", "pdftoppm", "pdfinfo"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QStringLiteral("%1 is missing: no CUPS or poppler-utils here (scripts/setup.sh)").arg(tool);
    if (!RunProgram("lpstat", {"-r"}).contains("scheduler is running"))
        return QStringLiteral("The CUPS scheduler is not running (scripts/cups.sh starts it)");
    if (!QFile::exists(CupsPdfConf))
        return QStringLiteral("No PDF printer driver (printer-driver-cups-pdf)");
    return QString();
}

// Where the PDF printer writes: the folder the test set-up names, and its own setting.
QStringList OutputFolders()
{
    QStringList folders {PdfFolder()};
    QFile conf(CupsPdfConf);
    if (conf.open(QIODevice::ReadOnly)) {
        const auto match = QRegularExpression("^Out\\s+(\\S+)", QRegularExpression::MultilineOption)
                               .match(QString::fromLocal8Bit(conf.readAll()));
        if (match.hasMatch())
            folders << match.captured(1).replace("${HOME}", QDir::homePath());
    }
    return folders;
}

} // namespace

PrivateQueue::PrivateQueue(const QString &pageSize, const QStringList &options)
    : lpdest_(qgetenv("LPDEST")), printer_(qgetenv("PRINTER"))
{
    problem_ = SchedulerProblem();
    if (!problem_.isEmpty())
        return;
    static int made = 0;
    name_ = QStringLiteral("quadrelle-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++made);
    QStringList arguments {"-p", name_, "-E", "-v", "cups-pdf:/", "-m", Ppd, "-o", "PageSize=" + pageSize};
    for (const QString &option : options)
        arguments << "-o" << option;
    problem_ = Run("lpadmin", arguments);
    if (!problem_.isEmpty()) {
        name_.clear();
        return;
    }
    qputenv("LPDEST", name_.toLocal8Bit());
    qputenv("PRINTER", name_.toLocal8Bit());
}

PrivateQueue::~PrivateQueue()
{
    if (name_.isEmpty())
        return;
    Run("lpadmin", {"-x", name_});
    qputenv("LPDEST", lpdest_);
    qputenv("PRINTER", printer_);
}

void PrivateQueue::RejectJobs()
{
    const QString problem = Run("cupsreject", {name_});
    if (!problem.isEmpty())
        qFatal("%s", qPrintable(problem));
}

QList<int> PrivateQueue::JobIds() const
{
    QList<int> ids;
    const QRegularExpression job(
        "^" + QRegularExpression::escape(name_) + "-(\\d+)\\s", QRegularExpression::MultilineOption);
    auto matches = job.globalMatch(RunProgram("lpstat", {"-W", "all", "-o", name_}));
    while (matches.hasNext())
        ids << matches.next().captured(1).toInt();
    return ids;
}

QString PrivateQueue::FinishedPdf(int jobId, int deadlineMs) const
{
    const QRegularExpression file(QStringLiteral("[-_]job_%1\\.pdf$").arg(jobId));
    const QDeadlineTimer deadline(deadlineMs);
    while (!deadline.hasExpired()) {
        // The file appears before the job has finished.
        if (RunProgram("lpstat", {"-W", "not-completed", "-o", name_}).isEmpty()) {
            for (const QString &folder : OutputFolders())
                for (const QString &name : QDir(folder).entryList({"*.pdf"}, QDir::Files))
                    if (file.match(name).hasMatch())
                        return QDir(folder).filePath(name);
        }
        QThread::msleep(100);
    }
    return QString();
}

} // namespace quadrelle::testing
