#pragma once

#include "tracks/proxy_settings.h"

#include <QString>

#include <cstdint>
#include <vector>

// The CDDB server to ask: host name or dotted address, port and CGI path.
struct CCddbSite {
    QString host;
    int port = 80;
    QString path;

    // The site for query and read commands.
    static CCddbSite ForQuery(const QString& host, int port) {
        return CCddbSite{host, port, QStringLiteral("/~cddb/cddb.cgi")};
    }
    // The site for submissions (not used by the program itself).
    static CCddbSite ForSubmit(const QString& host, int port) {
        return CCddbSite{host, port, QStringLiteral("/~cddb/submit.cgi")};
    }
};

// One entry of a query reply.
struct CCddbMatch {
    QString category; // for example "rock" or "misc"
    uint32_t discId = 0;
    QString artist;
    QString title;
};

// One database entry as the read command returns it.
struct CCddbRecord {
    std::vector<int> frameOffsets;
    int discLength = 0; // seconds
    int revision = 0;
    QString submitClient;
    QString submitVersion;
    QString submitComment; // first word of the submitter's comment
    uint32_t discId = 0;
    QString artist;
    QString title;
    int year = 0;
    QString genre;
    std::vector<QString> trackTitles; // indexed by track number from 0
    QString extendedDiscData;
    std::vector<QString> extendedTrackData; // indexed like trackTitles
    std::vector<int> playOrder;
};

// How long one request (connect, send, receive) may take in all, unless the
// settings say otherwise: a server that sends a byte now and then cannot hold
// a lookup forever.
inline constexpr int kDefaultCddbTimeoutSeconds = 30;

// What a lookup needs from the program's settings, as plain values.
struct CddbSettings {
    QString server = QStringLiteral("gnudb.gnudb.org");
    int port = 80;
    QString userEmail; // empty: the login and host names identify the user
    ProxySettings proxy;
    int requestTimeoutMs = kDefaultCddbTimeoutSeconds * 1000;
};
