// lumvane render FILE --face F [--zoom Z] -o OUT.png: one face of a project as
// the editing view shows it, without selection frames or grid.

#include "verbs.h"

#include "app/app_settings.h"
#include "document/discwright_doc.h"
#include "document/face_renderer.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <memory>

namespace {

constexpr float kMinZoom = 0.1f;
constexpr float kMaxZoom = 4.0f;

int RunRender(const QStringList& args) {
    const QString usage =
        QStringLiteral("usage: lumvane render FILE.dwp --face disc|front|inside|back "
                       "[--zoom Z] -o OUT.png");
    QString input, output, faceName;
    float zoom = 1.0f;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--face") && hasValue) {
            faceName = args[++i];
        } else if (arg == QLatin1String("--zoom") && hasValue) {
            bool ok = false;
            zoom = args[++i].toFloat(&ok);
            if (!ok || !(zoom >= kMinZoom && zoom <= kMaxZoom))
                return ReportFailure(
                    QStringLiteral("--zoom wants a number from %1 to %2, not \"%3\"")
                        .arg(kMinZoom)
                        .arg(kMaxZoom)
                        .arg(args[i]));
        } else if (arg == QLatin1String("-o") && hasValue) {
            output = args[++i];
        } else if (!arg.startsWith(QLatin1Char('-')) && input.isEmpty()) {
            input = arg;
        } else {
            return ReportFailure(usage);
        }
    }
    if (input.isEmpty() || output.isEmpty() || faceName.isEmpty())
        return ReportFailure(usage);
    const int faceId = FaceArgument(faceName);
    if (faceId < 0)
        return 1;

    CDiscwrightDoc doc(ProgramSettings().ForDocument());
    QString error;
    if (!doc.OnOpenDocument(input, &error))
        return ReportFailure(error);

    // Fonts need a GUI application; without a display it draws offscreen.
    std::unique_ptr<QGuiApplication> gui;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "lumvane";
        static char* argv[] = {name, nullptr};
        gui = std::make_unique<QGuiApplication>(argc, argv);
    }

    FaceImageOptions options;
    options.zoom = zoom;
    const QImage image = RenderFaceImage(doc, faceId, options);
    if (image.isNull())
        return ReportFailure(
            QStringLiteral("%1: the %2 face has no size (its label stock could not be read)")
                .arg(input, faceName));

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return ReportFailure(
            QStringLiteral("%1: cannot write the image (%2)").arg(output, file.errorString()));
    return 0;
}

} // namespace

extern const Verb kRenderVerb;
const Verb kRenderVerb = {
    QStringLiteral("render"),
    QStringLiteral("render FILE.dwp --face disc|front|inside|back [--zoom Z] -o OUT.png"),
    QStringLiteral("draw one face of a project as a PNG image"), RunRender};
