// Runs one test class, named by the first argument, inside the program's own application
// object, so that escaped exceptions are caught as in the program.
#include "shell/application.h"

#include <cstdio>
#include <cstring>

int RunGuardTest(int argc, char **argv);
int RunLayoutTest(int argc, char **argv);
int RunKeyboardTest(int argc, char **argv);
int RunStartupTest(int argc, char **argv);
int RunEntryTest(int argc, char **argv);
int RunSolveTest(int argc, char **argv);
int RunClearTest(int argc, char **argv);
int RunCrossCheckTest(int argc, char **argv);
int RunCommandsTest(int argc, char **argv);
int RunArgumentTest(int argc, char **argv);
int RunStartupFilesTest(int argc, char **argv);
int RunDisplayTest(int argc, char **argv);
int RunLooksTest(int argc, char **argv);
int RunLocaleTest(int argc, char **argv);

int main(int argc, char **argv)
{
    struct Entry {
        const char *name;
        int (*run)(int, char **);
    };
    const Entry tests[] = {{"guard", RunGuardTest}, {"layout", RunLayoutTest}, {"keyboard", RunKeyboardTest},
        {"startup", RunStartupTest}, {"entry", RunEntryTest}, {"solve", RunSolveTest}, {"clear", RunClearTest},
        {"crosscheck", RunCrossCheckTest}, {"commands", RunCommandsTest}, {"arguments", RunArgumentTest},
        {"startupfiles", RunStartupFilesTest}, {"display", RunDisplayTest}, {"looks", RunLooksTest},
        {"locale", RunLocaleTest}};
    for (const Entry &test : tests) {
        if (argc >= 2 && !std::strcmp(argv[1], test.name)) {
            argv[1] = argv[0];
            quadrelle::Application app(--argc, ++argv);
            return test.run(argc, argv);
        }
    }
    std::fprintf(stderr,
        "usage: %s "
        "guard|layout|keyboard|startup|entry|solve|clear|crosscheck|commands|arguments|startupfiles|display|looks|"
        "locale "
        "[Qt Test options]\n",
        argv[0]);
    return 2;
}
