#include "logic/implications.h"

#include "logic/geometry.h"
#include "logic/work.h"

namespace quadrelle::logic {

namespace {

constexpr std::uint64_t LockedCandidatesWork = 64;

} // namespace

Implications::Implications(const CandidateGrid &grid, ChainKind kind) : grid_(grid), kind_(kind)
{
    index_.fill(-1);
    for (int cell = 0; cell < 81; ++cell)
        candidates_[cell] = grid.Candidates(cell);
    seen_.assign(LiteralCount, 0);
}

Implications::~Implications()
{
    AddWork(derived_.size());
}

void Implications::Reset()
{
    AddWork(derived_.size());
    for (const Literal l : derived_)
        index_[l] = -1;
    for (const Literal l : derived_)
        candidates_[CellOf(l)] = grid_.Candidates(CellOf(l));
    derived_.clear();
    parentSpan_.clear();
    parents_.clear();
    nextOn_ = nextOff_ = 0;
    contradiction_ = false;
    contradictionParents_.clear();
}

void Implications::Run(Literal assumption)
{
    Reset();
    Assume(assumption);
}

void Implications::Assume(Literal assumption)
{
    if (contradiction_)
        return;
    Derive(assumption, nullptr, 0);
    Propagate();
}

void Implications::Derive(Literal l, const int *parents, int parentCount)
{
    if (index_[l] >= 0)
        return;
    if (contradiction_)
        return;
    const int at = static_cast<int>(derived_.size());
    index_[l] = static_cast<std::int16_t>(at);
    derived_.push_back(l);
    parentSpan_.push_back({static_cast<int>(parents_.size()), parentCount});
    for (int i = 0; i < parentCount; ++i)
        parents_.push_back(static_cast<std::int16_t>(parents[i]));
    if (index_[Not(l)] >= 0) {
        contradiction_ = true;
        contradictionParents_ = {static_cast<std::int16_t>(at), index_[Not(l)]};
    }
}

void Implications::Propagate()
{
    for (;;) {
        // Every pending "on" before the next "off", as the scale's reference goes: which
        // conclusion reaches a literal first decides its proof, and so the score.
        while (!contradiction_) {
            while (nextOn_ < derived_.size() && !IsOn(derived_[nextOn_]))
                ++nextOn_;
            if (nextOn_ < derived_.size()) {
                FromOn(derived_[nextOn_++]);
                continue;
            }
            while (nextOff_ < derived_.size() && IsOn(derived_[nextOff_]))
                ++nextOff_;
            if (nextOff_ == derived_.size())
                break;
            FromOff(derived_[nextOff_++]);
        }
        if (contradiction_ || kind_ != ChainKind::DynamicPlus)
            return;
        const std::size_t before = derived_.size();
        LockedCandidates();
        if (derived_.size() == before)
            return;
    }
}

void Implications::FromOn(Literal l)
{
    const int cell = CellOf(l);
    const Digit digit = DigitOf(l);
    const int self[1] = {index_[l]};
    for (DigitMask m = candidates_[cell] & ~BitOf(digit); m; m &= m - 1)
        Derive(Off(cell, LowestDigit(m)), self, 1);
    (Peers[cell] & grid_.CellsOf(digit)).ForEach([&](int peer) {
        if (candidates_[peer] & BitOf(digit))
            Derive(Off(peer, digit), self, 1);
    });
}

void Implications::FromOff(Literal l)
{
    const int cell = CellOf(l);
    const Digit digit = DigitOf(l);
    candidates_[cell] = static_cast<DigitMask>(candidates_[cell] & ~BitOf(digit));
    int causes[9];
    int count = 0;
    const DigitMask left = candidates_[cell];
    if (CountOf(left) <= 1) {
        for (DigitMask m = grid_.Candidates(cell) & ~left; m; m &= m - 1)
            causes[count++] = index_[Off(cell, LowestDigit(m))];
        if (left == 0) {
            contradiction_ = true;
            contradictionParents_.assign(causes, causes + count);
            return;
        }
        Derive(On(cell, LowestDigit(left)), causes, count);
    }
    for (const int unit : UnitsOf(Cell(cell))) {
        int place = -1;
        count = 0;
        for (const int other : UnitCells(unit)) {
            if (!(grid_.Candidates(other) & BitOf(digit)))
                continue;
            if (candidates_[other] & BitOf(digit))
                place = place == -1 ? other : -2;
            else
                causes[count++] = index_[Off(other, digit)];
        }
        if (place == -1) {
            contradiction_ = true;
            contradictionParents_.assign(causes, causes + count);
            return;
        }
        if (place >= 0)
            Derive(On(place, digit), causes, count);
    }
}

// A digit whose places left in a box all lie on one line, or on a line all in one box.
void Implications::LockedCandidates()
{
    // A look at every box and line costs about as much as this many conclusions.
    AddWork(LockedCandidatesWork);
    for (const Digit digit : EveryDigit) {
        CellSet places;
        for (int cell = 0; cell < 81; ++cell)
            if (candidates_[cell] & BitOf(digit))
                places.Set(cell);
        for (const auto &[box, line, cross] : Crossings) {
            for (const auto [within, along] : {std::array {box, line}, std::array {line, box}}) {
                const CellSet inside = places & UnitSets[within];
                const CellSet removed = places & UnitSets[along] & ~cross;
                if (inside.Empty() || !(inside & ~cross).Empty() || removed.Empty())
                    continue;
                int causes[9];
                int count = 0;
                (grid_.CellsOf(digit) & UnitSets[within] & ~cross).ForEach([&](int cell) {
                    causes[count++] = index_[Off(cell, digit)];
                });
                removed.ForEach([&](int cell) { Derive(Off(cell, digit), causes, count); });
                return;
            }
        }
    }
}

CandidateGrid Implications::State() const
{
    CandidateGrid state = grid_;
    for (const Literal l : derived_) {
        if (IsOn(l) && state.IsOpen(CellOf(l)))
            state.Place(CellOf(l), DigitOf(l));
        else if (!IsOn(l))
            state.Eliminate(CellOf(l), DigitOf(l));
    }
    return state;
}

void Implications::Mark(Literal l, std::uint32_t stamp, int &size) const
{
    int stack[LiteralCount];
    int top = 0;
    const int start = index_[l];
    if (start < 0 || seen_[start] == stamp)
        return;
    seen_[start] = stamp;
    stack[top++] = start;
    while (top > 0) {
        const int at = stack[--top];
        ++size;
        const auto [first, n] = parentSpan_[at];
        for (int i = first; i < first + n; ++i) {
            const int parent = parents_[i];
            if (seen_[parent] != stamp) {
                seen_[parent] = stamp;
                stack[top++] = parent;
            }
        }
    }
}

int Implications::ProofSize(std::initializer_list<Literal> literals) const
{
    ++stamp_;
    int size = 0;
    for (const Literal l : literals)
        Mark(l, stamp_, size);
    return size;
}

// The scale counts each proof of a contradiction on its own, so what they share counts again.
int Implications::ContradictionSize() const
{
    int size = 0;
    for (const int at : contradictionParents_) {
        ++stamp_;
        Mark(derived_[at], stamp_, size);
    }
    return size;
}

} // namespace quadrelle::logic
