#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line. Headless verbs (help, version, and the script commands
// such as dump) run without a window and return an exit status; anything else
// starts the window, optionally on one project file.
struct CommandLine {
    // Set when the command line was a headless verb: run it and exit with this.
    std::optional<int> headlessResult;
    // The project to open in the window; empty for a new project.
    QString fileToOpen;
    // --new: a new project, in the window that already runs if there is one
    // (the desktop's "New Project" action).
    bool newProject = false;
    // --print FILE / --print-to FILE PRINTER: print the project without a
    // window and exit; an empty printer is the default one.
    bool printDirectly = false;
    QString printer;
};

// Runs a headless verb if the arguments name one; `args` excludes the program name.
CommandLine RunCommandLine(const QStringList& args);

// The text of --help.
QString UsageText();
