#include "app/app_translations.h"
#include "app/application.h"
#include "app/cli/command_line.h"
#include "app/printing/direct_print.h"
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

    if (commandLine.printDirectly) {
        // Printing shows no window, so it needs no display.
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication printApp(argc, argv);
        InstallTranslations(QLocale::system());
        return PrintProjectDirectly(commandLine.fileToOpen, commandLine.printer);
    }
    QApplication qtApp(argc, argv);
    InstallTranslations(QLocale::system());
    CDiscwrightApp app;
    app.SetCatchTerminationSignals(true);
    if (!app.InitInstance(commandLine.fileToOpen, commandLine.newProject))
        return app.ExitStatus(); // another instance shows the window, or does not answer
    return QApplication::exec();
}
