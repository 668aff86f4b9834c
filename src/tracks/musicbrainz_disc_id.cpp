#include "musicbrainz_disc_id.h"

#include <discid/discid.h>

#include <memory>

namespace {

struct DiscIdDeleter {
    void operator()(DiscId* disc) const { discid_free(disc); }
};

} // namespace

QString MusicBrainzDiscId(const DiscToc& toc, int firstTrack) {
    // libdiscid takes the lead-out at [0] and the tracks' absolute positions
    // (lead-in included, as the table holds them) at [first..last].
    const int trackCount = int(toc.size()) - 1;
    const int lastTrack = firstTrack + trackCount - 1;
    if (trackCount < 1 || firstTrack < 1 || lastTrack > 99)
        return QString();
    int offsets[100] = {};
    offsets[0] = toc.back().TotalFrames();
    for (int i = 0; i < trackCount; ++i)
        offsets[firstTrack + i] = toc[size_t(i)].TotalFrames();
    const std::unique_ptr<DiscId, DiscIdDeleter> disc(discid_new());
    if (!disc || discid_put(disc.get(), firstTrack, lastTrack, offsets) == 0)
        return QString();
    return QString::fromLatin1(discid_get_id(disc.get()));
}
