// lumvane render FILE --face F [--zoom Z] -o OUT.png: one face of a project as
// the editing view shows it, without selection frames or grid.

#include "verbs.h"

#include "document/discwright_doc.h"
#include "document/face_renderer.h"
#include "platform/atomic_file.h"

#include <QBuffer>
#include <QCommandLineParser>

#include <memory>

namespace {

constexpr float kMinZoom = 0.1f;
constexpr float kMaxZoom = 4.0f;

int RunRender(const QStringList& args) {
    const QString usage =
        QStringLiteral("usage: lumvane render FILE.dwp --face disc|front|inside|back "
                       "[--zoom Z] -o OUT.png");
    QCommandLineParser parser;
    const QCommandLineOption faceOption(QStringLiteral("face"), QString(), QStringLiteral("F"));
    const QCommandLineOption zoomOption(QStringLiteral("zoom"), QString(), QStringLiteral("Z"));
    const QCommandLineOption outputOption(QStringLiteral("o"), QString(), QStringLiteral("OUT"));
    parser.addOptions({faceOption, zoomOption, outputOption});
    if (!ParseVerbArguments(parser, args, usage))
        return 1;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return ReportFailure(usage);
    const QString input = files.front();
    const QString output = parser.value(outputOption);
    const QString faceName = parser.value(faceOption);
    float zoom = 1.0f;
    if (parser.isSet(zoomOption)) {
        const QString value = parser.value(zoomOption);
        bool ok = false;
        zoom = value.toFloat(&ok);
        if (!ok || !(zoom >= kMinZoom && zoom <= kMaxZoom))
            return ReportFailure(QStringLiteral("--zoom wants a number from %1 to %2, not \"%3\"")
                                     .arg(kMinZoom)
                                     .arg(kMaxZoom)
                                     .arg(value));
    }
    if (input.isEmpty() || output.isEmpty() || faceName.isEmpty())
        return ReportFailure(usage);
    const int faceId = FaceArgument(faceName);
    if (faceId < 0)
        return 1;

    const std::unique_ptr<CDiscwrightDoc> opened = OpenVerbProject(input);
    if (!opened)
        return 1;
    CDiscwrightDoc& doc = *opened;
    QString error;

    FaceImageOptions options;
    options.zoom = zoom;
    const QImage image = RenderFaceImage(doc, faceId, options);
    if (image.isNull())
        return ReportFailure(
            QStringLiteral("%1: the %2 face has no size (its label stock could not be read)")
                .arg(input, faceName));

    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return ReportFailure(QStringLiteral("%1: the image cannot be encoded").arg(output));
    if (!WriteFileAtomically(output, png, &error))
        return ReportFailure(error);
    return 0;
}

} // namespace

extern const Verb kRenderVerb;
const Verb kRenderVerb = {
    QStringLiteral("render"),
    QStringLiteral("render FILE.dwp --face disc|front|inside|back [--zoom Z] -o OUT.png"),
    QStringLiteral("draw one face of a project as a PNG image"), RunRender};
