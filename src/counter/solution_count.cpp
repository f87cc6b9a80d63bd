#include "solution_count.h"

#include <bit>

namespace quadrelle {

namespace {

// Plain bitmask backtracking on the cell with the fewest candidates.
class Backtracker {
public:
    explicit Backtracker(SolutionCount &result) : result_(result) { }

    bool Place(int p, int d)
    {
        const unsigned bit = 1u << d;
        if (((rows_[Row(p)] | cols_[Col(p)] | boxes_[Box(p)]) & bit) != 0)
            return false;
        rows_[Row(p)] |= bit;
        cols_[Col(p)] |= bit;
        boxes_[Box(p)] |= bit;
        digits_[p] = static_cast<std::uint8_t>(d);
        return true;
    }

    void Search()
    {
        int best = -1;
        unsigned bestFree = 0;
        int bestCount = 10;
        for (int p = 0; p < 81; ++p) {
            if (digits_[p] != 0)
                continue;
            const unsigned free = ~(rows_[Row(p)] | cols_[Col(p)] | boxes_[Box(p)]) & 0x3FEu;
            const int count = std::popcount(free);
            if (count < bestCount) {
                best = p;
                bestFree = free;
                bestCount = count;
                if (count <= 1)
                    break;
            }
        }
        if (best < 0) {
            Record();
            return;
        }
        for (unsigned free = bestFree; free != 0 && result_.solutions < 2; free &= free - 1) {
            const int d = std::countr_zero(free);
            Place(best, d);
            Search();
            Remove(best, d);
        }
    }

private:
    static int Row(int p) { return p / 9; }
    static int Col(int p) { return p % 9; }
    static int Box(int p) { return p / 27 * 3 + p % 9 / 3; }

    void Remove(int p, int d)
    {
        const unsigned keep = ~(1u << d);
        rows_[Row(p)] &= keep;
        cols_[Col(p)] &= keep;
        boxes_[Box(p)] &= keep;
        digits_[p] = 0;
    }

    void Record()
    {
        auto &grid = result_.solutions == 0 ? result_.first : result_.second;
        for (int p = 0; p < 81; ++p)
            grid[p] = static_cast<char>('0' + digits_[p]);
        ++result_.solutions;
    }

    SolutionCount &result_;
    std::array<unsigned, 9> rows_ {}, cols_ {}, boxes_ {};
    std::array<std::uint8_t, 81> digits_ {};
};

} // namespace

SolutionCount CountSolutions(const std::array<std::uint8_t, 81> &cells)
{
    SolutionCount result;
    Backtracker search(result);
    for (int p = 0; p < 81; ++p) {
        const int d = cells[p];
        if (d >= 1 && d <= 9 && !search.Place(p, d))
            return result;
    }
    search.Search();
    return result;
}

} // namespace quadrelle
