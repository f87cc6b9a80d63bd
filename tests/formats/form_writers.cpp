#include "form_writers.h"

namespace quadrelle::test {

std::string LineOf(const Grid &puzzle, char blank)
{
    std::string line;
    for (const std::int8_t digit : puzzle)
        line += digit == 0 ? blank : static_cast<char>('0' + digit);
    return line;
}

std::string AsGrids(const std::vector<Grid> &puzzles, const GridStyle &style)
{
    const std::string frame = style.frame.empty() ? "" : style.frame + '\n';
    std::string text;
    for (const Grid &puzzle : puzzles) {
        const std::string line = LineOf(puzzle, style.blank);
        text += style.before + frame;
        for (std::size_t row = 0; row < 9; ++row) {
            text += row == 3 || row == 6 ? style.rule + (style.rule.empty() ? "" : "\n") : "";
            text += style.left;
            for (std::size_t column = 0; column < 9; ++column)
                text += (column == 0 ? "" : column % 3 == 0 ? style.box : style.gap) + line[row * 9 + column];
            text += style.right + '\n';
        }
        text += frame + style.after;
    }
    return text;
}

std::string AsLines(const std::vector<Grid> &puzzles, char blank, const std::string &after)
{
    std::string text = "# puzzles\n";
    for (const Grid &puzzle : puzzles)
        text += LineOf(puzzle, blank) + after + '\n';
    return text;
}

std::string AsOpenSudoku(const std::vector<Grid> &puzzles)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<opensudoku>\n  <name>Set</name>\n";
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const std::string data = LineOf(puzzles[i], '0');
        text += i % 2 == 0 ? "  <game data=\"" + data + "\" />\n" : "  <game created=\"1\"\n    data='" + data + "'/>\n";
    }
    return text + "</opensudoku>\n";
}

std::string AsCsv(const std::vector<Grid> &puzzles, bool quoted)
{
    const std::string quote = quoted ? "\"" : "";
    // A quoted header is one only a .csv name makes a header.
    std::string text = quoted ? "\"Puzzle (81 cells)\",\"solution\"\n" : "quizzes,solutions\n";
    for (const Grid &puzzle : puzzles)
        text += quote + LineOf(puzzle, '0') + quote + ',' + LineOf(puzzle) + '\n';
    return text;
}

} // namespace quadrelle::test
