#include "cli/command_line.h"

#include "version.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <thread>

#include <getopt.h>

namespace quadrelle {

namespace {

constexpr std::string_view Synopsis
    = "Usage: quadrelle-solve [--count | --rate | --explain | --hint] [--jobs N] [--format FORM] [--strict] [FILE...]\n"
      "       quadrelle-solve --rate | --explain | --hint [--scale se|sukaku] [--effort N] [FILE...]\n"
      "       quadrelle-solve --generate N [--seed S] [--symmetry SYM] [--rating LO-HI]\n"
      "                       [--no-minimal] [--jobs N] [--format FORM]\n";

constexpr std::string_view Description = R"(
Solves Sudoku puzzles, one a line: 81 characters, 1-9 for givens, 0 or . for an
empty cell; anything after a space, tab, comma, colon or semicolon that follows
the 81st character is ignored. Blank lines and lines starting with # are skipped;
lines may end in LF, CR LF or CR and be of any length; a UTF-8 byte-order mark is
allowed, and UTF-16 with its byte-order mark is read too.
Also reads 9x9 grids (.sdk, .ss, with or without borders; . 0 _ * for a blank;
a title such as "Grid 01" above a grid is its label), OpenSudoku XML and CSV
whose first column is the puzzle, told by their content; a malformed grid or
XML file is answered invalid (bad-grid, bad-xml) and said where on standard error.
Reads the FILEs in turn, or standard input when there is none or FILE is -.
Answers are written in input order as soon as they are found; input that pauses,
as lines typed at a terminal or a slow pipe, is answered as far as it has come.

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

With --rate, tells how hard each puzzle with one solution is for a person, with
the hardest technique it needs:
  rated <score> <hardest technique> <solution>
on one of two scales (1.2 a hidden single in a box ... 11 and more for the
hardest known puzzles): --scale se, the default, is Sudoku Explainer's rating
(SER), which the forums' lists and most published collections give; --scale
sukaku is Sukaku Explainer's, which the Sudoku Exchange puzzle bank gives.
A puzzle with no solution or several, or an invalid line, gets the --count
answer. A score ending in + is a lower bound: the rating ran out of effort
(about a second's work for the hardest puzzles of the Sudoku Exchange bank;
--effort raises it), or the ladder's top rung could not finish the puzzle. The
effort is counted in the rater's own steps, so the same puzzle gets the same
answer on any machine and with any --jobs.
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
whatever --jobs says. A --rating range that holds no score the scale gives (it
has gaps below 4.5) is refused, naming the nearest ratings there are.

Modes do not mix: two of --count, --rate, --explain, --hint and --generate, or
an option the chosen mode ignores, are a usage error.

Options:
)";

constexpr std::string_view Closing = R"(
On SIGINT (Ctrl-C) or SIGTERM, the answers found for the lines before the first
unanswered one are written (with --generate, the puzzles made so far), then the
summary, and the run ends by that signal.

Exit status: 0 when every line was read, 1 when some line was invalid,
2 for a usage error, an input that could not be read (a missing file, a
directory; the others are still answered) or output that could not be written.
)";

unsigned ParseJobs(const char *text)
{
    const std::string_view digits = text;
    unsigned jobs = 0;
    const char *end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, jobs);
    if (ec != std::errc() || ptr != end || jobs < 1 || jobs > 1024)
        throw UsageError("--jobs wants a whole number from 1 to 1024, not '" + std::string(digits) + "'");
    return jobs;
}

Scale ParseScale(const char *text)
{
    const std::optional<Scale> scale = ScaleNamed(text);
    if (!scale)
        throw UsageError("--scale wants se or sukaku, not '" + std::string(text) + "'");
    return *scale;
}

std::uint64_t ParseEffort(const char *text)
{
    const std::string_view digits = text;
    double times = 0;
    const char *end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, times, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !(times >= 0.001 && times <= 100000))
        throw UsageError("--effort wants a number from 0.001 to 100000, not '" + std::string(digits) + "'");
    return static_cast<std::uint64_t>(static_cast<double>(DefaultEffort) * times);
}

OutputFormat ParseFormat(const char *text)
{
    const std::optional<OutputFormat> format = ParseOutputFormat(text);
    if (!format)
        throw UsageError("--format wants line, jsonl or grid, not '" + std::string(text) + "'");
    return *format;
}

// One row an option: its names, its argument and help, and what it does. A new option is a row.
struct OptionRow {
    const char *longName;
    // 0: long name only.
    char shortName;
    // Shown in the help; null: the option takes none.
    const char *argument;
    const char *help;
    void (*apply)(CommandLine &commandLine, const char *argument);
};

