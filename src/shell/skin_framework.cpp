#include "skin_framework.h"

#include "model/runtime_error.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

namespace quadrelle {

void SkinFramework::LoadSkin(const QString &path, const QString &)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw RuntimeError("Path/File access error");
    sheet_ = QString::fromUtf8(file.readAll());
    loaded_ = true;
}

void SkinFramework::ApplyTo(QWidget &window)
{
    if (!loaded_)
        throw RuntimeError("Skin not loaded");
    if (!active_)
        return;
    const QString selector = QLatin1Char('#') + window.objectName();
    window.setStyleSheet((options_ & ScopeToOwnControls) ? ScopeStyleSheet(sheet_, selector) : sheet_);
    if (repaintOnApply_)
        window.update();
}

namespace {

bool NamesWindow(const QString &selector, const QString &word)
{
    if (!selector.startsWith(word))
        return false;
    if (selector.size() == word.size())
        return true;
    const QChar next = selector.at(word.size());
    return !(next.isLetterOrNumber() || next == QLatin1Char('_') || next == QLatin1Char('-'));
}

// "#Form1" and "Form1" with their pseudo-states mean the window itself; anything below the
// window is narrowed to its direct children.
QString ScopeSelector(const QString &selector, const QString &windowSelector)
{
    QString rest = selector;
    if (NamesWindow(selector, windowSelector))
        rest = selector.mid(windowSelector.size());
    else if (NamesWindow(selector, QStringLiteral("Form1")))
        rest = selector.mid(5);
    else
        return windowSelector + QStringLiteral(" > ") + selector;
    if (rest.isEmpty() || !(rest.front().isSpace() || rest.front() == QLatin1Char('>')))
        return windowSelector + rest;
    rest = rest.trimmed();
    if (rest.startsWith(QLatin1Char('>')))
        rest = rest.mid(1).trimmed();
    return windowSelector + QStringLiteral(" > ") + rest;
}

} // namespace

QString ScopeStyleSheet(const QString &sheet, const QString &windowSelector)
{
    QString text = sheet;
    text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    // Declarations without a selector would reach every widget under the window.
    if (!text.contains(QLatin1Char('{')))
        return text.trimmed().isEmpty()
            ? QString()
            : windowSelector + QStringLiteral(" { ") + text.trimmed() + QStringLiteral(" }\n");

    QString out;
    qsizetype pos = 0;
    while (true) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), pos);
        if (open < 0)
            break;
        qsizetype close = text.indexOf(QLatin1Char('}'), open);
        if (close < 0)
            close = text.size() - 1;
        QStringList scoped;
        for (const QString &part : text.mid(pos, open - pos).split(QLatin1Char(','))) {
            const QString selector = part.trimmed();
            if (!selector.isEmpty())
                scoped << ScopeSelector(selector, windowSelector);
        }
        if (!scoped.isEmpty())
            out += scoped.join(QStringLiteral(", ")) + QLatin1Char(' ') + text.mid(open, close - open + 1).trimmed()
                + QLatin1Char('\n');
        pos = close + 1;
    }
    return out;
}

} // namespace quadrelle
