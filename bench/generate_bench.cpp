// Minimal unique puzzles a second on one thread, for each symmetry and without minimality, and
// for each whole-point rating band from 1 to 7 (every candidate rated, those outside drawn again).
//
//   generate_bench [--benchmark_filter=...]

#include "generate/generator.h"
#include "generate/rating_filter.h"

#include <benchmark/benchmark.h>

using namespace quadrelle::generate;

namespace {

void Generate(benchmark::State &state, GenerateOptions options)
{
    std::uint64_t index = 0;
    long givens = 0;
    for (auto _ : state) {
        const GeneratedPuzzle generated = GeneratePuzzle(2026, index++, options, {});
        for (const std::uint8_t cell : generated.puzzle)
            givens += cell != 0;
        benchmark::DoNotOptimize(generated);
    }
    state.counters["puzzles"] = benchmark::Counter(static_cast<double>(index), benchmark::Counter::kIsRate);
    state.counters["givens"] = static_cast<double>(givens) / static_cast<double>(index);
}

void GenerateRated(benchmark::State &state)
{
    const int band = static_cast<int>(state.range(0));
    const PuzzleFilter keep = RatingFilter({band * 10, band * 10 + 9});
    std::uint64_t index = 0;
    long candidates = 0;
    for (auto _ : state)
        candidates += GeneratePuzzle(2026, index++, {}, keep).candidates;
    state.counters["puzzles"] = benchmark::Counter(static_cast<double>(index), benchmark::Counter::kIsRate);
    state.counters["candidates"] = static_cast<double>(candidates) / static_cast<double>(index);
}

} // namespace

BENCHMARK_CAPTURE(Generate, none, GenerateOptions {Symmetry::None, true})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, central, GenerateOptions {Symmetry::Central, true})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, diagonal, GenerateOptions {Symmetry::Diagonal, true})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, mirror, GenerateOptions {Symmetry::Mirror, true})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Generate, not_minimal, GenerateOptions {Symmetry::None, false})->Unit(benchmark::kMicrosecond);
BENCHMARK(GenerateRated)->DenseRange(1, 7)->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
