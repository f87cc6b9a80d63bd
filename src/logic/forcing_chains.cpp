#include "logic/barren_digits.h"
#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/implications.h"
#include "logic/ladder.h"
#include "logic/techniques.h"

#include <climits>
#include <vector>

// Every chain search keeps the shortest proof it meets: the score grows with the proof's size.

namespace quadrelle::logic {

namespace {

struct Best {
    explicit Best(const Step &step) : enough(step.enough), budget(step.budget) { }

    int enough = 0;
    Budget budget;
    int tenths = INT_MAX;
    std::string_view technique;
    Literal conclusion = -1;
    bool expired = false;

    void Offer(std::string_view name, int score, Literal l)
    {
        if (score < tenths) {
            tenths = score;
            technique = name;
            conclusion = l;
        }
    }
    // Good enough, or out of work (and then Fill gives nothing).
    bool Done()
    {
        if (tenths <= enough)
            return true;
        expired = budget.Spent();
        return expired;
    }
    bool Fill(Step &step) const
    {
        if (conclusion < 0 || step.Expired())
            return false;
        step.technique = technique;
        step.tenths = tenths;
        const Candidate c {
            static_cast<std::uint8_t>(CellOf(conclusion)), static_cast<std::uint8_t>(DigitOf(conclusion))};
        (IsOn(conclusion) ? step.placements : step.eliminations).push_back(c);
        return true;
    }
};

// The scale's: a chain of one digit is easier than one that mixes digits.
constexpr int XChainBase = 66;
constexpr int ChainBase = 70;

struct Names {
    std::string_view contradiction, both, cell, region;
    int base;
};

// A static chain of one digit throughout is an X-chain. The scale counts a chain's length as its
// nodes less two; two static proofs joined at the assumption share its node.
void Offer(Best &best, const Names &names, ChainKind kind, const Implications::Shape &shape, std::string_view name,
    Literal conclusion, bool joined)
{
    if (kind == ChainKind::Static)
        best.Offer(CountOf(shape.digits) == 1 ? "X-Chain" : name,
            (CountOf(shape.digits) == 1 ? XChainBase : names.base) + LengthBonus(shape.size - 2 - joined), conclusion);
    else
        best.Offer(name, names.base + LengthBonus(shape.size - 2), conclusion);
}

Implications::Shape Join(Implications::Shape a, const Implications::Shape &b)
{
    a.size += b.size;
    a.digits |= b.digits;
    a.cellLinks = a.cellLinks || b.cellLinks;
    a.unitLinks = a.unitLinks || b.unitLinks;
    return a;
}

// An assumption that contradicts itself is false; a conclusion that follows from a candidate and
// from its absence holds.
// A static run that comes back to its assumption round a loop (a cycle, in the scale's words):
// with the assumption, the loop's "on" nodes hold; without it, by every link taken backwards, the
// opposites of its "off" nodes hold. A candidate that one of each set sees goes either way, and
// the step scores by the loop's length.
void OfferLoop(const CandidateGrid &grid, const Implications &run, const Implications::Loop &loop, Best &best)
{
    std::array<Cells81, 9> forward {}, backward {}, onLoop {};
    int size = 0;
    const auto add = [&](Literal l) {
        ++size;
        const Literal holds = IsOn(l) ? l : Not(l);
        const int cell = CellOf(holds), digit = DigitOf(holds);
        auto &seen = IsOn(l) ? forward : backward;
        seen[digit] |= Geo().peers[cell] & grid.CellsOf(digit);
        for (DigitMask m = grid.Candidates(cell) & ~BitOf(digit); m; m &= m - 1)
            seen[std::countr_zero(m)].Set(cell);
        onLoop[digit].Set(cell);
    };
    Literal start = -1;
    run.ForEachInProof(loop.end, [&](Literal l) { add(l), start = l; });
    add(loop.close);
    // The closing strong link counts too: a unit's when it leaves the assumption's cell.
    const Implications::Shape shape = run.ShapeOf({loop.end});
    const bool oneDigit = (shape.digits | BitOf(DigitOf(loop.close))) == shape.digits && CountOf(shape.digits) == 1;
    const bool unitLinks = shape.unitLinks || CellOf(loop.close) != CellOf(start);
    const bool pure = oneDigit || !unitLinks;
    const std::string_view name = oneDigit ? "X-Cycle" : !unitLinks ? "Y-Cycle" : "Cycle";
    for (int digit = 0; digit < 9; ++digit)
        (forward[digit] & backward[digit] & ~onLoop[digit]).ForEach([&](int cell) {
            best.Offer(name, (pure ? 65 : ChainBase) + LengthBonus(size - 2), Off(cell, digit));
        });
}

void AssumeBothWays(const CandidateGrid &grid, ChainKind kind, const Names &names, Best &best, int onlyDigit = -1)
{
    Implications on(grid, kind, onlyDigit), off(grid, kind, onlyDigit);
    grid.Open().ForEach([&](int cell) {
        for (DigitMask m = grid.Candidates(cell); m && !best.Done(); m &= m - 1) {
            const int digit = std::countr_zero(m);
            if (onlyDigit >= 0 && digit != onlyDigit)
                continue;
            on.Run(On(cell, digit));
            off.Run(Off(cell, digit));
            if (on.Contradiction())
                Offer(best, names, kind, on.ContradictionShape(), names.contradiction, Off(cell, digit), false);
            if (off.Contradiction())
                Offer(best, names, kind, off.ContradictionShape(), names.contradiction, On(cell, digit), false);
            if (on.Contradiction() || off.Contradiction())
                continue;
            for (const Implications::Loop &loop : on.Loops())
                OfferLoop(grid, on, loop, best);
            for (const Literal l : on.Conclusions())
                if (off.Derived(l) && CellOf(l) != cell)
                    Offer(best, names, kind, Join(on.ShapeOf({l}), off.ShapeOf({l})), names.both, l, true);
        }
    });
}

// Conclusions common to every branch: each candidate of a cell, or each place of a digit in a unit.
void AllBranches(
    const std::vector<Literal> &branches, std::vector<Implications> &runs, std::string_view name, int base, Best &best)
{
    for (std::size_t i = 0; i < branches.size(); ++i) {
        runs[i].Run(branches[i]);
        if (runs[i].Contradiction())
            return;
    }
    for (const Literal l : runs[0].Conclusions()) {
        bool everywhere = true;
        for (std::size_t i = 1; i < branches.size() && everywhere; ++i)
            everywhere = runs[i].Derived(l);
        if (!everywhere || l == branches[0])
            continue;
        int size = 0;
        for (std::size_t i = 0; i < branches.size(); ++i)
            size += runs[i].ProofSize({l});
        best.Offer(name, base + LengthBonus(size - 2), l);
    }
}

void Multiple(const CandidateGrid &grid, ChainKind kind, const Names &names, Best &best)
{
    std::vector<Implications> runs(9, Implications(grid, kind));
    std::vector<Literal> branches;
    grid.Open().ForEach([&](int cell) {
        if (best.Done())
            return;
        branches.clear();
        for (DigitMask m = grid.Candidates(cell); m; m &= m - 1)
            branches.push_back(On(cell, std::countr_zero(m)));
        if (branches.size() > 2)
            AllBranches(branches, runs, names.cell, names.base, best);
    });
    for (int unit = 0; unit < UnitCount && !best.Done(); ++unit)
        for (int digit = 0; digit < 9 && !best.Done(); ++digit) {
            branches.clear();
            (grid.CellsOf(digit) & Geo().unit[unit]).ForEach([&](int cell) { branches.push_back(On(cell, digit)); });
            if (branches.size() > 2)
                AllBranches(branches, runs, names.region, names.base, best);
        }
}

} // namespace

int LengthBonus(int nodes)
{
    int bonus = 0;
    for (int limit = 4; nodes > limit; ++bonus)
        limit = bonus % 2 == 0 ? limit * 3 / 2 : limit * 4 / 3;
    return bonus;
}

// A digit's X-chains depend on its places alone.
bool FindXChain(const CandidateGrid &grid, Step &step)
{
    thread_local BarrenDigits barren;
    Best best {step};
    for (int digit = 0; digit < 9 && !best.Done(); ++digit) {
        if (barren.Known(digit, grid.CellsOf(digit)))
            continue;
        const bool unbounded = best.conclusion < 0;
        AssumeBothWays(grid, ChainKind::Static, {"X-Chain", "X-Chain", "", "", XChainBase}, best, digit);
        if (unbounded && best.conclusion < 0 && !best.expired)
            barren.Remember(digit, grid.CellsOf(digit));
    }
    return best.Fill(step);
}

bool FindForcingChain(const CandidateGrid &grid, Step &step)
{
    Best best {step};
    AssumeBothWays(grid, ChainKind::Static, {"Forcing Chain", "Forcing Chain", "", "", ChainBase}, best);
    return best.Fill(step);
}





bool FindDynamicPlusForcingChain(const CandidateGrid &grid, Step &step)
{
    Best best {step};
    const Names names {"Dynamic Contradiction Forcing Chains (+)", "Dynamic Double Forcing Chains (+)",
        "Dynamic Cell Forcing Chains (+)", "Dynamic Region Forcing Chains (+)", 90};
    AssumeBothWays(grid, ChainKind::DynamicPlus, names, best);
    if (!best.Done())
        Multiple(grid, ChainKind::DynamicPlus, names, best);
    return best.Fill(step);
}

} // namespace quadrelle::logic
