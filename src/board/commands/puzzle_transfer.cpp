#include "board/commands/puzzle_transfer.h"

#include "board/grids.h"
#include "board/numeric_value.h"
#include "formats/puzzle_reader.h"

#include <QCoreApplication>
#include <QMimeData>

namespace quadrelle {

namespace {

// A page copied from a forum is a few kilobytes; more is no puzzle someone meant to paste.
constexpr qsizetype ClipboardLimit = 1 << 20;

} // namespace

Grid EnteredGivens(const Grids &grids)
{
    Grid givens {};
    for (int n = FirstBox; n <= LastBox; ++n) {
        const PuzzleBox &box = grids.txPuz(n);
        if (box.Tag().isEmpty())
            givens[static_cast<std::size_t>(n - 1)] = static_cast<std::int8_t>(NumericValue(box.Text()));
    }
    return givens;
}

std::string PuzzleLineOf(const Grid &givens)
{
    std::string line;
    for (const std::int8_t digit : givens)
        line += digit == 0 ? '.' : static_cast<char>('0' + digit);
    return line;
}

std::string SdkGridOf(const Grid &givens)
{
    const std::string line = PuzzleLineOf(givens);
    std::string grid;
    for (std::size_t row = 0; row < 9; ++row)
        grid += line.substr(row * 9, 9) + '\n';
    return grid;
}

std::string SolutionLineOf(const Grids &grids)
{
    std::string line;
    for (int n = FirstBox; n <= LastBox; ++n) {
        const int digit = NumericValue(grids.txSol(n).Caption());
        if (digit < 1 || digit > 9)
            return {};
        line += static_cast<char>('0' + digit);
    }
    return line;
}

// What is wrong with a malformed grid or XML file, in the window's language.
QString DescribeFault(const ReadFault &fault)
{
    switch (fault.kind) {
    case ReadFault::Kind::None:
        break;
    case ReadFault::Kind::BadCharacter:
        if (fault.byte >= 0x20 && fault.byte < 0x7F)
            return QCoreApplication::translate("Quadrelle", "grid row %1: \"%2\" is neither a digit nor a blank")
                .arg(fault.row)
                .arg(QLatin1Char(static_cast<char>(fault.byte)));
        return QCoreApplication::translate("Quadrelle", "grid row %1: byte 0x%2 is neither a digit nor a blank")
            .arg(fault.row)
            .arg(QString::number(fault.byte, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    case ReadFault::Kind::CellCount:
        return QCoreApplication::translate("Quadrelle", "grid row %1 has %2 cells, not 9").arg(fault.row).arg(fault.cells);
    case ReadFault::Kind::GapInBand:
        return fault.blank
            ? QCoreApplication::translate("Quadrelle", "a blank line after grid row %1 of 9").arg(fault.row)
            : QCoreApplication::translate("Quadrelle", "a box border after grid row %1 of 9").arg(fault.row);
    case ReadFault::Kind::EndsEarly:
        return fault.row == 1
            ? QCoreApplication::translate("Quadrelle", "the grid ends after 1 row; a grid has 9")
            : QCoreApplication::translate("Quadrelle", "the grid ends after %1 rows; a grid has 9").arg(fault.row);
    case ReadFault::Kind::BadXml:
        return QCoreApplication::translate("Quadrelle", "the file is not well-formed XML");
    }
    return {};
}

PuzzlesInText ReadPuzzlesIn(std::string_view text)
{
    PuzzlesInText result;
    QString firstProblem;
    for (const ReadPuzzle &read : ReadPuzzles(text)) {
        if (read.puzzle.kind == PuzzleLine::Kind::Puzzle)
            result.puzzles.push_back(read.puzzle.givens);
        else if (firstProblem.isEmpty() && read.Malformed())
            firstProblem = DescribeFault(read.fault);
    }
    if (result.puzzles.empty()) {
        result.problem = firstProblem.isEmpty()
            ? QCoreApplication::translate(
                "Quadrelle", "The text holds no puzzle: no line of 81 cells and no grid of 9 rows of 9.")
            : QCoreApplication::translate("Quadrelle", "The text holds no puzzle: %1.").arg(firstProblem);
    }
    return result;
}

ClipboardPuzzle PuzzleOnClipboard(const QMimeData *data)
{
    if (data == nullptr || data->formats().isEmpty())
        return {std::nullopt, QCoreApplication::translate("Quadrelle", "The clipboard is empty.")};
    if (!data->hasText()) {
        return {std::nullopt,
            data->hasImage()
                ? QCoreApplication::translate("Quadrelle", "The clipboard holds a picture, not the text of a puzzle.")
                : QCoreApplication::translate("Quadrelle", "The clipboard holds no text.")};
    }
    QByteArray text = data->text().toUtf8();
    if (text.size() > ClipboardLimit)
        return {std::nullopt,
            QCoreApplication::translate(
                "Quadrelle", "The clipboard holds more than a MiB of text; a puzzle is much shorter.")};
    if (text.trimmed().isEmpty())
        return {std::nullopt, QCoreApplication::translate("Quadrelle", "The clipboard's text is blank.")};
    const PuzzlesInText read = ReadPuzzlesIn(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (read.puzzles.empty())
        return {std::nullopt, read.problem};
    return {read.puzzles.front(), QString()};
}

void EnterGivens(Grids &grids, const Grid &givens)
{
    for (int n = FirstBox; n <= LastBox; ++n) {
        const int digit = givens[static_cast<std::size_t>(n - 1)];
        if (digit == 0)
            continue;
        PuzzleBox &box = grids.txPuz(n);
        box.setFocus(Qt::OtherFocusReason);
        box.TypeDigit(QChar('0' + digit));
    }
}

} // namespace quadrelle
