#include "logic/candidate_grid.h"
#include "logic/geometry.h"
#include "logic/techniques.h"

// Both rest on the puzzle having one solution, which the rater checks first.

namespace quadrelle::logic {

namespace {

void Remove(const CandidateGrid &grid, int cell, DigitMask digits, Step &step)
{
    step.EliminateEach(cell, grid.Candidates(cell) & digits);
}

// Four cells on two rows, two columns and two boxes, all holding {a,b}: the puzzle would have two
// solutions if they held nothing else, so the extra candidates must stay.
bool Rectangle(const CandidateGrid &grid, const std::array<int, 4> &corners, DigitMask pair, Step &step)
{
    std::array<int, 4> floor {}, roof {};
    int floors = 0, roofs = 0;
    for (const int cell : corners)
        (grid.Candidates(cell) == pair ? floor[floors++] : roof[roofs++]) = cell;
    if (roofs == 1) {
        Remove(grid, roof[0], pair, step);
        return true;
    }
    if (roofs != 2 || floors != 2)
        return false;
    const DigitMask extraA = grid.Candidates(roof[0]) & ~pair, extraB = grid.Candidates(roof[1]) & ~pair;
    if (extraA == extraB && CountOf(extraA) == 1) {
        const int digit = std::countr_zero(extraA);
        (Geo().peers[roof[0]] & Geo().peers[roof[1]] & grid.CellsOf(digit)).ForEach([&](int cell) {
            step.Eliminate(cell, digit);
        });
        if (!step.eliminations.empty()) {
            step.tenths += 1;
            return true;
        }
    }
    for (const int unit : Geo().unitsOf[roof[0]]) {
        if (!Geo().unit[unit].Has(roof[1]))
            continue;
        for (DigitMask m = pair; m; m &= m - 1) {
            const int digit = std::countr_zero(m);
            if ((grid.CellsOf(digit) & Geo().unit[unit]).Count() != 2)
                continue;
            const DigitMask other = static_cast<DigitMask>(pair & ~BitOf(digit));
            Remove(grid, roof[0], other, step);
            Remove(grid, roof[1], other, step);
            step.tenths += 1;
            return true;
        }
    }
    return false;
}

} // namespace

bool FindUniqueRectangle(const CandidateGrid &grid, Step &step)
{
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3))
                        continue;
                    const std::array<int, 4> corners {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    DigitMask common = 0x1ff;
                    int bivalue = 0;
                    for (const int cell : corners) {
                        common &= grid.Candidates(cell);
                        bivalue += CountOf(grid.Candidates(cell)) == 2;
                    }
                    if (CountOf(common) != 2 || bivalue < 2)
                        continue;
                    if (Rectangle(grid, corners, common, step))
                        return true;
                }
    return false;
}

// Every open cell has two candidates but one, which has three, and every digit has two places in
// each unit but the one digit of that cell that has three: any other digit there would leave a
// pattern with two solutions.
bool FindBug(const CandidateGrid &grid, Step &step)
{
    int odd = -1;
    bool bug = true;
    grid.Open().ForEach([&](int cell) {
        const int n = CountOf(grid.Candidates(cell));
        if (n == 3 && odd < 0)
            odd = cell;
        else if (n != 2)
            bug = false;
    });
    if (!bug || odd < 0)
        return false;
    int extra = -1;
    for (DigitMask m = grid.Candidates(odd); m; m &= m - 1) {
        const int digit = std::countr_zero(m);
        bool three = true;
        for (const int unit : Geo().unitsOf[odd])
            three = three && (grid.CellsOf(digit) & Geo().unit[unit]).Count() == 3;
        if (three)
            extra = digit;
    }
    if (extra < 0)
        return false;
    for (int unit = 0; unit < UnitCount; ++unit)
        for (int digit = 0; digit < 9; ++digit) {
            Cells81 places = grid.CellsOf(digit) & Geo().unit[unit];
            if (digit == extra)
                places.Clear(odd);
            if (places.Count() != 0 && places.Count() != 2)
                return false;
        }
    step.placements.push_back({static_cast<std::uint8_t>(odd), static_cast<std::uint8_t>(extra)});
    return true;
}

} // namespace quadrelle::logic
