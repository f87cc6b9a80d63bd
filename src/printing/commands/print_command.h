#pragma once

#include <cstdint>

class QWidget;

namespace quadrelle {

class Grids;
class StepRunner;

// What the two print commands read and report through.
struct PrintContext {
    const Grids &grids;
    // Its caption is the page's title.
    const QWidget &window;
    // PrintIt's own guard.
    StepRunner &guard;
};

// "Print Puzzle" (mode 1) and "Print Solution" (mode 2) on the default printer: PrintIt
// over the window's grids.
void PrintCommand(const PrintContext &context, std::int32_t mode);

} // namespace quadrelle
