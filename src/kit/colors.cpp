#include "kit/colors.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace quadrelle {

QColor Resolve(StoredColor color)
{
    if (!color.IsSystem())
        return QColor(color.Red(), color.Green(), color.Blue());
    const QPalette palette = QApplication::palette();
    switch (static_cast<StoredColor::SystemIndex>(color.SystemIndexValue())) {
    case StoredColor::SystemIndex::WindowBackground:
        return palette.color(QPalette::Active, QPalette::Base);
    case StoredColor::SystemIndex::WindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case StoredColor::SystemIndex::ButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    }
    // Other system indexes are never stored by this program.
    return palette.color(QPalette::Active, QPalette::Window);
}

namespace {

// The system colours as a light desktop shows them.
QColor LightDesktopColor(StoredColor color)
{
    switch (static_cast<StoredColor::SystemIndex>(color.SystemIndexValue())) {
    case StoredColor::SystemIndex::WindowText:
        return Qt::black;
    case StoredColor::SystemIndex::ButtonFace:
        return QColor(0xF0, 0xF0, 0xF0);
    case StoredColor::SystemIndex::WindowBackground:
        break;
    }
    return Qt::white;
}

double RelativeLuminance(const QColor &color)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double Contrast(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Large text stays readable from about this ratio on.
constexpr double ReadableContrast = 3.0;

} // namespace

std::pair<QColor, QColor> LegibleColors(StoredColor fore, StoredColor back)
{
    QColor text = Resolve(fore);
    QColor background = Resolve(back);
    if (fore.IsSystem() == back.IsSystem() || Contrast(text, background) >= ReadableContrast)
        return {text, background};
    if (fore.IsSystem())
        text = LightDesktopColor(fore);
    else
        background = LightDesktopColor(back);
    return {text, background};
}

} // namespace quadrelle
