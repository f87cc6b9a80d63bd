#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/implications.h"
#include "logic/techniques.h"
#include "logic/work.h"

#include <algorithm>
#include <bitset>
#include <climits>
#include <memory>
#include <span>
#include <vector>

// Chains as the scale's reference finds and scores them. From each candidate assumed true (and,
// for some kinds, false) the consequences are drawn in a fixed order: a true candidate's other
// digits and its digit's other places in box, row and column go; a false one leaves the last digit
// of its cell or the last place in a box, row or column. Which conclusion reaches a candidate
// first is its proof, and a step scores by the number of distinct candidates its proofs hold. Of
// all steps found, the easiest is taken, the shorter first, in the reference's order of kinds.

namespace quadrelle::logic {

namespace {

// Which links a search follows: X within a digit (its places in a unit), Y within a cell.
struct Links {
    bool x = false;
    bool y = false;
};

// A step's place in the reference's order: difficulty, then the proofs' size, then its kind.
struct Rank {
    double difficulty = 1e9;
    int complexity = 0;
    int kind = 0;

    bool operator<(const Rank &o) const
    {
        if (difficulty != o.difficulty)
            return difficulty < o.difficulty;
        if (complexity != o.complexity)
            return complexity < o.complexity;
        return kind < o.kind;
    }
};

// Kinds, in the order the reference sorts steps of equal difficulty and size.
enum Kind : int { Double = 1, XKind = 2, YKind = 3, XYKind = 4, CellKind = 5, RegionKind = 6, Contradiction = 7 };

// The reference adds tenths in floating point and compares the sums, so steps of the same printed
// score can still sort apart; the same arithmetic keeps the same order.
double Difficulty(double base, int complexity)
{
    double added = 0.0;
    int ceil = 4;
    bool odd = false;
    for (const int length = complexity - 2; length > ceil; odd = !odd) {
        added += 0.1;
        ceil = odd ? ceil * 4 / 3 : ceil * 3 / 2;
    }
    return base + added;
}

// A score some tenths above the rung's own, as the reference writes it.
double Above(const Step &rung, int tenths)
{
    return (rung.tenths + tenths) / 10.0;
}

int Tenths(double difficulty)
{
    return static_cast<int>(difficulty * 10 + 0.5);
}

// The easiest step so far.
struct Best {
    Rank rank;
    Step step;
    bool found = false;

    bool Beats(const Rank &r) const { return !found || r < rank; }
    void Take(const Rank &r, std::string_view name, Literal target, const Step &base)
    {
        rank = r;
        found = true;
        step = Step {name, Tenths(r.difficulty), {}, {}, base.enough, base.budget};
        const Candidate c {Cell(CellOf(target)), DigitOf(target)};
        (IsOn(target) ? step.placements : step.eliminations).push_back(c);
    }
    bool Fill(Step &out)
    {
        if (!found || out.Expired())
            return false;
        out = std::move(step);
        return true;
    }
};

// Candidates a search reads; a dynamic search removes what it concludes is false as it goes.
struct Board {
    std::array<DigitMask, 81> now {};
    std::array<DigitMask, 81> start {};
    // The same candidates as each digit's cells.
    std::array<CellSet, 9> places {};
    std::array<CellSet, 9> startPlaces {};

