// lumvane add-picture FILE IMAGE --face F [--background] [-o OUT]: places a
// picture file on a face at its top-left corner with the picture's natural
// size, or makes it the face's background picture, and saves the project.

#include "verbs.h"

#include "document/discwright_doc.h"
#include "document/picture_insertion.h"
#include "objects/image.h"
#include "objects/picture_loading.h"
#include "platform/file_reading.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

int RunAddPicture(const QStringList& args) {
    const QString usage = QStringLiteral("usage: lumvane add-picture FILE.dwp IMAGE "
                                         "--face disc|front|inside|back [--background] "
                                         "[-o OUT.dwp]");
    QCommandLineParser parser;
    const QCommandLineOption faceOption(QStringLiteral("face"), QString(), QStringLiteral("F"));
    const QCommandLineOption backgroundOption(QStringLiteral("background"));
    const QCommandLineOption outputOption(QStringLiteral("o"), QString(), QStringLiteral("OUT"));
    parser.addOptions({faceOption, backgroundOption, outputOption});
    if (!ParseVerbArguments(parser, args, usage))
        return 1;
    const QStringList files = parser.positionalArguments();
    const QString faceName = parser.value(faceOption);
    if (files.size() != 2 || faceName.isEmpty())
        return ReportFailure(usage);
    const QString& project = files[0];
    const QString& picturePath = files[1];
    const bool background = parser.isSet(backgroundOption);
    QString output = parser.value(outputOption);
    const int faceId = FaceArgument(faceName);
    if (faceId < 0)
        return 1;
    if (output.isEmpty())
        output = project;

    const std::unique_ptr<CDiscwrightDoc> opened = OpenVerbProject(project);
    if (!opened)
        return 1;
    CDiscwrightDoc& doc = *opened;
    QString error;

    // As the picture tool does for a click at the face's top-left corner.
    const QString fullPath = QFileInfo(picturePath).absoluteFilePath();
    if (IsSpecialFile(fullPath, &error))
        return ReportFailure(error);
    QString why;
    std::unique_ptr<CBaseObject> picture;
    if (background) {
        // A background is a raster picture: metafiles are rendered into one.
        auto raster = std::make_unique<CImage>(0, 0, 0, 0);
        if (raster->LoadFile(fullPath))
            picture = std::move(raster);
    } else {
        picture = LoadPictureFile(fullPath, 0, 0, 0, 0, &why);
    }
    if (!picture)
        return ReportFailure(QStringLiteral("Can not open file %1").arg(fullPath) +
                             (why.isEmpty() ? QString() : QStringLiteral(": ") + why));
    doc.SetActiveFace(faceId);
    auto* image = dynamic_cast<CImage*>(picture.get());
    if (background) {
        picture.release();
        std::unique_ptr<CImage> owned(image);
        // A background picture covers its face from the top-left corner.
        auto edit = doc.Edit(faceId);
        doc.SetBackground(std::move(owned));
        doc.StretchBackground(faceId);
    } else {
        // At the face's top-left corner; a picture larger than the face is
        // fitted inside it.
        PicturePlacement placement;
        placement.at = QPoint(0, 0);
        placement.select = false;
        InsertPicture(doc, faceId, std::move(picture), placement);
    }
    if (!doc.OnSaveDocument(output, &error))
        return ReportFailure(error);
    return 0;
}

} // namespace

extern const Verb kAddPictureVerb;
const Verb kAddPictureVerb = {
    QStringLiteral("add-picture"),
    QStringLiteral("add-picture FILE.dwp IMAGE --face disc|front|inside|back [--background] "
                   "[-o OUT.dwp]"),
    QStringLiteral("place a picture on a face, or make it the face's background"), RunAddPicture};
