#include "verbs.h"

#include "app/app_settings.h"
#include "document/face.h"
#include "platform/program_folder.h"

#include <cstdio>
#include <vector>

int ReportFailure(const QString& message) {
    std::fprintf(stderr, "lumvane: %s\n", message.toLocal8Bit().constData());
    return 1;
}

AppSettings ProgramSettings() {
    AppSettings settings(ExecutableFolder());
    settings.LoadSettings();
    return settings;
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
    static const std::vector<Verb> kVerbs = {kDumpVerb,   kConvertVerb,    kTracksVerb,
                                             kRenderVerb, kAddPictureVerb, kPrintVerb};
    return kVerbs;
}