    explicit Board(const CandidateGrid &grid)
    {
        for (int cell = 0; cell < 81; ++cell)
            now[cell] = start[cell] = grid.IsOpen(cell) ? grid.Candidates(cell) : 0;
        for (const Digit digit : EveryDigit)
            places[digit.Index()] = startPlaces[digit.Index()] = grid.CellsOf(digit);
    }
    bool Has(int cell, Digit digit) const { return now[cell] & BitOf(digit); }
    void Remove(int cell, Digit digit)
    {
        now[cell] &= static_cast<DigitMask>(~BitOf(digit));
        places[digit.Index()].Clear(cell);
    }
    void Reset()
    {
        now = start;
        places = startPlaces;
    }
};

// A unit's kind order as the reference visits them: box, row, column.
constexpr std::array<int, 3> UnitsInOrder(int cell)
{
    return {BoxUnit(BoxOf(Cell(cell))), RowUnit(RowOf(Cell(cell))), ColumnUnit(ColumnOf(Cell(cell)))};
}

// What a true candidate makes false, in the reference's order.
template <class F> void OnToOff(const Board &b, Literal on, bool y, F f)
{
    const int cell = CellOf(on);
    const Digit digit = DigitOf(on);
    if (y)
        for (DigitMask m = b.now[cell] & ~BitOf(digit); m; m &= m - 1)
            f(Off(cell, LowestDigit(m)));
    const CellSet box = UnitSets[BoxUnit(BoxOf(Cell(cell)))];
    const CellSet others = Minus(b.places[digit.Index()], CellSet::Of(cell));
    (others & box).ForEach([&](int other) { f(Off(other, digit)); });
    Minus(others & UnitSets[RowUnit(RowOf(Cell(cell)))], box).ForEach([&](int other) { f(Off(other, digit)); });
    Minus(others & UnitSets[ColumnUnit(ColumnOf(Cell(cell)))], box).ForEach([&](int other) { f(Off(other, digit)); });
}

// What a false candidate makes true: the cell's last digit, a unit's last place. `hidden` gets the
// candidates already removed that the conclusion also rests on.
template <class F> void OffToOn(const Board &b, Literal off, Links links, F f)
{
    const int cell = CellOf(off);
    const Digit digit = DigitOf(off);
    if (links.y && CountOf(b.now[cell]) == 2) {
        const Digit other = LowestDigit(static_cast<DigitMask>(b.now[cell] & ~BitOf(digit)));
        f(On(cell, other), [&](auto parent) {
            for (DigitMask m = b.start[cell] & ~b.now[cell]; m; m &= m - 1)
                parent(Off(cell, LowestDigit(m)));
        });
    }
    if (!links.x)
        return;
    for (const int unit : UnitsInOrder(cell)) {
        const CellSet places = b.places[digit.Index()] & UnitSets[unit];
        const CellSet rest = Minus(places, CellSet::Of(cell));
        if (!places.HoldsExactly(2) || rest.Empty())
            continue;
        const int other = rest.Highest();
        f(On(other, digit), [&](auto parent) {
            Minus(b.startPlaces[digit.Index()] & UnitSets[unit], places).ForEach([&](int c) { parent(Off(c, digit)); });
        });
    }
}

// ---- Chains of one assumption through the grid as it stands: cycles and forcing chains. ----

// The grid does not change during these searches, so each candidate's links are listed once, in
// the order the reference takes them.
class StaticLinks {
public:
    explicit StaticLinks(const Board &b)
    {
        // Room for a crowded grid's links at once, rather than growing there step by step.
        for (List *list : {&onY_, &onX_, &offY_, &offX_})
            list->items.reserve(4096);
        for (int cell = 0; cell < 81; ++cell)
            for (DigitMask m = b.now[cell]; m; m &= m - 1) {
                const Literal on = On(cell, LowestDigit(m));
                Fill(onY_, on, [&](auto add) {
                    for (DigitMask o = b.now[cell] & ~BitOf(DigitOf(on)); o; o &= o - 1)
                        add(Off(cell, LowestDigit(o)));
                });
                Fill(onX_, on, [&](auto add) { OnToOff(b, on, false, add); });
                Fill(offY_, Not(on), [&](auto add) {
                    OffToOn(b, Not(on), Links {false, true}, [&](Literal l, auto) { add(l); });
                });
                Fill(offX_, Not(on), [&](auto add) {
                    OffToOn(b, Not(on), Links {true, false}, [&](Literal l, auto) { add(l); });
                });
            }
    }

    // What a true candidate makes false: with y, the cell's other digits first.
    template <class F> void FromOn(Literal on, bool y, F f) const
    {
        if (y)
            Each(onY_, on, f);
        Each(onX_, on, f);
    }
    template <class F> void FromOff(Literal off, Links links, F f) const
    {
        if (links.y)
            Each(offY_, off, f);
        if (links.x)
            Each(offX_, off, f);
    }

private:
    struct List {
        std::array<std::int16_t, LiteralCount + 1> start {};
        std::vector<std::int16_t> items;
    };

    template <class G> static void Fill(List &list, Literal l, G generate)
    {
        list.start[l] = static_cast<std::int16_t>(list.items.size());
        generate([&](Literal t) { list.items.push_back(static_cast<std::int16_t>(t)); });
        list.start[l + 1] = static_cast<std::int16_t>(list.items.size());
    }
    template <class F> static void Each(const List &list, Literal l, F f)
    {
        // Read once: the compiler cannot tell that f leaves the lists alone.
        const std::int16_t *item = list.items.data() + list.start[l];
        const std::int16_t *const end = list.items.data() + list.start[l + 1];
        for (; item != end; ++item)
            f(Literal {*item});
    }

    // Literals are filled in increasing order, each list right after the previous one.
    List onY_, onX_, offY_, offX_;
};

// Conclusions with one parent each; a cycle's "off" conclusions may repeat through other parents.
struct Tree {
    struct Node {
        Literal lit;
        int parent;
        int depth;
    };
    std::vector<Node> nodes;

