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

CellSet SeenByAll(CellSet cells)
{
    CellSet seen = CellSet::All();
    cells.ForEach([&](int cell) { seen &= Peers[cell]; });
    return seen;
}

// Cells `outside` of a unit whose digits with `digits` number one more than the cells: a naked set
// with the pattern's extra cells standing in as one. Its digits leave the unit's other cells.
bool NakedSetWith(const CandidateGrid &grid, int unit, CellSet pattern, DigitMask digits, int others, Step &step)
{
    std::array<int, 9> cells {};
    int count = 0;
    for (const int cell : UnitCells(unit))
        if (grid.IsOpen(cell) && !pattern.Has(cell) && CountOf(grid.Candidates(cell)) <= others + 1)
            cells[count++] = cell;
    const auto walk = [&](auto &self, int from, int depth, DigitMask joined, CellSet used) -> bool {
        if (CountOf(joined) > others + 1)
            return false;
        if (depth == others) {
            if (CountOf(joined) != others + 1)
                return false;
            for (const int cell : UnitCells(unit))
                if (!used.Has(cell) && !pattern.Has(cell))
                    step.EliminateEach(Cell(cell), grid.Candidates(cell) & joined);
            return !step.eliminations.empty();
        }
        for (int i = from; i < count; ++i)
            if (self(self, i + 1, depth + 1, joined | grid.Candidates(cells[i]), used | CellSet::Of(cells[i])))
                return true;
        return false;
    };
    return walk(walk, 0, 0, digits, CellSet {});
}

// The units that hold both cells.
std::array<int, 3> SharedUnits(int a, int b)
{
    std::array<int, 3> shared {-1, -1, -1};
    int n = 0;
    for (const int unit : UnitsOf(Cell(a)))
        if (UnitSets[unit].Has(b))
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
        const Digit a = LowestDigit(pair), b = LowestDigit(static_cast<DigitMask>(pair & (pair - 1)));
        holders_ = grid_.CellsOf(a) & grid_.CellsOf(b);
        // A loop cell has another in its row, its column and its box: drop the cells that cannot.
        for (bool dropped = true; dropped;) {
            dropped = false;
            holders_.ForEach([&](int cell) {
                for (const int unit : UnitsOf(Cell(cell)))
                    if ((holders_ & UnitSets[unit]).Count() < 2) {
                        holders_.Clear(cell);
                        dropped = true;
                        return;
                    }
            });
        }
        holders_.ForEach([&](int start) {
            path_.assign(1, start);
            inLoop_ = CellSet::Of(start);
            unitCount_.fill(0);
            for (const int unit : UnitsOf(Cell(start)))
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
        if (path_.size() >= 4 && path_.size() % 2 == 0 && Peers[at].Has(start) && Closes())
            Score();
        if (path_.size() == Longest)
            return;
        (Peers[at] & holders_ & ~inLoop_).ForEach([&](int next) {
            if (next < start || !Fits(next))
                return;
            path_.push_back(next);
            inLoop_.Set(next);
            for (const int unit : UnitsOf(Cell(next)))
                ++unitCount_[unit];
            Extend(next);
            for (const int unit : UnitsOf(Cell(next)))
                --unitCount_[unit];
            inLoop_.Clear(next);
            path_.pop_back();
        });
    }

    // No unit may hold a third loop cell, and the extra digits must still allow some type.
    bool Fits(int next) const
    {
        for (const int unit : UnitsOf(Cell(next)))
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
            for (const int unit : UnitsOf(Cell(cell)))
                if (unitCount_[unit] != 2)
                    return false;
        return path_[1] < path_.back();
    }

    void Score()
    {
        const int length = static_cast<int>(path_.size());
        const bool rectangle = length == 4;
        const int base = base_.tenths + (length >= 10 ? 5 : length >= 8 ? 2 : length >= 6 ? 1 : 0);
        CellSet roof;
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
                s.EliminateEach(Cell(roof.Lowest()), grid_.Candidates(roof.Lowest()) & pair_);
                return true;
            });
            return;
        }
        if (CountOf(extras) == 1) {
            easiest_.Offer(base_, base, name("Unique Rectangle type 2", "Unique Loop type 2"), [&](Step &s) {
                const Digit digit = LowestDigit(extras);
                (SeenByAll(roof) & grid_.CellsOf(digit) & ~roof).ForEach([&](int cell) {
                    s.Eliminate(Cell(cell), digit);
                });
                return true;
            });
        }
        if (roofs != 2)
            return;
        const int r0 = roof.Lowest();
        CellSet rest = roof;
        rest.Clear(r0);
        const int r1 = rest.Lowest();
        for (const int unit : SharedUnits(r0, r1)) {
            if (unit < 0)
                break;
            for (int others = 1; others <= 3; ++others)
                easiest_.Offer(base_, base + others, name("Unique Rectangle type 3", "Unique Loop type 3"),
                    [&](Step &s) { return NakedSetWith(grid_, unit, roof, extras, others, s); });
            for (DigitMask m = pair_; m; m &= m - 1) {
                const Digit digit = LowestDigit(m);
                if ((grid_.CellsOf(digit) & UnitSets[unit] & ~roof).Empty())
                    easiest_.Offer(base_, base, name("Unique Rectangle type 4", "Unique Loop type 4"), [&](Step &s) {
                        const DigitMask other = static_cast<DigitMask>(pair_ & ~BitOf(digit));
                        s.EliminateEach(Cell(r0), grid_.Candidates(r0) & other);
                        s.EliminateEach(Cell(r1), grid_.Candidates(r1) & other);
                        return true;
                    });
            }
        }
    }

    const CandidateGrid &grid_;
    const Step &base_;
    Easiest &easiest_;
    DigitMask pair_ = 0;
    CellSet holders_;
    std::vector<int> path_;
    CellSet inLoop_;
    std::array<std::uint8_t, UnitCount> unitCount_ {};
};

} // namespace

