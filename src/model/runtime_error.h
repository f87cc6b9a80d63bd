#pragma once

#include <stdexcept>
#include <string>

namespace quadrelle {

// A run-time error that a guarded operation reports to the user by its description.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string &description) : std::runtime_error(description) { }
    std::string description() const { return what(); }
};

inline RuntimeError SubscriptOutOfRange()
{
    return RuntimeError("Subscript out of range");
}
inline RuntimeError Overflow()
{
    return RuntimeError("Overflow");
}
inline RuntimeError InvalidArgument()
{
    return RuntimeError("Invalid procedure call or argument");
}

// Throws "Subscript out of range" unless low <= index <= high.
inline void CheckSubscript(long long index, long long low, long long high)
{
    if (index < low || index > high)
        throw SubscriptOutOfRange();
}

} // namespace quadrelle
