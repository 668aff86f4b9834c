// lumvane convert IN OUT: reads a project and writes it again with this
// version's writer.

#include "verbs.h"

#include "document/project_file.h"
#include "platform/archive.h"
#include "platform/archive_file.h"

#include <QCommandLineParser>

namespace {

int RunConvert(const QStringList& args) {
    const QString usage = QStringLiteral("usage: lumvane convert IN OUT");
    QCommandLineParser parser;
    if (!ParseVerbArguments(parser, args, usage))
        return 1;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return ReportFailure(usage);
    ProjectContent project;
    QString error;
    if (!ReadProjectFile(files[0], project, &error))
        return ReportFailure(error);
    QByteArray bytes;
    try {
        bytes = ProjectBytes(project);
    } catch (const ArchiveError& e) {
        return ReportFailure(QStringLiteral("%1: %2").arg(files[1], e.Text()));
    }
    if (!WriteFileAtomically(files[1], bytes, &error))
        return ReportFailure(error);
    return 0;
}

} // namespace

const Verb kConvertVerb = {QStringLiteral("convert"), QStringLiteral("convert IN.dwp OUT.dwp"),
                           QStringLiteral("read a project and write it again"), RunConvert};
