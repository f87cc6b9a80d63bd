#pragma once

#include "model/board.h"

#include <string>
#include <vector>

namespace quadrelle::test {

// A grid written row by row: `left`, cells with `gap` between them and `box` between boxes,
// `right`; `rule` between bands, `frame` above and below; `before` and `after` each puzzle.
struct GridStyle {
    char blank;
    std::string left, gap, box, right, rule, frame, before, after;
};

inline const GridStyle Sdk {'.', "", "", "", "", "", "", "#ARuud\n#DA puzzle\n", "\n"};
inline const GridStyle SdkSections {'.', "", "", "", "", "", "", "[Puzzle]\n", "[State]\n" + std::string(9, '5') + "\n"};
inline const GridStyle SimpleSudoku {'.', "", "", "|", "", "-----------", "", "", ""};
inline const GridStyle SimpleSudokuPrint {'.', "|", "", "|", "|", "|---+---+---|", "*-----------*", "", "\n"};
inline const GridStyle Forum {'0', "", " ", " | ", "", "------+-------+------", "", "", "\n"};
inline const GridStyle Banded {'_', "  ", "", " ", "", "", "", "", "\n\n"};

std::string AsGrids(const std::vector<Grid> &puzzles, const GridStyle &style);
// One a line, `after` each, under a comment line.
std::string AsLines(const std::vector<Grid> &puzzles, char blank, const std::string &after);
std::string AsOpenSudoku(const std::vector<Grid> &puzzles);
// Under a header, with a second column as the Kaggle sets have their solutions.
std::string AsCsv(const std::vector<Grid> &puzzles, bool quoted);

// 81 characters, `blank` for an empty cell.
std::string LineOf(const Grid &puzzle, char blank = '.');

} // namespace quadrelle::test
