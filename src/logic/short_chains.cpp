#include "logic/barren_digits.h"
#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

#include <algorithm>
#include <climits>
#include <vector>

// Short chains of one digit, two or three strong links, whose nodes may be groups: the digit's
// places where a box meets a line, taken together. Strong links (a unit where the digit has just
// the two nodes) alternate with weak ones (two nodes in one unit); one end or the other holds the
// digit, so a cell seeing both ends is not it. The scale rates them by their links' units: all
// lines one way is the easiest, then rows with columns or a box, a box with both, a group last.

namespace quadrelle::logic {

namespace {

struct Node {
    CellSet cells;
    bool group = false;
    // The row, column and box that hold all its cells, -1 where there is none.
    int row = -1, col = -1, box = -1;

    static Node Of(CellSet cells, bool group)
    {
        Node node {cells, group};
        const Cell first(cells.Lowest());
        node.row = (cells & ~UnitSets[RowOf(first)]).Empty() ? RowOf(first) : -1;
        node.col = (cells & ~UnitSets[9 + ColumnOf(first)]).Empty() ? ColumnOf(first) : -1;
        node.box = (cells & ~UnitSets[BoxUnit(BoxOf(first))]).Empty() ? BoxOf(first) : -1;
        return node;
    }
    bool SharesUnit(const Node &o) const
    {
        return (row >= 0 && row == o.row) || (col >= 0 && col == o.col) || (box >= 0 && box == o.box);
    }
};

class ShortChains {
public:
    ShortChains(const CandidateGrid &grid, Digit digit) : digit_(digit), places_(grid.CellsOf(digit))
    {
        single_.fill(-1);
        for (auto &lines : group_)
            lines.fill(-1);
        places_.ForEach([&](int cell) {
            single_[cell] = static_cast<std::int16_t>(count_);
            Add(CellSet::Of(cell), false);
        });
        for (int box = 0; box < 9; ++box)
            for (int i = 0; i < 6; ++i) {
                const int line = GroupAt(BoxUnit(box), i)[1];
                const CellSet cross = places_ & UnitSets[BoxUnit(box)] & UnitSets[line];
                if (cross.Empty() || cross.HoldsExactly(1))
                    continue;
                group_[box][line] = static_cast<std::int16_t>(count_);
                Add(cross, true);
            }
        for (int unit = 0; unit < UnitCount; ++unit)
            LinkWithin(unit);
        for (int i = 0; i < count_; ++i)
            if (strongCount_[i] > 0)
                linked_[linkedCount_++] = static_cast<std::uint8_t>(i);
        for (int i = 0; i < linkedCount_; ++i)
            weakCount_[linked_[i]] = 0;
        for (int i = 0; i < linkedCount_; ++i)
            for (int j = i + 1; j < linkedCount_; ++j) {
                const int a = linked_[i], b = linked_[j];
                if (nodes_[a].SharesUnit(nodes_[b]) && (nodes_[a].cells & nodes_[b].cells).Empty()) {
                    weak_[a][weakCount_[a]++] = static_cast<std::uint8_t>(b);
                    weak_[b][weakCount_[b]++] = static_cast<std::uint8_t>(a);
                }
            }
    }

    // The easiest chain of `links` strong links that eliminates something, if easier than
    // `best` holds; stops at `enough`.
    // base: the rung's score, of the plainest chain.
    void Find(int links, int base, int enough, int &bestTenths, std::vector<Candidate> &best)
    {
        links_ = links;
        base_ = base;
        enough_ = enough;
        bestTenths_ = &bestTenths;
        best_ = &best;
        for (int i = 0; i < linkedCount_ && !done_; ++i) {
            const int start = linked_[i];
            if (sees_[start].Empty())
                continue;
            path_.assign(1, start);
            Strong(nodes_[start].cells, nodes_[start].group, 0);
        }
    }

private:
    void Add(CellSet cells, bool group)
    {
        nodes_[count_] = Node::Of(cells, group);
        CellSet seeing = places_;
        cells.ForEach([&](int cell) { seeing &= Peers[cell]; });
        sees_[count_] = seeing & ~cells;
        strongCount_[count_++] = 0;
    }

    // The node of exactly these cells, or -1.
    int IndexOf(CellSet cells) const
    {
        const int first = cells.Lowest();
        if (cells.HoldsExactly(1))
            return single_[first];
        const int box = BoxOf(Cell(first));
        for (const int line : {RowOf(Cell(first)), 9 + ColumnOf(Cell(first))}) {
            const int at = group_[box][line];
            if (at >= 0 && nodes_[at].cells == cells)
                return at;
        }
        return -1;
    }

    // A unit whose places of the digit are two nodes: a strong link between them. A group holds
    // at most three cells, so only units with few places can have one.
    void LinkWithin(int unit)
    {
        const CellSet unitPlaces = places_ & UnitSets[unit];
        const int n = unitPlaces.Count();
        if (n < 2 || n > 6)
            return;
        const std::uint8_t kind = unit < ColumnUnit(0) ? RowLink : unit < BoxUnit(0) ? ColLink : BoxLink;
        const auto link = [&](int a) {
            const CellSet rest = unitPlaces & ~nodes_[a].cells;
            const int b = rest.Empty() ? -1 : IndexOf(rest);
            if (b >= 0)
                strong_[a][strongCount_[a]++] = {static_cast<std::uint8_t>(b), kind};
        };
        unitPlaces.ForEach([&](int cell) { link(single_[cell]); });
        for (int i = 0; i < 6; ++i) {
            const auto [box, line] = GroupAt(unit, i);
            if (box >= 0 && group_[box][line] >= 0)
                link(group_[box][line]);
        }
    }

