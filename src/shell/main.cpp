#include "shell/application.h"
#include "shell/form1.h"
#include "shell/information_request.h"
#include "shell/open_puzzle.h"

#include <QTimer>

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
    if (const auto answer = quadrelle::InformationRequested(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
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
    // Typed in once the event loop runs, so a refusal's message box shows over the window.
    quadrelle::QtMessageBoxes boxes(&window);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTimer::singleShot(0, &window, [&] { quadrelle::OpenPuzzleArguments(window, boxes, arguments); });
    return app.exec();
}
