#include "shell/command_line.h"

#include "version.h"

#include <getopt.h>

namespace quadrelle {

namespace {

constexpr const char *Usage = "Usage: quadrelle [PUZZLE | FILE]\n";

constexpr const char *Help = R"(
Opens the Quadrelle Sudoku window. Given a PUZZLE (81 characters, row by row:
1-9 for a given, 0 or . for an empty cell) or a FILE of puzzles (lines, grids,
.sdk, .ss, .sdm, OpenSudoku or CSV; the first puzzle is taken), it starts with
those givens typed in.

Options:
  -h, --help     show this help
      --version  show the version
  --             end of options: what follows is a PUZZLE or FILE

quadrelle-solve(1) solves files of puzzles without the window.
)";

enum LongOnly { VersionOption = 256 };

} // namespace

CommandLine ParseCommandLine(int argc, const char *const *argv)
{
    static const option options[] = {
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, VersionOption},
        {nullptr, 0, nullptr, 0},
    };
    // getopt_long reorders what it is given: hand it a copy.
    std::vector<char *> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(const_cast<char *>(argv[i]));
    arguments.push_back(nullptr);

    CommandLine line;
    opterr = 0;
    optind = 0; // starts glibc's scan afresh
    for (int c; (c = getopt_long(argc, arguments.data(), "h", options, nullptr)) != -1;) {
        // As GNU tools do, the first of --help, --version or a wrong option decides.
        switch (c) {
        case 'h':
            line.action = CommandLine::Action::Help;
            return line;
        case VersionOption:
            line.action = CommandLine::Action::Version;
            return line;
        default:
            line.action = CommandLine::Action::UsageError;
            line.problem = optopt != 0 && optopt != VersionOption && optopt != 'h'
                ? std::string("unknown option \"-") + static_cast<char>(optopt) + '"'
                : std::string("unknown option \"") + arguments[static_cast<std::size_t>(optind - 1)] + '"';
            return line;
        }
    }
    for (int i = optind; i < argc; ++i)
        line.operands.emplace_back(arguments[static_cast<std::size_t>(i)]);
    return line;
}

std::string HelpText()
{
    return std::string(Usage) + Help;
}

std::string VersionText()
{
    return std::string("quadrelle ") + Version + '\n' + Licence;
}

std::string UsageErrorText(const std::string &problem)
{
    return "quadrelle: " + problem + '\n' + Usage + "Try \"quadrelle --help\" for more.\n";
}

} // namespace quadrelle
