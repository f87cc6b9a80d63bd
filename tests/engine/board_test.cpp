#include "solver/pipeline.h"

#include <gtest/gtest.h>

using namespace quadrelle;

TEST(Smoke, EmptyBoard)
{
    auto r = SolvePuzzle(Grid{});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->placements, 81);
}
