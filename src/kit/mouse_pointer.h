#pragma once

namespace quadrelle {

// The window's pointer values.
enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

} // namespace quadrelle
