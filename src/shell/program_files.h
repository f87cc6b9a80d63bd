#pragma once

#include <QCursor>
#include <QString>

namespace quadrelle {

// The folder of the running executable.
QString ExecutableFolder();

// True when the file's date stamp can be read. Never throws, also for empty or odd paths.
bool FileExists(const QString &path);

// A plain file that is not hidden, as a directory search would find it.
bool IsOrdinaryFile(const QString &path);

// A Windows cursor (.cur) with the hot spot its header names. Throws "Invalid picture" when
// the file is no image or no regular file (a pipe or a device is never read: it could block).
QCursor LoadCursorFile(const QString &path);

} // namespace quadrelle
