#include "app/application.h"
#include "app/cli/command_line.h"
#include "platform/native_path.h"

#include <QApplication>

int main(int argc, char** argv) {
    QStringList args;
    // File names are bytes: PathFromNative keeps those that are not UTF-8.
    for (int i = 1; i < argc; ++i)
        args.append(PathFromNative(argv[i]));
    const CommandLine commandLine = RunCommandLine(args);
    if (commandLine.headlessResult)
        return *commandLine.headlessResult;

    QApplication qtApp(argc, argv);
    CDiscwrightApp app;
    if (!app.InitInstance(commandLine.fileToOpen))
        return app.ExitStatus(); // another instance shows the window, or does not answer
    return QApplication::exec();
}
