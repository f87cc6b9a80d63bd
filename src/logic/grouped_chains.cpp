#include "candidate_grid.h"
#include "geometry.h"
#include "techniques.h"

#include <vector>

// A chain of one digit whose nodes may be groups: the digit's places where a box meets a line,
// taken together. Strong links (a unit where the digit has just the two nodes) alternate with
// weak ones (two nodes in one unit); one end or the other holds the digit, so a cell seeing both
// ends is not it. Only chains with a group count here: the others are X-chains.

namespace quadrelle::logic {

namespace {

struct Node {
    Cells81 cells;
    bool group = false;
    // The row, column and box that hold all its cells, -1 where there is none.
    int row = -1, col = -1, box = -1;

    static Node Of(Cells81 cells, bool group)
    {
        Node node {cells, group};
        const int first = cells.First();
        node.row = (cells & ~Geo().unit[RowOf(first)]).Empty() ? RowOf(first) : -1;
        node.col = (cells & ~Geo().unit[9 + ColOf(first)]).Empty() ? ColOf(first) : -1;
        node.box = (cells & ~Geo().unit[18 + BoxOf(first)]).Empty() ? BoxOf(first) : -1;
        return node;
    }
    bool SharesUnit(const Node &o) const
    {
        return (row >= 0 && row == o.row) || (col >= 0 && col == o.col) || (box >= 0 && box == o.box);
    }
};

class GroupedChains {
public:
    GroupedChains(const CandidateGrid &grid, int digit) : grid_(grid), digit_(digit), places_(grid.CellsOf(digit))
    {
        (places_ & grid.Open()).ForEach([&](int cell) { nodes_.push_back(Node::Of(Cells81::Of(cell), false)); });
        for (int box = 18; box < 27; ++box)
            for (int line = 0; line < 18; ++line) {
                const Cells81 cross = places_ & Geo().unit[box] & Geo().unit[line];
                if (cross.Count() >= 2)
                    nodes_.push_back(Node::Of(cross, true));
            }
        strong_.resize(nodes_.size());
        for (int unit = 0; unit < UnitCount; ++unit)
            LinkWithin(places_ & Geo().unit[unit]);
    }

    // The first chain of `links` strong links with a group that eliminates something.
    bool Find(int links, Step &step)
    {
        links_ = links;
        for (std::size_t start = 0; start < nodes_.size(); ++start) {
            path_.assign(1, start);
            if (Strong(nodes_[start].cells, nodes_[start].group, step))
                return true;
        }
        return false;
    }

private:
    // Two nodes that are a unit's only places of the digit.
    void LinkWithin(Cells81 unitPlaces)
    {
        if (unitPlaces.Count() < 2)
            return;
        for (std::size_t a = 0; a < nodes_.size(); ++a)
            for (std::size_t b = a + 1; b < nodes_.size(); ++b)
                if ((nodes_[a].cells & nodes_[b].cells).Empty() && (nodes_[a].cells | nodes_[b].cells) == unitPlaces) {
                    strong_[a].push_back(b);
                    strong_[b].push_back(a);
                }
    }

    bool Strong(Cells81 used, bool grouped, Step &step)
    {
        for (const std::size_t next : strong_[path_.back()]) {
            const Node &to = nodes_[next];
            if (!(to.cells & used).Empty())
                continue;
            path_.push_back(next);
            const bool found = Continue(used | to.cells, grouped || to.group, step);
            path_.pop_back();
            if (found)
                return true;
        }
        return false;
    }

    bool Continue(Cells81 used, bool grouped, Step &step)
    {
        if (static_cast<int>(path_.size()) == 2 * links_)
            return grouped && Eliminate(used, step);
        const Node &from = nodes_[path_.back()];
        for (std::size_t next = 0; next < nodes_.size(); ++next) {
            const Node &to = nodes_[next];
            if (!(to.cells & used).Empty() || !from.SharesUnit(to))
                continue;
            path_.push_back(next);
            const bool found = Strong(used | to.cells, grouped || to.group, step);
            path_.pop_back();
            if (found)
                return true;
        }
        return false;
    }

    bool Eliminate(Cells81 used, Step &step) const
    {
        Cells81 seeing = places_ & ~used;
        for (const std::size_t end : {path_.front(), path_.back()})
            nodes_[end].cells.ForEach([&](int cell) { seeing &= Geo().peers[cell]; });
        seeing.ForEach([&](int cell) { step.Eliminate(cell, digit_); });
        return !seeing.Empty();
    }

    const CandidateGrid &grid_;
    int digit_;
    Cells81 places_;
    std::vector<Node> nodes_;
    std::vector<std::vector<std::size_t>> strong_;
    std::vector<std::size_t> path_;
    int links_ = 0;
};

} // namespace

namespace {

bool FindGrouped(const CandidateGrid &grid, int links, Step &step)
{
    for (int digit = 0; digit < 9; ++digit)
        if (GroupedChains(grid, digit).Find(links, step))
            return true;
    return false;
}

} // namespace

// Two strong links make a grouped turbot fish, three the scale's grouped three-link chain.
bool FindGroupedTurbot(const CandidateGrid &grid, Step &step) { return FindGrouped(grid, 2, step); }
bool FindGroupedXChain(const CandidateGrid &grid, Step &step) { return FindGrouped(grid, 3, step); }

} // namespace quadrelle::logic
