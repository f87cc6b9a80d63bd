#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/display_check.h"
#include "shell/form1.h"
#include "shell/main_window.h"
#include "shell/open_puzzle.h"
#include "shell/translations.h"

#include <QTimer>
#include <QtGlobal>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

const char *program = "quadrelle";

void SayWhatToDo(const char *problem)
{
    std::fprintf(stderr, "quadrelle: %s; to run it without one: xvfb-run -a %s\n", problem, program);
}

// Qt stops with abort() when no platform plugin starts; say it the same way and exit 1.
void PlatformFailureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg) {
        SayWhatToDo("the display cannot be used");
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const quadrelle::CommandLine line = quadrelle::ParseCommandLine(argc, argv);
    switch (line.action) {
    case quadrelle::CommandLine::Action::Help:
    case quadrelle::CommandLine::Action::Version: {
        const std::string answer
            = line.action == quadrelle::CommandLine::Action::Help ? quadrelle::HelpText() : quadrelle::VersionText();
        std::fputs(answer.c_str(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    case quadrelle::CommandLine::Action::UsageError:
        std::fputs(quadrelle::UsageErrorText(line.problem).c_str(), stderr);
        return 2;
    case quadrelle::CommandLine::Action::Open:
        break;
    }
    program = argv[0];
    const std::string problem = quadrelle::DisplayProblem(std::chrono::seconds(5));
    if (!problem.empty()) {
        SayWhatToDo(problem.c_str());
        // A connection attempt may still hang on its thread: leave without waiting for it.
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Qt sees only the program's name: an operand after "--" must not be taken for one of
    // its own options.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(PlatformFailureHandler);
    quadrelle::Application app(qtArgc, qtArgv);
    qInstallMessageHandler(previous);
    quadrelle::InstallTranslations(app);
    quadrelle::Application::setDesktopFileName(QStringLiteral(QUADRELLE_APP_ID));
    quadrelle::MainWindow frame(quadrelle::Form1Environment::Real());
    quadrelle::Form1 &window = frame.form();
    QObject::connect(&window, &quadrelle::Form1::Unloaded, &app, &QCoreApplication::quit);
    window.Form_Load();
    frame.CenterOnScreen();
    frame.show();
    frame.activateWindow();
    // Typed in once the event loop runs, so a refusal's message box shows over the window.
    quadrelle::QtMessageBoxes boxes(&frame);
    QByteArrayList operands;
    for (const std::string &operand : line.operands)
        operands << QByteArray::fromStdString(operand);
    QTimer::singleShot(0, &window, [&] { quadrelle::OpenPuzzleArguments(window, boxes, operands); });
    return app.exec();
}
