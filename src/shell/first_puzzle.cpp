#include "shell/first_puzzle.h"

#include "formats/puzzle_reader.h"

#include <string_view>
#include <vector>

namespace quadrelle {

namespace {

// Longer lines are read in part: nothing after this decides what a line holds.
constexpr qint64 LinePrefix = 4096;

// The next line without its line end, the rest of an overlong one skipped; false at the end.
bool NextLine(QFileDevice &file, QByteArray &line, qint64 readLimit)
{
    line = file.readLine(LinePrefix);
    if (line.isEmpty())
        return false;
    const bool whole = line.endsWith('\n') || file.atEnd();
    if (line.endsWith('\n'))
        line.chop(1);
    if (!whole) {
        for (QByteArray rest; file.pos() < readLimit && !(rest = file.readLine(LinePrefix)).isEmpty();) {
            if (rest.endsWith('\n'))
                break;
        }
    }
    return true;
}

} // namespace

FirstPuzzle ReadFirstPuzzle(QFileDevice &file, const QString &name, qint64 readLimit)
{
    PuzzleReader reader({false, HintFromName(name.toStdString())});
    std::vector<ReadPuzzle> found;
    FirstPuzzle first;
    for (bool atStart = true; found.empty() && !first.limitReached && NextLine(file, first.line, readLimit);
         atStart = false) {
        if (atStart && first.line.startsWith("\xEF\xBB\xBF"))
            first.line.remove(0, 3);
        reader.Feed(std::string_view(first.line.constData(), static_cast<std::size_t>(first.line.size())), found);
        first.limitReached = found.empty() && file.pos() >= readLimit;
    }
    if (file.error() != QFileDevice::NoError) {
        first.readFailed = true;
        return first;
    }
    if (found.empty() && !first.limitReached)
        reader.Finish(found);
    if (!found.empty())
        first.read = std::move(found.front());
    return first;
}

} // namespace quadrelle
