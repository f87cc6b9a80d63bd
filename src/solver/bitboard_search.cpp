#include "solver/bitboard_search.h"

#include "model/cell_set.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace quadrelle {

namespace {

// A cell's row, column and box units.
using UnitsOfCell = std::array<std::uint8_t, 3>;

constexpr std::array<CellSet, CellCount> MakeCells()
{
    std::array<CellSet, CellCount> cells {};
    for (int p = 0; p < CellCount; ++p)
        cells[static_cast<std::size_t>(p)] = CellSet::Of(p);
    return cells;
}
// Each position as a set, without the branch between the two words.
constexpr std::array<CellSet, CellCount> Cells = MakeCells();

// Each empty cell's candidate count (0..9) as four bit-planes: bit i of the count of cell q
// is q's bit in plane i. Filled cells hold stale counts; every reader masks them out.
struct Counts {
    std::array<CellSet, 4> plane;

    // One less for every cell of `lost`.
    Counts Decremented(CellSet lost) const
    {
        Counts next;
        CellSet borrow = lost;
        for (std::size_t i = 0; i < plane.size(); ++i) {
            next.plane[i] = plane[i] ^ borrow;
            borrow = Minus(borrow, plane[i]);
        }
        return next;
    }

    // The cells of `among` with the smallest count: keep a 0 bit from the highest plane down
    // wherever some cell has one.
    CellSet Fewest(CellSet among) const
    {
        for (std::size_t i = plane.size(); i-- > 0;) {
            const CellSet zero = Minus(among, plane[i]);
            if (!zero.Empty())
                among = zero;
        }
        return among;
    }
};

// One level of the search: the board as it was when its cell was chosen, and the digit on trial.
struct Level {
    CellSet rest; // the empty cells other than the level's own
    Counts counts;
    CellSet lost; // cells from which the digit on trial took a candidate
    std::int32_t candidates = 0;
    std::int32_t untried = 0;
    int digit = 0; // on trial, or last tried
    int cell = 0;
    UnitsOfCell groups {};
};

enum class End { Solved, NoSolution, GaveUp };

class BitboardSearch {
public:
    BitboardSearch(Board &board, SearchState &state, const EventHook &hook, std::int32_t limit)
        : board_(board), state_(state), hook_(hook), limit_(limit), count_(state.SearchCount),
          current_(state.CurrentCell), chosenMask_(state.ChosenMask)
    {
        Level &first = levels_[0];
        for (int g = 0; g < UnitCount; ++g)
            groups_[static_cast<std::size_t>(g)] = board.AllGroups()[static_cast<std::size_t>(g)].Mask();
        for (int q = 0; q < CellCount; ++q) {
            if (board.CellAt(q).Value() != 0)
                continue;
            const CellSet cell = CellSet::Of(q);
            first.rest |= cell;
            const std::int32_t m = CandidatesOf(UnitsOf(Cell(q)));
            for (int d = 1; d <= 9; ++d)
                if ((m & BitOf(Digit(d))) != 0)
                    allowed_[static_cast<std::size_t>(d)] |= cell;
            const int k = CountOf(m);
            for (std::size_t i = 0; i < 4; ++i)
                if (((k >> i) & 1) != 0)
                    first.counts.plane[i] |= cell;
        }
    }

    void Run(int p)
    {
        Level &first = levels_[0];
        first.rest = Minus(first.rest, Cells[static_cast<std::size_t>(p)]);
        first.cell = p;
        first.groups = UnitsOf(Cell(p));
        first.candidates = first.untried = chosenMask_;
        depth_ = 1;
        Finish(Search());
    }

private:
    // Where the search stands: the top level, its digits not tried yet, the placements made
    // and the last cell chosen.
    struct Cursor {
        Level *level;
        std::int32_t untried;
        std::int32_t count;
        int current;
    };

    End Search()
    {
        Level *top = &levels_[static_cast<std::size_t>(depth_ - 1)];
        Cursor at {top, top->untried, count_, current_};
        CellSet lost;
        if (!PlaceNext(at.level, at.untried, lost))
            return Keep(at), End::NoSolution;
        ++at.count;
        // Each placement is followed by a look at the events and the limit; the loop between
        // looks runs on its own.
        for (;;) {
            if ((at.count & (Search::EventInterval - 1)) == 0 && hook_) {
                Keep(at);
                CallHook();
            }
            if (at.count >= limit_)
                return Keep(at), End::GaveUp;
            if (const std::optional<End> end = Advance(at, NextStop(at.count)))
                return Keep(at), *end;
        }
    }

    // From just after a placement on, until the search ends or a placement brings the count to
    // `stop` (no end then). The loop calls nothing, so that its state can stay in registers.
    std::optional<End> Advance(Cursor &at, std::int32_t stop)
    {
        Level *level = at.level;
        std::int32_t untried = at.untried;
        std::int32_t count = at.count;
        int current = at.current;
        CellSet lost = level->lost; // by the digit just placed
        std::optional<End> end;
        for (;;) {
            const CellSet empty = level->rest;
            if (empty.Empty()) {
                end = End::Solved;
                break;
            }
            // Cells with one or two candidates before this placement. No empty cell had none:
            // the level's cell had the fewest, and at least one.
            const Counts &before = level->counts;
            const CellSet low = Minus(empty, before.plane[2] | before.plane[3]);
            const CellSet one = Minus(before.plane[0] & low, before.plane[1]);
            const CellSet dead = one & lost;
            if (!dead.Empty()) {
                // Chosen, and given up at once: no candidate to try.
                current = Choose(dead, current);
                Withdraw(*level);
            } else {
                const CellSet two = Minus(before.plane[1] & low, before.plane[0]);
                const CellSet single = Minus(one, lost) | (two & lost);
                Level &next = level[1];
                next.counts = before.Decremented(lost);
                current = Choose(!single.Empty() ? single : next.counts.Fewest(empty), current);
                next.rest = Minus(empty, Cells[static_cast<std::size_t>(current)]);
                next.cell = current;
                next.groups = UnitsOf(Cell(current));
                next.candidates = CandidatesOf(next.groups);
                level->untried = untried;
                untried = next.candidates;
                level = &next;
            }
            if (!PlaceNext(level, untried, lost)) {
                end = End::NoSolution;
                break;
            }
            if (++count >= stop)
                break;
        }
        at = Cursor {level, untried, count, current};
        return end;
    }

