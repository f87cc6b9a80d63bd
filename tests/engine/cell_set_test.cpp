#include "model/cell_set.h"

#include <gtest/gtest.h>

#include <random>

using namespace quadrelle;

// The set's quick questions agree with counting its cells one by one, on small sets where they
// are asked and across the two words the 81 cells take.
TEST(CellSet, QuickQuestionsAgreeWithCountingEveryCell)
{
    std::mt19937 random(81);
    for (int trial = 0; trial < 20000; ++trial) {
        CellSet set;
        const int wanted = trial % 5;
        for (int i = 0; i < wanted; ++i)
            set.Set(trial % 3 == 0 ? 60 + static_cast<int>(random() % 8) : static_cast<int>(random() % CellCount));
        int counted = 0;
        set.ForEach([&](int) { ++counted; });
        ASSERT_EQ(set.Count(), counted);
        for (int n = 0; n <= 5; ++n)
            ASSERT_EQ(set.HoldsExactly(n), counted == n) << "n " << n << " of " << counted;
    }
    for (const CellSet &unit : UnitSets)
        EXPECT_TRUE(unit.HoldsExactly(9));
}
