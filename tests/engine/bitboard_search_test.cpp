#include "reference_compare.h"
#include "reference_solver.h"
#include "solver/cell_set.h"
#include "solver/pipeline.h"
#include "solver/propagation.h"
#include "solver/search.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quadrelle;

TEST(CellSet, PositionsOnBothSidesOfTheWordBoundary)
{
    EXPECT_FALSE(CellSet {}.Any());
    CellSet all;
    for (int p : {0, 1, 62, 63, 64, 65, 79, 80}) {
        SCOPED_TRACE(p);
        const CellSet one = CellSet::Of(p);
        EXPECT_TRUE(one.Any());
        EXPECT_EQ(one.Lowest(), p);
        EXPECT_EQ(one.Highest(), p);
        EXPECT_TRUE(one.Has(p));
        EXPECT_FALSE(one.Has(p == 0 ? 1 : p - 1));
        EXPECT_FALSE(Minus(one, one).Any());
        EXPECT_EQ(one ^ one, CellSet {});
    }
    for (int p = 0; p < CellCount; ++p)
        all |= CellSet::Of(p);
    EXPECT_EQ(all, AllCells);
    const CellSet inner = Minus(AllCells, CellSet::Of(0) | CellSet::Of(80));
    EXPECT_EQ(inner.Lowest(), 1);
    EXPECT_EQ(inner.Highest(), 79);
    const CellSet edges = CellSet::Of(63) | CellSet::Of(64);
    EXPECT_EQ((inner & edges), edges);
    EXPECT_EQ(Minus(edges, CellSet::Of(63)).Lowest(), 64);
    EXPECT_EQ(Minus(edges, CellSet::Of(64)).Highest(), 63);
}

TEST(CellSet, PeersAreTheTwentyCellsSharingARowColumnOrBox)
{
    for (int p = 0; p < CellCount; ++p) {
        const CellSet peers = Peers[static_cast<std::size_t>(p)];
        int count = 0;
        for (int q = 0; q < CellCount; ++q) {
            const bool shares
                = RowGroupOf(q) == RowGroupOf(p) || ColGroupOf(q) == ColGroupOf(p) || BoxGroupOf(q) == BoxGroupOf(p);
            EXPECT_EQ(peers.Has(q), q != p && shares) << p << " " << q;
            count += peers.Has(q);
        }
        EXPECT_EQ(count, 20) << p;
        EXPECT_EQ(Minus(peers, AllCells), CellSet {});
    }
}

TEST(BitboardSearch, AnEventThatThrowsLeavesTheTrialDigitsAndTheStateOfThatMoment)
{
    // 293,343 placements to solve; the second event comes after the 16,384th.
    const Grid puzzle
        = test::ParseGrid("000000520080400000030009000501000600200700000000300000600010000000000704000000030");
    const test::ReferenceRun ref = test::ReferenceSolve(puzzle, 2 * 8192);
    ASSERT_TRUE(ref.gaveUp);

    Board board;
    ASSERT_TRUE(PlaceGivens(board, puzzle));
    NoGrid noGrid;
    ASSERT_TRUE(PropagateSingles(board, noGrid, 0));
    int events = 0;
    Search search(board, [&] {
        if (++events == 2)
            throw std::runtime_error("event");
    });
    search.Initialise();
    EXPECT_THROW(search.Run(), std::runtime_error);

    const SearchState &s = search.State();
    EXPECT_EQ(s.SearchCount, 2 * 8192);
    EXPECT_FALSE(s.StopSearch);
    EXPECT_FALSE(s.GaveUp);
    test::ExpectChoicesAsReference(s, board, ref);
}
