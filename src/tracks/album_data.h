#pragma once

#include <QString>

#include <vector>

// One track of the album: the texts the track placeholders show.
struct TrackEntry {
    QString artist;
    QString title;
    QString playTime; // as shown, for example "3:45"

    bool operator==(const TrackEntry&) const = default;
};

// The album data a project carries for its placeholders.
struct AlbumData {
    QString title;                  // <albumtitle>
    QString artist;                 // <albumartist>
    QString year;                   // <albumtime>
    std::vector<TrackEntry> tracks; // in play order

    // What a new or emptied project holds.
    static AlbumData Defaults() {
        return AlbumData{QStringLiteral("unknown title"),
                         QStringLiteral("unknown artist"),
                         QStringLiteral("2006"),
                         {}};
    }
    bool operator==(const AlbumData&) const = default;
};
