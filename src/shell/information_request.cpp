#include "information_request.h"

#include "version.h"

#include <string_view>

namespace quadrelle {

namespace {

constexpr const char *Help = R"(Usage: quadrelle [PUZZLE | FILE]

Opens the Quadrelle Sudoku window. Given a PUZZLE (81 characters, row by row:
1-9 for a given, 0 or . for an empty cell) or a FILE of puzzles, one a line (the
first puzzle line is taken), it starts with those givens typed in.

Options:
  -h, --help     show this help
      --version  show the version

quadrelle-solve(1) solves files of puzzles without the window.
)";

} // namespace

std::optional<std::string> InformationRequested(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help")
            return std::string(Help);
        if (argument == "--version")
            return std::string("quadrelle ") + Version + '\n';
    }
    return std::nullopt;
}

} // namespace quadrelle
