#include "verbs.h"

#include "document/discwright_doc.h"
#include "document/face.h"
#include "platform/app_places.h"
#include "platform/native_path.h"
#include "settings/app_settings.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

int ReportFailure(const QString& message) {
    // DisplayPath shows bytes of file names that are not UTF-8 as \xNN and
    // keeps the message on one line.
    std::fprintf(stderr, "lumvane: %s\n", DisplayPath(message).toUtf8().constData());
    return 1;
}

bool ParseVerbArguments(QCommandLineParser& parser, const QStringList& args, const QString& usage) {
    // Options may come before, between or after the file names; "--" ends them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (parser.parse(QStringList{QStringLiteral("lumvane")} + args))
        return true;
    ReportFailure(usage);
    return false;
}

void EnsureGuiApplication(std::unique_ptr<QGuiApplication>& gui) {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lumvane";
    static char* argv[] = {name, nullptr};
    gui = std::make_unique<QGuiApplication>(argc, argv);
}

AppSettings ProgramSettings() {
    AppSettings settings(CurrentPlaces());
    settings.LoadSettings();
    return settings;
}

std::unique_ptr<CDiscwrightDoc> OpenVerbProject(const QString& path) {
    return OpenVerbProject(path, ProgramSettings());
}

std::unique_ptr<CDiscwrightDoc> OpenVerbProject(const QString& path, const AppSettings& settings) {
    auto doc = std::make_unique<CDiscwrightDoc>(settings.ForDocument());
    QString error;
    if (!doc->OnOpenDocument(path, &error)) {
        ReportFailure(error);
        return nullptr;
    }
    return doc;
}

int FaceArgument(const QString& name) {
    const int faceId = FaceIdFromName(name);
    if (faceId < 0)
        ReportFailure(
            QStringLiteral("unknown face \"%1\" (disc, front, inside or back)").arg(name));
    return faceId;
}

std::span<const Verb> Verbs() {
    // Each verb's run function lives in a file of its own beside this one.
    static const std::vector<Verb> kVerbs = {kDumpVerb,         kConvertVerb,    kTracksVerb,
                                             kRenderVerb,       kAddPictureVerb, kPrintVerb,
                                             kExportImagesVerb, kThumbnailVerb};
    return kVerbs;
}
