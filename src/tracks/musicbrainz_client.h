#pragma once

#include "tracks/musicbrainz_types.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <atomic>

// Plain HTTP(S) GET requests for the MusicBrainz lookup and the cover
// download over Qt Network, blocking the calling thread (a worker, or the
// command line) in a local event loop. Each request is bounded in size and in
// time (the settings' time limit, waits included), honours the proxy from
// the settings, sends the User-Agent the service asks for and stops within a
// tenth of a second once `cancelled` turns true.
class CMusicBrainzClient {
public:
    CMusicBrainzClient(const MusicBrainzSettings& settings,
                       const std::atomic<bool>* cancelled = nullptr)
        : m_settings(settings), m_cancelled(cancelled) {}

    // The base address requests go to: the server value when it has a scheme,
    // else https://HOST on port 443 and http://HOST:PORT on any other.
    static QUrl ServiceBase(const MusicBrainzSettings& settings);
    // "Lumvane/VERSION ( contact )".
    static QByteArray UserAgent(const MusicBrainzSettings& settings);

    enum class Outcome { Ok, NotFound, Busy, Failed, Cancelled };

    // GET of the web service at `url`: at most one request a second in the
    // whole process, a 503 answered by waiting its Retry-After (up to ten
    // seconds) and asking once more. `body` holds the reply on Ok.
    Outcome GetService(const QUrl& url, qsizetype maxBytes, QByteArray& body);
    // GET of any other address (redirects followed), without the rate gate.
    Outcome Get(const QUrl& url, qsizetype maxBytes, QByteArray& body);

    // Why the last request failed, for messages ("HTTP 500 Internal Server
    // Error", "connection refused", "timed out", ...).
    const QString& FailureText() const { return m_failure; }
    // The seconds a busy server asked to wait, when it said.
    int RetryAfterSeconds() const { return m_retryAfter; }

private:
    Outcome Request(const QUrl& url, qsizetype maxBytes, QByteArray& body, int& status);
    bool Cancelled() const { return m_cancelled != nullptr && m_cancelled->load(); }
    // Sleeps `ms` in short slices; false when cancelled or past the deadline.
    bool Wait(qint64 ms);

    MusicBrainzSettings m_settings;
    const std::atomic<bool>* m_cancelled;
    QString m_failure;
    int m_retryAfter = -1;
    qint64 m_deadlineMs = 0; // since the epoch of the steady clock, for one call
};
