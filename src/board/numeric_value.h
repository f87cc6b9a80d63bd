#pragma once

#include "model/runtime_error.h"

#include <QString>

#include <cstdint>

namespace quadrelle {

// The number a box's text or tag stands for: its leading decimal digits after any blanks,
// 0 when there are none. A number beyond 32 bits is an "Overflow".
inline std::int32_t NumericValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > INT32_MAX)
            throw Overflow();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace quadrelle
