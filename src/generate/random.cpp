#include "generate/random.h"

#include <random>

namespace quadrelle::generate {

namespace {

std::uint64_t SplitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

constexpr std::uint64_t RotateLeft(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

Random::Random(std::uint64_t seed)
{
    for (std::uint64_t &word : state_)
        word = SplitMix(seed);
}

std::uint64_t Random::Next()
{
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

// Lemire's multiply-and-shift, with the few products that would favour low values rejected.
std::uint32_t Random::Below(std::uint32_t bound)
{
    const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
    for (;;) {
        const std::uint64_t product = (Next() >> 32) * bound;
        if (static_cast<std::uint32_t>(product) >= threshold)
            return static_cast<std::uint32_t>(product >> 32);
    }
}

std::uint64_t FreshSeed()
{
    std::random_device source;
    return (std::uint64_t {source()} << 32) ^ source();
}

std::uint64_t PuzzleSeed(std::uint64_t runSeed, std::uint64_t index)
{
    std::uint64_t state = runSeed;
    const std::uint64_t mixedRun = SplitMix(state);
    state = mixedRun ^ index;
    return SplitMix(state);
}

} // namespace quadrelle::generate
