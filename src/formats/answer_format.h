#pragma once

#include "formats/read_puzzle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrelle {

enum class OutputFormat : std::uint8_t {
    // One line a puzzle, words and 81-digit grids: what scripts read.
    Line,
    // One JSON object a line, for programs.
    Jsonl,
    // 9x9 layouts with box borders, for a person at a terminal.
    Grid,
};

// "line", "jsonl" or "grid".
std::optional<OutputFormat> ParseOutputFormat(std::string_view name);

// The parts of one answer, as the solver, the counter or the rater gave them.
struct AnswerFields {
    // True for the counter's and rater's verdicts (unique, multiple, none, rated, hint), false
    // for the solver's status.
    bool counting = false;
    // solved, unsolvable, gave-up, unique, multiple, none, rated, hint or invalid.
    std::string_view status;
    // The solver's trial placements; the counter has none.
    std::optional<std::int32_t> placements;
    // 81 digits each: the solver's grid; the counter's solution and another one. Empty when none.
    std::string_view grid;
    std::string_view second;
    // For invalid: bad-length, bad-character, repeated-digit or bad-grid; and for a malformed
    // grid, what is wrong in words.
    std::string_view reason;
    std::string_view problem;
    // A rating's score (or a hint's step's) in tenths, whether it is only a lower bound, and its
    // technique; the steps behind it, a line each, listed (even when none) when asked for.
    std::optional<int> tenths;
    bool lowerBound = false;
    std::string_view technique;
    std::string_view steps;
    bool listsSteps = false;
    FilePosition position;
    // The title above the puzzle's grid in the file ("Grid 01"); empty when none.
    std::string_view label;
    // The input's name as bytes; empty for standard input.
    std::string_view input;
};

// Appends one answer in `format`, ending with a line end. JSON strings are valid UTF-8: a byte
// that is not part of a UTF-8 character (a file name in another encoding) becomes U+FFFD.
void AppendAnswer(std::string &out, OutputFormat format, const AnswerFields &answer);

// Appends a made puzzle (81 digits, 0 for an empty cell), numbered from 1, in `format`.
void AppendPuzzle(std::string &out, OutputFormat format, std::uint64_t number, std::string_view puzzle);

} // namespace quadrelle
