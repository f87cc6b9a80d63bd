#include "logic/ladder.h"

#include "logic/techniques.h"

#include <array>
#include <vector>

namespace quadrelle::logic {

namespace {

// One row a technique, in the order both scales take them; a score of 0 leaves it off that scale.
// Sukaku Explainer added the turbot fish, the chains of three strong links and the big wings to
// Sudoku Explainer's ladder, which finds those steps as chains.
struct Technique {
    std::string_view name;
    int se;
    int sukaku;
    Finder find;
};

constexpr std::array Techniques {
    Technique {"Hidden Single (box)", 12, 12, FindHiddenSingleBox},
    Technique {"Hidden Single (line)", 15, 15, FindHiddenSingleLine},
    Technique {"Direct Pointing", 17, 17, FindDirectPointing},
    Technique {"Direct Claiming", 19, 19, FindDirectClaiming},
    Technique {"Direct Hidden Pair", 20, 20, FindDirectHiddenPair},
    Technique {"Naked Single", 23, 23, FindNakedSingle},
    Technique {"Direct Hidden Triple", 25, 25, FindDirectHiddenTriple},
    Technique {"Pointing", 26, 26, FindPointing},
    Technique {"Claiming", 28, 28, FindClaiming},
    Technique {"Naked Pair", 30, 30, FindNakedPair},
    Technique {"X-Wing", 32, 32, FindXWing},
    Technique {"Hidden Pair", 34, 34, FindHiddenPair},
    Technique {"Naked Triple", 36, 36, FindNakedTriple},
    Technique {"Swordfish", 38, 38, FindSwordfish},
    Technique {"Hidden Triple", 40, 40, FindHiddenTriple},
    Technique {"Turbot Fish", 0, 40, FindTurbotFish},
    Technique {"XY-Wing", 42, 42, FindXYWing},
    Technique {"XYZ-Wing", 44, 44, FindXYZWing},
    Technique {"Unique Rectangle", 45, 45, FindUniqueRectangle},
    Technique {"Naked Quad", 50, 50, FindNakedQuad},
    Technique {"Jellyfish", 52, 52, FindJellyfish},
    Technique {"Hidden Quad", 54, 54, FindHiddenQuad},
    Technique {"Three Strong Links", 0, 54, FindThreeLinkChain},
    Technique {"WXYZ-Wing", 0, 55, FindWxyzWing},
    Technique {"Bivalue Universal Grave", 56, 56, FindBug},
    Technique {"Aligned Pair Exclusion", 62, 62, FindAlignedPairExclusion},
    Technique {"VWXYZ-Wing", 0, 62, FindVwxyzWing},
    Technique {"Forcing Chains and Cycles", 65, 65, FindChainOrCycle},
    Technique {"Aligned Triple Exclusion", 75, 75, FindAlignedTripleExclusion},
    Technique {"Nishio Forcing Chains", 75, 75, FindNishio},
    Technique {"Multiple Forcing Chains", 80, 80, FindMultipleForcingChain},
    Technique {"Dynamic Forcing Chains", 85, 85, FindDynamicForcingChain},
    Technique {"Dynamic Forcing Chains (+)", 90, 90, FindDynamicPlusForcingChain},
    Technique {TopRung, 95, 95, FindNestedForcingChain},
};

std::vector<Rung> RungsOf(Scale scale)
{
    std::vector<Rung> rungs;
    for (const Technique &t : Techniques) {
        const int tenths = scale == Scale::SudokuExplainer ? t.se : t.sukaku;
        if (tenths > 0)
            rungs.push_back({t.name, tenths, t.find});
    }
    return rungs;
}

} // namespace

std::span<const Rung> Ladder(Scale scale)
{
    static const std::vector<Rung> se = RungsOf(Scale::SudokuExplainer);
    static const std::vector<Rung> sukaku = RungsOf(Scale::SukakuExplainer);
    return scale == Scale::SudokuExplainer ? se : sukaku;
}

} // namespace quadrelle::logic

namespace quadrelle {

std::string_view ScaleName(Scale scale)
{
    return scale == Scale::SudokuExplainer ? "se" : "sukaku";
}

std::optional<Scale> ScaleNamed(std::string_view name)
{
    for (const Scale scale : {Scale::SudokuExplainer, Scale::SukakuExplainer})
        if (ScaleName(scale) == name)
            return scale;
    return std::nullopt;
}

} // namespace quadrelle
