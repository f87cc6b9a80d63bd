#pragma once

#include "kit/step_runner.h"

#include <string>
#include <vector>

namespace quadrelle {

// Keeps every failure with its label instead of showing it.
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
