#include "cli/generate_run.h"

#include "cli/progress.h"

#include <algorithm>
#include <atomic>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace quadrelle {

namespace {

constexpr std::size_t LineSize = 82;

struct Tally {
    std::atomic<std::uint64_t> done {0};
    std::atomic<std::uint64_t> candidates {0};
};

// Puzzles [first, first + count) as lines of text on up to run.jobs threads; the calling thread
// takes part and shows progress, candidate by candidate when a rating range turns many away.
// Returns how many were made: fewer when a stop was asked for, each thread then finishing or
// abandoning the puzzle it has; those made before the first unfinished one are kept, so that the
// output is the run's first puzzles whatever the threads did.
std::size_t MakeChunk(const GenerateRun &run, std::uint64_t first, std::size_t count, std::string &text, Tally &tally,
    ProgressBar &progress)
{
    text.assign(count * LineSize, '\n');
    std::vector<char> finished(count, 0);
    std::atomic<std::size_t> next {0};
    generate::GenerateOptions options = run.options;
    options.stop = run.stop;
    const auto work = [&](bool reportsProgress) {
        const auto show = [&] {
            if (reportsProgress)
                progress.Update(static_cast<long>(tally.done), tally.done, static_cast<long>(tally.candidates));
        };
        generate::PuzzleFilter keep;
        if (run.keep)
            keep = [&](const generate::Grid &puzzle) {
                ++tally.candidates;
                show();
                return run.keep(puzzle);
            };
        while (!(run.stopRequested && run.stopRequested())) {
            const std::size_t i = next++;
            if (i >= count)
                return;
            const generate::GeneratedPuzzle made = generate::GeneratePuzzle(run.seed, first + i, options, keep);
            if (made.abandoned)
                return;
            std::transform(made.puzzle.begin(), made.puzzle.end(), text.begin() + static_cast<long>(i * LineSize),
                [](std::uint8_t cell) { return static_cast<char>('0' + cell); });
            finished[i] = 1;
            if (!run.keep)
                ++tally.candidates;
            ++tally.done;
            show();
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < std::min<std::size_t>(run.jobs, count); ++t)
            helpers.emplace_back(work, false);
        work(true);
    }
    const auto made = static_cast<std::size_t>(std::find(finished.begin(), finished.end(), 0) - finished.begin());
    text.resize(made * LineSize);
    return made;
}

// The chunk's lines, from puzzle number first + 1 on, in another output form.
std::string Formatted(const std::string &lines, OutputFormat format, std::uint64_t first)
{
    std::string text;
    for (std::size_t at = 0; at + LineSize <= lines.size(); at += LineSize)
        AppendPuzzle(text, format, first + at / LineSize + 1, std::string_view(lines).substr(at, LineSize - 1));
    return text;
}

} // namespace

GenerateCounts RunGenerate(const GenerateRun &run, std::ostream &out, std::ostream &messages)
{
    // Each chunk waits for its slowest puzzle, so a chunk gives every thread many; but a rating
    // range can make puzzles slow enough that a chunk would keep the first ones back for minutes.
    const std::uint64_t chunkSize = (run.keep ? 8 : 256) * std::max(run.jobs, 1u);
    ProgressBar progress(messages, run.progress, run.count);
    Tally tally;
    GenerateCounts counts;
    std::string text;
    for (std::uint64_t first = 0; first < run.count; first += chunkSize) {
        const auto count = static_cast<std::size_t>(std::min(chunkSize, run.count - first));
        const std::size_t made = MakeChunk(run, first, count, text, tally, progress);
        // Cleared only where the puzzles would mix with it: elsewhere it stays steady.
        if (run.outputBesideProgress)
            progress.Clear();
        if (run.format != OutputFormat::Line)
            text = Formatted(text, run.format, first);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            counts.writeFailed = true;
            break;
        }
        counts.puzzles += made;
        if (made < count) {
            counts.stopped = true;
            break;
        }
    }
    progress.Clear();
    counts.candidates = tally.candidates;
    return counts;
}

} // namespace quadrelle
