#pragma once

#include "logic/step.h"

namespace quadrelle::logic {

// Each finder fills the step's cells when it finds one; the ladder has set its name and base
// score, which finders with a variable score raise.
bool FindHiddenSingleBox(const CandidateGrid &grid, Step &step);
bool FindHiddenSingleLine(const CandidateGrid &grid, Step &step);
bool FindNakedSingle(const CandidateGrid &grid, Step &step);
bool FindDirectPointing(const CandidateGrid &grid, Step &step);
bool FindDirectClaiming(const CandidateGrid &grid, Step &step);
bool FindDirectHiddenPair(const CandidateGrid &grid, Step &step);
bool FindDirectHiddenTriple(const CandidateGrid &grid, Step &step);
bool FindPointing(const CandidateGrid &grid, Step &step);
bool FindClaiming(const CandidateGrid &grid, Step &step);
bool FindNakedPair(const CandidateGrid &grid, Step &step);
bool FindNakedTriple(const CandidateGrid &grid, Step &step);
bool FindNakedQuad(const CandidateGrid &grid, Step &step);
bool FindHiddenPair(const CandidateGrid &grid, Step &step);
bool FindHiddenTriple(const CandidateGrid &grid, Step &step);
bool FindHiddenQuad(const CandidateGrid &grid, Step &step);
bool FindXWing(const CandidateGrid &grid, Step &step);
bool FindSwordfish(const CandidateGrid &grid, Step &step);
bool FindJellyfish(const CandidateGrid &grid, Step &step);
bool FindXYWing(const CandidateGrid &grid, Step &step);
bool FindXYZWing(const CandidateGrid &grid, Step &step);
bool FindUniqueRectangle(const CandidateGrid &grid, Step &step);
bool FindBug(const CandidateGrid &grid, Step &step);
bool FindWxyzWing(const CandidateGrid &grid, Step &step);
bool FindVwxyzWing(const CandidateGrid &grid, Step &step);
bool FindAlignedPairExclusion(const CandidateGrid &grid, Step &step);
bool FindAlignedTripleExclusion(const CandidateGrid &grid, Step &step);
bool FindTurbotFish(const CandidateGrid &grid, Step &step);
bool FindThreeLinkChain(const CandidateGrid &grid, Step &step);
bool FindChainOrCycle(const CandidateGrid &grid, Step &step);
bool FindNishio(const CandidateGrid &grid, Step &step);
bool FindMultipleForcingChain(const CandidateGrid &grid, Step &step);
bool FindDynamicForcingChain(const CandidateGrid &grid, Step &step);
bool FindDynamicPlusForcingChain(const CandidateGrid &grid, Step &step);
bool FindNestedForcingChain(const CandidateGrid &grid, Step &step);

// Where the step's eliminations leave a digit a single place in one of the units (bit u for unit u),
// the step becomes that placement alone: the scale's reference applies its direct steps so.
bool TakeRevealedSingle(const CandidateGrid &grid, std::uint32_t units, Step &step);
inline constexpr std::uint32_t UnitBit(int unit)
{
    return std::uint32_t {1} << unit;
}
// Units of the kind of unit: the rows, the columns or the boxes.
inline constexpr std::uint32_t UnitsLike(int unit)
{
    return std::uint32_t {0x1ff} << (unit / 9 * 9);
}

// Tenths added to a chain's base score for its length: 0.1 more at each of 4, 6, 8, 12, 16, 24 ...
// nodes exceeded.
int LengthBonus(int nodes);

} // namespace quadrelle::logic
