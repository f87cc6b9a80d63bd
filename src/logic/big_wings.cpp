#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

// n-1 cells of one unit holding n digits between them (an almost locked set), and a bivalue cell
// {x,z} elsewhere that sees every x among them. If the bivalue cell is x, the set loses x and
// would need n-1 digits from n-2, so one of them is z. A cell seeing every z of the pattern is not
// z. When the bivalue cell sees every z too, the pattern is locked: every digit of the set is in
// it once, and every digit leaves the cells that see all its places there.

namespace quadrelle::logic {

namespace {

struct Wing {
    std::array<int, 4> set {};
};

class WingSearch {
public:
    WingSearch(const CandidateGrid &grid, int size, Step &step) : grid_(grid), size_(size), step_(step)
    {
        grid.Open().ForEach([&](int cell) {
            if (CountOf(grid.Candidates(cell)) == 2)
                bivalue_.Set(cell);
        });
    }

    bool Run()
    {
        for (int unit = 0; unit < UnitCount && !done_; ++unit) {
            int count = 0;
            for (const int cell : UnitCells(unit))
                if (grid_.IsOpen(cell) && CountOf(grid_.Candidates(cell)) <= size_)
                    open_[count++] = cell;
            Choose(count, 0, 0, 0);
        }
        if (best_.empty())
            return false;
        step_.tenths = bestTenths_;
        step_.eliminations = std::move(best_);
        return true;
    }

private:
    void Choose(int count, int from, int depth, DigitMask digits)
    {
        if (depth == size_ - 1) {
            if (CountOf(digits) == size_)
                TryBivalues(digits);
            return;
        }
        for (int i = from; i < count && !done_; ++i) {
            const DigitMask next = digits | grid_.Candidates(open_[i]);
            if (CountOf(next) > size_)
                continue;
            wing_.set[depth] = open_[i];
            Choose(count, i + 1, depth + 1, next);
        }
    }

    // The places of a digit in the set, and whether a cell sees them all.
    CellSet Places(Digit digit) const
    {
        CellSet places;
        for (int i = 0; i < size_ - 1; ++i)
            if (grid_.Has(wing_.set[i], digit))
                places.Set(wing_.set[i]);
        return places;
    }
    static CellSet Seeing(CellSet places)
    {
        CellSet seeing = CellSet::All();
        places.ForEach([&](int cell) { seeing &= Peers[cell]; });
        return seeing & ~places;
    }

    void TryBivalues(DigitMask digits)
    {
        // The score depends on the set alone: no bivalue cell can make it better than the best.
        const int tenths = Tenths();
        if (tenths >= bestTenths_)
            return;
        CellSet inSet;
        for (int i = 0; i < size_ - 1; ++i)
            inSet.Set(wing_.set[i]);
        std::array<CellSet, 9> places {}, seeing {};
        for (DigitMask m = digits; m; m &= m - 1) {
            const Digit digit = LowestDigit(m);
            places[digit.Index()] = Places(digit);
            seeing[digit.Index()] = Seeing(places[digit.Index()]);
        }
        (bivalue_ & ~inSet).ForEach([&](int cell) {
            const DigitMask pair = grid_.Candidates(cell);
            if (done_ || (pair & digits) != pair || tenths >= bestTenths_)
                return;
            const Digit a = LowestDigit(pair), b = LowestDigit(static_cast<DigitMask>(pair & ~BitOf(a)));
            const bool aLinked = seeing[a.Index()].Has(cell), bLinked = seeing[b.Index()].Has(cell);
            if (!aLinked && !bLinked)
                return;
            const bool locked = aLinked && bLinked;
            const DigitMask loose = locked ? pair : static_cast<DigitMask>(pair & ~BitOf(aLinked ? a : b));
            // loose digits leave the cells seeing all their places, the bivalue cell's among them;
            // when locked, every other digit of the set too.
            std::array<CellSet, 9> removed {};
            bool any = false;
            for (DigitMask m = digits; m; m &= m - 1) {
                const Digit digit = LowestDigit(m);
                const bool inPair = pair & BitOf(digit);
                if (inPair && (loose & BitOf(digit)))
                    removed[digit.Index()] = seeing[digit.Index()] & Peers[cell];
                else if (!inPair && locked)
                    removed[digit.Index()] = seeing[digit.Index()];
                removed[digit.Index()] &= grid_.CellsOf(digit) & ~inSet;
                removed[digit.Index()].Clear(cell);
                any = any || !removed[digit.Index()].Empty();
            }
            if (!any)
                return;
            bestTenths_ = tenths;
            best_.clear();
            for (const Digit digit : EveryDigit)
                removed[digit.Index()].ForEach([&](int at) {
                    best_.emplace_back(Cell(at), digit);
                });
            done_ = tenths <= std::max(step_.enough, step_.tenths);
        });
    }

    // Wings whose biggest cell holds about half the digits are the hardest to see: the extremes
    // score the base, each step towards the middle a tenth more (the scale's own rule).
    int Tenths() const
    {
        int biggest = 0;
        for (int i = 0; i < size_ - 1; ++i)
            biggest = std::max(biggest, CountOf(grid_.Candidates(wing_.set[i])));
        const int middle = (size_ + 2) / 2;
        return step_.tenths + (size_ - middle) - std::abs(middle - biggest);
    }

    const CandidateGrid &grid_;
    int size_;
    Step &step_;
    CellSet bivalue_;
    std::array<int, 9> open_ {};
    Wing wing_;
    int bestTenths_ = INT_MAX;
    std::vector<Candidate> best_;
    bool done_ = false;
};

} // namespace

bool FindWxyzWing(const CandidateGrid &grid, Step &step) { return WingSearch(grid, 4, step).Run(); }
bool FindVwxyzWing(const CandidateGrid &grid, Step &step) { return WingSearch(grid, 5, step).Run(); }

} // namespace quadrelle::logic
