#pragma once

#include "cli/batch.h"
#include "cli/generate_options.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace quadrelle {

// A command line that quadrelle-solve cannot follow; the description says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandLine {
    enum class Action { Run, Generate, Help, Version };

    Action action = Action::Run;
    BatchOptions options;
    // In reading order; "-" is standard input, which is also read when no file is named.
    std::vector<std::string> files;
    GenerateRequest generate;
    // The mode option given (--count, --rate, --explain, --hint or --generate), for the message
    // when a second one contradicts it; empty for solving.
    std::string_view modeOption;
    // --scale or --effort, which only rating modes take; empty when neither was given.
    std::string_view ratingOption;
};

// GNU rules: options and files in any order, "--" ends the options, "-cj2" groups short ones,
// "--jobs=2", "-j2" and "-j 2" alike, long names may be cut short while unambiguous.
// Throws UsageError.
CommandLine ParseCommandLine(int argc, const char *const *argv);

// The whole --help text, its option list made from the option table.
std::string HelpText();
// The lines that follow a usage error on standard error.
std::string UsageHint();
// What --version prints.
std::string VersionText();

} // namespace quadrelle