    int Add(Literal lit, int parent)
    {
        nodes.push_back({lit, parent, parent < 0 ? 0 : nodes[parent].depth + 1});
        return static_cast<int>(nodes.size()) - 1;
    }
    bool HasAncestor(int at, Literal lit) const
    {
        for (int p = nodes[at].parent; p >= 0; p = nodes[p].parent)
            if (nodes[p].lit == lit)
                return true;
        return false;
    }
};

// Marks over the literals, cleared in one step.
class Marks {
public:
    void Clear() { ++now_; }
    bool Has(Literal l) const { return stamp_[l] == now_; }
    void Set(Literal l) { stamp_[l] = now_; }

private:
    // Held in place rather than behind a pointer that every use would load again.
    std::array<std::uint32_t, LiteralCount> stamp_ {};
    std::uint32_t now_ = 1;
};

// Each literal's distance from a search's start, cleared in one step.
class Depths {
public:
    void Clear() { reached_.Clear(); }
    bool Has(Literal l) const { return reached_.Has(l); }
    int Of(Literal l) const { return depth_[l]; }
    void Set(Literal l, int depth)
    {
        reached_.Set(l);
        depth_[l] = depth;
    }

private:
    Marks reached_;
    std::array<int, LiteralCount> depth_ {};
};

class UnaryChains {
public:
    UnaryChains(const CandidateGrid &grid, Best &best, const Step &base)
        : grid_(grid), board_(grid), links_(board_), best_(best), base_(base)
    {
    }

    void Pass(Links links)
    {
        pass_ = links;
        kind_ = links.x && links.y ? XYKind : links.y ? YKind : XKind;
        // The shortest step a pass can find holds three candidates: when even that is not easier
        // than the step in hand, the pass has nothing to offer.
        if (!Worthwhile(Above(base_, kind_ == XYKind ? 5 : 0), 3))
            return;
        Components();
        grid_.Open().ForEach([&](int cell) {
            const DigitMask digits = grid_.Candidates(cell);
            if (CountOf(digits) < 2 || (CountOf(digits) > 2 && !links.x) || base_.Expired())
                return;
            for (DigitMask m = digits; m; m &= m - 1) {
                const Literal on = On(cell, LowestDigit(m));
                if (OnALoop(on))
                    Cycles(on);
                if (links.x) {
                    if (Reaches(on, Not(on)))
                        ForcingChains(on);
                    if (Reaches(Not(on), on))
                        ForcingChains(Not(on));
                }
            }
        });
    }

private:
    // Which candidates each can lead to, through the components of the pass's links: most
    // assumptions lead back neither to themselves nor to their opposite, and need no search.
    void Components()
    {
        AddWork(LiteralCount);
        component_.assign(LiteralCount, -1);
        index_.assign(LiteralCount, -1);
        low_.assign(LiteralCount, 0);
        stack_.clear();
        loops_.clear();
        counter_ = 0;
        // A component reaches only those closed before it, so its reach is kept as bits over
        // the components' numbers, of which there are no more than literals on the board.
        int literals = 0;
        grid_.Open().ForEach([&](int cell) { literals += 2 * CountOf(grid_.Candidates(cell)); });
        reachWords_ = (literals + 63) / 64;
        reach_.assign(pass_.x ? static_cast<std::size_t>(literals) * static_cast<std::size_t>(reachWords_) : 0, 0);
        grid_.Open().ForEach([&](int cell) {
            for (DigitMask m = grid_.Candidates(cell); m; m &= m - 1)
                for (const Literal l : {On(cell, LowestDigit(m)), Off(cell, LowestDigit(m))})
                    if (index_[l] < 0)
                        Connect(l);
        });
    }
    template <class F> void Successors(Literal l, F f) const
    {
        if (IsOn(l))
            links_.FromOn(l, pass_.y, f);
        else
            links_.FromOff(l, Links {pass_.x, pass_.y}, f);
    }
    std::uint64_t *ReachOf(int component)
    {
        return reach_.data() + static_cast<std::size_t>(component) * static_cast<std::size_t>(reachWords_);
    }
    const std::uint64_t *ReachOf(int component) const
    {
        return reach_.data() + static_cast<std::size_t>(component) * static_cast<std::size_t>(reachWords_);
    }
    // Tarjan's components; each is closed after those it leads to, so their reach is known.
    void Connect(Literal l)
    {
        // A literal is on the stack while it has an index and no component yet.
        index_[l] = low_[l] = counter_++;
        const std::size_t first = stack_.size();
        stack_.push_back(l);
        bool selfLoop = false;
        Successors(l, [&](Literal next) {
            if (next == l)
                selfLoop = true;
            if (index_[next] < 0) {
                Connect(next);
                low_[l] = std::min(low_[l], low_[next]);
            } else if (component_[next] < 0) {
                low_[l] = std::min(low_[l], index_[next]);
            }
        });
        if (low_[l] != index_[l])
            return;
        const int id = static_cast<int>(loops_.size());
        loops_.push_back(stack_.size() - first > 1 || selfLoop);
        for (std::size_t i = first; i < stack_.size(); ++i)
            component_[stack_[i]] = id;
        // Only forcing chains ask what a component reaches, and a pass without X links has none.
        if (!pass_.x) {
            stack_.resize(first);
            return;
        }
        std::uint64_t *reach = ReachOf(id);
        reach[id / 64] |= std::uint64_t {1} << (id % 64);
        joined_.Clear();
        for (std::size_t i = first; i < stack_.size(); ++i)
            Successors(stack_[i], [&](Literal next) {
                const int other = component_[next];
                if (other == id || joined_.Has(other))
                    return;
                joined_.Set(other);
                const std::uint64_t *from = ReachOf(other);
                for (int w = 0; w <= other / 64; ++w)
                    reach[w] |= from[w];
            });
        stack_.resize(first);
    }
    bool Reaches(Literal from, Literal to) const
    {
        const int target = component_[to];
        return ReachOf(component_[from])[target / 64] >> (target % 64) & 1;
    }
    bool OnALoop(Literal l) const { return loops_[component_[l]]; }

