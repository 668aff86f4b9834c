#include "cd_audio.h"

#include "cdio_source.h"

namespace {

bool Fail(QString* error, const QString& why) {
    if (error != nullptr)
        *error = why;
    return false;
}

} // namespace

QString CdAudioSource() {
    return qEnvironmentVariable("LUMVANE_CDROM");
}

bool ReadCdAudioToc(const QString& source, DiscToc& toc, QString* error) {
    toc.clear();
    const CdioHandle cd = OpenCdioSource(source, error);
    if (!cd)
        return false;

    const track_t count = cdio_get_num_tracks(cd.get());
    const track_t first = cdio_get_first_track_num(cd.get());
    if (count == CDIO_INVALID_TRACK || count == 0 || first == CDIO_INVALID_TRACK)
        return Fail(error, QStringLiteral("the disc holds no tracks"));

    bool hasAudio = false;
    for (int i = 0; i < count && !hasAudio; ++i)
        hasAudio = cdio_get_track_format(cd.get(), track_t(first + i)) == TRACK_FORMAT_AUDIO;
    if (!hasAudio)
        return Fail(error, QStringLiteral("the disc holds no audio track"));

    // Logical block addresses count from the start of the lead-in, so they are
    // the absolute positions a CD player shows (the first track at 0:02:00).
    DiscToc positions;
    for (int i = 0; i < count; ++i) {
        const lba_t lba = cdio_get_track_lba(cd.get(), track_t(first + i));
        if (lba == CDIO_INVALID_LBA || lba < 0)
            return Fail(error,
                        QStringLiteral("the position of track %1 cannot be read").arg(first + i));
        positions.push_back(MsfTime::FromFrames(lba));
    }
    const lba_t leadOut = cdio_get_track_lba(cd.get(), CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LBA || leadOut < positions.back().TotalFrames())
        return Fail(error, QStringLiteral("the end of the disc cannot be read"));
    positions.push_back(MsfTime::FromFrames(leadOut));
    toc = std::move(positions);
    return true;
}
