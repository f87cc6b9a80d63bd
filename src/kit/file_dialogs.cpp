#include "kit/file_dialogs.h"

#include <QFileDialog>

namespace quadrelle {

QString QtFileDialogs::OpenFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent_, title, QString(), filter);
}

QString QtFileDialogs::SaveFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent_, title, QString(), filter);
}

} // namespace quadrelle
