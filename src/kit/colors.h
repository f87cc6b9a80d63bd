#pragma once

#include "model/stored_color.h"

#include <QColor>
#include <QString>

#include <utility>

namespace quadrelle {

// The colour a stored value shows as now; system colours follow the application palette.
QColor Resolve(StoredColor color);

// What a control draws its text and background with. A system colour that cannot be read
// against a fixed partner (a dark desktop's text on a fixed white heading) takes its value on a
// light desktop instead; two system colours, or two fixed ones, are drawn as they are.
std::pair<QColor, QColor> LegibleColors(StoredColor fore, StoredColor back);

} // namespace quadrelle
