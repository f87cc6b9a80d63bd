#include "shell/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quadrelle {

bool InstallTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // Tries each of the user's languages in turn: LANGUAGE, then LC_ALL, LC_MESSAGES, LANG.
    if (!translator->load(
            QLocale::system(), QStringLiteral("quadrelle"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace quadrelle
