#include "techniques.h"

namespace quadrelle::logic {

int LengthBonus(int nodes)
{
    int bonus = 0;
    for (int limit = 4; nodes > limit; ++bonus)
        limit = bonus % 2 == 0 ? limit * 3 / 2 : limit * 4 / 3;
    return bonus;
}

bool FindForcingChain(const CandidateGrid &, Step &) { return false; }
bool FindMultipleForcingChain(const CandidateGrid &, Step &) { return false; }
bool FindDynamicForcingChain(const CandidateGrid &, Step &) { return false; }
bool FindDynamicPlusForcingChain(const CandidateGrid &, Step &) { return false; }
bool FindNestedForcingChain(const CandidateGrid &, Step &) { return false; }
bool FindAlignedPairExclusion(const CandidateGrid &, Step &) { return false; }

} // namespace quadrelle::logic
