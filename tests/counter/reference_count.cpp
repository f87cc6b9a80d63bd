#include "reference_count.h"

namespace quadrelle::test {

bool Allowed(const Cells &cells, int p, int d)
{
    const int row = p / 9, col = p % 9;
    for (int i = 0; i < 9; ++i) {
        if (i != col && cells[row * 9 + i] == d)
            return false;
        if (i != row && cells[i * 9 + col] == d)
            return false;
    }
    const int top = row / 3 * 3, left = col / 3 * 3;
    for (int r = top; r < top + 3; ++r)
        for (int c = left; c < left + 3; ++c)
            if ((r != row || c != col) && cells[r * 9 + c] == d)
                return false;
    return true;
}

namespace {

void Count(Cells &cells, int &found)
{
    int best = -1, bestCount = 10;
    for (int p = 0; p < 81 && bestCount > 1; ++p) {
        if (cells[p] != 0)
            continue;
        int count = 0;
        for (int d = 1; d <= 9; ++d)
            count += Allowed(cells, p, d) ? 1 : 0;
        if (count < bestCount) {
            best = p;
            bestCount = count;
        }
    }
    if (best < 0) {
        ++found;
        return;
    }
    for (int d = 1; d <= 9 && found < 2; ++d) {
        if (!Allowed(cells, best, d))
            continue;
        cells[best] = static_cast<std::uint8_t>(d);
        Count(cells, found);
        cells[best] = 0;
    }
}

} // namespace

int ReferenceCount(const Cells &cells)
{
    Cells work = cells;
    for (int p = 0; p < 81; ++p)
        if (work[p] != 0 && !Allowed(work, p, work[p]))
            return 0;
    int found = 0;
    Count(work, found);
    return found;
}

} // namespace quadrelle::test
