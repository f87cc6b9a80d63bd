// Inputs and outputs that fail or behave unlike plain files: a directory, a terminal, a pipe,
// a device that is full, more files than a process may hold open.

#include "batch_solver_fixture.h"

#include <cstring>

#include <sys/resource.h>
#include <termios.h>

using namespace quadrelle::testing;

namespace {

const std::string Dots(81, '.');
const std::string ByteOrderMark = "\xEF\xBB\xBF";

std::string Repeat(const std::string &line, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line + "\n";
    return text;
}

std::size_t ThreadCount(pid_t pid)
{
    std::error_code ec;
    std::size_t count = 0;
    for (fs::directory_iterator it("/proc/" + std::to_string(pid) + "/task", ec), end; !ec && it != end;
         it.increment(ec))
        ++count;
    return count;
}

} // namespace

TEST_F(BatchSolver, StandardInputThatIsADirectoryIsReportedAndTheOtherFilesAnswered)
{
    const fs::path a = File("a.txt", EmptyBoard + "\n"), b = File("b.txt", Dots + "\nx\n");
    const int directory = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(directory, 0);
    Streams streams;
    streams.stdinFd = directory;

    const Result among = Run({"--jobs", "2", a.string(), "-", b.string()}, streams);
    EXPECT_EQ(among.exitCode, 2);
    EXPECT_EQ(among.out, EmptyBoardSolved + "\n" + EmptyBoardSolved + "\ninvalid 0 bad-length\n");
    EXPECT_NE(among.err.find("cannot read standard input: Is a directory"), std::string::npos) << among.err;
    EXPECT_NE(among.err.find("3 puzzles: 2 solved"), std::string::npos) << among.err;

    const Result alone = Run({}, streams);
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_EQ(alone.out, "");
    EXPECT_NE(alone.err.find("Is a directory"), std::string::npos) << alone.err;
    EXPECT_NE(alone.err.find("0 puzzles"), std::string::npos) << alone.err;
    close(directory);
}

// A terminal's master side reads what was written on the other side, then fails with EIO once
// that side is closed: a real I/O error after some lines.
TEST_F(BatchSolver, InputThatFailsPartWayKeepsTheAnswersReadBeforeAndTheRunGoesOn)
{
    Pty pty;
    ASSERT_TRUE(pty.Ready()) << std::strerror(errno);
    termios raw {};
    tcgetattr(pty.slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(pty.slave, TCSANOW, &raw);
    ASSERT_TRUE(WriteAll(pty.slave, EmptyBoard + "\n" + Dots + "\n0000"));
    pty.CloseSlave();

    const fs::path a = File("a.txt", Dots + "\n"), b = File("b.txt", EmptyBoard + "\n");
    Streams streams;
    streams.stdinFd = pty.master;
    const Result r = Run({a.string(), "-", b.string()}, streams);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, Repeat(EmptyBoardSolved, 4)); // the cut line "0000" is not answered
    EXPECT_NE(r.err.find("cannot read standard input: Input/output error"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("4 puzzles: 4 solved"), std::string::npos) << r.err;
}

TEST_F(BatchSolver, ThousandsOfFilesNeedNoMoreOpenFilesThanAFew)
{
    constexpr int FileCount = 2000;
    std::vector<std::string> args {"--jobs", "2"};
    for (int i = 0; i < FileCount; ++i) {
        std::string puzzle = EmptyBoard;
        puzzle[0] = static_cast<char>('1' + i % 9);
        args.push_back(File(std::to_string(i) + ".txt", puzzle + "\n").string());
    }
    // Far fewer descriptors than files, whatever this machine allows by default.
    rlimit saved {};
    getrlimit(RLIMIT_NOFILE, &saved);
    rlimit few = saved;
    few.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
    const Result r = Run(args);
    setrlimit(RLIMIT_NOFILE, &saved);

    EXPECT_EQ(r.exitCode, 0) << r.err.substr(0, 500);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(FileCount));
    for (int i = 0; i < FileCount; ++i) {
        ASSERT_EQ(lines[i].substr(0, 7), "solved ") << i;
        ASSERT_EQ(lines[i][lines[i].rfind(' ') + 1], static_cast<char>('1' + i % 9)) << i;
    }
}

