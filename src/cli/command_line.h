#pragma once

#include "batch.h"
#include "generate_options.h"

#include <stdexcept>
#include <string>
#include <string_view>
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
};

// Throws UsageError.
CommandLine ParseCommandLine(int argc, const char *const *argv);

std::string_view HelpText();

} // namespace quadrelle
