#pragma once

#include "tracks/cddb_types.h"

#include <QString>

#include <vector>

// What a MusicBrainz lookup needs from the program's settings.
struct MusicBrainzSettings {
    // A host name, or a base address with its scheme ("http://127.0.0.1"):
    // without a scheme, port 443 means HTTPS and any other port plain HTTP.
    QString server = QStringLiteral("musicbrainz.org");
    int port = 443;
    // Where front covers come from: a base address with its scheme.
    QString coverArtServer = QStringLiteral("https://coverartarchive.org");
    // "( contact )" in the User-Agent the service asks every client to send.
    QString contact = QStringLiteral("https://lumvane.example.org");
    ProxySettings proxy;
    int requestTimeoutMs = kDefaultCddbTimeoutSeconds * 1000; // the whole of one request
};

// One track of a release's medium.
struct MbTrack {
    QString title;
    QString artist;    // the track's own artist credit, else the release's
    int lengthMs = -1; // -1 when the service does not know it
};

// One release the disc id belongs to, with the medium that holds the disc.
struct MbRelease {
    QString id; // the release's MBID, for the cover
    QString title;
    QString artist; // the artist credit as shown: names with their join phrases
    QString date;
    QString country;
    std::vector<MbTrack> tracks;
};
