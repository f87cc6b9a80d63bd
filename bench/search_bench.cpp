// The search on fixed puzzles: time per solve and trial placements per second, and the cost of
// one placement against a straightforward full scan over hard collections.
// The placement count of each puzzle is a signature: a change means the search chose differently.

#include "model/puzzle_line.h"
#include "reference_solver.h"
#include "solver/pipeline.h"
#include "solver/propagation.h"
#include "solver/search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace quadrelle;

namespace {

Grid ParseGrid(std::string_view text)
{
    return ParsePuzzleLine(text).givens;
}

// A board holding these digits, checked against nothing: the search's own starting point.
void LoadDigits(Board &board, const Grid &digits)
{
    for (int p = 0; p < CellCount; ++p)
        board.CellAt(p).SetValueUnchecked(digits[static_cast<std::size_t>(p)]);
}

// Givens and propagation are set up once; each iteration searches a copy of that board.
void SearchFrom(benchmark::State &state, std::string_view puzzle, std::int32_t expectedPlacements)
{
    const Grid givens = ParseGrid(puzzle);
    Board start;
    PlaceGivens(start, givens);
    NoGrid noGrid;
    PropagateSingles(start, noGrid, TemplateBox);
    const Grid afterPropagation = start.Digits();

    std::int64_t placements = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Board board;
        LoadDigits(board, afterPropagation);
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

// The boards the search starts from (givens and propagation done) for every puzzle of the files.
std::vector<Grid> SearchStarts(const std::vector<std::string> &files)
{
    const char *env = std::getenv("QUADRELLE_DATASETS");
    const std::filesystem::path folder = env != nullptr && *env != '\0' ? env : QUADRELLE_DATASETS;
    std::vector<Grid> starts;
    for (const std::string &file : files) {
        std::ifstream in(folder / file);
        std::string line;
        while (std::getline(in, line)) {
            const PuzzleLine parsed = ParsePuzzleLine(line);
            if (parsed.kind != PuzzleLine::Kind::Puzzle)
                continue;
            Board board;
            if (!PlaceGivens(board, parsed.givens))
                continue;
            NoGrid noGrid;
            if (PropagateSingles(board, noGrid, TemplateBox))
                starts.push_back(board.Digits());
        }
    }
    return starts;
}

double ThreadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

std::int64_t EngineOver(const std::vector<Grid> &starts)
{
    std::int64_t placements = 0;
    for (const Grid &start : starts) {
        Board board;
        LoadDigits(board, start);
        Search search(board);
        search.Initialise();
        search.Run();
        placements += search.State().SearchCount;
    }
    return placements;
}

std::int64_t FullScanOver(const std::vector<Grid> &starts)
{
    std::int64_t placements = 0;
    for (const Grid &start : starts)
        placements += test::ReferenceSolve(start).searchCount;
    return placements;
}

// Nanoseconds of thread CPU time per placement, engine and full scan taken in turns, the best
// of all iterations for each: a shared machine only ever makes a run slower.
void EngineAgainstFullScan(benchmark::State &state)
{
    const auto starts = SearchStarts({"magictour_top1465.txt", "forum_hardest_1106.txt", "cap_stress_7.txt"});
    if (starts.size() != 1465 + 375 + 7) {
        state.SkipWithError("puzzle collections not found: set QUADRELLE_DATASETS");
        return;
    }
    constexpr std::int64_t Expected = 7'481'218 + 5'479'310 + 7 * 999'999;
    double engine = std::numeric_limits<double>::infinity();
    double scan = engine;
    for (auto _ : state) {
        double start = ThreadSeconds();
        const std::int64_t enginePlacements = EngineOver(starts);
        engine = std::min(engine, (ThreadSeconds() - start) * 1e9 / static_cast<double>(enginePlacements));
        start = ThreadSeconds();
        const std::int64_t scanPlacements = FullScanOver(starts);
        scan = std::min(scan, (ThreadSeconds() - start) * 1e9 / static_cast<double>(scanPlacements));
        if (enginePlacements != Expected || scanPlacements != Expected) {
            state.SkipWithError("placement count changed: the search no longer makes the same choices");
            return;
        }
    }
    state.counters["placements"] = static_cast<double>(Expected);
    state.counters["engine_ns"] = engine;
    state.counters["full_scan_ns"] = scan;
    state.counters["ratio"] = scan / engine;
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

BENCHMARK(EngineAgainstFullScan)->Iterations(5)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
