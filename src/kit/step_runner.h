#pragma once

#include <functional>

namespace quadrelle {

// Runs each step of a guarded operation under its label. A failing step (an exception) is
// reported by the runner and swallowed, so that the operation goes on with its next step.
class StepRunner {
public:
    virtual ~StepRunner() = default;
    // Returns false when the step failed.
    virtual bool Run(int label, const std::function<void()> &step) = 0;
};

} // namespace quadrelle