// A second mode that differs from the first is a contradiction, not a choice: the last would win
// without a word.
void SetMode(CommandLine &c, std::string_view option, BatchMode mode)
{
    if (!c.modeOption.empty() && c.modeOption != option)
        throw UsageError(std::string(c.modeOption) + " and " + std::string(option)
            + " are two modes; give one of them");
    c.modeOption = option;
    c.options.mode = mode;
}

constexpr OptionRow Options[] = {
    {"count", 'c', nullptr, "count the solutions (up to two) instead of solving",
        [](CommandLine &c, const char *) { SetMode(c, "--count", BatchMode::Count); }},
    {"rate", 0, nullptr, "rate each puzzle's difficulty for a person",
        [](CommandLine &c, const char *) { SetMode(c, "--rate", BatchMode::Rate); }},
    {"explain", 0, nullptr, "rate, with the steps that solve the puzzle",
        [](CommandLine &c, const char *) { SetMode(c, "--explain", BatchMode::Explain); }},
    {"hint", 0, nullptr, "the first step only",
        [](CommandLine &c, const char *) { SetMode(c, "--hint", BatchMode::Hint); }},
    {"scale", 0, "SCALE", "rate on se (Sudoku Explainer, the default) or sukaku (Sukaku Explainer)",
        [](CommandLine &c, const char *v) {
            c.ratingOption = "--scale";
            c.options.rating.scale = ParseScale(v);
        }},
    {"effort", 0, "N", "rate with N times the default effort (about a second) before a score is a lower bound",
        [](CommandLine &c, const char *v) {
            c.ratingOption = "--effort";
            c.options.rating.effort = ParseEffort(v);
        }},
    {"jobs", 'j', "N", "solve or generate on N threads (default: the number of cores)",
        [](CommandLine &c, const char *n) { c.options.jobs = ParseJobs(n); }},
    {"format", 0, "FORM", "write each answer as a line (the default), a JSON object (jsonl) or a 9x9 grid",
        [](CommandLine &c, const char *form) { c.options.format = ParseFormat(form); }},
    {"strict", 0, nullptr, "read only puzzle lines, none of the other file forms",
        [](CommandLine &c, const char *) { c.options.strict = true; }},
    {"generate", 0, "N", "write N new puzzles (reads no input)",
        [](CommandLine &c, const char *v) {
            SetMode(c, "--generate", BatchMode::Solve);
            ApplyGenerateOption("--generate", v, c.generate);
        }},
    {"seed", 0, "S", "the generator's seed (default: drawn at random)",
        [](CommandLine &c, const char *v) { ApplyGenerateOption("--seed", v, c.generate); }},
    {"symmetry", 0, "SYM", "the givens' symmetry: none, central, diagonal or mirror",
        [](CommandLine &c, const char *v) { ApplyGenerateOption("--symmetry", v, c.generate); }},
    {"rating", 0, "LO-HI", "keep only puzzles rated LO to HI (as by --rate), such as 2.0-3.5",
        [](CommandLine &c, const char *v) { ApplyGenerateOption("--rating", v, c.generate); }},
    {"no-minimal", 0, nullptr, "stop taking givens away at the first that must stay",
        [](CommandLine &c, const char *) { ApplyGenerateOption("--no-minimal", nullptr, c.generate); }},
    {"help", 'h', nullptr, "show this help",
        [](CommandLine &c, const char *) { c.action = CommandLine::Action::Help; }},
    {"version", 0, nullptr, "show the version",
        [](CommandLine &c, const char *) { c.action = CommandLine::Action::Version; }},
};

// getopt_long's value for a row: its short name, or a number above every character.
int ValueOf(std::size_t row)
{
    return Options[row].shortName != 0 ? Options[row].shortName : 256 + static_cast<int>(row);
}

const OptionRow *OptionRowOf(int value)
{
    for (std::size_t row = 0; row < std::size(Options); ++row)
        if (ValueOf(row) == value)
            return &Options[row];
    return nullptr;
}

// ':' first: a missing argument is told apart from an unknown option.
std::string ShortOptions()
{
    std::string text = ":";
    for (const OptionRow &row : Options)
        if (row.shortName != 0)
            text += std::string(1, row.shortName) + (row.argument != nullptr ? ":" : "");
    return text;
}

std::vector<option> LongOptions()
{
    std::vector<option> table;
    for (std::size_t row = 0; row < std::size(Options); ++row)
        table.push_back({Options[row].longName, Options[row].argument != nullptr ? required_argument : no_argument,
            nullptr, ValueOf(row)});
    table.push_back({nullptr, 0, nullptr, 0});
    return table;
}

