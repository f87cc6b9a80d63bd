#include "full_scan_search.h"

#include "model/positions.h"

#include <array>
#include <bit>

namespace quadrelle::bench {

namespace {

class FullScan {
public:
    explicit FullScan(const Grid &start)
    {
        groups_.fill(0x3FE);
        for (int p = 0; p < CellCount; ++p)
            if (start[static_cast<std::size_t>(p)] != 0)
                Set(p, start[static_cast<std::size_t>(p)]);
    }

    FullScanResult Run()
    {
        const int p = Pick();
        Try(p, mask_);
        return {count_, stop_ && !gaveUp_, gaveUp_};
    }

private:
    std::int32_t Candidates(int p) const
    {
        return groups_[static_cast<std::size_t>(RowGroupOf(p))] & groups_[static_cast<std::size_t>(ColGroupOf(p))]
            & groups_[static_cast<std::size_t>(BoxGroupOf(p))];
    }

    void Set(int p, int d)
    {
        const std::size_t row = static_cast<std::size_t>(RowGroupOf(p));
        const std::size_t col = static_cast<std::size_t>(ColGroupOf(p));
        const std::size_t box = static_cast<std::size_t>(BoxGroupOf(p));
        const int old = values_[static_cast<std::size_t>(p)];
        if (old != 0) {
            groups_[row] |= 1 << old;
            groups_[col] |= 1 << old;
            groups_[box] |= 1 << old;
        }
        values_[static_cast<std::size_t>(p)] = static_cast<std::int8_t>(d);
        if (d != 0) {
            groups_[row] &= ~(1 << d);
            groups_[col] &= ~(1 << d);
            groups_[box] &= ~(1 << d);
        }
    }

    int Pick()
    {
        int best = 10;
        if (values_[static_cast<std::size_t>(current_)] == 0) {
            mask_ = Candidates(current_);
            best = std::popcount(static_cast<std::uint32_t>(mask_));
        }
        bool any = false;
        for (int q = 0; q < CellCount; ++q) {
            if (values_[static_cast<std::size_t>(q)] != 0)
                continue;
            any = true;
            const std::int32_t m = Candidates(q);
            const int k = std::popcount(static_cast<std::uint32_t>(m));
            if (k < best) {
                best = k;
                current_ = q;
                mask_ = m;
            }
        }
        stop_ = !any;
        return current_;
    }

    void Try(int p, std::int32_t m)
    {
        if (stop_ || m == 0)
            return;
        for (int d = 1; d <= 9; ++d) {
            if ((m & (1 << d)) == 0)
                continue;
            Set(p, d);
            if (++count_ >= 999'999) {
                stop_ = gaveUp_ = true;
                return;
            }
            const int next = Pick();
            Try(next, mask_);
            if (stop_)
                return;
        }
        Set(p, 0);
    }

    std::array<std::int8_t, CellCount> values_ {};
    std::array<std::int32_t, GroupCount> groups_ {};
    std::int32_t count_ = 0;
    int current_ = 0;
    std::int32_t mask_ = 0;
    bool stop_ = false;
    bool gaveUp_ = false;
};

} // namespace

FullScanResult FullScanSearch(const Grid &start)
{
    return FullScan(start).Run();
}

} // namespace quadrelle::bench
