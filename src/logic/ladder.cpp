#include "logic/ladder.h"

#include "logic/techniques.h"

#include <array>

namespace quadrelle::logic {

std::span<const Rung> Ladder()
{
    static constexpr std::array rungs {
        Rung {"Hidden Single (box)", 12, FindHiddenSingleBox},
        Rung {"Hidden Single (line)", 15, FindHiddenSingleLine},
        Rung {"Naked Single", 23, FindNakedSingle},
        Rung {"Pointing", 26, FindPointing},
        Rung {"Claiming", 28, FindClaiming},
        Rung {"Naked Pair", 30, FindNakedPair},
        Rung {"X-Wing", 32, FindXWing},
        Rung {"Hidden Pair", 34, FindHiddenPair},
        Rung {"Naked Triple", 36, FindNakedTriple},
        Rung {"Swordfish", 38, FindSwordfish},
        Rung {"Hidden Triple", 40, FindHiddenTriple},
        Rung {"Turbot Fish", 40, FindTurbotFish},
        Rung {"XY-Wing", 42, FindXYWing},
        Rung {"XYZ-Wing", 44, FindXYZWing},
        Rung {"Unique Rectangle", 45, FindUniqueRectangle},
        Rung {"Naked Quad", 50, FindNakedQuad},
        Rung {"Jellyfish", 52, FindJellyfish},
        Rung {"Hidden Quad", 54, FindHiddenQuad},
        Rung {"Three Strong Links", 54, FindThreeLinkChain},
        Rung {"WXYZ-Wing", 55, FindWxyzWing},
        Rung {"Bivalue Universal Grave", 56, FindBug},
        Rung {"VWXYZ-Wing", 62, FindVwxyzWing},
        Rung {"Forcing Chains and Cycles", 65, FindChainOrCycle},
        Rung {"Nishio Forcing Chains", 75, FindNishio},
        Rung {"Multiple Forcing Chains", 80, FindMultipleForcingChain},
        Rung {"Dynamic Forcing Chains", 85, FindDynamicForcingChain},
        Rung {"Dynamic Forcing Chains (+)", 90, FindDynamicPlusForcingChain},
        Rung {TopRung, 95, FindNestedForcingChain},
    };
    return rungs;
}

} // namespace quadrelle::logic