bool FindUniqueRectangle(const CandidateGrid &grid, Step &step)
{
    Easiest easiest;
    LoopSearch search(grid, step, easiest);
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            search.Run(static_cast<DigitMask>(BitOf(Digit(a)) | BitOf(Digit(b))));
    return easiest.Take(step);
}

// Every open cell has two candidates but a few, and every digit two places in each unit but where
// one of those few has it too: some of them take one of those extra digits, or the digits could
// swap round the rest. The extra digits are named by the units where a digit has a wrong number
// of places and one cell of more than two candidates is among them, as the reference names them.
bool FindBug(const CandidateGrid &grid, Step &step)
{
    std::vector<int> bugCells;
    std::array<DigitMask, 81> extras {};
    DigitMask allExtras = 0;
    CellSet common = CellSet::All();
    for (const int kind : {BoxUnit(0), RowUnit(0), ColumnUnit(0)})
        for (int unit = kind; unit < kind + 9; ++unit)
            for (const Digit digit : EveryDigit) {
                const CellSet places = grid.CellsOf(digit) & UnitSets[unit];
                const int n = places.Count();
                if (n == 0 || n == 2)
                    continue;
                int poly = -1, polyCount = 0;
                places.ForEach([&](int cell) {
                    if (CountOf(grid.Candidates(cell)) >= 3) {
                        poly = cell;
                        ++polyCount;
                    }
                });
                if (polyCount == 0)
                    return false;
                if (polyCount > 1)
                    continue;
                if (extras[poly] == 0)
                    bugCells.push_back(poly);
                extras[poly] |= BitOf(digit);
                allExtras |= BitOf(digit);
                common &= Peers[poly];
                for (const int cell : bugCells)
                    common.Clear(cell);
                if (bugCells.size() > 1 && CountOf(allExtras) > 1 && (common & grid.Open()).Empty())
                    return false;
            }
    if (bugCells.empty())
        return false;
    // Without the extra digits, a bivalue universal grave: every cell two digits, every digit twice.
    std::array<CellSet, 9> left {};
    for (const Digit digit : EveryDigit)
        left[digit.Index()] = grid.CellsOf(digit);
    for (const int cell : bugCells)
        for (DigitMask m = extras[cell]; m; m &= m - 1)
            left[LowestDigit(m).Index()].Clear(cell);
    bool grave = true;
    grid.Open().ForEach([&](int cell) {
        grave = grave && CountOf(static_cast<DigitMask>(grid.Candidates(cell) & ~extras[cell])) == 2;
    });
    for (int unit = 0; unit < UnitCount && grave; ++unit)
        for (const Digit digit : EveryDigit) {
            if (!grave)
                break;
            const int n = (left[digit.Index()] & UnitSets[unit]).Count();
            grave = n == 0 || n == 2;
        }
    if (!grave)
        return false;
    CellSet bug;
    for (const int cell : bugCells)
        bug.Set(cell);
    common &= grid.Open() & ~bug;
    // The reference offers these in turn and takes the first that removes something.
    const auto offer = [&](std::string_view name, int tenths, auto fill) {
        Step candidate {name, tenths, {}, {}, step.enough, step.budget};
        fill(candidate);
        if (candidate.placements.empty() && candidate.eliminations.empty())
            return false;
        step = std::move(candidate);
        return true;
    };
    const int base = step.tenths;
    if (bugCells.size() == 1)
        return offer("Bivalue Universal Grave type 1", base,
            [&](Step &s) { s.EliminateEach(Cell(bugCells[0]), grid.Candidates(bugCells[0]) & ~allExtras); });
    const auto type4 = [&] {
        if (bugCells.size() != 2)
            return false;
        const int a = bugCells[0], b = bugCells[1];
        const DigitMask shared = grid.Candidates(a) & grid.Candidates(b) & ~allExtras;
        if (CountOf(shared) != 1 || SharedUnits(a, b)[0] < 0)
            return false;
        return offer("Bivalue Universal Grave type 4", base + 1, [&](Step &s) {
            for (const int cell : {a, b})
                s.EliminateEach(Cell(cell), grid.Candidates(cell) & ~extras[cell] & ~shared);
        });
    };
    if (CountOf(allExtras) == 1) {
        const Digit digit = LowestDigit(allExtras);
        const bool two = offer("Bivalue Universal Grave type 2", base + 1, [&](Step &s) {
            (common & grid.CellsOf(digit)).ForEach([&](int cell) { s.Eliminate(Cell(cell), digit); });
        });
        return two || type4();
    }
    if (common.Empty())
        return false;
    if (type4())
        return true;
    const Cell first(bugCells[0]);
    for (const int unit : {BoxUnit(BoxOf(first)), RowUnit(RowOf(first)), ColumnUnit(ColumnOf(first))}) {
        if (!(bug & ~UnitSets[unit]).Empty())
            continue;
        for (int others = 1; others <= 5; ++others)
            if (offer("Bivalue Universal Grave type 3", base + 1 + others,
                    [&](Step &s) { NakedSetWith(grid, unit, bug, allExtras, others, s); }))
                return true;
    }
    return false;
}

} // namespace quadrelle::logic
