#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quadrelle::testing {

// A cups-pdf queue of one test alone, with its own default paper, removed again at the end.
// It is this process's default printer while it exists (LPDEST and PRINTER); the system's
// default printer and the PDF printer's settings are left alone.
class PrivateQueue {
public:
    // pageSize: a PageSize of the cups-pdf driver ("Letter", "A5"); options: more lpadmin -o.
    explicit PrivateQueue(const QString &pageSize, const QStringList &options = {});
    ~PrivateQueue();
    PrivateQueue(const PrivateQueue &) = delete;
    PrivateQueue &operator=(const PrivateQueue &) = delete;

    QString Name() const { return name_; }
    // Empty when the queue was made; else why not.
    QString Problem() const { return problem_; }

    // Refuses every job from now on, as `cupsreject` does.
    void RejectJobs();
    // The ids of the queue's jobs, finished ones included.
    QList<int> JobIds() const;
    // The PDF of the job, once the queue has finished it; empty when it has not within the deadline.
    QString FinishedPdf(int jobId, int deadlineMs = 60000) const;

private:
    QString name_;
    QString problem_;
    QByteArray lpdest_, printer_;
};

// Skips the test with the reason, or fails it under CI, where CUPS must be there.
#define QUADRELLE_REQUIRE_QUEUE(queue)                                                                                 \
    do {                                                                                                               \
        if (!(queue).Problem().isEmpty()) {                                                                            \
            if (!qEnvironmentVariableIsEmpty("CI"))                                                                    \
                QFAIL(qPrintable((queue).Problem()));                                                                  \
            QSKIP(qPrintable((queue).Problem()));                                                                      \
        }                                                                                                              \
    } while (false)

} // namespace quadrelle::testing
