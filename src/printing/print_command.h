#pragma once

#include <cstdint>

namespace quadrelle {

class Form1;

// "Print Puzzle" (mode 1) and "Print Solution" (mode 2) on the default printer: PrintIt
// over the window's grids, under its own guard.
void PrintCommand(Form1 &form, std::int32_t mode);

} // namespace quadrelle
