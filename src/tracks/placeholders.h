#pragma once

#include "album_data.h"

#include <QString>

#include <span>

// Replaces every placeholder of `text` that it recognises by the album's data
// and leaves everything else as it is:
//   <titleNN> <artistNN> <playtimeNN>  field of track NN (1 up to the track count)
//   <albumartist> <albumtitle> <albumtime>  album artist, title and year
// Keys are matched as prefixes, without regard to letter case, in that order.
// A track number is exactly the two characters after the key, read as atoi
// reads them; an album key swallows the rest of the brackets. Inserted values
// are never scanned again.
QString ExpandPlaceholders(const QString& text, const AlbumData& album);

// The texts the Track menu of the text property bars puts into an object.
struct PlaceholderTemplate {
    int commandId;
    const char* caption; // as the menu shows it
    const char* text;    // what replaces the object's text
};

// In menu order.
std::span<const PlaceholderTemplate> PlaceholderTemplates();
