#include "shell/display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <future>
#include <memory>
#include <string_view>
#include <thread>

namespace quadrelle {

namespace {

std::string Variable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// Whether Qt will pick its X11 platform: asked for, or left to its default with DISPLAY set.
bool UsesX11()
{
    const std::string platform = Variable("QT_QPA_PLATFORM");
    if (!platform.empty())
        return std::string_view(platform).substr(0, 3) == "xcb";
    return !Variable("DISPLAY").empty();
}

// 0 when the X server took the connection, else xcb's error code.
int Connect(const std::string &display)
{
    xcb_connection_t *connection = xcb_connect(display.c_str(), nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return error;
}

} // namespace

std::string DisplayProblem(std::chrono::milliseconds timeout)
{
    if (Variable("QT_QPA_PLATFORM").empty() && Variable("DISPLAY").empty() && Variable("WAYLAND_DISPLAY").empty())
        return "no display found";
    if (!UsesX11())
        return {};
    const std::string display = Variable("DISPLAY");
    if (display.empty())
        return "no display found (DISPLAY is not set)";

    // A server that accepts the connection but never answers keeps xcb waiting: the attempt
    // runs on a thread of its own that is left behind when it takes too long.
    auto attempt = std::make_shared<std::packaged_task<int()>>([display] { return Connect(display); });
    std::future<int> result = attempt->get_future();
    std::thread([attempt] { (*attempt)(); }).detach();
    if (result.wait_for(timeout) != std::future_status::ready)
        return "the display " + display + " does not answer";
    if (result.get() != 0)
        return "cannot connect to the display " + display;
    return {};
}

} // namespace quadrelle