    // The top level's next digit onto the board; where it has none left, the next digit of the
    // level below, with the cells it took a candidate from. False when no level has one.
    bool PlaceNext(Level *&level, std::int32_t &untried, CellSet &lost)
    {
        while (untried == 0) {
            if (level == levels_.data())
                return false;
            --level;
            Withdraw(*level);
            untried = level->untried;
        }
        lost = Place(*level, std::countr_zero(static_cast<std::uint32_t>(untried)));
        untried &= untried - 1;
        return true;
    }

    // The cursor back into the members. The last choice made the top level exactly when the
    // chosen cell is the level's; any other was a dead cell's, which has no candidates.
    void Keep(const Cursor &at)
    {
        count_ = at.count;
        current_ = at.current;
        chosenMask_ = at.current == at.level->cell ? at.level->candidates : 0;
        depth_ = static_cast<int>(at.level - levels_.data()) + 1;
    }

    // The next count at which the loop must look up from its work: the limit, or the next
    // event when there is a hook.
    std::int32_t NextStop(std::int32_t count) const
    {
        if (!hook_)
            return limit_;
        const std::int64_t event = (std::int64_t {count} | (Search::EventInterval - 1)) + 1;
        return static_cast<std::int32_t>(std::min<std::int64_t>(event, limit_));
    }

    // The previous choice wins a tie while it is still empty, else the lowest position.
    static int Choose(CellSet fewest, int previous)
    {
        return !(fewest & Cells[static_cast<std::size_t>(previous)]).Empty() ? previous : fewest.Lowest();
    }

    std::int32_t CandidatesOf(const UnitsOfCell &u) const { return groups_[u[0]] & groups_[u[1]] & groups_[u[2]]; }

    CellSet Place(Level &level, int d)
    {
        CellSet &allowed = allowed_[static_cast<std::size_t>(d)];
        const CellSet lost = allowed & Peers[static_cast<std::size_t>(level.cell)];
        allowed = Minus(allowed, lost);
        level.lost = lost;
        const std::int32_t keep = ~BitOf(Digit(d));
        for (const std::uint8_t unit : level.groups)
            groups_[unit] &= keep;
        level.digit = d;
        return lost;
    }

    void Withdraw(Level &level)
    {
        allowed_[static_cast<std::size_t>(level.digit)] |= level.lost;
        const std::int32_t bit = BitOf(Digit(level.digit));
        for (const std::uint8_t unit : level.groups)
            groups_[unit] |= bit;
    }

    void CallHook()
    {
        state_.SearchCount = count_;
        state_.CurrentCell = current_;
        state_.ChosenMask = chosenMask_;
        try {
            hook_();
        } catch (...) {
            WriteBack();
            throw;
        }
    }

    void Finish(End end)
    {
        switch (end) {
        case End::NoSolution:
            state_.StopSearch = false;
            SetRange(levels_[0].rest | Cells[static_cast<std::size_t>(levels_[0].cell)]);
            break;
        case End::Solved:
            WriteBack();
            state_.StopSearch = true;
            SetRange(CellSet {});
            break;
        case End::GaveUp:
            WriteBack();
            state_.StopSearch = true;
            state_.GaveUp = true;
            break;
        }
        state_.SearchCount = count_;
        state_.CurrentCell = current_;
        state_.ChosenMask = chosenMask_;
    }

    // The trial digits of every level onto the board, and the range the cell-by-cell search
    // would have left: the empty cells when the digit on trial was placed, which include the
    // top level's cell when that digit was its first.
    void WriteBack()
    {
        for (int i = 0; i < depth_; ++i) {
            const Level &level = levels_[static_cast<std::size_t>(i)];
            board_.CellAt(level.cell).SetValueUnchecked(level.digit);
        }
        const Level &top = levels_[static_cast<std::size_t>(depth_ - 1)];
        const bool firstTrial = (top.candidates & (BitOf(Digit(top.digit)) - 1)) == 0;
        SetRange(firstTrial ? top.rest | Cells[static_cast<std::size_t>(top.cell)] : top.rest);
    }

    void SetRange(CellSet empty)
    {
        const bool any = !empty.Empty();
        state_.LowCell = any ? empty.Lowest() : CellCount;
        state_.HighCell = any ? empty.Highest() : -1;
    }

    Board &board_;
    SearchState &state_;
    const EventHook &hook_;
    const std::int32_t limit_;
    std::int32_t count_;
    std::int32_t current_;
    std::int32_t chosenMask_;
    int depth_ = 0;
    std::array<CellSet, 10> allowed_ {}; // by digit: the cells where it is free (stale for filled cells)
    std::array<std::int32_t, UnitCount> groups_ {};
    std::array<Level, CellCount + 1> levels_ {};
};

} // namespace

void RunBitboardSearch(Board &board, SearchState &state, int p, const EventHook &hook, std::int32_t placementLimit)
{
    BitboardSearch search(board, state, hook, placementLimit);
    search.Run(p);
}

} // namespace quadrelle
