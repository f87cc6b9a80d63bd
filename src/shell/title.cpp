#include "shell/title.h"

#include "model/runtime_error.h"

namespace quadrelle {

QString DeriveApplicationTitle(const QString &name)
{
    QString t = name;
    do {
        const qsizetype p = t.lastIndexOf(QLatin1Char(' ')) + 1; // 1-based; 0 when none
        if (p - 1 < 0)
            throw InvalidArgument();
        t = t.left(p - 1);
    } while (t.size() > 40);
    return t;
}

} // namespace quadrelle
