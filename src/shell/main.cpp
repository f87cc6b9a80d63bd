#include "shell/application.h"
#include "shell/form1.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would stop with a platform-plugin error; say what to do instead.
bool HasDisplay()
{
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "quadrelle: no display found; to run it without one: xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    quadrelle::Application app(argc, argv);
    quadrelle::Form1 window(quadrelle::Form1Environment::Real());
    QObject::connect(&window, &quadrelle::Form1::Unloaded, &app, &QCoreApplication::quit);
    window.Form_Load();
    window.CenterOnScreen();
    window.show();
    window.activateWindow();
    return app.exec();
}