    // The i-th box-line crossing within a unit: a line crosses three boxes, a box six lines.
    static std::array<int, 2> GroupAt(int unit, int i)
    {
        if (unit >= BoxUnit(0)) {
            const int box = unit - BoxUnit(0);
            return {box, i < 3 ? box / 3 * 3 + i : 9 + box % 3 * 3 + i - 3};
        }
        if (i >= 3)
            return {-1, -1};
        return {unit < 9 ? unit / 3 * 3 + i : (unit - 9) / 3 + 3 * i, unit};
    }

    void Strong(CellSet used, bool grouped, unsigned kinds)
    {
        const int from = path_.back();
        for (int i = 0; i < strongCount_[from] && !done_; ++i) {
            const auto [next, kind] = strong_[from][i];
            const Node &to = nodes_[next];
            if (!(to.cells & used).Empty())
                continue;
            path_.push_back(next);
            Continue(used | to.cells, grouped || to.group, kinds | kind);
            path_.pop_back();
        }
    }

    void Continue(CellSet used, bool grouped, unsigned kinds)
    {
        if (static_cast<int>(path_.size()) == 2 * links_) {
            Offer(used, Tenths(grouped, kinds));
            return;
        }
        const int at = path_.back();
        for (int i = 0; i < weakCount_[at] && !done_; ++i) {
            const int next = weak_[at][i];
            const Node &to = nodes_[next];
            if (!(to.cells & used).Empty())
                continue;
            path_.push_back(next);
            Strong(used | to.cells, grouped || to.group, kinds);
            path_.pop_back();
        }
    }

    int Tenths(bool grouped, unsigned kinds) const
    {
        const bool box = kinds & BoxLink, crossed = (kinds & RowLink) && (kinds & ColLink);
        if (grouped)
            return base_ + 3;
        return base_ + (box && crossed ? 2 : box || crossed ? 1 : 0);
    }

    void Offer(CellSet used, int tenths)
    {
        if (tenths >= *bestTenths_)
            return;
        const CellSet seeing = sees_[path_.front()] & sees_[path_.back()] & ~used;
        if (seeing.Empty())
            return;
        *bestTenths_ = tenths;
        best_->clear();
        seeing.ForEach([&](int cell) {
            best_->emplace_back(Cell(cell), digit_);
        });
        done_ = tenths <= std::max(enough_, base_);
    }

    static constexpr unsigned BoxLink = 1, RowLink = 2, ColLink = 4;

    Digit digit_;
    CellSet places_;
    // Every place of the digit, then every group: at most 81 + 54.
    std::array<Node, 135> nodes_ {};
    int count_ = 0;
    // Each node has at most one partner per unit it lies in: the partner and the unit's kind.
    std::array<std::array<std::array<std::uint8_t, 2>, 3>, 135> strong_ {};
    std::array<std::uint8_t, 135> strongCount_ {};
    // Per node, the other places of the digit that see all its cells.
    std::array<CellSet, 135> sees_ {};
    // The nodes with a strong link, the only ones a chain can use.
    std::array<std::uint8_t, 135> linked_ {};
    int linkedCount_ = 0;
    // Between nodes with a strong link, those in one unit: at most the 20 peers of a cell and
    // the 12 groups of its units. Filled before use, so left uninitialised.
    std::array<std::array<std::uint8_t, 64>, 135> weak_;
    std::array<std::uint8_t, 135> weakCount_;
    std::array<std::int16_t, 81> single_ {};
    std::array<std::array<std::int16_t, 18>, 9> group_ {};
    std::vector<int> path_;
    int links_ = 0;
    int base_ = 0;
    int enough_ = 0;
    int *bestTenths_ = nullptr;
    std::vector<Candidate> *best_ = nullptr;
    bool done_ = false;
};

} // namespace

namespace {

bool FindShortChain(const CandidateGrid &grid, int links, Step &step)
{
    thread_local std::array<BarrenDigits, 2> barren;
    BarrenDigits &known = barren[links - 2];
    int tenths = INT_MAX;
    std::vector<Candidate> best;
    for (const Digit digit : EveryDigit) {
        if (tenths <= std::max(step.enough, step.tenths))
            break;
        if (known.Known(digit, grid.CellsOf(digit)))
            continue;
        const bool unbounded = tenths == INT_MAX;
        ShortChains(grid, digit).Find(links, step.tenths, step.enough, tenths, best);
        if (unbounded && tenths == INT_MAX)
            known.Remember(digit, grid.CellsOf(digit));
    }
    if (best.empty())
        return false;
    step.tenths = tenths;
    step.eliminations = std::move(best);
    return true;
}

} // namespace

// Two strong links: a skyscraper, a two-string kite or a turbot fish; three: the scale's chain of
// three strong links.
bool FindTurbotFish(const CandidateGrid &grid, Step &step) { return FindShortChain(grid, 2, step); }
bool FindThreeLinkChain(const CandidateGrid &grid, Step &step) { return FindShortChain(grid, 3, step); }

} // namespace quadrelle::logic
