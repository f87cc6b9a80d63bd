// Runs one test class, named by the first argument, inside the program's own application
// object, so that escaped exceptions are caught as in the program.
#include "shell/application.h"

#include <cstdio>
#include <cstring>
#include <string>

#define QUADRELLE_WINDOW_TEST(name, run) int run(int argc, char **argv);
#include "test_classes.h"
#undef QUADRELLE_WINDOW_TEST

int main(int argc, char **argv)
{
    struct Entry {
        const char *name;
        int (*run)(int, char **);
    };
    const Entry tests[] = {
#define QUADRELLE_WINDOW_TEST(name, run) {#name, run},
#include "test_classes.h"
#undef QUADRELLE_WINDOW_TEST
    };
    std::string names;
    for (const Entry &test : tests) {
        if (argc >= 2 && !std::strcmp(argv[1], test.name)) {
            argv[1] = argv[0];
            quadrelle::Application app(--argc, ++argv);
            return test.run(argc, argv);
        }
        names += names.empty() ? "" : "|";
        names += test.name;
    }
    std::fprintf(stderr, "usage: %s %s [Qt Test options]\n", argv[0], names.c_str());
    return 2;
}
