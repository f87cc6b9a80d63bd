#include "logic/candidate_grid.h"
#include "model/cell_set.h"

#include <gtest/gtest.h>

#include <random>

using namespace quadrelle;
using namespace quadrelle::logic;

namespace {

// What each unit's places must be: the digit's cells in the unit, by position along it.
void ExpectPlacesMatchCells(const CandidateGrid &grid)
{
    for (int unit = 0; unit < UnitCount; ++unit)
        for (const Digit digit : EveryDigit) {
            std::uint16_t expected = 0;
            for (int i = 0; i < 9; ++i)
                if (grid.CellsOf(digit).Has(UnitCells(unit)[i]))
                    expected |= static_cast<std::uint16_t>(1u << i);
            ASSERT_EQ(grid.PlacesIn(unit, digit), expected) << "unit " << unit << " digit " << digit.Value();
        }
}

} // namespace

// The places kept for the hidden sets, fish and singles follow every placement and elimination.
TEST(CandidateGrid, UnitPlacesFollowEveryChange)
{
    std::mt19937 random(9);
    std::array<std::uint8_t, 81> givens {};
    const char *puzzle = "800000000003600000070090200050007000000045700000100030001000068008500010090000400";
    for (int cell = 0; cell < 81; ++cell)
        givens[cell] = static_cast<std::uint8_t>(puzzle[cell] - '0');
    for (int trial = 0; trial < 50; ++trial) {
        std::optional<CandidateGrid> grid = CandidateGrid::FromGivens(givens);
        ASSERT_TRUE(grid);
        ExpectPlacesMatchCells(*grid);
        for (int change = 0; change < 40 && !grid->Solved(); ++change) {
            const int cell = grid->Open().Lowest() + static_cast<int>(random() % 81);
            if (cell >= 81 || !grid->IsOpen(cell) || grid->Candidates(cell) == 0)
                continue;
            const Digit digit = LowestDigit(grid->Candidates(cell));
            if (random() % 4 == 0)
                grid->Place(cell, digit);
            else
                grid->Eliminate(cell, digit);
            ExpectPlacesMatchCells(*grid);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}
