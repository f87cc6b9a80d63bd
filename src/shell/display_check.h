#pragma once

#include <chrono>
#include <string>

namespace quadrelle {

// Why the window cannot be shown on the display the environment names, or empty when it can
// (as far as can be told before Qt starts). An X display gets `timeout` to take a connection:
// Qt itself would stop the program when none listens there, and wait for ever when the server
// does not answer.
std::string DisplayProblem(std::chrono::milliseconds timeout);

} // namespace quadrelle