    // Whether a step of this many distinct candidates could still be the easiest.
    bool Worthwhile(double base, int complexity) const
    {
        return best_.Beats({Difficulty(base, complexity), complexity, kind_});
    }

    // The loops back to the assumption, level by level: its "on" conclusions each once, its "off"
    // conclusions through every parent that is not already one of their own ancestors.
    void Cycles(Literal source)
    {
        const double base = Above(base_, kind_ == XYKind ? 5 : 0);
        tree_.nodes.clear();
        onSeen_.Clear();
        onSeen_.Set(source);
        offSeen_.Clear();
        // A false candidate met again leads to nothing new but the loop's close: only the few that
        // make the assumption true are followed more than once.
        closers_.Clear();
        const int cell = CellOf(source);
        const Digit digit = DigitOf(source);
        if (pass_.y && CountOf(grid_.Candidates(cell)) == 2)
            closers_.Set(Off(cell, LowestDigit(static_cast<DigitMask>(grid_.Candidates(cell) & ~BitOf(digit)))));
        for (const int unit : UnitsOf(Cell(cell))) {
            const CellSet places = grid_.CellsOf(digit) & UnitSets[unit];
            if (pass_.x && places.HoldsExactly(2))
                (places & ~CellSet::Of(cell)).ForEach([&](int partner) { closers_.Set(Off(partner, digit)); });
        }
        pendingOn_.assign(1, tree_.Add(source, -1));
        found_.clear();
        for (int length = 2; !pendingOn_.empty(); length += 2) {
            pendingOff_.clear();
            for (const int p : pendingOn_)
                links_.FromOn(tree_.nodes[p].lit, pass_.y, [&](Literal off) {
                    // Every "off" in the tree is marked seen, so only one seen before can be an ancestor.
                    if (offSeen_.Has(off) && (!closers_.Has(off) || tree_.HasAncestor(p, off)))
                        return;
                    offSeen_.Set(off);
                    pendingOff_.push_back(tree_.Add(off, p));
                });
            // A loop closed from here has one distinct candidate a link: the depth of its last "off" plus one.
            if (pendingOff_.empty() || !Worthwhile(base, tree_.nodes[pendingOff_.front()].depth + 1))
                break;
            pendingOn_.clear();
            found_.clear();
            for (const int p : pendingOff_)
                links_.FromOff(tree_.nodes[p].lit, pass_, [&](Literal on) {
                    if (length >= 4 && on == source)
                        found_.push_back(tree_.Add(on, p));
                    if (!onSeen_.Has(on)) {
                        onSeen_.Set(on);
                        pendingOn_.push_back(tree_.Add(on, p));
                    }
                });
            // Loops closed further on are longer: none of them can be easier than one that
            // removes something here, or than the easiest step so far.
            bool settled = false;
            for (const int end : found_)
                if (OfferCycle(end, base)) {
                    settled = true;
                    break;
                }
            if (settled)
                break;
        }
        AddWork(tree_.nodes.size());
    }

