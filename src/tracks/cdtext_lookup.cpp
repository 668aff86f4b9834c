#include "cdtext_lookup.h"

#include <algorithm>

QString NoCdTextMessage(const QString& source) {
    return source.isEmpty() ? QStringLiteral("the disc carries no CD-TEXT")
                            : QStringLiteral("%1: the disc carries no CD-TEXT").arg(source);
}

AlbumData AlbumFromCdText(const CdText& text, const DiscToc& toc) {
    AlbumData album;
    album.title = text.disc.title;
    album.artist = text.disc.performer;
    const size_t trackCount = toc.empty() ? 0 : toc.size() - 1;
    if (album.artist.isEmpty() && !text.tracks.empty()) {
        const QString& first = text.tracks.front().performer;
        if (std::all_of(text.tracks.begin(), text.tracks.end(),
                        [&](const CdTextEntry& track) { return track.performer == first; }))
            album.artist = first;
    }
    for (size_t i = 0; i < trackCount; ++i) {
        const CdTextEntry entry = i < text.tracks.size() ? text.tracks[i] : CdTextEntry{};
        const int seconds = (toc[i + 1].TotalFrames() - toc[i].TotalFrames()) / 75;
        album.tracks.push_back(
            TrackEntry{entry.performer.isEmpty() ? album.artist : entry.performer, entry.title,
                       QString::asprintf("%02d:%02d", seconds / 60, seconds % 60)});
    }
    return album;
}

CddbLookupResult RunCdTextLookup(const QString& source) {
    CddbLookupResult result;
    DiscToc toc;
    if (!ReadCdAudioToc(source, toc, &result.message))
        return result;
    CdText text;
    if (!ReadCdText(source, int(toc.size()) - 1, text, &result.message))
        return result;
    if (!text.HasText()) {
        result.message = NoCdTextMessage(source);
        return result;
    }
    result.ok = true;
    result.album = AlbumFromCdText(text, toc);
    return result;
}
