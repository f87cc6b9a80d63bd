#include "shell/home_page.h"

#include "model/runtime_error.h"

#include <QDesktopServices>
#include <QTime>

#include <cmath>
#include <random>

namespace quadrelle {

HomePageVisit::RandomSource HomePageVisit::TimeSeededRandom()
{
    return [] {
        std::mt19937 engine(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
    };
}

HomePageVisit::Opener HomePageVisit::DesktopOpener()
{
    return [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

void HomePageVisit::MaybeVisit()
{
    const int n = static_cast<int>(std::floor(random_() * 100)) + 1;
    if (n != 7)
        return;
    if (!open_ || !open_(QUrl(QLatin1String(HomePageAddress))))
        throw RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "File not found"));
}

} // namespace quadrelle
