#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quadrelle {

// Runs each step of a guarded operation under its label. A failing step (an exception) is
// reported by the runner and swallowed, so that the operation goes on with its next step.
class StepRunner {
public:
    virtual ~StepRunner() = default;
    // Returns false when the step failed.
    virtual bool Run(int label, const std::function<void()> &step) = 0;
};

// Keeps every failure with its label instead of showing it; for tests and headless use.
class RecordingStepRunner : public StepRunner {
public:
    struct Failure {
        int label;
        std::string description;
    };

    bool Run(int label, const std::function<void()> &step) override;

    const std::vector<Failure> &Failures() const { return failures_; }

private:
    std::vector<Failure> failures_;
};

} // namespace quadrelle
