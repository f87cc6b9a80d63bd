#pragma once

// The generator's own random numbers (xoshiro256**, seeded through SplitMix64), so that a seed
// gives the same puzzles on every compiler and library: the standard distributions do not.

#include <cstdint>
#include <span>
#include <utility>

namespace quadrelle::generate {

class Random {
public:
    explicit Random(std::uint64_t seed);

    std::uint64_t Next();
    // Uniform in [0, bound); bound >= 1.
    std::uint32_t Below(std::uint32_t bound);

    template <typename T, std::size_t Extent> void Shuffle(std::span<T, Extent> items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(static_cast<std::uint32_t>(i))]);
    }

private:
    std::uint64_t state_[4];
};

// A seed for a run that was given none, from the system's random source.
std::uint64_t FreshSeed();

// The seed of one puzzle of a run: independent of how the run is split over threads.
std::uint64_t PuzzleSeed(std::uint64_t runSeed, std::uint64_t index);

} // namespace quadrelle::generate
