#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Running the desktop's own tools (validators, the MIME database, cmake,
// dpkg) from the packaging tests.
struct ToolRun {
    int exitCode = -1; // -1 when the tool did not start or did not finish
    QString output;    // stdout and stderr together
};
ToolRun RunTool(const QString& program, const QStringList& args,
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                int timeoutMs = 60000);

// A file of the packaging folder in the source tree.
QString PackagingFile(const QString& name);
