#pragma once

#include <QPageLayout>
#include <QString>

namespace quadrelle {

// One CUPS queue as this user sees it: its default settings and the jobs it took from us.
// Nothing here throws; without a scheduler a queue has no jobs and no defaults.
class CupsQueue {
public:
    explicit CupsQueue(QString name) : name_(std::move(name)) { }

    QString Name() const { return name_; }
    bool AcceptsJobs() const;
    // The orientation a job gets when it asks for none.
    QPageLayout::Orientation DefaultOrientation() const;
    // The highest id among this user's jobs on the queue, finished ones included; 0 for none.
    int LatestJobId() const;

private:
    QString name_;
};

// The CUPS scheduler this process would print through (CUPS_SERVER, client.conf, or the local one).
class CupsScheduler {
public:
    // "host:port", or the local socket's path.
    QString Address() const;
    // True when a connection to it opens.
    bool Reachable() const;
};

} // namespace quadrelle
