#pragma once

#include "album_data.h"

#include <QString>

#include <span>
#include <vector>

// Replaces every placeholder of `text` that it recognises by the album's data
// and leaves everything else as it is:
//   <titleNN> <artistNN> <playtimeNN>  field of track NN (1 up to the track count)
//   <albumartist> <albumtitle> <albumtime>  album artist, title and year
//   <tracklist>  the whole track list, one line per track
//   <albumlength> <trackcount>  the sum of the play times, the number of tracks
// Keys are matched as prefixes, without regard to letter case, in that order.
// A track number is exactly the two characters after the key, read as atoi
// reads them; an album key swallows the rest of the brackets. Inserted values
// are never scanned again.
QString ExpandPlaceholders(const QString& text, const AlbumData& album);

// The same expansion, with the text cut where <tracklist> stands: the pieces
// in order, plain text or the track list (which text objects lay out as a
// block of their own). Always at least one piece.
struct ExpandedPiece {
    QString text;           // expanded text; empty for the track list
    bool trackList = false; // stands for the album's track list
};
std::vector<ExpandedPiece> ExpandPlaceholderPieces(const QString& text, const AlbumData& album);

// The texts the Track menu of the text property bars puts into an object.
struct PlaceholderTemplate {
    int commandId;
    const char* caption; // as the menu shows it
    const char* text;    // what replaces the object's text
};

// In menu order.
std::span<const PlaceholderTemplate> PlaceholderTemplates();
