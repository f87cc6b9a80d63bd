#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

#include <climits>
#include <vector>

// Both rest on the puzzle having one solution, which the rater checks first. A pattern that would
// let two solutions swap its digits cannot be all there is: some of its extra candidates stay.

namespace quadrelle::logic {

namespace {

// The easiest step of the pattern kind found so far.
struct Easiest {
    int tenths = INT_MAX;
    Step step;

    // Fills `candidate` (whose score the caller set) and keeps it when easier.
    template <class Fill> void Offer(const Step &base, int tenths, std::string_view name, Fill fill)
    {
        if (tenths >= this->tenths)
            return;
        Step candidate {name, tenths, {}, {}, base.enough, base.budget};
        if (!fill(candidate) || (candidate.placements.empty() && candidate.eliminations.empty()))
            return;
        this->tenths = tenths;
        step = std::move(candidate);
    }
    bool Take(Step &out)
    {
        if (tenths == INT_MAX)
            return false;
        out = std::move(step);
        return true;
    }
};

Cells81 SeenByAll(Cells81 cells)
{
    Cells81 seen = ~Cells81 {};
    cells.ForEach([&](int cell) { seen &= Geo().peers[cell]; });
    return seen;
}

// Cells `outside` of a unit whose digits with `digits` number one more than the cells: a naked set
// with the pattern's extra cells standing in as one. Its digits leave the unit's other cells.
bool NakedSetWith(const CandidateGrid &grid, int unit, Cells81 pattern, DigitMask digits, int others, Step &step)
{
    std::array<int, 9> cells {};
    int count = 0;
    for (const int cell : Geo().unitCells[unit])
        if (grid.Value(cell) < 0 && !pattern.Has(cell) && CountOf(grid.Candidates(cell)) <= others + 1)
            cells[count++] = cell;
    const auto walk = [&](auto &self, int from, int depth, DigitMask joined, Cells81 used) -> bool {
        if (CountOf(joined) > others + 1)
            return false;
        if (depth == others) {
            if (CountOf(joined) != others + 1)
                return false;
            for (const int cell : Geo().unitCells[unit])
                if (!used.Has(cell) && !pattern.Has(cell))
                    step.EliminateEach(cell, grid.Candidates(cell) & joined);
            return !step.eliminations.empty();
        }
        for (int i = from; i < count; ++i)
            if (self(self, i + 1, depth + 1, joined | grid.Candidates(cells[i]), used | Cells81::Of(cells[i])))
                return true;
        return false;
    };
    return walk(walk, 0, 0, digits, Cells81 {});
}

// The units that hold both cells.
std::array<int, 3> SharedUnits(int a, int b)
{
    std::array<int, 3> shared {-1, -1, -1};
    int n = 0;
    for (const int unit : Geo().unitsOf[a])
        if (Geo().unit[unit].Has(b))
            shared[n++] = unit;
    return shared;
}

// A loop of cells that all hold digits a and b, each of its rows, columns and boxes holding two of
// them: with a and b alone they could swap.
class LoopSearch {
public:
    LoopSearch(const CandidateGrid &grid, const Step &base, Easiest &easiest)
        : grid_(grid), base_(base), easiest_(easiest)
    {
    }

    void Run(DigitMask pair)
    {
        pair_ = pair;
        const int a = std::countr_zero(pair), b = std::countr_zero(static_cast<DigitMask>(pair & (pair - 1)));
        holders_ = grid_.CellsOf(a) & grid_.CellsOf(b);
        // A loop cell has another in its row, its column and its box: drop the cells that cannot.
        for (bool dropped = true; dropped;) {
            dropped = false;
            holders_.ForEach([&](int cell) {
                for (const int unit : Geo().unitsOf[cell])
                    if ((holders_ & Geo().unit[unit]).Count() < 2) {
                        holders_.Clear(cell);
                        dropped = true;
                        return;
                    }
            });
        }
        holders_.ForEach([&](int start) {
            path_.assign(1, start);
            inLoop_ = Cells81::Of(start);
            unitCount_.fill(0);
            for (const int unit : Geo().unitsOf[start])
                ++unitCount_[unit];
            Extend(start);
        });
    }

private:
    static constexpr int Longest = 14;

    void Extend(int at)
    {
        if (base_.Expired())
            return;
        const int start = path_.front();
        if (path_.size() >= 4 && path_.size() % 2 == 0 && Geo().peers[at].Has(start) && Closes())
            Score();
        if (path_.size() == Longest)
            return;
        (Geo().peers[at] & holders_ & ~inLoop_).ForEach([&](int next) {
            if (next < start || !Fits(next))
                return;
            path_.push_back(next);
            inLoop_.Set(next);
            for (const int unit : Geo().unitsOf[next])
                ++unitCount_[unit];
            Extend(next);
            for (const int unit : Geo().unitsOf[next])
                --unitCount_[unit];
            inLoop_.Clear(next);
            path_.pop_back();
        });
    }

