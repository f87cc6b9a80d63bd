#include "reference_compare.h"
#include "reference_solver.h"
#include "solver/pipeline.h"
#include "solver/propagation.h"
#include "solver/search.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quadrelle;

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
    ASSERT_TRUE(PropagateSingles(board, noGrid, TemplateBox));
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