    // Round the loop, "on" candidates and "off" candidates alternate; a candidate outside the
    // loop's cells that sees one of each holds neither way. Whether no longer loop of the same
    // assumption can be the easiest step.
    bool OfferCycle(int end, double base)
    {
        const int complexity = tree_.nodes[end].depth;
        const Rank rank {Difficulty(base, complexity), complexity, kind_};
        if (!best_.Beats(rank))
            return true;
        CellSet cells;
        std::array<CellSet, 9> forward {}, backward {};
        for (int p = end; tree_.nodes[p].parent >= 0; p = tree_.nodes[p].parent) {
            const Literal l = tree_.nodes[p].lit;
            cells.Set(CellOf(l));
            (IsOn(l) ? forward : backward)[DigitOf(l).Index()] |= Peers[CellOf(l)];
        }
        Step step {kind_ == XYKind ? "Bidirectional Cycle"
                : kind_ == YKind   ? "Y-Cycle"
                                   : "X-Cycle",
            Tenths(rank.difficulty), {}, {}, base_.enough, base_.budget};
        for (const Digit digit : EveryDigit)
            (forward[digit.Index()] & backward[digit.Index()] & grid_.CellsOf(digit) & ~cells).ForEach([&](int cell) {
                step.Eliminate(Cell(cell), digit);
            });
        if (step.eliminations.empty())
            return false;
        best_.rank = rank;
        best_.found = true;
        best_.step = std::move(step);
        return true;
    }

    // Until the assumption's opposite follows: then the assumption is false. The links hold both
    // ways round (a implies b exactly when not b implies not a), so a shortest chain from `source`
    // to its opposite passes some m at its middle with not-m as far from `source` as m is from the
    // end: a search of half the chain's length finds it, where one of the whole length costs far more.
    void ForcingChains(Literal source)
    {
        const double base = Above(base_, kind_ == XYKind ? 5 : 1);
        depth_.Clear();
        depth_.Set(source, 0);
        int shortest = INT_MAX;
        pendingOn_.clear();
        pendingOff_.clear();
        (IsOn(source) ? pendingOn_ : pendingOff_).push_back(source);
        int visited = 1;
        // Levels alternate: every pending "on", then every pending "off".
        bool onLevel = IsOn(source);
        for (int level = 0;; ++level, onLevel = !onLevel) {
            // Every chain of up to 2 * level - 1 links has both halves within `level` links of the
            // start, and a pair met by now is no longer than that: the first pair met is the shortest.
            if (shortest != INT_MAX)
                break;
            // Chains not yet met hold at least 2 * level + 1 links and one candidate more.
            if (!Worthwhile(base, 2 * level + 2))
                return AddWork(visited);
            std::vector<int> &current = onLevel ? pendingOn_ : pendingOff_;
            std::vector<int> &made = onLevel ? pendingOff_ : pendingOn_;
            if (current.empty())
                break;
            swap_.swap(current);
            current.clear();
            for (const int p : swap_) {
                const auto reach = [&](Literal l) {
                    if (depth_.Has(l))
                        return;
                    depth_.Set(l, level + 1);
                    ++visited;
                    made.push_back(l);
                    if (depth_.Has(Not(l)))
                        shortest = std::min(shortest, level + 1 + depth_.Of(Not(l)));
                };
                if (onLevel)
                    links_.FromOn(p, pass_.y, reach);
                else
                    links_.FromOff(p, Links {true, pass_.y}, reach);
            }
        }
        AddWork(visited);
        if (shortest == INT_MAX)
            return;
        const int complexity = shortest + 1;
        const Rank rank {Difficulty(base, complexity), complexity, kind_};
        if (best_.Beats(rank))
            best_.Take(rank, kind_ == XYKind ? "Forcing Chain" : "X-Chain", Not(source), base_);
    }

    const CandidateGrid &grid_;
    Board board_;
    StaticLinks links_;
    Best &best_;
    const Step &base_;
    Links pass_;
    int kind_ = XKind;
    Tree tree_;
    Marks onSeen_, offSeen_, closers_, joined_;
    Depths depth_;
    std::vector<int> component_, index_, low_;
    std::vector<bool> loops_;
    std::vector<Literal> stack_;
    std::vector<std::uint64_t> reach_;
    int reachWords_ = 0;
    int counter_ = 0;
    std::vector<int> pendingOn_, pendingOff_, found_, swap_;
};

// ---- Chains that follow every consequence, and steps that combine several. ----

// The conclusions of some assumptions, each with the conclusions it rests on.
class Consequences {
public:
    Consequences() { at_.assign(LiteralCount, -1); }

