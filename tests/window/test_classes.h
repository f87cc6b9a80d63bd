// The window's test classes, one line each: the name that picks it (the first argument, and the
// CTest entry window.NAME, which CMake reads from these lines) and the function that runs it.
// A new class is one more line here and its source file.
QUADRELLE_WINDOW_TEST(guard, RunGuardTest)
QUADRELLE_WINDOW_TEST(layout, RunLayoutTest)
QUADRELLE_WINDOW_TEST(keyboard, RunKeyboardTest)
QUADRELLE_WINDOW_TEST(startup, RunStartupTest)
QUADRELLE_WINDOW_TEST(entry, RunEntryTest)
QUADRELLE_WINDOW_TEST(solve, RunSolveTest)
QUADRELLE_WINDOW_TEST(clear, RunClearTest)
QUADRELLE_WINDOW_TEST(crosscheck, RunCrossCheckTest)
QUADRELLE_WINDOW_TEST(commands, RunCommandsTest)
QUADRELLE_WINDOW_TEST(arguments, RunArgumentTest)
QUADRELLE_WINDOW_TEST(startupfiles, RunStartupFilesTest)
QUADRELLE_WINDOW_TEST(display, RunDisplayTest)
QUADRELLE_WINDOW_TEST(looks, RunLooksTest)
QUADRELLE_WINDOW_TEST(locale, RunLocaleTest)
QUADRELLE_WINDOW_TEST(menus, RunMenusTest)
QUADRELLE_WINDOW_TEST(statusline, RunStatusLineTest)
