#pragma once

#include "model/stored_color.h"

#include <QColor>
#include <QString>

namespace quadrelle {

// The colour a stored value shows as now; system colours follow the application palette.
QColor Resolve(StoredColor color);

// The same colour as a style sheet value.
QString CssColor(StoredColor color);

} // namespace quadrelle
