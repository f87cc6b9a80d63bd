// The counter against the plain reference count on random partial grids (fixed seeds).

#include "count_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

bool Fits(const Cells &cells, int p, int d)
{
    const int row = p / 9, col = p % 9, top = row / 3 * 3, left = col / 3 * 3;
    for (int i = 0; i < 9; ++i) {
        if (cells[row * 9 + i] == d || cells[i * 9 + col] == d)
            return false;
        if (cells[(top + i / 3) * 9 + left + i % 3] == d)
            return false;
    }
    return true;
}

bool Fill(Cells &cells, int p, std::mt19937 &random)
{
    if (p == 81)
        return true;
    std::array<int, 9> digits {};
    std::iota(digits.begin(), digits.end(), 1);
    std::shuffle(digits.begin(), digits.end(), random);
    for (const int d : digits) {
        if (!Fits(cells, p, d))
            continue;
        cells[p] = static_cast<std::uint8_t>(d);
        if (Fill(cells, p + 1, random))
            return true;
    }
    cells[p] = 0;
    return false;
}

Cells RandomFullGrid(std::mt19937 &random)
{
    Cells cells {};
    Fill(cells, 0, random);
    return cells;
}

// `keep` cells of `full`, chosen at random.
Cells Keep(const Cells &full, int keep, std::mt19937 &random)
{
    std::array<int, 81> order {};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    Cells cells {};
    for (int i = 0; i < keep; ++i)
        cells[order[i]] = full[order[i]];
    return cells;
}

// One empty cell gets a digit its row, column and box allow but the full grid does not hold.
Cells Spoil(Cells cells, const Cells &full, std::mt19937 &random)
{
    for (int tries = 0; tries < 200; ++tries) {
        const int p = static_cast<int>(random() % 81);
        const int d = static_cast<int>(random() % 9) + 1;
        if (cells[p] == 0 && d != full[p] && Fits(cells, p, d)) {
            cells[p] = static_cast<std::uint8_t>(d);
            return cells;
        }
    }
    return cells;
}

// `count` digits placed at random where their row, column and box allow them.
Cells RandomPlacements(int count, std::mt19937 &random)
{
    Cells cells {};
    for (int placed = 0, tries = 0; placed < count && tries < 1000; ++tries) {
        const int p = static_cast<int>(random() % 81);
        const int d = static_cast<int>(random() % 9) + 1;
        if (cells[p] == 0 && Fits(cells, p, d)) {
            cells[p] = static_cast<std::uint8_t>(d);
            ++placed;
        }
    }
    return cells;
}

std::string CellsString(const Cells &cells)
{
    std::string text;
    for (const auto d : cells)
        text += static_cast<char>('0' + d);
    return text;
}

struct Tally {
    std::array<int, 3> byCount {};
};

void ExpectAgrees(const Cells &cells, Tally &tally, const Cells *full = nullptr)
{
    const int expected = ReferenceCount(cells);
    const SolutionCount result = CountSolutions(cells);
    ++tally.byCount[static_cast<std::size_t>(expected)];
    Grid puzzle {};
    for (std::size_t p = 0; p < puzzle.size(); ++p)
        puzzle[p] = static_cast<std::int8_t>(cells[p]);
    ASSERT_EQ(result.solutions, expected) << CellsString(cells);
    ASSERT_EQ(CheckCompletions(puzzle, result), "") << CellsString(cells);
    if (full != nullptr && expected == 1) {
        ASSERT_EQ(SolutionString(result.first), CellsString(*full)) << CellsString(cells);
    }
}

TEST(CounterCrossCheck, CluesOfFullGridsGiveOneOrMore)
{
    std::mt19937 random(20261207);
    Tally tally;
    const int grids = static_cast<int>(Slice(600));
    for (int i = 0; i < grids; ++i) {
        const Cells full = RandomFullGrid(random);
        const int keep = 20 + static_cast<int>(random() % 40);
        ExpectAgrees(Keep(full, keep, random), tally, &full);
    }
    EXPECT_EQ(tally.byCount[0], 0);
    EXPECT_GT(tally.byCount[1], grids / 5);
    EXPECT_GT(tally.byCount[2], grids / 5);
}

TEST(CounterCrossCheck, ASpoiledCellMostlyLeavesNone)
{
    std::mt19937 random(7);
    Tally tally;
    const int grids = static_cast<int>(Slice(600));
    for (int i = 0; i < grids; ++i) {
        const Cells full = RandomFullGrid(random);
        const int keep = 28 + static_cast<int>(random() % 30);
        ExpectAgrees(Spoil(Keep(full, keep, random), full, random), tally);
    }
    EXPECT_GT(tally.byCount[0], grids / 2);
}

TEST(CounterCrossCheck, RandomPlacementsGiveNoneOrMore)
{
    std::mt19937 random(42);
    Tally tally;
    const int grids = static_cast<int>(Slice(1500));
    // Few digits, or many: between the two, some grids take the plain search seconds.
    for (int i = 0; i < grids; ++i) {
        const int count = i % 2 == 0 ? static_cast<int>(random() % 7) : 24 + static_cast<int>(random() % 12);
        ExpectAgrees(RandomPlacements(count, random), tally);
    }
    EXPECT_GT(tally.byCount[0], grids / 4);
    EXPECT_GT(tally.byCount[2], grids / 4);
}

} // namespace
