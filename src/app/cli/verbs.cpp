#include "verbs.h"

#include <cstdio>
#include <vector>

int ReportFailure(const QString& message) {
    std::fprintf(stderr, "lumvane: %s\n", message.toLocal8Bit().constData());
    return 1;
}

std::span<const Verb> Verbs() {
    // Each verb's run function lives in a file of its own beside this one.
    static const std::vector<Verb> kVerbs = {kDumpVerb, kConvertVerb, kTracksVerb, kRenderVerb,
                                             kAddPictureVerb};
    return kVerbs;
}
