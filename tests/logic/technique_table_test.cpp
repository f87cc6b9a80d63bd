// Each technique on a small position that has it, and on one that looks alike but does not.
// Positions start from an empty grid's candidates and narrow a few cells and units.

#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/ladder.h"
#include "logic/techniques.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace quadrelle;
using namespace quadrelle::logic;

namespace {

int At(std::string_view name) { return (name[1] - '1') * 9 + (name[3] - '1'); }

// Cell name and the digits it keeps, as "r1c1:12".
void Keep(CandidateGrid &grid, std::string_view cellDigits)
{
    const int cell = At(cellDigits);
    for (const Digit digit : EveryDigit)
        if (cellDigits.substr(5).find(digit.Character()) == std::string_view::npos)
            grid.Eliminate(cell, digit);
}

using Setup = std::function<void(CandidateGrid &)>;

Setup Keeps(std::vector<std::string_view> list)
{
    return [list](CandidateGrid &grid) {
        for (const std::string_view cellDigits : list)
            Keep(grid, cellDigits);
    };
}

// The digits of a position written row by row, '.' for an open cell, then the open cells' candidates.
Setup Position(std::string_view placed, std::vector<std::string> open)
{
    return [placed, open](CandidateGrid &grid) {
        for (int cell = 0; cell < 81; ++cell)
            if (placed[cell] != '.')
                grid.Place(cell, Digit(placed[cell] - '0'));
        for (const std::string &cellDigits : open)
            Keep(grid, cellDigits);
    };
}

// Digit confined in units 0..26 to cells: {{digit, unit, {cells}}...}.
struct Confinement {
    int digit;
    int unit;
    std::vector<std::string_view> cells;
};

Setup Confines(std::vector<Confinement> list)
{
    return [list](CandidateGrid &grid) {
        for (const Confinement &c : list) {
            CellSet keep;
            for (const std::string_view name : c.cells)
                keep.Set(At(name));
            (UnitSets[c.unit] & ~keep).ForEach([&](int cell) { grid.Eliminate(cell, Digit(c.digit)); });
        }
    };
}

struct Case {
    const char *name;
    Finder find;
    Setup has;
    // "r1c4<>1" or "r1c1=1": among the step's moves.
    const char *move;
    Setup alike;
    // The step's score in tenths, where the technique's score varies; 0: not checked.
    int tenths = 0;
};

std::string Text(const Candidate &c, const char *relation)
{
    return CellName(c.cell) + relation + c.digit.Character();
}

// The step as the ladder would start it: its rung's base score.
bool Finds(const Case &c, const Setup &setup, std::string *moves, int *tenths = nullptr)
{
    CandidateGrid grid = *CandidateGrid::FromGivens({});
    setup(grid);
    Step step;
    for (const Rung &rung : Ladder(quadrelle::Scale::SukakuExplainer))
        if (rung.find == c.find)
            step.tenths = rung.tenths;
    if (!c.find(grid, step))
        return false;
    if (tenths)
        *tenths = step.tenths;
    for (const Candidate &p : step.placements)
        *moves += Text(p, "=") + ' ';
    for (const Candidate &e : step.eliminations)
        *moves += Text(e, "<>") + ' ';
    return true;
}

// The open cells of a grave, all of two candidates but r5c5.
std::vector<std::string> BugCells(std::string_view middle)
{
    return {"r1c4:17", "r1c8:17", "r2c6:37", "r2c7:37", "r3c5:13", "r3c7:13", "r4c1:27", "r4c5:47", "r4c7:46",
        "r4c8:26", "r5c3:27", "r5c5:" + std::string(middle), "r5c6:37", "r5c7:14", "r5c8:12", "r6c4:19", "r6c5:19",
        "r7c1:27", "r7c3:27", "r8c4:79", "r8c5:79", "r9c7:67", "r9c8:67"};
}

constexpr int Row(int n) { return n - 1; }
constexpr int Col(int n) { return 8 + n; }
constexpr int Box(int n) { return 17 + n; }

const Case Cases[] = {
    {"hidden single in a box", FindHiddenSingleBox, Confines({{1, Box(1), {"r1c1"}}}), "r1c1=1",
        Confines({{1, Box(1), {"r1c1", "r2c2"}}})},
    {"hidden single in a line", FindHiddenSingleLine, Confines({{1, Row(1), {"r1c9"}}}), "r1c9=1",
        Confines({{1, Row(1), {"r1c1", "r1c9"}}})},
    {"naked single", FindNakedSingle, Keeps({"r5c5:7"}), "r5c5=7", Keeps({"r5c5:78"})},
    {"pointing", FindPointing, Confines({{1, Box(1), {"r1c1", "r1c2"}}}), "r1c4<>1",
        Confines({{1, Box(1), {"r1c1", "r2c2"}}})},
    {"claiming", FindClaiming, Confines({{1, Row(1), {"r1c1", "r1c2"}}}), "r2c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c4"}}})},
    {"direct pointing: a box's digit on one line leaves another box a single place", FindDirectPointing,
        Confines({{1, Box(1), {"r1c1", "r1c2"}}, {1, Box(2), {"r1c4", "r2c4"}}}), "r2c4=1",
        Confines({{1, Box(1), {"r1c1", "r1c2"}}, {1, Box(2), {"r1c4", "r2c4", "r3c4"}}})},
    {"direct claiming: a row's digit in one box leaves another row a single place", FindDirectClaiming,
        Confines({{1, Row(1), {"r1c1", "r1c2"}}, {1, Row(3), {"r3c3", "r3c7"}}}), "r3c7=1",
        Confines({{1, Row(1), {"r1c1", "r1c2"}}, {1, Row(3), {"r3c3", "r3c5", "r3c7"}}})},
    {"direct hidden pair: a digit it removes is left a single place in its unit", FindDirectHiddenPair,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c1", "r1c5"}}, {3, Row(1), {"r1c1", "r1c8"}}}),
        "r1c8=3",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c1", "r1c5"}}, {3, Row(1), {"r1c1", "r1c7", "r1c8"}}})},
    {"direct hidden triple", FindDirectHiddenTriple,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c5", "r1c9"}}, {3, Row(1), {"r1c1", "r1c9"}},
            {4, Row(1), {"r1c3", "r1c9"}}}),
        "r1c3=4",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c5", "r1c9"}}, {3, Row(1), {"r1c1", "r1c9"}},
            {4, Row(1), {"r1c3", "r1c4", "r1c9"}}})},
    {"aligned pair exclusion: each choice of the pair empties a cell that sees both", FindAlignedPairExclusion,
        Keeps({"r1c1:123", "r1c2:12", "r2c3:13", "r3c3:23"}), "r1c1<>3",
        Keeps({"r1c1:123", "r1c2:12", "r2c3:34", "r3c3:24"})},
    {"aligned triple exclusion", FindAlignedTripleExclusion, Keeps({"r1c1:123", "r1c2:12", "r1c3:13"}), "r1c4<>1",
        Keeps({"r1c1:123"})},
    {"naked pair", FindNakedPair, Keeps({"r1c1:12", "r1c5:12"}), "r1c3<>1", Keeps({"r1c1:12", "r1c5:13"})},
    {"naked triple", FindNakedTriple, Keeps({"r1c1:12", "r1c5:23", "r1c9:13"}), "r1c3<>1",
        Keeps({"r1c1:12", "r1c5:23", "r1c9:14"})},
    {"naked quad", FindNakedQuad, Keeps({"r1c1:12", "r1c4:23", "r1c7:34", "r1c9:14"}), "r1c5<>1",
        Keeps({"r1c1:12", "r1c4:23", "r1c7:34", "r1c9:15"})},
    {"hidden pair", FindHiddenPair, Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c1", "r1c5"}}}),
        "r1c1<>3", Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c1", "r1c6"}}})},
    {"hidden triple", FindHiddenTriple,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c5", "r1c9"}}, {3, Row(1), {"r1c1", "r1c9"}}}),
        "r1c1<>4",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {2, Row(1), {"r1c5", "r1c9"}}, {3, Row(1), {"r1c1", "r1c8"}}})},
    {"hidden quad", FindHiddenQuad,
        Confines({{1, Row(1), {"r1c1", "r1c4"}}, {2, Row(1), {"r1c4", "r1c7"}}, {3, Row(1), {"r1c7", "r1c9"}},
            {4, Row(1), {"r1c1", "r1c9"}}}),
        "r1c1<>5",
        Confines({{1, Row(1), {"r1c1", "r1c4"}}, {2, Row(1), {"r1c4", "r1c7"}}, {3, Row(1), {"r1c7", "r1c9"}},
            {4, Row(1), {"r1c1", "r1c8"}}})},
    {"X-Wing", FindXWing, Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c1", "r5c5"}}}), "r2c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c1", "r5c6"}}})},
    {"Swordfish", FindSwordfish,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c5", "r5c9"}}, {1, Row(9), {"r9c1", "r9c9"}}}),
        "r2c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c5", "r5c9"}}, {1, Row(9), {"r9c1", "r9c8"}}})},
    {"Jellyfish", FindJellyfish,
        Confines({{1, Row(1), {"r1c1", "r1c4"}}, {1, Row(4), {"r4c4", "r4c7"}}, {1, Row(7), {"r7c7", "r7c9"}},
            {1, Row(9), {"r9c1", "r9c9"}}}),
        "r2c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c4"}}, {1, Row(4), {"r4c4", "r4c7"}}, {1, Row(7), {"r7c7", "r7c9"}},
            {1, Row(9), {"r9c1", "r9c8"}}})},
    {"XY-Wing", FindXYWing, Keeps({"r1c1:12", "r1c5:13", "r5c1:23"}), "r5c5<>3",
        Keeps({"r1c1:12", "r1c5:13", "r5c1:24"})},
    {"XYZ-Wing", FindXYZWing, Keeps({"r1c1:123", "r1c5:13", "r2c2:23"}), "r1c2<>3",
        Keeps({"r1c1:123", "r1c5:13", "r2c2:24"})},
    {"WXYZ-Wing", FindWxyzWing, Keeps({"r1c1:123", "r1c2:14", "r1c5:24", "r2c2:34"}), "r1c3<>4",
        Keeps({"r1c1:123", "r1c2:14", "r1c5:24", "r2c2:35"})},
    {"unique rectangle", FindUniqueRectangle, Keeps({"r1c1:12", "r1c4:12", "r2c1:12", "r2c4:123"}), "r2c4<>1",
        Keeps({"r1c1:12", "r1c4:12", "r4c1:12", "r4c4:123"})},
    {"unique rectangle with one extra digit in its roof", FindUniqueRectangle,
        Keeps({"r1c1:12", "r1c4:12", "r2c1:123", "r2c4:123"}), "r2c7<>3",
        Keeps({"r1c1:12", "r1c4:12", "r2c1:123", "r2c4:124"})},
    {"unique rectangle with a digit confined to its roof", FindUniqueRectangle,
        [](CandidateGrid &grid) {
            Keeps({"r1c1:12", "r1c4:12", "r2c1:123", "r2c4:125"})(grid);
            Confines({{1, Row(2), {"r2c1", "r2c4"}}})(grid);
        },
        "r2c1<>2",
        [](CandidateGrid &grid) {
            Keeps({"r1c1:12", "r1c4:12", "r2c1:123", "r2c4:125"})(grid);
            Confines({{1, Row(2), {"r2c1", "r2c4", "r2c7"}}})(grid);
        }},
    {"unique loop of six cells with one extra digit", FindUniqueRectangle,
        Keeps({"r1c1:12", "r1c4:12", "r4c4:12", "r4c5:12", "r2c5:12", "r2c1:123", "r1c5:34", "r2c4:34"}), "r2c1<>1",
        Keeps({"r1c1:12", "r1c4:12", "r4c4:12", "r4c5:12", "r2c5:12", "r2c1:13", "r1c5:34", "r2c4:34"}), 46},
    {"VWXYZ-Wing", FindVwxyzWing, Keeps({"r1c1:1234", "r1c2:15", "r1c5:25", "r2c2:35", "r1c8:45"}), "r1c3<>5",
        Keeps({"r1c1:1234", "r1c2:15", "r1c5:25", "r2c2:35", "r1c8:46"})},
    {"Nishio", FindNishio, Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c1", "r5c6"}}}), "r2c6<>1",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c2", "r5c6"}}})},
    {"dynamic forcing chain", FindDynamicForcingChain, Keeps({"r1c1:12", "r1c5:13", "r5c1:23"}), "r5c5<>3",
        Keeps({"r1c1:12", "r1c5:13", "r5c1:24"})},
    {"WXYZ-Wing whose bivalue cell sees both its digits' places: every digit locked", FindWxyzWing,
        Keeps({"r1c1:13", "r1c2:24", "r2c3:34", "r1c7:12"}), "r3c2<>3",
        Keeps({"r1c1:13", "r1c2:24", "r2c3:34", "r1c7:15"}), 55},
    {"VWXYZ-Wing scored by its biggest cell", FindVwxyzWing,
        Keeps({"r1c1:12", "r1c2:23", "r1c3:34", "r1c4:45", "r2c2:15"}), "r2c4<>5",
        Keeps({"r1c1:12", "r1c2:23", "r1c3:34", "r1c4:45", "r2c2:56"}), 63},
    {"skyscraper: two strong links in rows", FindTurbotFish,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c1", "r5c6"}}}), "r2c6<>1",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c2", "r5c6"}}}), 40},
    {"three strong links in rows", FindThreeLinkChain,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c5", "r5c9"}}, {1, Row(9), {"r9c9", "r9c2"}}}),
        "r8c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c5", "r5c9"}}, {1, Row(9), {"r9c8", "r9c2"}}}), 54},
    {"X-chain: two strong links of one digit", FindChainOrCycle,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c1", "r5c6"}}}), "r2c6<>1",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c2", "r5c6"}}}), 66},
    {"forcing chain through three bivalue cells", FindChainOrCycle, Keeps({"r1c1:12", "r1c5:13", "r5c1:23"}),
        "r5c5<>3", Keeps({"r1c1:12", "r1c5:13", "r5c1:24"}), 71},
    {"X-cycle: a loop of strong and weak links, both ways", FindChainOrCycle,
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c1", "r5c5"}}}), "r2c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c5"}}, {1, Row(5), {"r5c2", "r5c6"}}}), 65},
    {"Y-cycle of four bivalue cells", FindChainOrCycle, Keeps({"r1c1:12", "r1c5:23", "r5c5:34", "r5c1:41"}), "r1c3<>2",
        Keeps({"r1c1:12", "r1c5:23", "r5c5:34", "r5c1:45"}), 66},
    {"bivalue universal grave: the one cell of three candidates keeps the digit seen three times", FindBug,
        Position("435.298.612986..546784.5.92.915.8..358.6....9364..2587.5.386941846..1235913254..8", BugCells("347")),
        "r5c5<>3", Position("435.298.612986..546784.5.92.915.8..358.6....9364..2587.5.386941846..1235913254..8",
                       BugCells("37")),
        56},
    {"cell forcing chains: every candidate of a cell removes the same one", FindMultipleForcingChain,
        Keeps({"r1c1:123", "r1c5:14", "r2c1:24", "r2c2:34"}), "r2c4<>4",
        Keeps({"r1c1:123", "r1c5:14", "r2c1:24", "r2c2:35"})},
    {"grouped turbot fish", FindTurbotFish,
        Confines({{1, Row(1), {"r1c1", "r1c7"}}, {1, Box(6), {"r5c7", "r6c7", "r4c9"}}}), "r4c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c7"}}, {1, Box(6), {"r5c7", "r6c7", "r4c9", "r5c8"}}}), 43},
    {"grouped X-chain of three strong links", FindThreeLinkChain,
        Confines({{1, Row(1), {"r1c1", "r1c7"}}, {1, Box(6), {"r5c7", "r6c7", "r4c9"}}, {1, Col(4), {"r4c4", "r8c4"}}}),
        "r8c1<>1",
        Confines({{1, Row(1), {"r1c1", "r1c7"}}, {1, Box(6), {"r5c7", "r6c7", "r4c9"}},
            {1, Col(4), {"r4c4", "r8c4", "r9c4"}}}),
        57},
};

} // namespace

