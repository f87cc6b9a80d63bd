#pragma once

// Helpers shared by the engine tests: boards from 81-character strings, the puzzle
// collections, and a completeness check that knows nothing of the engine.

#include "model/board.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quadrelle::test {

// '1'..'9' a digit, '0' or '.' empty.
Grid ParseGrid(std::string_view text);
std::string GridString(const Grid &grid);
// The grid as the counter and the rater take it: one byte a cell.
std::array<std::uint8_t, 81> ToCells(const Grid &grid);

// Sets the digits of `grid` into a fresh board, in position order, without any checks.
void Load(Board &board, const Grid &grid);

// True when `solution` is full, keeps every given of `puzzle` and repeats no digit in any
// row, column or box.
bool IsValidCompletion(const Grid &puzzle, const Grid &solution);

// Every group's mask equals "all digits but those its cells hold".
bool GroupsInStep(const Board &board);

// The folder of the collections (QUADRELLE_DATASETS), or empty when it is not there.
std::optional<std::filesystem::path> DatasetFolder();

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

#if defined(QUADRELLE_PORTABLE_CELL_SET)
// The engine without SSE2: its tests repeat the main ones, so the longest take a slice.
constexpr bool PortableEngine = true;
#else
constexpr bool PortableEngine = false;
#endif

// A slice size: the sanitizer build runs some 25 times slower, so it takes a third.
constexpr std::size_t Slice(std::size_t n)
{
    return Sanitized ? (n + 2) / 3 : n;
}

// Every `step`-th puzzle of a collection, from the first, at most `count` of them.
std::vector<Grid> ReadPuzzles(const std::filesystem::path &file, std::size_t count = SIZE_MAX, std::size_t step = 1);

// Text lines of a file, without their line ends.
std::vector<std::string> ReadLines(const std::filesystem::path &file);

} // namespace quadrelle::test

// For a test body: the collection folder, or skip the test.
#define QUADRELLE_DATASETS_OR_SKIP(folder)                                                                             \
    const auto folder##Found = ::quadrelle::test::DatasetFolder();                                                     \
    if (!folder##Found) {                                                                                              \
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";                 \
    }                                                                                                                  \
    const std::filesystem::path folder = *folder##Found
