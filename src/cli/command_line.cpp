#include "command_line.h"

#include <charconv>
#include <thread>

namespace quadrelle {

namespace {

constexpr std::string_view Help = R"(Usage: quadrelle-solve [--count | --rate | --explain | --hint] [--jobs N] [FILE...]
       quadrelle-solve --generate N [--seed S] [--symmetry SYM] [--rating LO-HI]
                       [--no-minimal] [--jobs N]

Solves Sudoku puzzles, one a line: 81 characters, 1-9 for givens, 0 or . for an
empty cell; anything after a space, tab, comma, colon or semicolon that follows
the 81st character is ignored. Blank lines and lines starting with # are skipped;
lines may end in LF, CR LF or CR, and a UTF-8 byte-order mark is allowed.
Reads the FILEs in turn, or standard input when there is none or FILE is -.
Input that pauses, as lines typed at a terminal or a slow pipe, is answered as
far as it has come before more is waited for.

Writes one line per puzzle, in input order:
  <status> <placements> <grid>
status is solved, unsolvable, gave-up (999,999 trial placements made) or invalid;
grid is the solution, the board before the search, or why the line is invalid
(bad-length, bad-character, repeated-digit).

With --count, tells instead whether each puzzle has one solution, with no
placement budget:
  unique <solution>
  multiple <solution> <another solution>
  none
  invalid <reason>

With --rate, tells how hard each puzzle with one solution is for a person, on
the Sudoku Explainer scale (1.2 a hidden single in a box ... 11 and more for the
hardest known puzzles), with the hardest technique it needs:
  rated <score> <hardest technique> <solution>
A puzzle with no solution or several, or an invalid line, gets the --count
answer. A score ending in + is a lower bound: the puzzle took more than a
second, or the ladder's top rung could not finish it.
--explain writes before that line the steps, easiest technique first, one a
line with its technique and score (r4c7=3 places a 3, r2c5<>7 removes a 7),
and a blank line after each puzzle; --hint writes only the first step:
  $ quadrelle-solve --rate puzzles.txt
  rated 7.1 Forcing Chain 284359176315627894679841523857294631426713958931586742...
  $ quadrelle-solve --hint puzzles.txt
  r1c6=9 Hidden Single (box) 1.2

With --generate, writes N new puzzles instead, one a line in the form read
above (0 for an empty cell): each has exactly one solution and is minimal, no
given (with a symmetry: no pair of mirrored givens) can be taken away without
losing that. The summary names the seed; the same seed gives the same puzzles
whatever --jobs says.

Options:
  -c, --count        count the solutions (up to two) instead of solving
      --rate         rate each puzzle's difficulty for a person
      --explain      rate, with the steps that solve the puzzle
      --hint         the first step only
  -j, --jobs N       solve or generate on N threads (default: one a core)
      --generate N   write N new puzzles (reads no input)
      --seed S       the generator's seed, 0 to 18446744073709551615
                     (default: drawn at random)
      --symmetry SYM the givens' symmetry: none (the default), central (a half
                     turn), diagonal (the main diagonal) or mirror (left-right)
      --rating LO-HI keep only puzzles rated LO to HI (as by --rate), such as
                     2.0-3.5; the summary tells how many candidates were tried
      --no-minimal   stop taking givens away at the first that must stay
  -h, --help         show this help
      --version      show the version

Exit status: 0 when every line was read, 1 when some line was invalid,
2 for a usage error, an input that could not be read (the others are still
answered) or output that could not be written.
)";

unsigned ParseJobs(std::string_view text)
{
    unsigned jobs = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, jobs);
    if (ec != std::errc() || ptr != end || jobs < 1 || jobs > 1024)
        throw UsageError("--jobs wants a whole number from 1 to 1024, not '" + std::string(text) + "'");
    return jobs;
}

CommandLine CheckedGenerate(CommandLine commandLine)
{
    if (commandLine.options.mode != BatchMode::Solve)
        throw UsageError("--generate does not go with --count, --rate, --explain or --hint");
    if (!commandLine.files.empty())
        throw UsageError("--generate reads no files, not '" + commandLine.files.front() + "'");
    if (commandLine.generate.rating)
        CheckRatingRange(*commandLine.generate.rating, generate::HighestRating());
    commandLine.action = CommandLine::Action::Generate;
    return commandLine;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char *const *argv)
{
    CommandLine commandLine;
    commandLine.options.jobs = std::max(1u, std::thread::hardware_concurrency());

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            commandLine.action = CommandLine::Action::Help;
            return commandLine;
        }
        if (arg == "--version") {
            commandLine.action = CommandLine::Action::Version;
            return commandLine;
        }
        if (arg == "-c" || arg == "--count") {
            commandLine.options.mode = BatchMode::Count;
            continue;
        }
        if (arg == "--rate" || arg == "--explain" || arg == "--hint") {
            commandLine.options.mode = arg == "--rate" ? BatchMode::Rate
                : arg == "--explain"                   ? BatchMode::Explain
                                                       : BatchMode::Hint;
            continue;
        }
        if (arg.starts_with("--jobs=")) {
            commandLine.options.jobs = ParseJobs(arg.substr(7));
            continue;
        }
        if (arg == "-j" || arg == "--jobs") {
            if (i + 1 == argc)
                throw UsageError(std::string(arg) + " needs a number");
            commandLine.options.jobs = ParseJobs(argv[++i]);
            continue;
        }
        if (const int used = ParseGenerateOption(argv + i, argc - i, commandLine.generate); used > 0) {
            i += used - 1;
            continue;
        }
        if (arg.size() > 1 && arg.front() == '-')
            throw UsageError("unknown option '" + std::string(arg) + "'");
        commandLine.files.emplace_back(arg);
    }
    if (commandLine.generate.count > 0)
        return CheckedGenerate(std::move(commandLine));
    if (!commandLine.generate.firstOption.empty())
        throw UsageError(std::string(commandLine.generate.firstOption) + " works only with --generate");
    if (commandLine.files.empty())
        commandLine.files.emplace_back("-");
    return commandLine;
}

std::string_view HelpText()
{
    return Help;
}

} // namespace quadrelle
