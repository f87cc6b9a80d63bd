#include "puzzle_argument.h"

#include "model/puzzle_line.h"

#include <QFile>
#include <QFileInfo>

#include <string_view>

namespace quadrelle {

namespace {

// Longer lines are read in part: after the 82nd character nothing changes the verdict.
constexpr qint64 LinePrefix = 4096;

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// An argument made only of puzzle characters, or as long as a puzzle, is meant as one.
bool LooksLikePuzzle(const QString &argument)
{
    if (argument.size() >= CellCount)
        return !QFileInfo::exists(argument);
    for (const QChar c : argument) {
        if (!(c.isDigit() || c == QLatin1Char('.')))
            return false;
    }
    return !argument.isEmpty();
}

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

PuzzleArgument Failure(const QString &error)
{
    return {std::nullopt, error};
}

PuzzleArgument FromLine(const QByteArray &line, const QString &what)
{
    const PuzzleLine parsed = ParsePuzzleLine(View(line));
    if (parsed.kind == PuzzleLine::Kind::Puzzle)
        return {parsed.givens, QString()};
    return Failure(what + QStringLiteral(" is not a puzzle: ") + DescribeBadPuzzle(line));
}

PuzzleArgument FromFile(const QString &path)
{
    if (QFileInfo(path).isDir())
        return Failure(Quoted(path) + QStringLiteral(" is a folder, not a puzzle file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(QStringLiteral("Cannot read %1: %2.").arg(Quoted(path), file.errorString()));

    for (int number = 1;; ++number) {
        QByteArray line = file.readLine(LinePrefix);
        if (line.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return Failure(QStringLiteral("Cannot read %1: %2.").arg(Quoted(path), file.errorString()));
            return Failure(Quoted(path) + QStringLiteral(" holds no puzzle line."));
        }
        const bool whole = line.endsWith('\n') || file.atEnd();
        if (line.endsWith('\n'))
            line.chop(1);
        if (number == 1 && line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        if (!whole) {
            for (QByteArray rest; !file.atEnd() && !(rest = file.readLine(LinePrefix)).isEmpty();) {
                if (rest.endsWith('\n'))
                    break;
            }
        }
        if (ParsePuzzleLine(View(line)).kind == PuzzleLine::Kind::Skip)
            continue;
        return FromLine(line, QStringLiteral("Line %1 of %2").arg(number).arg(Quoted(path)));
    }
}

} // namespace

QString DescribeBadPuzzle(const QByteArray &line)
{
    QByteArray text = line;
    if (text.endsWith('\r'))
        text.chop(1);
    if (text.size() < CellCount)
        return QStringLiteral("it has %1 characters, a puzzle has 81.").arg(text.size());
    for (int p = 0; p < CellCount; ++p) {
        const char c = text[p];
        if (!(c == '.' || (c >= '0' && c <= '9'))) {
            return QStringLiteral("character %1 is \"%2\"; a puzzle has only 1 to 9, 0 and \".\".")
                .arg(p + 1)
                .arg(QString::fromUtf8(text.mid(p, 1)));
        }
    }
    return QStringLiteral("it goes on after 81 characters without a space, tab, comma, colon or semicolon.");
}

PuzzleArgument ReadPuzzleArgument(const QString &argument)
{
    if (LooksLikePuzzle(argument))
        return FromLine(argument.toUtf8(), Quoted(argument));
    return FromFile(argument);
}

} // namespace quadrelle
