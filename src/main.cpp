#include "app/application.h"
#include "app/cli/command_line.h"

#include <QApplication>

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = RunCommandLine(args);
    if (commandLine.headlessResult)
        return *commandLine.headlessResult;

    QApplication qtApp(argc, argv);
    CDiscwrightApp app;
    if (!app.InitInstance(commandLine.fileToOpen))
        return app.ExitStatus(); // another instance shows the window, or does not answer
    return QApplication::exec();
}
