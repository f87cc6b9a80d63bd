// Every rung below the Nishio chains, asked at every state a solve passes through, not only where
// the ladder takes its step: a technique that goes wrong only where an earlier rung usually finds
// something first shows here too.

#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/ladder.h"
#include "logic/solve_path.h"
#include "logic/techniques.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <thread>

using namespace quadrelle;
using namespace quadrelle::logic;

namespace {

// Each rung's step on this grid, if any, against the solution. Sukaku Explainer's ladder holds
// every technique of both scales.
void ProbeEveryRung(const CandidateGrid &grid, const std::array<std::uint8_t, 81> &solution)
{
    for (const Rung &rung : Ladder(Scale::SukakuExplainer)) {
        if (rung.tenths >= 75 && rung.find != FindAlignedTripleExclusion)
            continue;
        SCOPED_TRACE(std::string(rung.name));
        Step probe {rung.name, rung.tenths, {}, {}, 0, {}};
        const bool found = rung.find(grid, probe);
        // The searches remember per thread where they found nothing; a thread that has seen
        // nothing before must get the same answer.
        Step cold {rung.name, rung.tenths, {}, {}, 0, {}};
        std::thread([&] { EXPECT_EQ(rung.find(grid, cold), found); }).join();
        EXPECT_EQ(cold.tenths, probe.tenths);
        EXPECT_EQ(cold.eliminations, probe.eliminations);
        EXPECT_EQ(cold.placements, probe.placements);
        if (!found)
            continue;
        EXPECT_FALSE(probe.placements.empty() && probe.eliminations.empty());
        for (const Candidate &c : probe.placements)
            ASSERT_EQ(c.digit.Value(), solution[c.cell.Index()]) << CellName(c.cell) << " placed wrong";
        for (const Candidate &c : probe.eliminations)
            ASSERT_NE(c.digit.Value(), solution[c.cell.Index()]) << CellName(c.cell) << " lost its digit";
    }
}

} // namespace

TEST(LogicSoundness, EveryRungKeepsTheSolutionAtEveryStateOfASample)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    for (const auto &[file, count, spread] : {std::tuple {"sudoku_exchange_diabolical.txt", 30, 1300},
             std::tuple {"magictour_top95.txt", 8, 12}, std::tuple {"kaggle3m_radcliffe_sample7034.txt", 10, 700}}) {
        for (const Grid &puzzle : test::ReadPuzzles(folder / file, test::Slice(count), spread)) {
            SCOPED_TRACE(std::string(file) + " " + test::GridString(puzzle));
            const std::array<std::uint8_t, 81> cells = test::ToCells(puzzle);
            const SolvePath path = SolveLogically(cells, {}, Keep::All);
            if (path.rating.status == Rating::Status::NotUnique)
                continue;
            CandidateGrid grid = *CandidateGrid::FromGivens(cells);
            for (const Step &step : path.steps) {
                ProbeEveryRung(grid, path.rating.solution);
                if (::testing::Test::HasFatalFailure())
                    return;
                for (const Candidate &c : step.placements)
                    if (grid.IsOpen(c.cell.Index()))
                        grid.Place(c.cell.Index(), c.digit);
                for (const Candidate &c : step.eliminations)
                    grid.Eliminate(c.cell.Index(), c.digit);
            }
        }
    }
}