    // No unit may hold a third loop cell, and the extra digits must still allow some type.
    bool Fits(int next) const
    {
        for (const int unit : Geo().unitsOf[next])
            if (unitCount_[unit] >= 2)
                return false;
        int extraCells = 0;
        DigitMask extras = 0;
        bool singleExtras = true;
        for (const int cell : path_) {
            const DigitMask extra = grid_.Candidates(cell) & ~pair_;
            extraCells += extra != 0;
            extras |= extra;
            singleExtras = singleExtras && CountOf(extra) <= 1;
        }
        const DigitMask extra = grid_.Candidates(next) & ~pair_;
        extraCells += extra != 0;
        extras |= extra;
        singleExtras = singleExtras && CountOf(extra) <= 1;
        return extraCells <= 2 || (singleExtras && CountOf(extras) == 1);
    }

    // Closing on the start: every unit holds two loop cells or none, and the path is the loop's
    // lowest start in one of its two directions.
    bool Closes() const
    {
        for (const int cell : path_)
            for (const int unit : Geo().unitsOf[cell])
                if (unitCount_[unit] != 2)
                    return false;
        return path_[1] < path_.back();
    }

    void Score()
    {
        const int length = static_cast<int>(path_.size());
        const bool rectangle = length == 4;
        const int base = base_.tenths + (length >= 10 ? 3 : length >= 8 ? 2 : length >= 6 ? 1 : 0);
        Cells81 roof;
        DigitMask extras = 0;
        for (const int cell : path_)
            if (const DigitMask extra = grid_.Candidates(cell) & ~pair_) {
                roof.Set(cell);
                extras |= extra;
            }
        const int roofs = roof.Count();
        if (roofs == 0)
            return;
        const auto name = [&](std::string_view rect, std::string_view loop) { return rectangle ? rect : loop; };
        if (roofs == 1) {
            easiest_.Offer(base_, base, name("Unique Rectangle type 1", "Unique Loop type 1"), [&](Step &s) {
                s.EliminateEach(roof.First(), grid_.Candidates(roof.First()) & pair_);
                return true;
            });
            return;
        }
        if (CountOf(extras) == 1) {
            easiest_.Offer(base_, base, name("Unique Rectangle type 2", "Unique Loop type 2"), [&](Step &s) {
                const int digit = std::countr_zero(extras);
                (SeenByAll(roof) & grid_.CellsOf(digit) & ~roof).ForEach([&](int cell) { s.Eliminate(cell, digit); });
                return true;
            });
        }
        if (roofs != 2)
            return;
        const int r0 = roof.First();
        Cells81 rest = roof;
        rest.Clear(r0);
        const int r1 = rest.First();
        for (const int unit : SharedUnits(r0, r1)) {
            if (unit < 0)
                break;
            for (int others = 1; others <= 3; ++others)
                easiest_.Offer(base_, base + others, name("Unique Rectangle type 3", "Unique Loop type 3"),
                    [&](Step &s) { return NakedSetWith(grid_, unit, roof, extras, others, s); });
            for (DigitMask m = pair_; m; m &= m - 1) {
                const int digit = std::countr_zero(m);
                if ((grid_.CellsOf(digit) & Geo().unit[unit] & ~roof).Empty())
                    easiest_.Offer(base_, base, name("Unique Rectangle type 4", "Unique Loop type 4"), [&](Step &s) {
                        const DigitMask other = static_cast<DigitMask>(pair_ & ~BitOf(digit));
                        s.EliminateEach(r0, grid_.Candidates(r0) & other);
                        s.EliminateEach(r1, grid_.Candidates(r1) & other);
                        return true;
                    });
            }
        }
    }

