#include "tracks/musicbrainz_reply.h"

#include <cstddef>
#include <cstdint>

// A MusicBrainz disc id lookup's JSON reply: releases, then the rows of each
// on a three-track disc.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<MbRelease> releases;
    QString error;
    if (!ParseMusicBrainzDiscReply(json, QStringLiteral("discId"), releases, &error))
        return 0;
    const DiscToc toc = {MsfTime::FromFrames(150), MsfTime::FromFrames(14250),
                         MsfTime::FromFrames(30000), MsfTime::FromFrames(45000)};
    for (const MbRelease& release : releases)
        AlbumFromMusicBrainzRelease(release, toc);
    return 0;
}
