// The search on fixed puzzles: time per solve and trial placements per second.
// The placement count of each puzzle is a signature: a change means the search chose differently.

#include "solver/pipeline.h"
#include "solver/propagation.h"
#include "solver/search.h"

#include <benchmark/benchmark.h>

#include <string_view>

using namespace quadrelle;

namespace {

Grid ParseGrid(std::string_view text)
{
    Grid grid {};
    for (std::size_t p = 0; p < grid.size(); ++p)
        grid[p] = static_cast<std::int8_t>(text[p] == '.' ? 0 : text[p] - '0');
    return grid;
}

// Givens and propagation are set up once; each iteration searches a copy of that board.
void SearchFrom(benchmark::State &state, std::string_view puzzle, std::int32_t expectedPlacements)
{
    const Grid givens = ParseGrid(puzzle);
    Board start;
    PlaceGivens(start, givens);
    NoGrid noGrid;
    PropagateSingles(start, noGrid, 0);
    const Grid afterPropagation = start.Digits();

    std::int64_t placements = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Board board;
        for (int p = 0; p < CellCount; ++p)
            board.Cells(p).SetValue(afterPropagation[static_cast<std::size_t>(p)]);
        Search search(board);
        search.Initialise();
        state.ResumeTiming();

        search.Run();
        benchmark::DoNotOptimize(search.State().SearchCount);
        placements += search.State().SearchCount;
        if (search.State().SearchCount != expectedPlacements) {
            state.SkipWithError("placement count changed: the search no longer makes the same choices");
            break;
        }
    }
    state.counters["placements/s"] = benchmark::Counter(static_cast<double>(placements), benchmark::Counter::kIsRate);
    state.counters["placements"] = static_cast<double>(expectedPlacements);
}

// The whole pipeline as the batch solver runs it, board set-up included.
void SolvePuzzleWhole(benchmark::State &state, std::string_view puzzle)
{
    const Grid givens = ParseGrid(puzzle);
    std::int64_t placements = 0;
    for (auto _ : state) {
        const auto result = SolvePuzzle(givens);
        benchmark::DoNotOptimize(result);
        placements += result->placements;
    }
    state.counters["placements/s"] = benchmark::Counter(static_cast<double>(placements), benchmark::Counter::kIsRate);
}

constexpr std::string_view Top95Median
    = "005008001800000090000000780000400000640000900000053002060000000001380050000907140";
constexpr std::string_view Top95Hardest
    = "000000520080400000030009000501000600200700000000300000600010000000000704000000030";
constexpr std::string_view Forum1106Hardest
    = "000000009050700020709002000010670050000000400800005000070310000600007030030060001";
constexpr std::string_view CapStress
    = "000000000000000012003004005000003600000070000020000080007800000080120000400000007";

} // namespace

BENCHMARK_CAPTURE(SearchFrom, top95_median, Top95Median, 2'626)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchFrom, top95_hardest, Top95Hardest, 293'343)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchFrom, forum1106_hardest, Forum1106Hardest, 77'031)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchFrom, cap_stress_gave_up, CapStress, 999'999)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolvePuzzleWhole, empty_board,
    std::string_view("000000000000000000000000000000000000000000000000000000000000000000000000000000000"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolvePuzzleWhole, top95_median, Top95Median)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
