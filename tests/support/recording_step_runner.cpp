#include "recording_step_runner.h"

#include <exception>

namespace quadrelle {

bool RecordingStepRunner::Run(int label, const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const std::exception &error) {
        failures_.push_back({label, error.what()});
    } catch (...) {
        failures_.push_back({label, "Unknown error"});
    }
    return false;
}

} // namespace quadrelle
