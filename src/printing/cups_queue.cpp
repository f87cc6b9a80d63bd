#include "printing/cups_queue.h"

#include <cups/cups.h>

#include <algorithm>
#include <cstring>

namespace quadrelle {

namespace {

// The queue's options as lpoptions shows them; null when CUPS does not know the queue.
class Destination {
public:
    explicit Destination(const QString &name)
        : dest_(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toLocal8Bit().constData(), nullptr))
    {
    }
    ~Destination() { cupsFreeDests(dest_ ? 1 : 0, dest_); }
    Destination(const Destination &) = delete;
    Destination &operator=(const Destination &) = delete;

    const char *Option(const char *name) const
    {
        return dest_ ? cupsGetOption(name, dest_->num_options, dest_->options) : nullptr;
    }

private:
    cups_dest_t *dest_;
};

} // namespace

bool CupsQueue::AcceptsJobs() const
{
    const char *accepting = Destination(name_).Option("printer-is-accepting-jobs");
    return accepting && std::strcmp(accepting, "true") == 0;
}

QPageLayout::Orientation CupsQueue::DefaultOrientation() const
{
    // IPP orientation-requested: 4 landscape, 5 reverse landscape.
    const char *orientation = Destination(name_).Option("orientation-requested");
    const bool landscape = orientation && (std::strcmp(orientation, "4") == 0 || std::strcmp(orientation, "5") == 0);
    return landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int CupsQueue::LatestJobId() const
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name_.toLocal8Bit().constData(), 1, CUPS_WHICHJOBS_ALL);
    int latest = 0;
    for (int i = 0; i < count; ++i)
        latest = std::max(latest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return latest;
}

QString CupsScheduler::Address() const
{
    const QString server = QString::fromLocal8Bit(cupsServer());
    if (server.startsWith(u'/'))
        return server;
    return server + u':' + QString::number(ippPort());
}

bool CupsScheduler::Reachable() const
{
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 10000, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

} // namespace quadrelle
