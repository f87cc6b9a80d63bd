// The counter against the plain reference count on random partial grids (fixed seeds).

#include "count_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace quadrelle;
using namespace quadrelle::test;

namespace {

bool Fill(Cells &cells, int p, std::mt19937 &random)
{
    if (p == 81)
        return true;
    std::array<int, 9> digits {};
    std::iota(digits.begin(), digits.end(), 1);
    std::shuffle(digits.begin(), digits.end(), random);
    for (const int d : digits) {
        if (!Allowed(cells, p, d))
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

// Up to `count` digits more, placed at random where their row, column and box allow them and,
// when `full` is given, where that full grid does not hold them.
Cells AddRandomDigits(Cells cells, int count, std::mt19937 &random, const Cells *full = nullptr)
{
    for (int placed = 0, tries = 0; placed < count && tries < 1000; ++tries) {
        const int p = static_cast<int>(random() % 81);
        const int d = static_cast<int>(random() % 9) + 1;
        if (cells[p] == 0 && (full == nullptr || d != (*full)[p]) && Allowed(cells, p, d)) {
            cells[p] = static_cast<std::uint8_t>(d);
            ++placed;
        }
    }
    return cells;
}

using Tally = std::array<int, 3>;

void ExpectAgrees(const Cells &cells, Tally &tally)
{
    const int expected = ReferenceCount(cells);
    const SolutionCount result = CountSolutions(cells);
    ++tally[static_cast<std::size_t>(expected)];
    const Grid puzzle = ToGrid(cells);
    ASSERT_EQ(result.solutions, expected) << GridString(puzzle);
    ASSERT_EQ(CheckCompletions(puzzle, result), "") << GridString(puzzle);
}

TEST(CounterCrossCheck, CluesOfFullGridsGiveOneOrMore)
{
    std::mt19937 random(20261207);
    Tally tally {};
    const int grids = static_cast<int>(Slice(600));
    for (int i = 0; i < grids; ++i) {
        const Cells full = RandomFullGrid(random);
        const int keep = 20 + static_cast<int>(random() % 40);
        ExpectAgrees(Keep(full, keep, random), tally);
    }
    EXPECT_EQ(tally[0], 0);
    EXPECT_GT(tally[1], grids / 5);
    EXPECT_GT(tally[2], grids / 5);
}

TEST(CounterCrossCheck, ASpoiledCellMostlyLeavesNone)
{
    std::mt19937 random(7);
    Tally tally {};
    const int grids = static_cast<int>(Slice(600));
    for (int i = 0; i < grids; ++i) {
        const Cells full = RandomFullGrid(random);
        const int keep = 28 + static_cast<int>(random() % 30);
        ExpectAgrees(AddRandomDigits(Keep(full, keep, random), 1, random, &full), tally);
    }
    EXPECT_GT(tally[0], grids / 2);
}

TEST(CounterCrossCheck, RandomPlacementsGiveNoneOrMore)
{
    std::mt19937 random(42);
    Tally tally {};
    const int grids = static_cast<int>(Slice(1500));
    // Few digits, or many: between the two, some grids take the plain search seconds.
    for (int i = 0; i < grids; ++i) {
        const int count = i % 2 == 0 ? static_cast<int>(random() % 7) : 24 + static_cast<int>(random() % 12);
        ExpectAgrees(AddRandomDigits({}, count, random), tally);
    }
    EXPECT_GT(tally[0], grids / 4);
    EXPECT_GT(tally[2], grids / 4);
}

// The four cells of a rectangle in two boxes whose corners hold two digits crosswise, emptied:
// exactly the grid and the one with the two digits swapped complete it.
struct Rectangle {
    std::array<int, 4> cells; // top left, top right, bottom left, bottom right
};

std::vector<Rectangle> SwappableRectangles(const Cells &full)
{
    std::vector<Rectangle> found;
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const bool twoBoxes = (r1 / 3 == r2 / 3) != (c1 / 3 == c2 / 3);
                    const Rectangle rect {{9 * r1 + c1, 9 * r1 + c2, 9 * r2 + c1, 9 * r2 + c2}};
                    const auto at = [&](int corner) { return full[rect.cells[corner]]; };
                    if (twoBoxes && at(0) == at(3) && at(1) == at(2))
                        found.push_back(rect);
                }
    return found;
}

TEST(CounterCrossCheck, AnEmptiedSwappableRectangleGivesItsTwoGrids)
{
    std::mt19937 random(17);
    int rectangles = 0;
    for (int i = 0; i < static_cast<int>(Slice(300)); ++i) {
        const Cells full = RandomFullGrid(random);
        for (const Rectangle &rect : SwappableRectangles(full)) {
            Cells puzzle = full, swapped = full;
            for (int corner = 0; corner < 4; ++corner) {
                puzzle[rect.cells[corner]] = 0;
                swapped[rect.cells[corner]] = full[rect.cells[corner ^ 1]];
            }
            const SolutionCount result = CountSolutions(puzzle);
            ASSERT_EQ(result.solutions, 2) << GridString(ToGrid(puzzle));
            const Grid first = FromSolution(result.first), second = FromSolution(result.second);
            const Grid fullGrid = ToGrid(full), swappedGrid = ToGrid(swapped);
            EXPECT_TRUE((first == fullGrid && second == swappedGrid) || (first == swappedGrid && second == fullGrid))
                << GridString(ToGrid(puzzle));
            ++rectangles;
        }
    }
    EXPECT_GT(rectangles, 20);
}

} // namespace
