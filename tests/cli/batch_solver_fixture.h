// quadrelle-solve started by path as a user starts it, with files, standard input and options.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace quadrelle::testing {

namespace fs = std::filesystem;

inline const std::string EmptyBoard(81, '0');
inline const std::string EmptyBoardSolution
    = "123456789456789123789123456231674895875912364694538217317265948542897631968341572";
inline const std::string EmptyBoardSolved = "solved 81 " + EmptyBoardSolution;

struct Result {
    int exitCode = -1;
    // The signal that ended the solver, or 0.
    int signal = 0;
    std::string out;
    std::string err;
};

// Where the solver's standard streams come from and go to.
struct Streams {
    // Written to a file that becomes standard input, unless stdinFd is set.
    std::string input;
    // An open descriptor to use as standard input (a directory, a terminal, a pipe).
    int stdinFd = -1;
    // A path to send standard output to instead of capturing it.
    std::string stdoutPath;
    // An open descriptor to use as standard error (a terminal) instead of capturing it.
    int stderrFd = -1;
};

inline std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const fs::path &path, const std::string &content)
{
    std::ofstream(path, std::ios::binary) << content;
}

inline std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A pseudo-terminal pair; the side given to the solver is dup'ed into it, so both close here.
struct Pty {
    int master = -1;
    int slave = -1;

    Pty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        slave = open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~Pty()
    {
        CloseSlave();
        if (master >= 0)
            close(master);
    }
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool Ready() const { return master >= 0 && slave >= 0; }
    void CloseSlave()
    {
        if (slave >= 0)
            close(slave);
        slave = -1;
    }
};

inline bool WriteAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

inline std::optional<fs::path> Datasets()
{
    const char *env = std::getenv("QUADRELLE_DATASETS");
    if (env == nullptr || !fs::exists(fs::path(env) / "norvig_easy50.txt"))
        return std::nullopt;
    return fs::path(env);
}

class BatchSolver : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override
    {
        // A test that writes into a pipe the solver has left must see EPIPE, not die.
        std::signal(SIGPIPE, SIG_IGN);
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("quadrelle-cli-" + std::to_string(getpid()) + "-" + info->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path File(const std::string &name, const std::string &content)
    {
        const fs::path path = dir / name;
        WriteFile(path, content);
        return path;
    }

    fs::path StdoutPath() const { return dir / "stdout.txt"; }

    // Starts the solver; 0 when it cannot be started.
    // Starts the solver reading a pipe that stays open until the test closes the end returned
    // (-1 when no pipe could be made).
    int StartOnPipe(const std::vector<std::string> &args, Streams &streams, pid_t &pid)
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return -1;
        streams.stdinFd = ends[0];
        pid = Start(args, streams);
        close(ends[0]);
        return ends[1];
    }

    pid_t Start(const std::vector<std::string> &args, const Streams &streams)
    {
        const fs::path in = File("stdin.txt", streams.input), err = dir / "stderr.txt";
        const std::string out = streams.stdoutPath.empty() ? StdoutPath().string() : streams.stdoutPath;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (streams.stdinFd >= 0)
            posix_spawn_file_actions_adddup2(&actions, streams.stdinFd, 0);
        else
            posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (streams.stderrFd >= 0)
            posix_spawn_file_actions_adddup2(&actions, streams.stderrFd, 2);
        else
            posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

        std::vector<std::string> all {QUADRELLE_SOLVE};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char *> argv;
        for (std::string &a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);

        // Stop signals as a terminal delivers them, whatever this process was started with.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t stopSignals;
        sigemptyset(&stopSignals);
        sigaddset(&stopSignals, SIGINT);
        sigaddset(&stopSignals, SIGTERM);
        posix_spawnattr_setsigdefault(&attributes, &stopSignals);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, QUADRELLE_SOLVE, &actions, &attributes, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << QUADRELLE_SOLVE;
            return 0;
        }
        return pid;
    }

    // Waits up to a minute for a running solver to have written exactly `expected`.
    void ExpectOutputSoon(const std::string &expected)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (ReadFile(StdoutPath()) != expected && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(ReadFile(StdoutPath()), expected) << "the answers waited for more input";
    }

    // Waits for the solver, calling whileRunning until it ends; one that is still running after
    // `limit` is killed and fails the test.
    Result Finish(pid_t pid, const Streams &streams, std::chrono::seconds limit = std::chrono::seconds(120),
        const std::function<void()> &whileRunning = {})
    {
        Result result;
        if (pid == 0)
            return result;
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "the solver was still running after " << limit.count() << " s";
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                break;
            }
            if (whileRunning)
                whileRunning();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (WIFEXITED(status))
            result.exitCode = WEXITSTATUS(status);
        else
            result.signal = WTERMSIG(status);
        if (result.signal != 0 && result.signal != SIGINT && result.signal != SIGTERM)
            ADD_FAILURE() << "the solver died with signal " << result.signal;
        result.out = streams.stdoutPath.empty() ? ReadFile(StdoutPath()) : "";
        result.err = ReadFile(dir / "stderr.txt");
        return result;
    }

    Result Run(const std::vector<std::string> &args, const Streams &streams)
    {
        return Finish(Start(args, streams), streams);
    }

    // Runs the solver with `input` on standard input; `stdoutPath` replaces the captured output.
    Result Run(const std::vector<std::string> &args, const std::string &input = "", const std::string &stdoutPath = "")
    {
        Streams streams;
        streams.input = input;
        streams.stdoutPath = stdoutPath;
        return Run(args, streams);
    }

    // A usage error: status 2, nothing on standard output, a line naming `named`, then the usage.
    void ExpectUsageError(const std::vector<std::string> &args, const std::string &named)
    {
        SCOPED_TRACE(args.empty() ? "" : args.front());
        const Result r = Run(args, EmptyBoard + "\n");
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        const std::vector<std::string> lines = Lines(r.err);
        ASSERT_GE(lines.size(), 3u) << r.err;
        EXPECT_NE(lines[0].find(named), std::string::npos) << r.err;
        EXPECT_TRUE(lines[1].starts_with("Usage: quadrelle-solve ")) << r.err;
        EXPECT_EQ(lines.back(), "Try 'quadrelle-solve --help' for more information.");
    }
};

} // namespace quadrelle::testing
