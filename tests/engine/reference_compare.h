#pragma once

#include "reference_solver.h"
#include "solver/search.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace quadrelle::test {

// What the search leaves behind that depends on its choices, against the reference's run.
inline void ExpectChoicesAsReference(const SearchState &s, const Board &board, const ReferenceRun &ref)
{
    EXPECT_EQ(s.CurrentCell, ref.currentCell);
    EXPECT_EQ(s.LowCell, ref.lowCell);
    EXPECT_EQ(s.HighCell, ref.highCell);
    EXPECT_EQ(s.ChosenMask, ref.chosenMask);
    EXPECT_EQ(board.Digits(), ref.final);
    EXPECT_TRUE(GroupsInStep(board));
}

} // namespace quadrelle::test
