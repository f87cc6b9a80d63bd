// "Start Solving" as a whole against the bare search, on puzzles that take the search close
// to or up to its placement budget. The difference is what the window adds: the grid
// copies, the display, and the event processing every 8192 placements.

#include "model/puzzle_line.h"
#include "shell/form1.h"
#include "kit/message_boxes.h"
#include "solver/pipeline.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string_view>

using namespace quadrelle;

namespace {

struct Puzzle {
    const char *name;
    std::string_view givens;
};

// Line 7004 of the 17-clue collection, solved after 992,610 placements, and a puzzle that
// reaches the budget.
constexpr Puzzle NearLimit {
    "near-limit", "000000000000000012003004005000000060000078400290000000000006000008000009060210000"};
constexpr Puzzle GivesUp {
    "gives-up", "000000000000000012003004005000003600000070000020000080007800000080120000400000007"};

class SilentBoxes final : public MessageBoxes {
public:
    void Show(const QString &, const QString &, MessageIcon) override { }
};

void BareSearch(benchmark::State &state, Puzzle puzzle)
{
    const Grid givens = ParsePuzzleLine(puzzle.givens).givens;
    std::int64_t placements = 0;
    for (auto _ : state)
        placements += SolvePuzzle(givens)->placements;
    state.counters["placements/s"] = benchmark::Counter(double(placements), benchmark::Counter::kIsRate);
}

void SearchWithEvents(benchmark::State &state, Puzzle puzzle)
{
    const Grid givens = ParsePuzzleLine(puzzle.givens).givens;
    std::int64_t placements = 0;
    for (auto _ : state)
        placements += SolvePuzzle(givens, [] { QCoreApplication::processEvents(); })->placements;
    state.counters["placements/s"] = benchmark::Counter(double(placements), benchmark::Counter::kIsRate);
}

void StartSolving(benchmark::State &state, Puzzle puzzle)
{
    QTemporaryDir folder;
    SilentBoxes boxes;
    Form1 form(Form1Environment {folder.path(), &boxes, [] { return 0.5; }, [](const QUrl &) { return true; }});
    form.Form_Load();
    form.show();
    for (int n = 1; n <= 81; ++n) {
        const char c = puzzle.givens[static_cast<std::size_t>(n - 1)];
        if (c >= '1' && c <= '9')
            form.txPuz(n).SetText(QString(QChar(c)));
    }
    // The command puts the model back to the puzzle grid, so every run repeats the first.
    for (auto _ : state)
        form.PushButton2_Click();
}

} // namespace

BENCHMARK_CAPTURE(BareSearch, near_limit, NearLimit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWithEvents, near_limit, NearLimit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartSolving, near_limit, NearLimit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareSearch, gives_up, GivesUp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SearchWithEvents, gives_up, GivesUp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartSolving, gives_up, GivesUp)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
