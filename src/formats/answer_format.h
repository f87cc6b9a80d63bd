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

// The parts of one answer, as the solver or the counter gave them.
struct AnswerFields {
    // True for the counter's verdicts (unique, multiple, none), false for the solver's status.
    bool counting = false;
    // solved, unsolvable, gave-up, unique, multiple, none or invalid.
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
    // A rating: its score and hardest technique; and the steps behind it, a line each.
    std::string_view score;
    std::string_view technique;
    std::string_view steps;
    FilePosition position;
    // The input's name; empty for standard input.
    std::string_view input;
};

// Appends one answer in `format`, ending with a line end.
void AppendAnswer(std::string &out, OutputFormat format, const AnswerFields &answer);

// Appends a made puzzle (81 digits, 0 for an empty cell), numbered from 1, in `format`.
void AppendPuzzle(std::string &out, OutputFormat format, std::uint64_t number, std::string_view puzzle);

} // namespace quadrelle
