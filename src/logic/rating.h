#pragma once

// Rating a puzzle the way a person solves it, on the Sudoku Explainer scale. Free of Qt.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string_view>

namespace quadrelle {

struct RatingLimits {
    // Beyond this the rating so far is reported as a lower bound.
    std::chrono::milliseconds time {1000};
    // Once true, the rating in progress returns soon; its result is to be discarded.
    const std::atomic<bool> *stop = nullptr;
};

struct Rating {
    enum class Status : std::uint8_t {
        Rated,
        // Stopped at the time limit, or the ladder's top rung had to finish the puzzle: the score
        // is at least this much.
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
};

// cells: row-major, 0 = empty, 1..9 = given.
Rating RatePuzzle(const std::array<std::uint8_t, 81> &cells, RatingLimits limits = {});

} // namespace quadrelle
