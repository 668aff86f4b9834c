#include "packaging_support.h"

#include <QProcess>

ToolRun RunTool(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    ToolRun run;
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.output = program + QStringLiteral(": did not run to its end");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

QString PackagingFile(const QString& name) {
    return QStringLiteral(LUMVANE_PACKAGING_DIR "/") + name;
}
