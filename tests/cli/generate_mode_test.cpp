// quadrelle-solve --generate: puzzles that feed straight back in, the same for a seed whatever
// the number of jobs, and usage errors for what cannot be done.

#include "batch_solver_fixture.h"

#include <algorithm>
#include <regex>

#include <poll.h>

using namespace quadrelle::testing;

namespace {

std::string SeedIn(const std::string &summary)
{
    std::smatch match;
    return std::regex_search(summary, match, std::regex("seed ([0-9]+)")) ? match[1].str() : "";
}

} // namespace

TEST_F(BatchSolver, GeneratedPuzzlesAreUniqueAndTheSameForASeedWithOneJobOrTwo)
{
    // More puzzles than one job's first batch, so that the run is written in several parts.
    const Result one = Run({"--generate", "300", "--seed", "42", "--jobs", "1", "--symmetry", "central"});
    const Result two = Run({"--generate=300", "--seed=42", "--jobs=2", "--symmetry=central"});
    ASSERT_EQ(one.exitCode, 0) << one.err;
    ASSERT_EQ(two.exitCode, 0) << two.err;
    EXPECT_EQ(one.out, two.out);
    EXPECT_EQ(SeedIn(one.err), "42") << one.err;
    EXPECT_NE(one.err.find("300 puzzles generated"), std::string::npos) << one.err;
    EXPECT_EQ(one.err.find("candidates"), std::string::npos) << one.err;

    const std::vector<std::string> puzzles = Lines(one.out);
    ASSERT_EQ(puzzles.size(), 300u);
    for (const std::string &puzzle : puzzles)
        EXPECT_TRUE(std::regex_match(puzzle, std::regex("[0-9]{81}"))) << puzzle;

    const Result counted = Run({"--count", File("puzzles.txt", one.out).string()});
    EXPECT_EQ(counted.exitCode, 0);
    EXPECT_NE(counted.err.find("300 unique"), std::string::npos) << counted.err;
}

TEST_F(BatchSolver, GeneratedGridsReadBackAsTheSamePuzzlesAndJsonNumbersThem)
{
    const Result lines = Run({"--generate", "20", "--seed", "7"});
    const Result grids = Run({"--generate", "20", "--seed", "7", "--format", "grid"});
    const Result json = Run({"--generate", "20", "--seed", "7", "--format=jsonl"});
    ASSERT_EQ(grids.exitCode, 0) << grids.err;
    EXPECT_EQ(Run({"--count", File("grids.txt", grids.out).string()}).out,
        Run({"--count", File("lines.txt", lines.out).string()}).out);
    const std::vector<std::string> objects = Lines(json.out);
    ASSERT_EQ(objects.size(), 20u);
    EXPECT_EQ(objects.back(), "{\"puzzle\":20,\"givens\":\"" + Lines(lines.out).back() + "\"}");
}

