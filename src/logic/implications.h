#pragma once

#include "logic/candidate_grid.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quadrelle::logic {

// A statement about one candidate: "cell holds digit" (on) or "cell does not hold digit" (off).
using Literal = int;
constexpr Literal On(int cell, int digit) { return (cell * 9 + digit) * 2 + 1; }
constexpr Literal Off(int cell, int digit) { return (cell * 9 + digit) * 2; }
constexpr Literal Not(Literal l) { return l ^ 1; }
constexpr bool IsOn(Literal l) { return l & 1; }
constexpr int CellOf(Literal l) { return l / 18; }
constexpr int DigitOf(Literal l) { return l / 2 % 9; }
inline constexpr int LiteralCount = 81 * 9 * 2;

enum class ChainKind : std::uint8_t {
    // Links of the grid as it stands: a bivalue cell or a digit with two places in a unit.
    Static,
    // Every conclusion so far taken into account: singles that the assumptions create.
    Dynamic,
    // Dynamic, and locked candidates found along the way.
    DynamicPlus,
};

// Everything that follows from some assumptions, each conclusion with the ones it rests on,
// until the assumptions contradict themselves.
class Implications {
public:
    // onlyDigit >= 0: links of that digit alone (X-chains).
    Implications(const CandidateGrid &grid, ChainKind kind, int onlyDigit = -1);
    Implications(const Implications &) = default;
    Implications &operator=(const Implications &) = delete;
    // Counts its conclusions as the rater's work, as each new run does.
    ~Implications();

    // Forgets the previous run.
    void Run(Literal assumption);
    // Adds to the current run (nested chains).
    void Assume(Literal assumption);

    bool Derived(Literal l) const { return index_[l] >= 0; }
    bool Contradiction() const { return contradiction_; }
    const std::vector<Literal> &Conclusions() const { return derived_; }
    // The grid with every conclusion so far applied.
    CandidateGrid State() const;

    // What the proof of some literals is made of.
    struct Shape {
        int size = 0;
        DigitMask digits = 0;
        // Strong links used: within a bivalue cell, between the two places of a digit in a unit.
        bool cellLinks = false;
        bool unitLinks = false;
    };
    // Static runs from a candidate: loops back to it, each as its last node and the absence of
    // the candidate's strong partner, which that node implies and which closes the loop.
    struct Loop {
        Literal end, close;
    };
    const std::vector<Loop> &Loops() const { return loops_; }
    // Calls f with every literal the proof of l rests on, l included.
    template <class F> void ForEachInProof(Literal l, F f) const
    {
        for (int at = index_[l]; at >= 0;) {
            f(derived_[at]);
            const auto [first, n] = parentSpan_[at];
            at = n == 1 ? parents_[first] : -1;
        }
    }

    // Nodes in the proof of these literals (0 for none); the contradiction's with Contradiction().
    int ProofSize(std::initializer_list<Literal> literals) const { return ShapeOf(literals).size; }
    int ContradictionSize() const { return ContradictionShape().size; }
    Shape ShapeOf(std::initializer_list<Literal> literals) const;
    Shape ContradictionShape() const;

private:
    void Reset();
    void Derive(Literal l, const int *parents, int parentCount);
    void Propagate();
    bool ClosesLoop(Literal l) const;
    void FromOn(Literal l);
    void FromOff(Literal l);
    void LockedCandidates();
    void Mark(Literal l, std::uint32_t stamp, Shape &shape) const;

    const CandidateGrid &grid_;
    ChainKind kind_;
    int onlyDigit_;
    std::array<std::int16_t, LiteralCount> index_ {};
    std::vector<Literal> derived_;
    std::vector<std::array<int, 2>> parentSpan_;
    std::vector<std::int16_t> parents_;
    std::array<DigitMask, 81> candidates_ {};
    // Static links: per candidate, the cells that hold the digit's other place in a unit where
    // it has two, and whether the cell is bivalue.
    std::array<Cells81, 81 * 9> partners_ {};
    // The next "on" and the next "off" conclusion to follow.
    std::size_t nextOn_ = 0, nextOff_ = 0;
    bool contradiction_ = false;
    std::vector<Loop> loops_;
    std::vector<std::int16_t> contradictionParents_;
    mutable std::vector<std::uint32_t> seen_;
    mutable std::uint32_t stamp_ = 0;
};

} // namespace quadrelle::logic