// The option as it was written, for a message.
std::string Written(const char *arg, int value)
{
    if (arg != nullptr && std::string_view(arg).starts_with("--"))
        return std::string(arg).substr(0, std::string_view(arg).find('='));
    return "-" + std::string(1, static_cast<char>(value));
}

// The long options that `written` ("--ra", "--ra=x") abbreviates.
std::vector<std::string> Abbreviated(std::string_view written)
{
    const std::string_view prefix = written.substr(2, written.find('=') - 2);
    std::vector<std::string> names;
    for (const OptionRow &row : Options)
        if (std::string_view(row.longName).starts_with(prefix))
            names.push_back(std::string("'--") + row.longName + "'");
    return names;
}

[[noreturn]] void ThrowUnknown(const char *written)
{
    if (optopt == 0 && std::string_view(written).starts_with("--")) {
        const std::vector<std::string> names = Abbreviated(written);
        if (names.size() > 1) {
            std::string list;
            for (const std::string &name : names)
                list += ' ' + name;
            throw UsageError("option '" + Written(written, 0) + "' is ambiguous; possibilities:" + list);
        }
    }
    throw UsageError("unknown option '" + (optopt != 0 ? Written(nullptr, optopt) : std::string(written)) + "'");
}

CommandLine CheckedGenerate(CommandLine commandLine)
{
    if (commandLine.options.strict)
        throw UsageError("--strict does nothing with --generate, which reads no input");
    if (!commandLine.files.empty())
        throw UsageError("--generate reads no files, not '" + commandLine.files.front() + "'");
    if (commandLine.generate.rating)
        CheckRatingRange(*commandLine.generate.rating);
    commandLine.action = CommandLine::Action::Generate;
    return commandLine;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char *const *argv)
{
    CommandLine commandLine;
    commandLine.options.jobs = std::max(1u, std::thread::hardware_concurrency());

    // getopt_long reorders the pointers, never the strings; this copy keeps the caller's order.
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i)
        args.push_back(const_cast<char *>(argv[i]));
    args.push_back(nullptr);
    const std::string shortOptions = ShortOptions();
    const std::vector<option> longOptions = LongOptions();
    opterr = 0;
    optind = 0; // a fresh scan, whatever an earlier call left
    for (;;) {
        const int value = getopt_long(argc, args.data(), shortOptions.c_str(), longOptions.data(), nullptr);
        if (value == -1)
            break;
        const char *written = args[static_cast<std::size_t>(optind - 1)];
        if (value == ':')
            throw UsageError("option '" + Written(written, optopt) + "' needs an argument");
        const OptionRow *row = value == '?' ? nullptr : OptionRowOf(value);
        if (row == nullptr) {
            if (optopt != 0 && std::string_view(written).starts_with("--"))
                throw UsageError("option '" + Written(written, optopt) + "' takes no argument");
            ThrowUnknown(written);
        }
        row->apply(commandLine, optarg);
    }
    for (int i = optind; i < argc; ++i)
        commandLine.files.emplace_back(args[static_cast<std::size_t>(i)]);
    if (commandLine.action != CommandLine::Action::Run)
        return commandLine;
    const BatchMode mode = commandLine.options.mode;
    const bool rates = commandLine.generate.count == 0
        && (mode == BatchMode::Rate || mode == BatchMode::Explain || mode == BatchMode::Hint);
    if (!commandLine.ratingOption.empty() && !rates)
        throw UsageError(std::string(commandLine.ratingOption) + " works only with --rate, --explain or --hint");
    if (commandLine.generate.count > 0)
        return CheckedGenerate(std::move(commandLine));
    if (!commandLine.generate.firstOption.empty())
        throw UsageError(std::string(commandLine.generate.firstOption) + " works only with --generate");
    if (commandLine.files.empty())
        commandLine.files.emplace_back("-");
    return commandLine;
}

std::string HelpText()
{
    std::vector<std::string> names;
    std::size_t width = 0;
    for (const OptionRow &row : Options) {
        std::string name = row.shortName != 0 ? std::string("-") + row.shortName + ", " : "    ";
        name += std::string("--") + row.longName + (row.argument != nullptr ? std::string(" ") + row.argument : "");
        width = std::max(width, name.size());
        names.push_back(name);
    }
    std::string text = std::string(Synopsis) + std::string(Description);
    for (std::size_t row = 0; row < names.size(); ++row)
        text += "  " + names[row] + std::string(width + 3 - names[row].size(), ' ') + Options[row].help + '\n';
    return text + std::string(Closing);
}

std::string UsageHint()
{
    return std::string(Synopsis) + "Try 'quadrelle-solve --help' for more information.\n";
}

std::string VersionText()
{
    return std::string("quadrelle-solve ") + Version + "\n" + Licence;
}

} // namespace quadrelle
