#pragma once

#include "platform/cd_audio.h"
#include "tracks/cddb_protocol.h"
#include "tracks/cddb_types.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <cstdint>
#include <vector>

// One CDDB lookup's client: reads the disc's table of contents, sends the
// query and read commands over HTTP (directly or through a proxy) and parses
// the replies. Made for one lookup and discarded after it; one request at a
// time, each on its own connection, closed when the request ends.
//
// The client may run on a worker thread: when the flag given to the
// constructor turns true, the current request stops within a tenth of a
// second and closes its connection.
class CCddbClient {
public:
    explicit CCddbClient(const std::atomic<bool>* cancelled = nullptr) : m_cancelled(cancelled) {}

    void SetUserEmail(const QString& email) { m_userEmail = email; }
    void SetProxy(const QString& host, int port) {
        m_proxy.host = host;
        m_proxy.port = port;
    }
    void SetProxyAuthentication(const QString& user, const QString& password) {
        m_proxy.user = user;
        m_proxy.password = password;
    }

    // The longest one request may take in all, connecting included; the wait
    // for each next piece of a reply is shorter still (two seconds).
    void SetRequestTimeout(int milliseconds) { m_requestTimeoutMs = milliseconds; }

    // The table of contents of the drive or image of CdAudioSource().
    bool ReadDiscToc(DiscToc& toc);
    bool ComputeDiscId(uint32_t& discId);
    bool Query(const CCddbSite& site, uint32_t discId, const DiscToc& toc,
               std::vector<CCddbMatch>& matches);
    bool Read(const CCddbSite& site, const QString& category, uint32_t discId, CCddbRecord& record);

    // The reply the last failed query or read left behind, for messages.
    const QString& LastReplyText() const { return m_lastReply; }
    // The last device or protocol error as an errno value.
    int LastError() const { return m_lastError; }
    // Why the last request failed, for "Failed to Query,error:<this>": what
    // the server sent, quoted so that it is printable and one line, or the
    // reason when it sent nothing or timed out ("connection timed out",
    // "connection refused", "unknown host example.org", ...).
    QString FailureText() const;

private:
    // Connects, sends `request` and receives until the reply is complete.
    bool Exchange(const CCddbSite& site, const QByteArray& request, bool query, QByteArray& reply);
    int Connect(const CCddbSite& site);
    bool Receive(int socket, bool query, QByteArray& reply);
    bool Cancelled() const { return m_cancelled != nullptr && m_cancelled->load(); }
    // Milliseconds left of the current request's overall time; 0 once past it.
    qint64 RequestTimeLeft() const;

    const std::atomic<bool>* m_cancelled;
    QString m_userEmail;
    CddbProxy m_proxy;
    QString m_lastReply;
    int m_lastError = 0;
    QString m_lastHost;
    int m_requestTimeoutMs = kDefaultCddbTimeoutSeconds * 1000;
    QElapsedTimer m_requestClock;
};
