#pragma once

#include "platform/cd_audio.h"
#include "tracks/cddb_types.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The request side of the CDDB protocol over HTTP: the disc id, the hello
// string and the query and read requests, byte for byte.

inline constexpr int kCddbProtocolLevel = 6; // level 6 replies are UTF-8

// The standard CDDB disc id of a table of contents (track starts and lead-out).
// An empty table gives 0.
uint32_t ComputeDiscId(const DiscToc& toc);

// The proxy the requests go through; an empty host means a direct connection
// and an empty user name means no proxy authentication.
struct CddbProxy {
    QString host;
    int port = 80;
    QString user;
    QString password;
};

// "hello=USER+HOST+Lumvane+VERSION&proto=6". With an e-mail address the user
// and host are its local part and domain, URL-encoded; otherwise `loginName`
// and `hostName` with every character but letters and digits made "_", and
// "Unknown" for a name that is empty.
QByteArray CddbHello(const QString& userEmail, const QString& loginName, const QString& hostName);
// The same with this machine's login and host names.
QByteArray CddbHello(const QString& userEmail);

// The header lines that a request through a proxy carries (without the final
// line end): "Host: ..." and, with a user name, the Basic credentials first.
QByteArray CddbProxyHeaderLines(const QString& siteHost, const CddbProxy& proxy);

QByteArray CddbQueryRequest(const CCddbSite& site, uint32_t discId, const DiscToc& toc,
                            const QByteArray& hello, const CddbProxy& proxy);
QByteArray CddbReadRequest(const CCddbSite& site, const QString& category, uint32_t discId,
                           const QByteArray& hello, const CddbProxy& proxy);
