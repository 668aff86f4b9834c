#pragma once

#include "album_data.h"

#include <QString>

#include <optional>
#include <vector>

// One track as the whole-album track list shows it.
struct TrackListLine {
    QString number;   // "01.", "02.", ...
    QString title;    // the title, then " – Artist" when the track has an artist of its own
    QString playTime; // as stored, shown at the right of the line
};

// The album's tracks in play order.
std::vector<TrackListLine> TrackListLines(const AlbumData& album);

// The track list as plain text: "01. Title – Artist  3:45" lines joined by CR LF.
// What <tracklist> shows where no block layout is made (circular text, tooltips).
QString TrackListText(const AlbumData& album);

// The length of a play time written as m:ss, mm:ss or h:mm:ss, in seconds;
// nothing for any other text (the play time is free text).
std::optional<int> PlayTimeSeconds(QStringView playTime);

// The sum of the play times that can be read, as m:ss, or h:mm:ss from an hour on.
QString AlbumLength(const AlbumData& album);
