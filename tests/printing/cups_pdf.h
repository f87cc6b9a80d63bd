#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

namespace quadrelle::testing {

// CUPS PDF printers of the test process's own. Each test process prints on queues nobody else
// uses and finds its documents by their job numbers, so that test runs from several clones, or a
// person printing meanwhile, never see each other's pages. Neither the system's default printer
// nor the PDF printer's settings change.

// A CUPS queue printing to PDF files, added under a name unique to this process and removed,
// with the files it wrote, when the object goes.
class PdfQueue {
public:
    // `options` go to lpadmin as they are, e.g. {"-o", "PageSize=Letter"} for the queue's paper.
    explicit PdfQueue(const QStringList &options = {});
    ~PdfQueue();
    PdfQueue(const PdfQueue &) = delete;
    PdfQueue &operator=(const PdfQueue &) = delete;

    const QString &Name() const { return name_; }

    // Why the queue could not be added, or empty when it is there.
    const QString &Problem() const { return problem_; }

    // Makes it this process's default printer through LPDEST and PRINTER, which both libcups and
    // Qt's default printer follow.
    void MakeDefault() const;

    // The numbers of every job the queue was given so far.
    QStringList Jobs() const;

    // The PDFs of the jobs given since `before` (from Jobs()), once all of them have finished;
    // empty when none has within the deadline.
    QStringList FinishedPdfs(const QStringList &before, int deadlineMs = 60000);

private:
    QString name_;
    QString problem_;
    bool added_ = false;
    QStringList written_;
};

// The folder the PDF printer writes into for this user, as its settings say.
QString PdfFolder();

// Why this process cannot print on a PDF queue of its own in a test, or empty when it can; on
// the first call it adds that queue and makes it the default printer for the rest of the process.
QString PdfPrinterProblem();

// Skips the test for the reason `problem` gives (PdfPrinterProblem() or a queue's Problem()),
// or fails it under CI, where the printer must be there; goes on when it is empty.
#define QUADRELLE_REQUIRE_PRINTER(problem)                                                                             \
    do {                                                                                                               \
        const QString reason = (problem);                                                                              \
        if (!reason.isEmpty()) {                                                                                       \
            if (!qEnvironmentVariableIsEmpty("CI"))                                                                    \
                QFAIL(qPrintable(reason));                                                                             \
            QSKIP(qPrintable(reason));                                                                                 \
        }                                                                                                              \
    } while (false)

// Standard output of a program, trimmed; "(timed out)" after 30 s.
QString RunProgram(const QString &program, const QStringList &arguments);

// The jobs of the default queue that PdfPrinterProblem() added.
QStringList PrintedJobs();

// The PDFs of the default queue's jobs since `before` (from PrintedJobs()), once finished.
QStringList FinishedPdfs(const QStringList &before, int deadlineMs = 60000);

int PageCount(const QString &pdf);

// One page of the PDF rendered in 8-bit grey (the PDF printer's output carries no text); only
// `crop`, in pixels at that resolution, when it is not null.
QImage RenderPage(const QString &pdf, int dpi, int page = 1, const QRect &crop = QRect());

} // namespace quadrelle::testing
