#include "printing/layout_face.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

#include <array>
#include <cmath>
#include <utility>

namespace quadrelle {

namespace {

// Arial's and Arial Bold's metrics in font units of 2048 to the em.
constexpr double UnitsPerEm = 2048;
constexpr double DigitAdvance = 1139;
constexpr double Ascent = 1854;
constexpr double LineHeight = 1854 + 434 + 67;
// Nine rows of boxes fill their frame to within a few pixels.
constexpr double Tolerance = 0.005;

const std::array<std::pair<const char *, const char *>, 3> MetricCompatible {{
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

double EmPixels(const QFont &font, int dpi)
{
    return font.pointSizeF() * dpi / 72.0;
}

bool Near(double measured, double wanted)
{
    return std::abs(measured / wanted - 1) <= Tolerance;
}

} // namespace

QFont LayoutFont(const QString &family)
{
    QFont font(family);
    for (const auto &[name, compatible] : MetricCompatible)
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            font.setFamilies(QStringList {family, QString::fromLatin1(compatible)});
    return font;
}

FaceFit FitToArial(const QFont &font, const QPaintDevice &device)
{
    const QFontMetricsF metrics(font, &device);
    const double digit = DigitAdvance / UnitsPerEm * EmPixels(font, device.logicalDpiX());
    const double measured = metrics.horizontalAdvance(QStringLiteral("0"));
    FaceFit fit;
    if (measured > 0 && !Near(measured, digit))
        fit.widthFactor = digit / measured;
    fit.arialLines = !Near(metrics.lineSpacing(), ArialLineHeight(font, device.logicalDpiY()));
    return fit;
}

double ArialLineHeight(const QFont &font, int dpi)
{
    return LineHeight / UnitsPerEm * EmPixels(font, dpi);
}

double ArialAscent(const QFont &font, int dpi)
{
    return Ascent / UnitsPerEm * EmPixels(font, dpi);
}

} // namespace quadrelle
