// Runs one test class, named by the first argument, inside the program's own application
// object, so escaped exceptions are caught as in the program.
#include "guard_test.h"
#include "keyboard_test.h"
#include "layout_test.h"
#include "startup_test.h"

#include "shell/application.h"

#include <QTest>

#include <cstring>
#include <memory>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s guard|layout|keyboard|startup [Qt Test options]\n", argv[0]);
        return 2;
    }
    const char *name = argv[1];
    argv[1] = argv[0];
    --argc;
    ++argv;
    quadrelle::Application app(argc, argv);
    std::unique_ptr<QObject> test;
    if (!std::strcmp(name, "guard")) test = std::make_unique<GuardTest>();
    else if (!std::strcmp(name, "layout")) test = std::make_unique<LayoutTest>();
    else if (!std::strcmp(name, "keyboard")) test = std::make_unique<KeyboardTest>();
    else if (!std::strcmp(name, "startup")) test = std::make_unique<StartupTest>();
    else {
        std::fprintf(stderr, "unknown test class %s\n", name);
        return 2;
    }
    return QTest::qExec(test.get(), argc, argv);
}
