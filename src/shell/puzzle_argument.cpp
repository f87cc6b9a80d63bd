#include "shell/puzzle_argument.h"

#include "board/commands/puzzle_transfer.h"

#include "model/puzzle_line.h"
#include "shell/first_puzzle.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace quadrelle {

namespace {

// No puzzle file starts with a megabyte of comments; a huge one is not read to its end.
constexpr qint64 ReadLimit = 1 << 20;

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::optional<struct stat> Status(const QByteArray &path)
{
    struct stat status { };
    if (::stat(path.constData(), &status) != 0)
        return std::nullopt;
    return status;
}

// An argument made only of puzzle characters, or as long as a puzzle, is meant as one.
bool LooksLikePuzzle(const QByteArray &argument)
{
    if (argument.size() >= CellCount)
        return !Status(argument);
    for (const char c : argument) {
        if (!((c >= '0' && c <= '9') || c == '.'))
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

// The C library's own words, in the user's language: Qt's would need its own translations.
QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

PuzzleArgument CannotRead(const QString &name, const QString &why)
{
    return Failure(QCoreApplication::translate("Quadrelle", "Cannot read %1: %2.").arg(name, why));
}

// What a file that is neither a folder nor a regular one is, in words.
QString KindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Quadrelle", "a named pipe");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("Quadrelle", "a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("Quadrelle", "a device");
    return QCoreApplication::translate("Quadrelle", "a special file");
}

// The character that starts at byte p, whole when it is UTF-8 and printable; otherwise its byte
// by code, as a NUL or a stray byte would show as a box or nothing.
QString ShownCharacter(const QByteArray &text, int p)
{
    constexpr char32_t Replacement = QChar::ReplacementCharacter;
    const QList<uint> decoded = QString::fromUtf8(text.mid(p, 4)).toUcs4();
    const char32_t first = decoded.isEmpty() ? Replacement : decoded.front();
    if (first != Replacement && QChar::isPrint(first))
        return QString::fromUcs4(&first, 1);
    return QStringLiteral("\\x%1").arg(static_cast<unsigned char>(text[p]), 2, 16, QLatin1Char('0'));
}

PuzzleArgument FromLine(const QByteArray &line, const QString &what)
{
    const PuzzleLine parsed = ParsePuzzleLine(View(line));
    if (parsed.kind == PuzzleLine::Kind::Puzzle)
        return {parsed.givens, QString()};
    return Failure(
        QCoreApplication::translate("Quadrelle", "%1 is not a puzzle: %2").arg(what, DescribeBadPuzzle(line)));
}

PuzzleArgument FromFirstPuzzle(QFile &file, const QString &name, const QString &path)
{
    const FirstPuzzle first = ReadFirstPuzzle(file, path, ReadLimit);
    if (first.readFailed)
        return CannotRead(name, SystemError(errno));
    if (first.limitReached)
        return Failure(QCoreApplication::translate("Quadrelle", "The first MiB of %1 holds no puzzle line.").arg(name));
    if (!first.read)
        return Failure(QCoreApplication::translate("Quadrelle", "%1 holds no puzzle line.").arg(name));
    const ReadPuzzle &read = *first.read;
    if (read.puzzle.kind == PuzzleLine::Kind::Puzzle)
        return {read.puzzle.givens, QString()};
    const QString where = read.position.column == 1
        ? QCoreApplication::translate("Quadrelle", "Line %1 of %2").arg(read.position.line).arg(name)
        : QCoreApplication::translate("Quadrelle", "Line %1, column %2 of %3")
              .arg(read.position.line)
              .arg(read.position.column)
              .arg(name);
    if (!read.Malformed() && read.form != PuzzleForm::Xml)
        return FromLine(first.line, where);
    const QString problem = !read.Malformed()
        ? QCoreApplication::translate("Quadrelle", "the game's data is not 81 digits.")
        : DescribeFault(read.fault) + QLatin1Char('.');
    return Failure(QCoreApplication::translate("Quadrelle", "%1 is not a puzzle: %2").arg(where, problem));
}

PuzzleArgument FromFile(const QByteArray &path)
{
    const QString name = Quoted(QFile::decodeName(path));
    // Looked at before it is opened: opening a pipe would wait for a writer.
    const std::optional<struct stat> status = Status(path);
    if (!status)
        return CannotRead(name, SystemError(errno));
    if (S_ISDIR(status->st_mode))
        return Failure(QCoreApplication::translate("Quadrelle", "%1 is a folder, not a puzzle file.").arg(name));
    if (!S_ISREG(status->st_mode))
        return CannotRead(
            name, QCoreApplication::translate("Quadrelle", "it is %1, not a puzzle file").arg(KindOf(status->st_mode)));

    // Without waiting, and checked again once open, in case the name now means another file.
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return CannotRead(name, SystemError(errno));
    struct stat opened { };
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(descriptor);
        return CannotRead(name, QCoreApplication::translate("Quadrelle", "it is no longer a regular file"));
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const int error = errno;
        ::close(descriptor);
        return CannotRead(name, SystemError(error));
    }
    return FromFirstPuzzle(file, name, QFile::decodeName(path));
}

} // namespace

QString DescribeBadPuzzle(const QByteArray &line)
{
    QByteArray text = line;
    if (text.endsWith('\r'))
        text.chop(1);
    if (text.size() < CellCount)
        return QCoreApplication::translate("Quadrelle", "it has %1 characters, a puzzle has 81.").arg(text.size());
    for (int p = 0; p < CellCount; ++p) {
        const char c = text[p];
        if (!(c == '.' || (c >= '0' && c <= '9'))) {
            return QCoreApplication::translate(
                "Quadrelle", "character %1 is \"%2\"; a puzzle has only 1 to 9, 0 and \".\".")
                .arg(p + 1)
                .arg(ShownCharacter(text, p));
        }
    }
    return QCoreApplication::translate(
        "Quadrelle", "it goes on after 81 characters without a space, tab, comma, colon or semicolon.");
}

PuzzleArgument ReadPuzzleArgument(const QByteArray &argument)
{
    if (LooksLikePuzzle(argument))
        return FromLine(argument, Quoted(QString::fromUtf8(argument)));
    return FromFile(argument);
}

} // namespace quadrelle
