#include "shell/install_layout.h"

#include "shell/program_files.h"

#include <QDir>

namespace quadrelle {

QString InstalledDataFolder(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/" QUADRELLE_DATA_FROM_BIN));
}

QString FindProgramFile(const QStringList &folders, const QString &relativePath)
{
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString path = folder + QLatin1Char('/') + relativePath;
        if (FileExists(path))
            return path;
    }
    return folders.value(0) + QLatin1Char('/') + relativePath;
}

} // namespace quadrelle