    void Clear()
    {
        for (const Literal l : order_)
            at_[l] = -1;
        order_.clear();
        lits_.clear();
        known_.clear();
        parentSpan_.clear();
        parents_.clear();
    }
    bool Has(Literal l) const { return at_[l] >= 0; }
    int At(Literal l) const { return at_[l]; }
    const std::vector<Literal> &Order() const { return order_; }
    int Add(Literal l, std::span<const int> parents)
    {
        const int index = Node(l, parents);
        at_[l] = index;
        order_.push_back(l);
        return index;
    }
    // A node outside the set: the second half of a contradiction.
    int Node(Literal l, std::span<const int> parents)
    {
        lits_.push_back(l);
        parentSpan_.push_back({static_cast<int>(parents_.size()), static_cast<int>(parents.size())});
        parents_.insert(parents_.end(), parents.begin(), parents.end());
        return static_cast<int>(lits_.size()) - 1;
    }
    Literal Lit(int node) const { return lits_[node]; }

    // Distinct candidates in the node's proof, itself included. A cell's and a region's steps
    // ask again for the same conclusions of the same run, so each count is kept.
    int Ancestors(int node) const
    {
        if (known_.size() < lits_.size())
            known_.resize(lits_.size(), 0);
        int &known = known_[static_cast<std::size_t>(node)];
        if (known == 0)
            known = Count(node);
        return known;
    }

private:
    int Count(int node) const
    {
        ++stampNow_;
        if (stamp_.size() < LiteralCount)
            stamp_.assign(LiteralCount, 0);
        std::vector<int> &todo = todo_;
        todo.assign(1, node);
        int count = 0;
        while (!todo.empty()) {
            const int n = todo.back();
            todo.pop_back();
            if (stamp_[lits_[n]] == stampNow_)
                continue;
            stamp_[lits_[n]] = stampNow_;
            ++count;
            const auto [first, size] = parentSpan_[n];
            for (int i = first; i < first + size; ++i)
                todo.push_back(parents_[i]);
        }
        AddWork(count);
        return count;
    }

    std::vector<int> at_;
    std::vector<Literal> order_;
    std::vector<Literal> lits_;
    std::vector<std::array<int, 2>> parentSpan_;
    std::vector<int> parents_;
    mutable std::vector<std::uint32_t> stamp_;
    mutable std::uint32_t stampNow_ = 0;
    mutable std::vector<int> todo_;
    mutable std::vector<int> known_;
};

struct Mode {
    bool dynamic = false;
    bool nishio = false;
    bool multiple = false;
    std::string_view contradiction, both, cell, region;
};

class MultipleChains {
public:
    MultipleChains(const CandidateGrid &grid, Mode mode, Best &best, const Step &base)
        : grid_(grid), board_(grid), mode_(mode), best_(best), base_(base)
    {
        offRun_.Clear();
    }
    ~MultipleChains() { spare_.push_back(std::move(scratch_)); }
    MultipleChains(const MultipleChains &) = delete;
    MultipleChains &operator=(const MultipleChains &) = delete;

    void Run()
    {
        grid_.Open().ForEach([&](int cell) {
            const int n = CountOf(grid_.Candidates(cell));
            if (base_.Expired() || !(n > 2 || (n > 1 && mode_.dynamic)))
                return;
            Cell(cell, n);
        });
    }

private:
    // Fills `run` from its assumption; the contradiction's two nodes if one is met.
    bool Chain(Consequences &run, int &absurdOn, int &absurdOff)
    {
        board_.Reset();
        // The candidates still to follow are those of the run not yet followed, true ones first:
        // a cursor for each kind walks the run's own order.
        const std::vector<Literal> &order = run.Order();
        std::size_t nextOn = 0, nextOff = 0;
        const auto pending = [&](std::size_t &next, bool on) {
            while (next < order.size() && IsOn(order[next]) != on)
                ++next;
            return next < order.size();
        };
        const Links links {true, !mode_.nishio};
        std::vector<int> &parents = parents_;
        bool absurd = false;
        while (!absurd) {
            if (pending(nextOn, true)) {
                const Literal p = order[nextOn++];
                OnToOff(board_, p, links.y, [&](Literal off) {
                    if (absurd)
                        return;
                    if (run.Has(Not(off))) {
                        absurdOn = run.At(Not(off));
                        const int parent = run.At(p);
                        absurdOff = run.Node(off, {&parent, 1});
                        absurd = true;
                    } else if (!run.Has(off)) {
                        const int parent = run.At(p);
                        run.Add(off, {&parent, 1});
                    }
                });
                continue;
            }
            if (!pending(nextOff, false))
                break;
            const Literal p = order[nextOff++];
            // Every conclusion of a false candidate is drawn before it leaves the board.
            made_.clear();
            parents.clear();
            OffToOn(board_, p, links, [&](Literal on, auto hidden) {
                const std::size_t first = parents.size();
                parents.push_back(run.At(p));
                hidden([&](Literal gone) { parents.push_back(run.At(gone)); });
                made_.push_back({on, first, parents.size() - first});
            });
            if (mode_.dynamic)
                board_.Remove(CellOf(p), DigitOf(p));
            for (const Made &m : made_) {
                if (absurd)
                    break;
                const Literal on = m.on;
                const std::span<const int> from(parents.data() + m.first, m.count);
                if (run.Has(Not(on))) {
                    absurdOn = run.Node(on, from);
                    absurdOff = run.At(Not(on));
                    absurd = true;
                } else if (!run.Has(on)) {
                    run.Add(on, from);
                }
            }
        }
        AddWork(run.Order().size());
        return absurd;
    }

