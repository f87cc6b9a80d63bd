#pragma once

#include "logic/candidate_grid.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quadrelle::logic {

// A statement about one candidate: "cell holds digit" (on) or "cell does not hold digit" (off).
using Literal = int;
constexpr Literal On(int cell, Digit digit) { return (cell * 9 + digit.Index()) * 2 + 1; }
constexpr Literal Off(int cell, Digit digit) { return (cell * 9 + digit.Index()) * 2; }
constexpr Literal Not(Literal l) { return l ^ 1; }
constexpr bool IsOn(Literal l) { return l & 1; }
constexpr int CellOf(Literal l) { return l / 18; }
constexpr Digit DigitOf(Literal l) { return Digit::FromIndex(l / 2 % 9); }
inline constexpr int LiteralCount = 81 * 9 * 2;

enum class ChainKind : std::uint8_t {
    // Every conclusion so far taken into account: singles that the assumptions create.
    Dynamic,
    // Dynamic, and locked candidates found along the way.
    DynamicPlus,
};

// Everything that follows from some assumptions, each conclusion with the ones it rests on,
// until the assumptions contradict themselves.
class Implications {
public:
    Implications(const CandidateGrid &grid, ChainKind kind);
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

    // Nodes in the proof of these literals (0 for none); the contradiction's with Contradiction().
    int ProofSize(std::initializer_list<Literal> literals) const;
    int ContradictionSize() const;

private:
    void Reset();
    void Derive(Literal l, const int *parents, int parentCount);
    void Propagate();
    void FromOn(Literal l);
    void FromOff(Literal l);
    void LockedCandidates();
    void Mark(Literal l, std::uint32_t stamp, int &size) const;

    const CandidateGrid &grid_;
    ChainKind kind_;
    std::array<std::int16_t, LiteralCount> index_ {};
    std::vector<Literal> derived_;
    std::vector<std::array<int, 2>> parentSpan_;
    std::vector<std::int16_t> parents_;
    std::array<DigitMask, 81> candidates_ {};
    // The next "on" and the next "off" conclusion to follow.
    std::size_t nextOn_ = 0, nextOff_ = 0;
    bool contradiction_ = false;
    std::vector<std::int16_t> contradictionParents_;
    mutable std::vector<std::uint32_t> seen_;
    mutable std::uint32_t stamp_ = 0;
};

} // namespace quadrelle::logic
