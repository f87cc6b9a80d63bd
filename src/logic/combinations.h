#pragma once

#include <array>

namespace quadrelle::logic {

// Calls found(picked, union) for every choice of `size` of the first `count` items whose union,
// as the caller counts it, stays within `size`; stops when found returns true.
template <class Mask, class Width, class Found>
bool ForEachTightSet(const std::array<Mask, 9> &items, int count, int size, Width width, Found found)
{
    std::array<int, 4> picked {};
    const auto walk = [&](auto &self, int from, int depth, Mask joined) -> bool {
        if (depth == size)
            return found(picked, joined);
        for (int i = from; i <= count - (size - depth); ++i) {
            const Mask next = joined | items[i];
            if (width(next) > size)
                continue;
            picked[depth] = i;
            if (self(self, i + 1, depth + 1, next))
                return true;
        }
        return false;
    };
    return walk(walk, 0, 0, Mask {});
}

} // namespace quadrelle::logic
