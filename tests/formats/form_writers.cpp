#include "form_writers.h"

namespace quadrelle::test {

namespace {

char Cell(const Grid &puzzle, std::size_t row, std::size_t column, char blank)
{
    const int digit = puzzle[row * 9 + column];
    return digit == 0 ? blank : static_cast<char>('0' + digit);
}

// Row by row: `cell` between the row's `left` and `right`, `box` between its boxes; `rule`
// between bands and `frame` above and below.
struct GridStyle {
    char blank;
    std::string left, cellGap, box, right, rule, frame;
};

std::string Layout(const Grid &puzzle, const GridStyle &style)
{
    std::string text = style.frame.empty() ? "" : style.frame + '\n';
    for (std::size_t row = 0; row < 9; ++row) {
        if (row == 3 || row == 6)
            text += style.rule + '\n';
        text += style.left;
        for (std::size_t column = 0; column < 9; ++column) {
            if (column > 0)
                text += column % 3 == 0 ? style.box : style.cellGap;
            text += Cell(puzzle, row, column, style.blank);
        }
        text += style.right + '\n';
    }
    if (!style.frame.empty())
        text += style.frame + '\n';
    return text;
}

std::string Each(const std::vector<Grid> &puzzles, std::string before, const GridStyle &style, std::string after)
{
    std::string text;
    for (const Grid &puzzle : puzzles)
        text += before + Layout(puzzle, style) + after;
    return text;
}

} // namespace

std::string LineOf(const Grid &puzzle, char blank)
{
    std::string line;
    for (std::size_t p = 0; p < 81; ++p)
        line += Cell(puzzle, p / 9, p % 9, blank);
    return line;
}

std::string AsLines(const std::vector<Grid> &puzzles)
{
    std::string text = "# puzzles\n";
    for (const Grid &puzzle : puzzles)
        text += LineOf(puzzle) + " note\n";
    return text;
}

std::string AsSdm(const std::vector<Grid> &puzzles)
{
    std::string text;
    for (const Grid &puzzle : puzzles)
        text += LineOf(puzzle, '0') + '\n';
    return text;
}

std::string AsSdk(const std::vector<Grid> &puzzles)
{
    return Each(puzzles, "#ARuud\n#DA puzzle\n#LEasy\n", {'.', "", "", "", "", "", ""}, "\n");
}

std::string AsSadmanSections(const std::vector<Grid> &puzzles)
{
    const GridStyle rows {'.', "", "", "", "", "", ""};
    Grid progress {};
    progress.fill(5);
    std::string text;
    for (const Grid &puzzle : puzzles)
        text += "[Puzzle]\n" + Layout(puzzle, rows) + "[State]\n" + Layout(progress, rows);
    return text;
}

std::string AsSimpleSudoku(const std::vector<Grid> &puzzles)
{
    return Each(puzzles, "", {'.', "", "", "|", "", "-----------", ""}, "");
}

std::string AsSimpleSudokuPrint(const std::vector<Grid> &puzzles)
{
    return Each(puzzles, "", {'.', "|", "", "|", "|", "|---+---+---|", "*-----------*"}, "\n");
}

std::string AsForumGrid(const std::vector<Grid> &puzzles)
{
    return Each(puzzles, "", {'0', "", " ", " | ", "", "------+-------+------", ""}, "\n");
}

std::string AsBandedGrid(const std::vector<Grid> &puzzles)
{
    return Each(puzzles, "", {'_', "  ", "", " ", "", "", ""}, "\n\n");
}

std::string AsOpenSudoku(const std::vector<Grid> &puzzles)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<opensudoku>\n  <name>Set</name>\n";
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        if (i % 2 == 0)
            text += "  <game data=\"" + LineOf(puzzles[i], '0') + "\" />\n";
        else
            text += "  <game created=\"1\"\n        data='" + LineOf(puzzles[i], '0') + "'/>\n";
    }
    return text + "</opensudoku>\n";
}

std::string AsCsv(const std::vector<Grid> &puzzles)
{
    std::string text = "quizzes,solutions\n";
    for (const Grid &puzzle : puzzles)
        text += LineOf(puzzle, '0') + ',' + LineOf(puzzle, '0') + '\n';
    return text;
}

std::string AsQuotedCsv(const std::vector<Grid> &puzzles)
{
    std::string text = "\"puzzle\",\"difficulty\"\n";
    for (const Grid &puzzle : puzzles)
        text += '"' + LineOf(puzzle, '.') + "\",\"2.5\"\n";
    return text;
}

std::string WithCrLf(const std::string &text)
{
    std::string crlf;
    for (const char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

} // namespace quadrelle::test