// Standard input is a pipe that stays open: a solver that noticed the full disk only at the end
// would wait on it for ever.
TEST_F(BatchSolver, FullOutputEndsTheRunAtTheFirstFailedWrite)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    Streams streams;
    streams.stdoutPath = "/dev/full";
    pid_t pid = 0;
    const int input = StartOnPipe({"--jobs", "2"}, streams, pid);
    ASSERT_GE(input, 0);
    std::jthread writer([input] { WriteAll(input, Repeat(EmptyBoard, 5000)); });

    const Result r = Finish(pid, streams, std::chrono::seconds(60));
    close(input); // the writer, if still blocked, fails with EPIPE
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("could not write the results: No space left on device"), std::string::npos) << r.err;
}

// Lines typed at a terminal are answered one by one; the file after them still runs on every job.
TEST_F(BatchSolver, TerminalAmongFilesIsAnsweredLineByLineAndTheFilesOnAllJobs)
{
    Pty pty;
    ASSERT_TRUE(pty.Ready()) << std::strerror(errno);
    // Long enough to be seen on several threads however fast the search is.
    constexpr int BigFileLines = 200000;
    const fs::path big = File("big.txt", Repeat(EmptyBoard, BigFileLines));
    Streams streams;
    streams.stdinFd = pty.slave;
    const pid_t pid = Start({"--jobs", "3", "-", big.string()}, streams);
    pty.CloseSlave();

    ASSERT_TRUE(WriteAll(pty.master, Dots + "\n"));
    ExpectOutputSoon(EmptyBoardSolved + "\n");
    ASSERT_TRUE(WriteAll(pty.master, "x\n"));
    ExpectOutputSoon(EmptyBoardSolved + "\ninvalid 0 bad-length\n");
    ASSERT_TRUE(WriteAll(pty.master, "\x04")); // end of input, as Ctrl-D types it

    std::size_t mostThreads = 0;
    const Result r = Finish(
        pid, streams, std::chrono::seconds(400), [&] { mostThreads = std::max(mostThreads, ThreadCount(pid)); });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, EmptyBoardSolved + "\ninvalid 0 bad-length\n" + Repeat(EmptyBoardSolved, BigFileLines));
    // The run's own thread and at least two that solve.
    EXPECT_GE(mostThreads, 3u) << "the file after the terminal ran on one thread";
}

// A pipe that pauses: what it brought is answered before the solver waits for more, whatever the
// chunk size, and whether the reading thread answers or workers do.
TEST_F(BatchSolver, LinesFromAPipeAreAnsweredBeforeItBringsMore)
{
    for (const char *jobs : {"1", "2"}) {
        SCOPED_TRACE(jobs);
        Streams streams;
        pid_t pid = 0;
        const int input = StartOnPipe({"--jobs", jobs}, streams, pid);
        ASSERT_GE(input, 0);

        ASSERT_TRUE(WriteAll(input, Repeat(EmptyBoard, 3)));
        ExpectOutputSoon(Repeat(EmptyBoardSolved, 3));
        ASSERT_TRUE(WriteAll(input, "x\n"));
        close(input);

        const Result r = Finish(pid, streams, std::chrono::seconds(60));
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, Repeat(EmptyBoardSolved, 3) + "invalid 0 bad-length\n");
    }
}

TEST_F(BatchSolver, ByteOrderMarkAndCarriageReturnLineEndsAreAccepted)
{
    const fs::path crOnly = File("cr.txt", ByteOrderMark + EmptyBoard + "\r" + Dots + "\r\r" + EmptyBoard);
    const fs::path crLf = File("crlf.txt", ByteOrderMark + "# a comment\r\n" + Dots + "\r\n");
    // Only the first bytes of an input may be a byte-order mark.
    const fs::path inside = File("inside.txt", EmptyBoard + "\n" + ByteOrderMark + EmptyBoard + "\n");

    const Result r = Run({crOnly.string(), "-", crLf.string(), inside.string()}, ByteOrderMark + Dots + "\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, Repeat(EmptyBoardSolved, 6) + "invalid 0 bad-length\n");
    EXPECT_NE(r.err.find("7 puzzles: 6 solved"), std::string::npos) << r.err;
}