TEST(TechniqueTable, EachFindsItsPositionAndNotTheLookAlike)
{
    for (const Case &c : Cases) {
        SCOPED_TRACE(c.name);
        std::string moves;
        int tenths = 0;
        ASSERT_TRUE(Finds(c, c.has, &moves, &tenths));
        EXPECT_NE(moves.find(std::string(c.move) + ' '), std::string::npos) << moves;
        if (c.tenths != 0) {
            EXPECT_EQ(tenths, c.tenths);
        }
        std::string alike;
        EXPECT_FALSE(Finds(c, c.alike, &alike)) << alike;
    }
}

// The ladder is easiest first, and no technique finds anything on a grid with every candidate
// (the nested chains would take minutes to see that).
TEST(TechniqueTable, LadderRisesAndAnEmptyGridGivesNoStep)
{
    const CandidateGrid empty = *CandidateGrid::FromGivens({});
    for (const quadrelle::Scale scale : {quadrelle::Scale::SudokuExplainer, quadrelle::Scale::SukakuExplainer}) {
        int previous = 0;
        for (const Rung &rung : Ladder(scale)) {
            SCOPED_TRACE(std::string(quadrelle::ScaleName(scale)) + " " + std::string(rung.name));
            EXPECT_GE(rung.tenths, previous);
            previous = rung.tenths;
            Step step;
            if (rung.name != TopRung) {
                EXPECT_FALSE(rung.find(empty, step));
            }
        }
    }
}

TEST(TechniqueTable, ChainsScoreMoreWhenLonger)
{
    EXPECT_EQ(LengthBonus(4), 0);
    EXPECT_EQ(LengthBonus(5), 1);
    EXPECT_EQ(LengthBonus(8), 2);
    EXPECT_EQ(LengthBonus(9), 3);
    EXPECT_EQ(LengthBonus(16), 4);
    EXPECT_EQ(LengthBonus(17), 5);
}
