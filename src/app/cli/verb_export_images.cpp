// lumvane export-images FILE.dwp --dir D --name N [--faces ...] [--format jpeg|png]
// [--dpi 96..1200]: faces of a project as picture files, as the window's
// "Export Cover As Images..." writes them.

#include "verbs.h"

#include "document/discwright_doc.h"
#include "document/face.h"
#include "document/face_export.h"

#include <QCommandLineParser>
#include <QDir>

#include <memory>
#include <vector>

namespace {

int RunExportImages(const QStringList& args) {
    const QString usage =
        QStringLiteral("usage: lumvane export-images FILE.dwp --dir D --name N "
                       "[--faces disc,front,inside,back] [--format jpeg|png] [--dpi 96..1200]");
    QCommandLineParser parser;
    const QCommandLineOption dirOption(QStringLiteral("dir"), QString(), QStringLiteral("D"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QString(), QStringLiteral("N"));
    const QCommandLineOption facesOption(QStringLiteral("faces"), QString(), QStringLiteral("F"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(),
                                          QStringLiteral("FMT"));
    const QCommandLineOption dpiOption(QStringLiteral("dpi"), QString(), QStringLiteral("DPI"));
    parser.addOptions({dirOption, nameOption, facesOption, formatOption, dpiOption});
    if (!ParseVerbArguments(parser, args, usage))
        return 1;
    const QStringList files = parser.positionalArguments();
    const QString folder = parser.value(dirOption);
    const QString name = parser.value(nameOption);
    if (files.size() != 1 || files.front().isEmpty() || folder.isEmpty() || name.isEmpty())
        return ReportFailure(usage);
    if (name.contains(QLatin1Char('/')))
        return ReportFailure(QStringLiteral("--name \"%1\" is a file name, not a path").arg(name));

    FaceExportOptions options;
    if (parser.isSet(formatOption)) {
        const QString format = parser.value(formatOption).toLower();
        if (format == QLatin1String("png"))
            options.format = FaceImageFormat::kPng;
        else if (format != QLatin1String("jpeg") && format != QLatin1String("jpg"))
            return ReportFailure(
                QStringLiteral("--format wants jpeg or png, not \"%1\"").arg(format));
    }
    if (parser.isSet(dpiOption)) {
        bool ok = false;
        options.dpi = parser.value(dpiOption).toInt(&ok);
        if (!ok || options.dpi < kMinExportDpi || options.dpi > kMaxExportDpi)
            return ReportFailure(
                QStringLiteral("--dpi wants a whole number from %1 to %2, not \"%3\"")
                    .arg(kMinExportDpi)
                    .arg(kMaxExportDpi)
                    .arg(parser.value(dpiOption)));
    }
    std::vector<bool> chosen(kFaceCount, !parser.isSet(facesOption));
    if (parser.isSet(facesOption)) {
        for (const QString& faceName :
             parser.value(facesOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int faceId = FaceArgument(faceName.trimmed());
            if (faceId < 0)
                return 1;
            chosen[size_t(faceId)] = true;
        }
    }
    if (!QDir(folder).exists())
        return ReportFailure(QStringLiteral("%1: no such folder").arg(folder));

    const std::unique_ptr<CDiscwrightDoc> opened = OpenVerbProject(files.front());
    if (!opened)
        return 1;
    CDiscwrightDoc& doc = *opened;
    QString error;

    // The window's order: back, disc, front, inside.
    int status = 0;
    for (int faceId : {kBackFace, kDiscFace, kFrontFace, kInsideFace}) {
        if (!chosen[size_t(faceId)])
            continue;
        const QString path = FaceImagePath(folder, name, faceId, options.format);
        if (!ExportFaceImage(doc, faceId, path, options, &error))
            status = ReportFailure(QStringLiteral("%1: %2").arg(files.front(), error));
    }
    return status;
}

} // namespace

extern const Verb kExportImagesVerb;
const Verb kExportImagesVerb = {
    QStringLiteral("export-images"),
    QStringLiteral("export-images FILE.dwp --dir D --name N [--faces disc,front,inside,back] "
                   "[--format jpeg|png] [--dpi 96..1200]"),
    QStringLiteral("write faces of a project as JPEG or PNG pictures"), RunExportImages};
