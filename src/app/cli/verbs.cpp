#include "verbs.h"

#include <cstdio>
#include <vector>

int RunTracksVerb(const QStringList& args);

int ReportFailure(const QString& message) {
    std::fprintf(stderr, "lumvane: %s\n", message.toLocal8Bit().constData());
    return 1;
}

std::span<const Verb> Verbs() {
    // Each verb's run function lives in a file of its own beside this one.
    static const std::vector<Verb> kVerbs = {
        {QStringLiteral("tracks"),
         QStringLiteral("tracks lookup | import FILES... | apply FILE.dwp (--cd | --import "
                        "FILES... | --json J)"),
         QStringLiteral(
             "look up the CD, read music files and playlists, or set a project's track list"),
         RunTracksVerb},
    };
    return kVerbs;
}
