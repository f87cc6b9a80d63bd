#pragma once

#include <string>
#include <vector>

namespace quadrelle {

// What the window's command line asks for, read before any display is needed.
struct CommandLine {
    enum class Action { Open, Help, Version, UsageError };
    Action action = Action::Open;
    // The puzzles or file names, as the bytes the system gave: a name need not be UTF-8.
    std::vector<std::string> operands;
    // For a usage error: what is wrong, in words.
    std::string problem;
};

// GNU style: options and operands in any order, "--" ends the options.
CommandLine ParseCommandLine(int argc, const char *const *argv);

// The answer to --help or --version; for a usage error, the problem, the usage line and a
// pointer to --help, as standard error shows them.
std::string HelpText();
std::string VersionText();
std::string UsageErrorText(const std::string &problem);

} // namespace quadrelle
