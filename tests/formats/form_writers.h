#pragma once

#include "model/board.h"

#include <string>
#include <vector>

namespace quadrelle::test {

// A set of puzzles written in one of the forms people keep them in.
using FormWriter = std::string (*)(const std::vector<Grid> &puzzles);

std::string AsLines(const std::vector<Grid> &puzzles);
std::string AsSdm(const std::vector<Grid> &puzzles);
std::string AsSdk(const std::vector<Grid> &puzzles);
// With the game in progress in a [State] section after each.
std::string AsSadmanSections(const std::vector<Grid> &puzzles);
std::string AsSimpleSudoku(const std::vector<Grid> &puzzles);
std::string AsSimpleSudokuPrint(const std::vector<Grid> &puzzles);
std::string AsForumGrid(const std::vector<Grid> &puzzles);
std::string AsBandedGrid(const std::vector<Grid> &puzzles);
std::string AsOpenSudoku(const std::vector<Grid> &puzzles);
std::string AsCsv(const std::vector<Grid> &puzzles);
std::string AsQuotedCsv(const std::vector<Grid> &puzzles);
// Any of them with CR LF line ends.
std::string WithCrLf(const std::string &text);

// 81 characters, `blank` for an empty cell.
std::string LineOf(const Grid &puzzle, char blank = '.');

} // namespace quadrelle::test
