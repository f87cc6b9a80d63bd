// What a shown step looks at: for the techniques whose pattern the grid shows alone, the cells
// found must be there and must justify every removal, step by step along whole solving paths.

#include "logic/candidate_grid.h"
#include "model/cell_set.h"
#include "logic/solve_path.h"
#include "logic/step_focus.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace quadrelle;
using namespace quadrelle::logic;

namespace {

// Pointing and claiming, naked pairs, an X-Wing, chains.
const char *const Puzzles[] = {
    "100920000524010000000000070050008102000000000402700090060000000000030945000071006",
    "043080250600000000000001094900004070000608000010200003820500000000000005034090710",
    "200050006010000090600801003007090600000703000900080002100000005060902010003060200",
};

std::array<std::uint8_t, 81> CellsOf(const std::string &line)
{
    std::array<std::uint8_t, 81> cells {};
    for (std::size_t p = 0; p < 81; ++p)
        cells[p] = line[p] >= '1' && line[p] <= '9' ? static_cast<std::uint8_t>(line[p] - '0') : 0;
    return cells;
}

bool SeesAll(Cell cell, const CellSet &cells)
{
    return (Peers[static_cast<std::size_t>(cell.Index())] & cells) == cells;
}

// The focus of one step against the grid it was taken in.
void CheckFocus(const CandidateGrid &grid, const Step &step, std::map<std::string, int> &seen)
{
    const std::string name(step.technique);
    const StepFocus focus = FocusOf(grid, step);
    const bool single = name.starts_with("Hidden Single");
    const bool locked = name.find("Pointing") != std::string::npos || name.find("Claiming") != std::string::npos;
    const bool naked = name == "Naked Pair" || name == "Naked Triple" || name == "Naked Quad";
    const bool hidden = name == "Hidden Pair" || name == "Hidden Triple" || name == "Hidden Quad";
    const bool fish = name == "X-Wing" || name == "Swordfish" || name == "Jellyfish";
    if ((!single && step.eliminations.empty()) || !(single || locked || naked || hidden || fish))
        return;
    ++seen[name];
    ASSERT_FALSE(focus.causes.Empty()) << name;
    if (single) {
        const Candidate placed = step.placements.front();
        ASSERT_GE(focus.unit, 0);
        EXPECT_EQ((UnitSets[focus.unit] & grid.CellsOf(placed.digit)), CellSet::Of(placed.cell.Index())) << name;
        return;
    }
    const DigitMask digits = RemovedDigits(step);
    if (locked) {
        ASSERT_GE(focus.unit, 0) << name;
        EXPECT_EQ(UnitSets[focus.unit] & grid.CellsOf(LowestDigit(digits)), focus.causes) << name;
    }
    if (naked) {
        ASSERT_GE(focus.unit, 0) << name;
        DigitMask held = 0;
        focus.causes.ForEach([&](int cell) { held = static_cast<DigitMask>(held | grid.Candidates(cell)); });
        EXPECT_EQ(CountOf(held), focus.causes.Count()) << name;
        EXPECT_EQ(held & digits, digits) << name;
        // Named by the unit the removals lie in, where there is one.
        const CellSet removed = [&] {
            CellSet cells;
            for (const Candidate &c : step.eliminations)
                cells.Set(c.cell.Index());
            return cells;
        }();
        for (int unit = 0; unit < UnitCount; ++unit) {
            if ((UnitSets[unit] & (removed | focus.causes)) == (removed | focus.causes)) {
                EXPECT_EQ(UnitSets[focus.unit] & removed, removed) << name;
            }
        }
    }
    if (hidden) {
        ASSERT_GE(focus.unit, 0) << name;
        // As many digits, none of them removed, have no place in the unit but the subset's cells.
        int confined = 0;
        for (const Digit digit : EveryDigit) {
            const CellSet places = UnitSets[focus.unit] & grid.CellsOf(digit);
            confined += !(digits & BitOf(digit)) && !places.Empty() && (places & ~focus.causes).Empty();
        }
        EXPECT_EQ(confined, focus.causes.Count()) << name;
        for (const Candidate &c : step.eliminations)
            EXPECT_TRUE(focus.causes.Has(c.cell.Index())) << name;
        return;
    }
    for (const Candidate &c : step.eliminations) {
        const CellSet holding = focus.causes & grid.CellsOf(c.digit);
        EXPECT_FALSE(holding.Empty()) << name;
        if (!fish) {
            EXPECT_TRUE(SeesAll(c.cell, holding)) << name << " removes from a cell that does not see the pattern";
        }
    }
}

void CheckPath(const std::array<std::uint8_t, 81> &cells, std::map<std::string, int> &seen)
{
    const SolvePath path = SolveLogically(cells, {}, Keep::All);
    std::optional<CandidateGrid> grid = CandidateGrid::FromGivens(cells);
    ASSERT_TRUE(grid);
    for (const Step &step : path.steps) {
        // A step of singles is shown a placement at a time.
        for (const Candidate &placed : step.placements) {
            Step move = step;
            if (step.eliminations.empty())
                move.placements = {placed};
            CheckFocus(*grid, move, seen);
            if (step.eliminations.empty())
                grid->Place(placed.cell.Index(), placed.digit);
        }
        if (step.placements.empty())
            CheckFocus(*grid, step, seen);
        for (const Candidate &c : step.placements)
            if (grid->IsOpen(c.cell.Index()))
                grid->Place(c.cell.Index(), c.digit);
        for (const Candidate &c : step.eliminations)
            grid->Eliminate(c.cell.Index(), c.digit);
    }
}

} // namespace

TEST(StepFocus, NamesThePatternOfEachStepItKnows)
{
    std::map<std::string, int> seen;
    for (const char *puzzle : Puzzles)
        CheckPath(CellsOf(puzzle), seen);
    for (const char *technique : {"Hidden Single (box)", "Pointing", "Claiming", "Naked Pair", "X-Wing"})
        EXPECT_GT(seen[technique], 0) << technique << " was not on the paths";
}

TEST(StepFocus, NamesThePatternAlongTheCollections)
{
    QUADRELLE_DATASETS_OR_SKIP(folder);
    std::map<std::string, int> seen;
    for (const Grid &puzzle : test::ReadPuzzles(folder / "magictour_top1465.txt", test::Slice(60), 23)) {
        std::array<std::uint8_t, 81> cells {};
        for (std::size_t p = 0; p < 81; ++p)
            cells[p] = static_cast<std::uint8_t>(puzzle[p]);
        CheckPath(cells, seen);
    }
    // The sanitizer build walks a third of the paths, which need not hold all of these.
    if (test::Sanitized)
        return;
    for (const char *technique : {"Naked Triple", "Hidden Pair", "Swordfish"})
        EXPECT_GT(seen[technique], 0) << technique << " was not on the paths";
}
