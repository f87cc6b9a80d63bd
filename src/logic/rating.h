#pragma once

// Rating a puzzle the way a person solves it, on the scales published collections use. Free of Qt.

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quadrelle {

enum class Scale : std::uint8_t {
    // Sudoku Explainer's rating (SER), as the forums' lists and most published collections give it.
    SudokuExplainer,
    // Sukaku Explainer's, as the Sudoku Exchange puzzle bank gives it.
    SukakuExplainer,
};

// "se", "sukaku".
std::string_view ScaleName(Scale scale);
std::optional<Scale> ScaleNamed(std::string_view name);

// Work units: one conclusion drawn by a chain, or one cell tried in a loop. Counted rather than
// timed, so that a rating depends on the puzzle alone, never on the machine, its load or the jobs.
// The default lets the slowest puzzle of the Sudoku Exchange bank finish in about a second here.
inline constexpr std::uint64_t DefaultEffort = 15'000'000;

struct RatingLimits {
    Scale scale = Scale::SudokuExplainer;
    // Beyond this much work the rating so far is reported as a lower bound.
    std::uint64_t effort = DefaultEffort;
    // Set by another thread to abandon a rating within milliseconds; its result is then of no use.
    const std::atomic<bool> *stop = nullptr;
};

struct Rating {
    enum class Status : std::uint8_t {
        Rated,
        // Out of effort, or the ladder's top rung had to finish the puzzle: the score is at least
        // this much.
        LowerBound,
        // No solution, several, or repeated givens: nothing to rate.
        NotUnique,
    };
    Status status = Status::NotUnique;
    // The score times ten: 23 is 2.3.
    int tenths = 0;
    // The technique of the hardest step; the top rung's name for a lower bound.
    std::string_view hardest;
    // 1..9 per cell when the puzzle has one solution.
    std::array<std::uint8_t, 81> solution {};
    // The effort it took, in the units of RatingLimits::effort.
    std::uint64_t work = 0;
};

// cells: row-major, 0 = empty, 1..9 = given.
Rating RatePuzzle(const std::array<std::uint8_t, 81> &cells, RatingLimits limits = {});

} // namespace quadrelle
