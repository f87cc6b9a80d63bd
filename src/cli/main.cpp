// quadrelle-solve: the Quadrelle engine over files of puzzles, one puzzle a line.

#include "batch.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

constexpr const char *Usage = R"(Usage: quadrelle-solve [--jobs N] [FILE...]

Solves Sudoku puzzles, one a line: 81 characters, 1-9 for givens, 0 or . for an
empty cell; anything after a space, tab, comma, colon or semicolon that follows
the 81st character is ignored. Blank lines and lines starting with # are skipped.
Reads the FILEs in turn, or standard input when there is none or FILE is -.

Writes one line per puzzle, in input order:
  <status> <placements> <grid>
status is solved, unsolvable, gave-up (999,999 trial placements made) or invalid;
grid is the solution, the board before the search, or why the line is invalid
(bad-length, bad-character, repeated-digit).

Options:
  -j, --jobs N   solve on N threads (default: the number of cores)
  -h, --help     show this help

Exit status: 0 when every line was read, 1 when some line was invalid,
2 for a usage error or an unreadable file.
)";

int UsageError(const std::string &message)
{
    std::cerr << "quadrelle-solve: " << message << " (see --help)\n";
    return 2;
}

bool ParseJobs(std::string_view text, unsigned &jobs)
{
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, jobs);
    return ec == std::errc() && ptr == end && jobs >= 1 && jobs <= 1024;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);

    quadrelle::BatchOptions options;
    options.jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> files;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << Usage;
            return 0;
        }
        if (arg == "-j" || arg == "--jobs" || arg.starts_with("--jobs=")) {
            std::string_view value;
            if (arg.starts_with("--jobs=")) {
                value = arg.substr(7);
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                return UsageError(std::string(arg) + " needs a number");
            }
            if (!ParseJobs(value, options.jobs))
                return UsageError("--jobs wants a whole number from 1 to 1024, not '" + std::string(value) + "'");
            continue;
        }
        if (arg.size() > 1 && arg.front() == '-')
            return UsageError("unknown option '" + std::string(arg) + "'");
        files.emplace_back(arg);
    }
    if (files.empty())
        files.emplace_back("-");

    std::vector<std::unique_ptr<std::ifstream>> opened;
    std::vector<std::istream *> inputs;
    bool terminalInput = false;
    for (const std::string &file : files) {
        if (file == "-") {
            inputs.push_back(&std::cin);
            terminalInput = terminalInput || isatty(STDIN_FILENO);
            continue;
        }
        std::error_code ec;
        if (std::filesystem::is_directory(file, ec)) {
            std::cerr << "quadrelle-solve: cannot read '" << file << "': it is a directory\n";
            return 2;
        }
        auto stream = std::make_unique<std::ifstream>(file, std::ios::binary);
        if (!*stream) {
            std::cerr << "quadrelle-solve: cannot read '" << file << "': " << std::strerror(errno) << '\n';
            return 2;
        }
        const auto size = std::filesystem::file_size(file, ec);
        if (!ec)
            options.totalBytes += size;
        inputs.push_back(stream.get());
        opened.push_back(std::move(stream));
    }
    if (terminalInput) {
        options.chunkSize = 1;
        options.totalBytes = 0;
    }
    options.progress = isatty(STDERR_FILENO) && !terminalInput;

    const auto start = std::chrono::steady_clock::now();
    const quadrelle::BatchCounts counts = quadrelle::RunBatch(inputs, std::cout, std::cerr, options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    char summary[256];
    std::snprintf(summary, sizeof summary,
        "quadrelle-solve: %ld puzzles: %ld solved, %ld unsolvable, %ld gave-up, %ld invalid; "
        "%.2f s, %.1f puzzles/s\n",
        counts.total(), counts.solved, counts.unsolvable, counts.gaveUp, counts.invalid, seconds,
        seconds > 0 ? counts.total() / seconds : 0.0);
    std::cerr << summary;
    if (!std::cout) {
        std::cerr << "quadrelle-solve: could not write the results\n";
        return 2;
    }
    return counts.invalid > 0 ? 1 : 0;
}