    void Offer(int kind, int complexity, std::string_view name, Literal target)
    {
        const Rank rank {Difficulty(Above(base_, 0), complexity), complexity, kind};
        if (best_.Beats(rank))
            best_.Take(rank, name, target, base_);
    }

    // A conclusion that removes nothing is no step.
    bool Worth(Literal target) const
    {
        const int cell = CellOf(target);
        return grid_.IsOpen(cell)
            && (IsOn(target) ? (grid_.Candidates(cell) & ~BitOf(DigitOf(target))) != 0
                             : grid_.Has(cell, DigitOf(target)));
    }

    // What follows from a candidate assumed true depends on the candidate alone: a cell's steps and
    // the regions of the cells before it ask for the same one, which is worked out once.
    struct OnRun {
        Consequences run;
        bool absurd = false;
        int absurdOn = -1, absurdOff = -1;
    };
    // The runs' storage outlives the search: filling a fresh table of every literal for each
    // assumption cost more than the chains themselves.
    struct Scratch {
        std::array<std::unique_ptr<OnRun>, 81 * 9> onRuns;
        Consequences offRun;
    };
    static std::unique_ptr<Scratch> TakeScratch()
    {
        if (spare_.empty())
            return std::make_unique<Scratch>();
        std::unique_ptr<Scratch> taken = std::move(spare_.back());
        spare_.pop_back();
        return taken;
    }

    const OnRun &RunFrom(int cell, Digit digit)
    {
        const int index = cell * 9 + digit.Index();
        std::unique_ptr<OnRun> &slot = scratch_->onRuns[static_cast<std::size_t>(index)];
        if (madeRuns_.test(static_cast<std::size_t>(index)))
            return *slot;
        madeRuns_.set(static_cast<std::size_t>(index));
        if (slot)
            slot->run.Clear();
        else
            slot = std::make_unique<OnRun>();
        slot->run.Add(On(cell, digit), std::span<const int> {});
        slot->absurd = Chain(slot->run, slot->absurdOn, slot->absurdOff);
        return *slot;
    }

    void Cell(int cell, int count)
    {
        std::array<const Consequences *, 9> onRuns {};
        DigitMask digits = grid_.Candidates(cell);
        int first = -1;
        for (DigitMask m = digits; m; m &= m - 1) {
            const Digit digit = LowestDigit(m);
            if (first < 0)
                first = digit.Index();
            const OnRun &from = RunFrom(cell, digit);
            const Consequences &onRun = from.run;
            onRuns[digit.Index()] = &onRun;
            int absurdOn = -1, absurdOff = -1;
            const bool contradiction = mode_.dynamic || mode_.nishio;
            if (from.absurd && contradiction && Worth(Off(cell, digit)))
                Offer(Contradiction, onRun.Ancestors(from.absurdOn) + onRun.Ancestors(from.absurdOff),
                    mode_.contradiction, Off(cell, digit));
            // What follows from the candidate assumed false serves only a contradiction or a double.
            const bool doubles = count >= 3 && !mode_.nishio && mode_.dynamic;
            if (contradiction || doubles) {
                offRun_.Clear();
                offRun_.Add(Off(cell, digit), std::span<const int> {});
                if (Chain(offRun_, absurdOn, absurdOff) && contradiction && Worth(On(cell, digit)))
                    Offer(Contradiction, offRun_.Ancestors(absurdOn) + offRun_.Ancestors(absurdOff),
                        mode_.contradiction, On(cell, digit));
            }
            if (doubles)
                Doubles(onRun);
            if (!mode_.nishio)
                Regions(cell, digit, onRun);
        }
        if (mode_.nishio || !(count == 2 || (mode_.multiple && count > 2)))
            return;
        for (const bool on : {true, false})
            for (const Literal l : onRuns[first]->Order()) {
                if (IsOn(l) != on)
                    continue;
                bool everywhere = true;
                for (DigitMask m = digits; m && everywhere; m &= m - 1)
                    everywhere = onRuns[LowestDigit(m).Index()]->Has(l);
                if (!everywhere || !Worth(l))
                    continue;
                // A proof's size is asked only of a step: counting it is the dearer part.
                int complexity = 0;
                for (DigitMask m = digits; m; m &= m - 1) {
                    const Consequences &run = *onRuns[LowestDigit(m).Index()];
                    complexity += run.Ancestors(run.At(l));
                }
                Offer(CellKind, complexity, mode_.cell, l);
            }
    }

