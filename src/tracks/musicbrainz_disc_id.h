#pragma once

#include "platform/cd_audio.h"

#include <QString>

// The MusicBrainz disc id (28 characters) of a table of contents whose first
// track is number `firstTrack`; empty for a table libdiscid refuses (no
// tracks, more than 99, positions out of order).
QString MusicBrainzDiscId(const DiscToc& toc, int firstTrack = 1);
