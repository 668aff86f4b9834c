#pragma once

#include "platform/cd_audio.h"
#include "platform/cd_text.h"
#include "tracks/album_data.h"
#include "tracks/cddb_lookup.h"

#include <QString>

// The album the disc's own CD-TEXT gives, read without the network from the
// drive or image `source` (see CdAudioSource). Fails with a message when the
// disc cannot be read or carries no CD-TEXT (see NoCdTextMessage).
CddbLookupResult RunCdTextLookup(const QString& source);

// What RunCdTextLookup says of a disc without CD-TEXT in `source`.
QString NoCdTextMessage(const QString& source);

// The album of `text` on a disc with the table of contents `toc`: the disc
// title and performer (the tracks' common performer when the disc names
// none), one row per track with its own performer (the disc's when it has
// none), its title, and its play time measured to the next entry of `toc`
// as the CDDB rows show it ("%02d:%02d"). The year stays empty.
AlbumData AlbumFromCdText(const CdText& text, const DiscToc& toc);
