#include "shell/skin_framework.h"

#include "model/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

#include <cstdio>

namespace quadrelle {

namespace {

RuntimeError NotAStyleSheet()
{
    return RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Invalid skin: not a style sheet"));
}

// While set, Qt's parse warnings are counted here instead of being printed.
int *parseFailures = nullptr;
QtMessageHandler passOn = nullptr;

void CountParseFailures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (parseFailures && type == QtWarningMsg && message.startsWith(QLatin1String("Could not parse"))) {
        ++*parseFailures;
        return;
    }
    if (passOn)
        passOn(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

bool StyleSheetParses(const QString &sheet)
{
    int failures = 0;
    parseFailures = &failures;
    passOn = qInstallMessageHandler(CountParseFailures);
    {
        QWidget probe;
        probe.setStyleSheet(sheet);
        probe.ensurePolished();
    }
    qInstallMessageHandler(passOn);
    parseFailures = nullptr;
    return failures == 0;
}

QString SafeUrls(const QString &sheet, const QString &folder, qint64 maxBytes)
{
    static const QRegularExpression url(QStringLiteral(R"re(url\(\s*(?:"([^"]*)"|'([^']*)'|([^)\s]*))\s*\))re"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype done = 0;
    for (auto matches = url.globalMatch(sheet); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const QString target = match.captured(1) + match.captured(2) + match.captured(3);
        // Escapes would name another file than the one looked at.
        const QFileInfo file(QDir(folder), target);
        const bool safe
            = !target.isEmpty() && !target.contains(QLatin1Char('\\')) && file.isFile() && file.size() <= maxBytes;
        out += sheet.mid(done, match.capturedStart() - done);
        out += safe ? QStringLiteral("url(\"%1\")").arg(file.absoluteFilePath()) : QStringLiteral("url(\"\")");
        done = match.capturedEnd();
    }
    return out + sheet.mid(done);
}

void SkinFramework::LoadSkin(const QString &path, const QString &)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Path/File access error"));
    const QByteArray bytes = file.read(MaxSkinBytes + 1);
    if (bytes.size() > MaxSkinBytes)
        throw RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Skin file too large"));
    // Cleaned before the check: it polishes a widget with the sheet, which loads its pictures.
    const QString sheet = SafeUrls(QString::fromUtf8(bytes), QFileInfo(path).absolutePath(), MaxPictureBytes);
    if (!StyleSheetParses(ScopeStyleSheet(sheet, QStringLiteral("#Window"))))
        throw NotAStyleSheet();
    sheet_ = sheet;
    loaded_ = true;
}

void SkinFramework::ApplyTo(QWidget &window)
{
    if (!loaded_)
        throw RuntimeError(QT_TRANSLATE_NOOP("Quadrelle", "Skin not loaded"));
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
    // A space, as Qt reads a comment: joined up, "url/**/(" would become a url() unchecked.
    text.replace(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption),
        QStringLiteral(" "));
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
