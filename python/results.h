#pragma once

// The batch tool's answers as the values the module hands to Python.

#include "batch/answer.h"
#include "formats/read_puzzle.h"
#include "logic/step.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quadrelle::python {

struct Counted {
    std::string verdict;
    std::optional<std::string> solution;
    std::optional<std::string> secondSolution;
    // The batch tool's line for the puzzle, without its line end.
    std::string line;
};

struct Solved {
    std::string status;
    std::int32_t placements = 0;
    std::string grid;
    std::string line;
};

struct Rated {
    std::string verdict;
    // Set for a puzzle with one solution.
    std::optional<double> score;
    bool lowerBound = false;
    std::optional<std::string> technique;
    std::optional<std::string> solution;
    std::string line;
};

// Row, column and digit, each 1-9.
using CellDigit = std::tuple<int, int, int>;

struct ExplainedStep {
    std::string technique;
    double score = 0;
    std::vector<CellDigit> placements;
    std::vector<CellDigit> eliminations;
    // The notation people exchange, "r4c7=3"; a step of singles has a line per placement.
    std::string text;
};

struct FoundPuzzle {
    // 81 digits, 0 for empty; none where the file is at fault.
    std::optional<std::string> puzzle;
    std::uint64_t line = 0;
    std::uint32_t column = 0;
    // The reason and what is wrong, as quadrelle-solve says them.
    std::optional<std::string> error;
    std::string label;
};

// answer: of a valid puzzle (the caller raises for an invalid one).
Counted CountedOf(const Answer &answer);
Solved SolvedOf(const Answer &answer);
Rated RatedOf(const Answer &answer);
ExplainedStep ExplainedOf(const logic::Step &step);
FoundPuzzle FoundOf(const ReadPuzzle &read);

} // namespace quadrelle::python