    const CandidateGrid &grid_;
    const Step &base_;
    Easiest &easiest_;
    DigitMask pair_ = 0;
    Cells81 holders_;
    std::vector<int> path_;
    Cells81 inLoop_;
    std::array<std::uint8_t, UnitCount> unitCount_ {};
};

// A choice of two candidates for each cell that has more, leaving every digit twice or not at all
// in every unit: the cells' other candidates are their extras. Nothing when there is none.
bool BugExtras(const CandidateGrid &grid, const std::vector<int> &poly, std::vector<DigitMask> &extras)
{
    std::array<std::array<std::uint8_t, 9>, UnitCount> count {};
    grid.Open().ForEach([&](int cell) {
        for (DigitMask m = grid.Candidates(cell); m; m &= m - 1)
            for (const int unit : Geo().unitsOf[cell])
                ++count[unit][std::countr_zero(m)];
    });
    extras.assign(poly.size(), 0);
    // Each poly cell keeps two digits: count what it gives up.
    const auto fits = [&] {
        for (const auto &unit : count)
            for (const std::uint8_t n : unit)
                if (n != 0 && n != 2)
                    return false;
        return true;
    };
    const auto choose = [&](auto &self, std::size_t i) -> bool {
        if (i == poly.size())
            return fits();
        const int cell = poly[i];
        const DigitMask all = grid.Candidates(cell);
        for (DigitMask a = all; a; a &= a - 1)
            for (DigitMask b = a & (a - 1); b; b &= b - 1) {
                const DigitMask keep = static_cast<DigitMask>((a & -a) | (b & -b));
                extras[i] = static_cast<DigitMask>(all & ~keep);
                for (DigitMask m = extras[i]; m; m &= m - 1)
                    for (const int unit : Geo().unitsOf[cell])
                        --count[unit][std::countr_zero(m)];
                const bool found = self(self, i + 1);
                for (DigitMask m = extras[i]; m; m &= m - 1)
                    for (const int unit : Geo().unitsOf[cell])
                        ++count[unit][std::countr_zero(m)];
                if (found)
                    return true;
            }
        return false;
    };
    return choose(choose, 0);
}

} // namespace

bool FindUniqueRectangle(const CandidateGrid &grid, Step &step)
{
    Easiest easiest;
    LoopSearch search(grid, step, easiest);
    for (int a = 0; a < 9; ++a)
        for (int b = a + 1; b < 9; ++b)
            search.Run(static_cast<DigitMask>(BitOf(a) | BitOf(b)));
    return easiest.Take(step);
}

// Every open cell but a few has two candidates: some of those few take an extra candidate, or the
// digits could swap round the rest.
bool FindBug(const CandidateGrid &grid, Step &step)
{
    std::vector<int> poly;
    grid.Open().ForEach([&](int cell) {
        if (CountOf(grid.Candidates(cell)) > 2)
            poly.push_back(cell);
    });
    constexpr std::size_t MostPolyCells = 6;
    std::vector<DigitMask> extras;
    if (poly.empty() || poly.size() > MostPolyCells || !BugExtras(grid, poly, extras))
        return false;
    Easiest easiest;
    Cells81 polyCells;
    DigitMask allExtras = 0;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        polyCells.Set(poly[i]);
        allExtras |= extras[i];
    }
    if (poly.size() == 1) {
        easiest.Offer(step, step.tenths, "Bivalue Universal Grave type 1", [&](Step &s) {
            if (CountOf(extras[0]) == 1)
                s.placements.push_back(
                    {static_cast<std::uint8_t>(poly[0]), static_cast<std::uint8_t>(std::countr_zero(extras[0]))});
            else
                s.EliminateEach(poly[0], grid.Candidates(poly[0]) & ~extras[0]);
            return true;
        });
        return easiest.Take(step);
    }
    if (CountOf(allExtras) == 1) {
        easiest.Offer(step, step.tenths + 1, "Bivalue Universal Grave type 2", [&](Step &s) {
            const int digit = std::countr_zero(allExtras);
            (SeenByAll(polyCells) & grid.CellsOf(digit) & ~polyCells).ForEach([&](int cell) {
                s.Eliminate(cell, digit);
            });
            return true;
        });
    }
    if (poly.size() == 2) {
        for (const int unit : SharedUnits(poly[0], poly[1])) {
            if (unit < 0)
                break;
            for (int others = 1; others <= 3; ++others)
                easiest.Offer(step, step.tenths + 1 + others, "Bivalue Universal Grave type 3",
                    [&](Step &s) { return NakedSetWith(grid, unit, polyCells, allExtras, others, s); });
            const DigitMask shared = grid.Candidates(poly[0]) & grid.Candidates(poly[1]) & ~extras[0] & ~extras[1];
            for (DigitMask m = shared; m; m &= m - 1) {
                const int digit = std::countr_zero(m);
                if (!(grid.CellsOf(digit) & Geo().unit[unit] & ~polyCells).Empty())
                    continue;
                easiest.Offer(step, step.tenths + 1, "Bivalue Universal Grave type 4", [&](Step &s) {
                    for (std::size_t i = 0; i < 2; ++i)
                        s.EliminateEach(poly[i], grid.Candidates(poly[i]) & ~extras[i] & ~BitOf(digit));
                    return true;
                });
            }
        }
    }
    return easiest.Take(step);
}

} // namespace quadrelle::logic
