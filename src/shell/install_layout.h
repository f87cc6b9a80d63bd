#pragma once

#include <QString>
#include <QStringList>

namespace quadrelle {

// The installed data folder (share/quadrelle), found from the executable's folder through the
// install's relative layout, so a package and any `cmake --install` prefix agree.
QString InstalledDataFolder(const QString &executableFolder);

// The first of `folders` that holds `relativePath` (as FileExists sees it), joined with it;
// without one, the path in the first folder, so that callers report what they looked for.
QString FindProgramFile(const QStringList &folders, const QString &relativePath);

} // namespace quadrelle
