#include "colors.h"

#include <QApplication>
#include <QPalette>

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

QString CssColor(StoredColor color)
{
    return Resolve(color).name(QColor::HexRgb);
}

} // namespace quadrelle
