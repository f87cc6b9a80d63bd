// Answers leave as soon as they are found: a stop signal part-way keeps every finished answer in
// order and the summary, and ends the solver by that signal; a full output ends the run at once;
// the progress bar shows the share answered.

#include "batch_solver_fixture.h"

#include <regex>

#include <poll.h>

using namespace quadrelle::testing;

namespace {

// Still running, without reaping it.
bool Running(pid_t pid)
{
    siginfo_t info {};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

std::optional<fs::path> HardPuzzles()
{
    const auto datasets = Datasets();
    if (!datasets || !fs::exists(*datasets / "cap_stress_7.txt"))
        return std::nullopt;
    return *datasets / "cap_stress_7.txt";
}

// Two jobs over `copies` times the seven hard puzzles: minutes of work.
std::vector<std::string> HardRun(const fs::path &hard, int copies)
{
    std::vector<std::string> args {"--jobs", "2"};
    args.insert(args.end(), static_cast<std::size_t>(copies), hard.string());
    return args;
}

} // namespace

// The pipe stays open, so only the signal can end the run; the cut last line is not answered.
// One job answers on the reading thread, which must still wait for input and for signals.
TEST_F(BatchSolver, InterruptWritesTheAnswersFoundTheSummaryAndEndsBySignal)
{
    for (const auto &[signal, jobs] : {std::pair {SIGINT, "1"}, {SIGTERM, "2"}}) {
        SCOPED_TRACE(jobs);
        Streams streams;
        pid_t pid = 0;
        const int input = StartOnPipe({"--jobs", jobs}, streams, pid);
        ASSERT_GE(input, 0);

        ASSERT_TRUE(WriteAll(input, EmptyBoard + "\nx\n" + EmptyBoard + "\n" + EmptyBoard.substr(0, 40)));
        const std::string answered = EmptyBoardSolved + "\ninvalid 0 bad-length\n" + EmptyBoardSolved + "\n";
        ExpectOutputSoon(answered);
        kill(pid, signal);
        const Result r = Finish(pid, streams, std::chrono::seconds(60));
        close(input);

        EXPECT_EQ(r.signal, signal) << "exit status " << r.exitCode;
        EXPECT_EQ(r.out, answered);
        const std::vector<std::string> lines = Lines(r.err);
        ASSERT_EQ(lines.size(), 2u) << r.err;
        EXPECT_EQ(lines[0], std::string("quadrelle-solve: stopped by ") + (signal == SIGINT ? "SIGINT" : "SIGTERM"));
        EXPECT_NE(lines[1].find("3 puzzles: 2 solved, 0 unsolvable, 0 gave-up, 1 invalid"), std::string::npos);
    }
}

// Hard puzzles from a file, two threads: answers show up while the rest is being solved, and a
// signal then leaves exactly the answers of a first stretch of lines, in order.
TEST_F(BatchSolver, AnswersFromAFileLeaveAsFoundAndASignalKeepsThoseInOrder)
{
    const auto hard = HardPuzzles();
    if (!hard)
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";
    const std::vector<std::string> answers = Lines(Run({hard->string()}).out);
    ASSERT_EQ(answers.size(), 7u);
    constexpr int Copies = 100; // only the signal ends the run
    const pid_t pid = Start(HardRun(*hard, Copies), {});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (ReadFile(StdoutPath()).find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(Running(pid)) << "no answer before the run ended";
    kill(pid, SIGTERM);
    const Result r = Finish(pid, {});

    EXPECT_EQ(r.signal, SIGTERM) << "exit status " << r.exitCode;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_FALSE(lines.empty());
    ASSERT_LT(lines.size(), answers.size() * Copies);
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], answers[i % answers.size()]) << "line " << i;
    EXPECT_NE(r.err.find(std::to_string(lines.size()) + (lines.size() == 1 ? " puzzle" : " puzzles")
                  + ": 0 solved, 0 unsolvable, " + std::to_string(lines.size())
                  + " gave-up"),
        std::string::npos)
        << r.err;
}

TEST_F(BatchSolver, FullOutputEndsARunOfHardPuzzlesWithoutASummary)
{
    const auto puzzles = HardPuzzles();
    if (!puzzles || !fs::exists("/dev/full"))
        GTEST_SKIP() << "needs /dev/full and the puzzle collections (QUADRELLE_DATASETS)";
    const Result r = Run(HardRun(*puzzles, 10), "", "/dev/full");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "quadrelle-solve: could not write the results: No space left on device\n");
}

// Reading runs far ahead of the answers; the bar, drawn once the run has lasted a second, follows
// the answers: its percentage is the share of the input's bytes whose lines are answered.
TEST_F(BatchSolver, ProgressBarShowsTheShareAnswered)
{
    const auto hard = HardPuzzles();
    if (!hard)
        GTEST_SKIP() << "puzzle collections not found: set QUADRELLE_DATASETS to the datasets folder";
    Pty terminal;
    ASSERT_TRUE(terminal.Ready());
    constexpr int Copies = 100;
    Streams streams;
    streams.stderrFd = terminal.slave;
    const pid_t pid = Start(HardRun(*hard, Copies), streams);
    terminal.CloseSlave();

    // "[###   ]  P% N puzzles, R/s": the first bar that shows answers.
    const std::regex bar(R"(\] +(\d+)% (\d+) puzzles)");
    std::string seen;
    const auto lastBar = [&] {
        std::smatch last;
        for (std::sregex_iterator it(seen.begin(), seen.end(), bar), end; it != end; ++it)
            last = *it;
        return last;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd ready {terminal.master, POLLIN, 0};
        char text[256];
        const ssize_t got = poll(&ready, 1, 100) > 0 ? read(terminal.master, text, sizeof text) : 0;
        seen.append(text, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (const std::smatch match = lastBar(); !match.empty() && std::stol(match[2]) > 0)
            break;
    }
    kill(pid, SIGTERM);
    Finish(pid, streams);

    const std::smatch match = lastBar();
    ASSERT_FALSE(match.empty()) << seen;
    const long percent = std::stol(match[1]), answered = std::stol(match[2]);
    const long lines = 7L * Copies; // every line of the file is as long as the others
    EXPECT_LE(percent, answered * 100 / lines) << seen;
    EXPECT_GE(percent, answered * 100 / lines - 1) << seen;
}
