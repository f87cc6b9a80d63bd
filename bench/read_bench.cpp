// Reading puzzles in each form the reader knows, in puzzles a second: reading must never be what
// holds the batch solver back (its count mode answers over 200,000 a second).
#include "form_writers.h"

#include "formats/puzzle_reader.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quadrelle;

constexpr std::size_t PuzzleCount = 20000;

const std::vector<Grid> &Puzzles()
{
    static const std::vector<Grid> puzzles = [] {
        std::mt19937 random(7);
        std::vector<Grid> made(PuzzleCount);
        for (Grid &puzzle : made) {
            for (auto &cell : puzzle)
                cell = static_cast<std::int8_t>(random() % 3 == 0 ? random() % 9 + 1 : 0);
        }
        return made;
    }();
    return puzzles;
}

// The text split into lines as the batch solver's reader hands them on, fed to a reader.
void ReadForm(benchmark::State &state, const std::string &text)
{
    std::vector<ReadPuzzle> found;
    found.reserve(1024);
    std::size_t puzzles = 0;
    for (auto _ : state) {
        PuzzleReader reader;
        std::string_view rest = text;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            reader.Feed(rest.substr(0, end), found);
            rest.remove_prefix(end + 1);
            puzzles += found.size();
            found.clear();
        }
        reader.Finish(found);
        puzzles += found.size();
        benchmark::DoNotOptimize(found.data());
        found.clear();
    }
    if (puzzles != PuzzleCount * state.iterations())
        state.SkipWithError("not every puzzle was read");
    state.SetItemsProcessed(static_cast<std::int64_t>(puzzles));
    state.SetBytesProcessed(static_cast<std::int64_t>(text.size() * state.iterations()));
}

BENCHMARK_CAPTURE(ReadForm, lines, test::AsLines(Puzzles(), '.', ""))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadForm, sdk, test::AsGrids(Puzzles(), test::Sdk))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadForm, simple_sudoku, test::AsGrids(Puzzles(), test::SimpleSudokuPrint))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadForm, forum_grid, test::AsGrids(Puzzles(), test::Forum))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadForm, opensudoku, test::AsOpenSudoku(Puzzles()))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadForm, csv, test::AsCsv(Puzzles(), false))->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
