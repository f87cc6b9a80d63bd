#pragma once

#include <optional>
#include <string>

namespace quadrelle {

// What --help or --version asks for, answered before any display is needed; nothing when
// neither is among the arguments.
std::optional<std::string> InformationRequested(int argc, const char *const *argv);

} // namespace quadrelle