    void Doubles(const Consequences &onRun)
    {
        for (const bool on : {true, false})
            for (const Literal l : onRun.Order())
                if (IsOn(l) == on && offRun_.Has(l) && Worth(l))
                    Offer(Double, onRun.Ancestors(onRun.At(l)) + offRun_.Ancestors(offRun_.At(l)), mode_.both, l);
    }

    void Regions(int cell, Digit digit, const Consequences &onRun)
    {
        for (const int unit : UnitsInOrder(cell)) {
            const CellSet places = grid_.CellsOf(digit) & UnitSets[unit];
            const int n = places.Count();
            if (!(n == 2 || (mode_.multiple && n > 2)))
                continue;
            int firstPlace = -1;
            for (const int c : UnitCells(unit))
                if (places.Has(c) && firstPlace < 0)
                    firstPlace = c;
            if (firstPlace != cell)
                continue;
            std::vector<const Consequences *> runs;
            for (const int c : UnitCells(unit))
                if (places.Has(c) && c != cell)
                    runs.push_back(&RunFrom(c, digit).run);
            for (const bool on : {true, false})
                for (const Literal l : onRun.Order()) {
                    if (IsOn(l) != on)
                        continue;
                    if (!std::ranges::all_of(runs, [&](const Consequences *run) { return run->Has(l); }) || !Worth(l))
                        continue;
                    int complexity = onRun.Ancestors(onRun.At(l));
                    for (const Consequences *run : runs)
                        complexity += run->Ancestors(run->At(l));
                    Offer(RegionKind, complexity, mode_.region, l);
                }
        }
    }

    const CandidateGrid &grid_;
    Board board_;
    Mode mode_;
    Best &best_;
    const Step &base_;
    struct Made {
        Literal on;
        std::size_t first, count;
    };
    std::vector<Made> made_;
    std::vector<int> parents_;
    // A nested search takes scratch of its own.
    static thread_local std::vector<std::unique_ptr<Scratch>> spare_;
    std::unique_ptr<Scratch> scratch_ = TakeScratch();
    std::bitset<81 * 9> madeRuns_;
    Consequences &offRun_ = scratch_->offRun;
};

thread_local std::vector<std::unique_ptr<MultipleChains::Scratch>> MultipleChains::spare_;

bool Multiple(const CandidateGrid &grid, const Mode &mode, Step &step)
{
    Best best;
    MultipleChains(grid, mode, best, step).Run();
    return best.Fill(step);
}

} // namespace

bool FindChainOrCycle(const CandidateGrid &grid, Step &step)
{
    Best best;
    UnaryChains chains(grid, best, step);
    for (const Links links : {Links {true, false}, Links {false, true}, Links {true, true}})
        chains.Pass(links);
    return best.Fill(step);
}

bool FindNishio(const CandidateGrid &grid, Step &step)
{
    return Multiple(grid, {true, true, false, "Nishio Forcing Chains", "", "", ""}, step);
}

bool FindMultipleForcingChain(const CandidateGrid &grid, Step &step)
{
    return Multiple(grid,
        {false, false, true, "Contradiction Forcing Chains", "Double Forcing Chains", "Cell Forcing Chains",
            "Region Forcing Chains"},
        step);
}

bool FindDynamicForcingChain(const CandidateGrid &grid, Step &step)
{
    return Multiple(grid,
        {true, false, true, "Dynamic Contradiction Forcing Chains", "Dynamic Double Forcing Chains",
            "Dynamic Cell Forcing Chains", "Dynamic Region Forcing Chains"},
        step);
}

} // namespace quadrelle::logic
