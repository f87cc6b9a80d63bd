// quadrelle-solve: the Quadrelle engine over files of puzzles, one puzzle a line.

#include "batch/answer.h"
#include "cli/batch.h"
#include "cli/batch_input.h"
#include "cli/command_line.h"
#include "cli/generate_run.h"
#include "cli/interruption.h"
#include "cli/output_buffer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using quadrelle::BatchInput;
using quadrelle::BatchOptions;
using quadrelle::Verdict;

// Each file is opened only when its turn comes; one that cannot be read is reported then. Sets
// what the options learn from the files and the standard streams.
std::vector<std::unique_ptr<BatchInput>> Inputs(const std::vector<std::string> &files, BatchOptions &options)
{
    std::vector<std::unique_ptr<BatchInput>> inputs;
    bool someTerminal = false;
    for (const std::string &file : files) {
        inputs.push_back(std::make_unique<quadrelle::FileInput>(file));
        struct stat status { };
        const bool known = file == "-" ? ::fstat(STDIN_FILENO, &status) == 0 : ::stat(file.c_str(), &status) == 0;
        if (!known)
            continue;
        if (S_ISREG(status.st_mode))
            options.totalBytes += static_cast<std::uintmax_t>(status.st_size);
        someTerminal = someTerminal || S_ISCHR(status.st_mode);
    }
    // A bar would mix with what a person types.
    options.progress = isatty(STDERR_FILENO) && !someTerminal;
    options.outputBesideProgress = isatty(STDOUT_FILENO);
    return inputs;
}

// After what was found before the signal: says so, then the summary, and ends by the signal.
template <class Summary> [[noreturn]] void EndByStopSignal(Summary summary)
{
    const int signal = quadrelle::CaughtStopSignal();
    std::cerr << "quadrelle-solve: stopped by " << (signal == SIGINT ? "SIGINT" : "SIGTERM") << "\n";
    summary();
    std::cerr.flush();
    quadrelle::EndBySignal(signal);
}

void PrintSummary(const quadrelle::BatchCounts &counts, quadrelle::BatchMode mode, double seconds)
{
    char verdicts[160];
    if (mode != quadrelle::BatchMode::Solve)
        std::snprintf(verdicts, sizeof verdicts, "%ld unique, %ld multiple, %ld none, %ld invalid",
            counts.Of(Verdict::Unique), counts.Of(Verdict::Multiple), counts.Of(Verdict::None),
            counts.Of(Verdict::Invalid));
    else
        std::snprintf(verdicts, sizeof verdicts, "%ld solved, %ld unsolvable, %ld gave-up, %ld invalid",
            counts.Of(Verdict::Solved), counts.Of(Verdict::Unsolvable), counts.Of(Verdict::GaveUp),
            counts.Of(Verdict::Invalid));
    char summary[256];
    std::snprintf(summary, sizeof summary, "quadrelle-solve: %ld %s: %s; %.2f s, %.1f puzzles/s\n", counts.total(),
        counts.total() == 1 ? "puzzle" : "puzzles", verdicts, seconds, seconds > 0 ? counts.total() / seconds : 0.0);
    std::cerr << summary;
}

int Run(const std::vector<std::unique_ptr<BatchInput>> &inputs, const BatchOptions &options)
{
    quadrelle::OutputBuffer outputBuffer(STDOUT_FILENO);
    std::ostream out(&outputBuffer);

    const auto start = std::chrono::steady_clock::now();
    const quadrelle::BatchCounts counts = quadrelle::RunBatch(inputs, out, std::cerr, options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (counts.writeFailed) {
        std::cerr << "quadrelle-solve: could not write the results: " << outputBuffer.Error() << '\n';
        return 2;
    }
    if (counts.stopped)
        EndByStopSignal([&] { PrintSummary(counts, options.mode, seconds); });
    PrintSummary(counts, options.mode, seconds);
    if (counts.readErrors > 0)
        return 2;
    return counts.Of(Verdict::Invalid) > 0 ? 1 : 0;
}

int Generate(const quadrelle::GenerateRequest &request, const quadrelle::BatchOptions &options)
{
    quadrelle::GenerateRun run;
    run.count = request.count;
    run.seed = request.seed ? *request.seed : quadrelle::generate::FreshSeed();
    run.options = request.options;
    run.stop = &quadrelle::StopFlag();
    if (request.rating)
        run.keep = quadrelle::generate::RatingFilter(*request.rating, run.stop);
    run.jobs = options.jobs;
    run.format = options.format;
    run.progress = isatty(STDERR_FILENO);
    run.outputBesideProgress = isatty(STDOUT_FILENO);
    quadrelle::CatchStopSignals();
    run.stopRequested = [] { return quadrelle::CaughtStopSignal() != 0; };

    quadrelle::OutputBuffer outputBuffer(STDOUT_FILENO);
    std::ostream out(&outputBuffer);
    const auto start = std::chrono::steady_clock::now();
    const quadrelle::GenerateCounts counts = quadrelle::RunGenerate(run, out, std::cerr);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (counts.writeFailed) {
        std::cerr << "quadrelle-solve: could not write the puzzles: " << outputBuffer.Error() << '\n';
        return 2;
    }
    const auto printSummary = [&] {
        char summary[256];
        std::snprintf(summary, sizeof summary,
            "quadrelle-solve: %llu %s generated, seed %llu; %.2f s, %.1f puzzles/s",
            static_cast<unsigned long long>(counts.puzzles), counts.puzzles == 1 ? "puzzle" : "puzzles",
            static_cast<unsigned long long>(run.seed), seconds,
            seconds > 0 ? static_cast<double>(counts.puzzles) / seconds : 0.0);
        std::cerr << summary;
        if (request.rating)
            std::cerr << "; " << counts.candidates << (counts.candidates == 1 ? " candidate" : " candidates")
                      << " tried";
        std::cerr << '\n';
    };
    if (counts.stopped)
        EndByStopSignal(printSummary);
    printSummary();
    return 0;
}

// Help and version go to standard output; a failure to write them is a failure too.
int Show(std::string_view text)
{
    if (std::cout << text << std::flush)
        return 0;
    std::cerr << "quadrelle-solve: could not write to standard output\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        quadrelle::CommandLine commandLine = quadrelle::ParseCommandLine(argc, argv);
        switch (commandLine.action) {
        case quadrelle::CommandLine::Action::Help:
            return Show(quadrelle::HelpText());
        case quadrelle::CommandLine::Action::Version:
            return Show(quadrelle::VersionText());
        case quadrelle::CommandLine::Action::Generate:
            return Generate(commandLine.generate, commandLine.options);
        case quadrelle::CommandLine::Action::Run:
            break;
        }
        quadrelle::CatchStopSignals();
        commandLine.options.stopRequested = [] { return quadrelle::CaughtStopSignal() != 0; };
        const auto inputs = Inputs(commandLine.files, commandLine.options);
        return Run(inputs, commandLine.options);
    } catch (const quadrelle::UsageError &error) {
        std::cerr << "quadrelle-solve: " << error.what() << '\n' << quadrelle::UsageHint();
    }
    return 2;
}
