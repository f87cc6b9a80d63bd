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
        const Candidate c {Cell(CellOf(conclusion)), DigitOf(conclusion)};
        (IsOn(conclusion) ? step.placements : step.eliminations).push_back(c);
        return true;
    }
};

struct Names {
    std::string_view contradiction, both, cell, region;
    int base;
};

// The scale counts a chain's length as its nodes less two.
void Offer(Best &best, const Names &names, int size, std::string_view name, Literal conclusion)
{
    best.Offer(name, names.base + LengthBonus(size - 2), conclusion);
}

// An assumption that contradicts itself is false; a conclusion that follows from a candidate and
// from its absence holds.
void AssumeBothWays(const CandidateGrid &grid, ChainKind kind, const Names &names, Best &best)
{
    Implications on(grid, kind), off(grid, kind);
    grid.Open().ForEach([&](int cell) {
        for (DigitMask m = grid.Candidates(cell); m && !best.Done(); m &= m - 1) {
            const Digit digit = LowestDigit(m);
            on.Run(On(cell, digit));
            off.Run(Off(cell, digit));
            if (on.Contradiction())
                Offer(best, names, on.ContradictionSize(), names.contradiction, Off(cell, digit));
            if (off.Contradiction())
                Offer(best, names, off.ContradictionSize(), names.contradiction, On(cell, digit));
            if (on.Contradiction() || off.Contradiction())
                continue;
            for (const Literal l : on.Conclusions())
                if (off.Derived(l) && CellOf(l) != cell)
                    Offer(best, names, on.ProofSize({l}) + off.ProofSize({l}), names.both, l);
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
            branches.push_back(On(cell, LowestDigit(m)));
        if (branches.size() > 2)
            AllBranches(branches, runs, names.cell, names.base, best);
    });
    for (int unit = 0; unit < UnitCount && !best.Done(); ++unit)
        for (const Digit digit : EveryDigit) {
            if (best.Done())
                break;
            branches.clear();
            (grid.CellsOf(digit) & UnitSets[unit]).ForEach([&](int cell) { branches.push_back(On(cell, digit)); });
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

bool FindDynamicPlusForcingChain(const CandidateGrid &grid, Step &step)
{
    Best best {step};
    const Names names {"Dynamic Contradiction Forcing Chains (+)", "Dynamic Double Forcing Chains (+)",
        "Dynamic Cell Forcing Chains (+)", "Dynamic Region Forcing Chains (+)", step.tenths};
    AssumeBothWays(grid, ChainKind::DynamicPlus, names, best);
    if (!best.Done())
        Multiple(grid, ChainKind::DynamicPlus, names, best);
    return best.Fill(step);
}

} // namespace quadrelle::logic
