#include "shell/program_files.h"

#include "model/runtime_error.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

namespace quadrelle {

QString ExecutableFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool FileExists(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

bool IsOrdinaryFile(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QCursor LoadCursorFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Invalid picture"));
    const QPixmap picture(path);
    if (picture.isNull())
        throw RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Invalid picture"));

    // Qt reads the image of a .cur but not its hot spot: bytes 10..13 of the header
    // (type 2 = cursor) hold x and y, little-endian.
    int x = 0;
    int y = 0;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(14);
        const auto byte = [&head](int i) { return static_cast<unsigned char>(head[i]); };
        if (head.size() == 14 && byte(2) == 2 && byte(3) == 0) {
            x = byte(10) | byte(11) << 8;
            y = byte(12) | byte(13) << 8;
        }
    }
    return QCursor(picture, x, y);
}

} // namespace quadrelle