TEST_F(BatchSolver, GeneratorWithoutASeedNamesTheOneItDrewAndThatSeedRepeatsTheRun)
{
    const Result first = Run({"--generate", "20", "--no-minimal"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::string seed = SeedIn(first.err);
    ASSERT_NE(seed, "") << first.err;
    EXPECT_EQ(Run({"--generate", "20", "--no-minimal", "--seed", seed}).out, first.out);
    EXPECT_NE(Run({"--generate", "20", "--seed", seed}).out, first.out);
}

TEST_F(BatchSolver, RatingRangeIsHonouredAndTheCandidatesTriedCounted)
{
    const Result made = Run({"--generate", "6", "--seed", "9", "--rating", "2-3.9", "--jobs", "2"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_TRUE(std::regex_search(made.err, std::regex("6 puzzles generated.*; [0-9]+ candidates tried\n$")))
        << made.err;
    EXPECT_EQ(Run({"--generate", "6", "--seed", "9", "--rating", "2-3.9", "--jobs", "1"}).out, made.out);

    const std::vector<std::string> ratings = Lines(Run({"--rate", File("made.txt", made.out).string()}).out);
    ASSERT_EQ(ratings.size(), 6u);
    for (const std::string &line : ratings) {
        std::smatch score;
        ASSERT_TRUE(std::regex_search(line, score, std::regex("^rated ([0-9]+\\.[0-9]) "))) << line;
        EXPECT_GE(std::stod(score[1]), 2.0) << line;
        EXPECT_LE(std::stod(score[1]), 3.9) << line;
    }
}

TEST_F(BatchSolver, GeneratorUsageErrorsAndAFullOutput)
{
    for (const char *option : {"--generate", "--seed", "--symmetry", "--rating", "--no-minimal"})
        EXPECT_NE(Run({"--help"}).out.find(option), std::string::npos) << option;
    ExpectUsageError({"--generate", "0"}, "--generate");
    ExpectUsageError({"--generate", "ten"}, "'ten'");
    ExpectUsageError({"--generate"}, "--generate");
    ExpectUsageError({"--seed", "5"}, "--seed");
    ExpectUsageError({"--symmetry", "central"}, "--symmetry");
    ExpectUsageError({"--no-minimal", "--rating", "2-3"}, "--no-minimal");
    ExpectUsageError({"--generate", "3", "--seed", "-1"}, "'-1'");
    ExpectUsageError({"--generate", "3", "--symmetry", "spiral"}, "'spiral'");
    ExpectUsageError({"--generate", "3", "--count"}, "--count");
    ExpectUsageError({"--generate", "3", "puzzles.txt"}, "'puzzles.txt'");
    for (const char *range : {"3", "3-", "4-3", "2.25-3", "a-b"})
        ExpectUsageError({"--generate", "3", "--rating", range}, range);
    // Ranges that hold no score the scale gives name the nearest ones there are.
    ExpectUsageError({"--generate", "3", "--rating", "0.1-0.9"}, "0.1-0.9: the nearest ratings a puzzle can have are 1.2 above");
    ExpectUsageError({"--generate", "3", "--rating", "90-99"}, "90.0-99.0");
    ExpectUsageError({"--generate", "1", "--rating", "2.1-2.2"}, " below it and 2.3 above it");
    for (const char *gap : {"1.0-1.1", "0.5-1.0", "1.3-1.4", "2.4-2.4", "3.1-3.1"})
        ExpectUsageError({"--generate", "1", "--rating", gap}, std::string("rated ") + gap);

    const Result full = Run({"--generate", "3"}, "", "/dev/full");
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_NE(full.err.find("could not write"), std::string::npos) << full.err;
}

// A long run stopped by a signal keeps what it made: the first puzzles of the seed's run, all of
// them, then the summary with the seed, so that the run can be taken up again.
TEST_F(BatchSolver, GeneratorStoppedBySignalWritesThePuzzlesMadeAndTheSeed)
{
    const pid_t pid = Start({"--generate", "10000000", "--seed", "3", "--jobs", "2"}, {});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (ReadFile(StdoutPath()).size() < 82 * 300 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    kill(pid, SIGINT);
    const Result stopped = Finish(pid, {});

    EXPECT_EQ(stopped.signal, SIGINT) << "exit status " << stopped.exitCode;
    const std::size_t made = Lines(stopped.out).size();
    ASSERT_GE(made, 300u);
    EXPECT_EQ(Run({"--generate", std::to_string(made), "--seed", "3"}).out, stopped.out);
    EXPECT_NE(stopped.err.find("quadrelle-solve: stopped by SIGINT\nquadrelle-solve: " + std::to_string(made)
                  + " puzzles generated, seed 3;"),
        std::string::npos)
        << stopped.err;
}

// Puzzles rated 9.5 and more are one candidate in thousands: each stop signal ends such a run
// within a fraction of a second, abandoning the ratings in progress, and the run still writes what
// it made, then the summary with the seed it drew, and ends by the signal.
TEST_F(BatchSolver, RatingRunStopsAtOnceOnEachStopSignal)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal == SIGINT ? "SIGINT" : "SIGTERM");
        const pid_t pid = Start({"--generate", "100", "--rating", "9.5-11.0", "--jobs", "2"}, {});
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        const auto sent = std::chrono::steady_clock::now();
        kill(pid, signal);
        const Result stopped = Finish(pid, {}, std::chrono::seconds(30));
        const auto took = std::chrono::steady_clock::now() - sent;

        EXPECT_EQ(stopped.signal, signal) << "exit status " << stopped.exitCode;
        EXPECT_LT(took, std::chrono::seconds(2));
        std::smatch summary;
        ASSERT_TRUE(std::regex_search(stopped.err, summary,
            std::regex("stopped by SIG(INT|TERM)\nquadrelle-solve: ([0-9]+) puzzles? generated, seed [0-9]+; .*"
                       "; [0-9]+ candidates tried\n$")))
            << stopped.err;
        EXPECT_EQ(Lines(stopped.out).size(), std::stoul(summary[2])) << stopped.out;
    }
}

// The bar on a terminal is drawn over itself and erased only when the run ends, not after each
// batch of puzzles, when the puzzles go elsewhere.
TEST_F(BatchSolver, GeneratorProgressBarStaysSteady)
{
    Pty terminal;
    ASSERT_TRUE(terminal.Ready());
    Streams streams;
    streams.stderrFd = terminal.slave;
    const pid_t pid = Start({"--generate", "3000000", "--jobs", "2"}, streams);
    terminal.CloseSlave();
    std::string seen;
    const auto read = [&](int waitMs) {
        pollfd ready {terminal.master, POLLIN, 0};
        char text[512];
        const ssize_t got = poll(&ready, 1, waitMs) > 0 ? ::read(terminal.master, text, sizeof text) : 0;
        seen.append(text, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        return got > 0;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(2500);
    while (std::chrono::steady_clock::now() < deadline)
        read(50);
    kill(pid, SIGINT);
    Finish(pid, streams, std::chrono::seconds(30), [&] { read(0); });
    while (read(100)) { }

    const std::size_t bars = static_cast<std::size_t>(std::count(seen.begin(), seen.end(), '\r'));
    const std::string erase = "\r\033[K";
    std::size_t erased = 0;
    for (std::size_t at = seen.find(erase); at != std::string::npos; at = seen.find(erase, at + 1))
        ++erased;
    EXPECT_GE(bars, 5u) << seen;
    EXPECT_EQ(erased, 1u) << seen;
    EXPECT_NE(seen.find("stopped by SIGINT"), std::string::npos) << seen;
}
