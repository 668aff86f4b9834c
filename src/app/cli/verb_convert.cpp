// lumvane convert IN OUT: reads a project and writes it again with this
// version's writer.

#include "verbs.h"

#include "document/project_file.h"
#include "platform/archive.h"
#include "platform/archive_file.h"

namespace {

int RunConvert(const QStringList& args) {
    if (args.size() != 2)
        return ReportFailure(QStringLiteral("usage: lumvane convert IN OUT"));
    ProjectContent project;
    QString error;
    if (!ReadProjectFile(args[0], project, &error))
        return ReportFailure(error);
    QByteArray bytes;
    try {
        bytes = ProjectBytes(project);
    } catch (const ArchiveError& e) {
        return ReportFailure(QStringLiteral("%1: %2").arg(args[1], e.Text()));
    }
    if (!WriteFileAtomically(args[1], bytes, &error))
        return ReportFailure(error);
    return 0;
}

} // namespace

const Verb kConvertVerb = {QStringLiteral("convert"), QStringLiteral("convert IN.dwp OUT.dwp"),
                           QStringLiteral("read a project and write it again"), RunConvert};
