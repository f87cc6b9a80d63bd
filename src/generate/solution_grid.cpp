#include "generate/solution_grid.h"

#include "model/digits.h"

#include <bit>
#include <numeric>

namespace quadrelle::generate {

namespace {

// A fill of the empty grid: the open cell with the fewest candidates next (ties go to the first
// in a random order of the open cells), its candidates in a random order. Dead ends are rare and
// shallow; a fill that wanders too long starts over with a new cell order (Las Vegas), so no
// draw takes long.
class Filler {
public:
    explicit Filler(Random &random) : random_(random) { }

    Grid Fill()
    {
        for (;;) {
            grid_.fill(0);
            used_.fill(0);
            nodes_ = 0;
            std::iota(open_.begin(), open_.end(), std::uint8_t {0});
            random_.Shuffle(std::span(open_));
            openCount_ = open_.size();
            if (Extend())
                return grid_;
        }
    }

private:
    static constexpr long NodeLimit = 1000;

    unsigned Free(int cell) const
    {
        const auto &[row, column, box] = UnitsOf(Cell(cell));
        return ~(used_[row] | used_[column] | used_[box]) & static_cast<unsigned>(AllDigits);
    }

    void Set(int cell, std::uint8_t digit)
    {
        const auto bit = BitOf(Digit(digit != 0 ? digit : grid_[static_cast<std::size_t>(cell)]));
        for (const std::uint8_t unit : UnitsOf(Cell(cell)))
            used_[unit] ^= static_cast<std::uint16_t>(bit);
        grid_[static_cast<std::size_t>(cell)] = digit;
    }

    bool Extend()
    {
        if (openCount_ == 0)
            return true;
        std::size_t bestAt = 0;
        unsigned bestFree = 0;
        int bestCount = 10;
        for (std::size_t at = 0; at < openCount_; ++at) {
            const unsigned free = Free(open_[at]);
            const int count = CountOf(static_cast<std::int32_t>(free));
            if (count < bestCount) {
                bestAt = at, bestFree = free, bestCount = count;
                if (count <= 1)
                    break;
            }
        }
        if (bestCount == 0 || ++nodes_ > NodeLimit)
            return false;

        std::array<std::uint8_t, 9> digits {};
        std::size_t count = 0;
        for (unsigned rest = bestFree; rest != 0; rest &= rest - 1)
            digits[count++] = static_cast<std::uint8_t>(LowestDigit(static_cast<std::int32_t>(rest)).Value());
        random_.Shuffle(std::span(digits.data(), count));
        const int best = open_[bestAt];
        std::swap(open_[bestAt], open_[--openCount_]);
        for (std::size_t i = 0; i < count; ++i) {
            Set(best, digits[i]);
            const bool done = Extend();
            if (done)
                return true;
            Set(best, 0);
            if (nodes_ > NodeLimit)
                break;
        }
        ++openCount_;
        return false;
    }

    Random &random_;
    Grid grid_ {};
    // The digits (bit d) already in each row, column and box.
    std::array<std::uint16_t, 27> used_ {};
    // The open cells first, in a random order that placing and taking back shuffle further.
    std::array<std::uint8_t, 81> open_ {};
    std::size_t openCount_ = 0;
    long nodes_ = 0;
};

} // namespace

Grid RandomSolutionGrid(Random &random)
{
    return Filler(random).Fill();
}

} // namespace quadrelle::generate
