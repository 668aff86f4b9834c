#include "musicbrainz_client.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <mutex>

namespace {

constexpr int kPollSliceMs = 100;        // how often a waiting request looks at the cancel flag
constexpr int kMaxRetryAfterS = 10;      // the longest a busy server is waited for
constexpr int kServiceIntervalMs = 1000; // the service allows one request a second

// The one-request-a-second gate of the whole process: a caller reserves the
// next free slot and waits for it outside the lock.
std::chrono::steady_clock::time_point ReserveServiceSlot() {
    static std::mutex mutex;
    static std::chrono::steady_clock::time_point next;
    std::lock_guard lock(mutex);
    const auto now = std::chrono::steady_clock::now();
    const auto slot = std::max(now, next);
    next = slot + std::chrono::milliseconds(kServiceIntervalMs);
    return slot;
}

qint64 NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Retry-After in seconds; HTTP dates and nonsense count as one second.
int RetryAfter(const QNetworkReply& reply) {
    const QByteArray value = reply.rawHeader("Retry-After").trimmed();
    bool ok = false;
    const int seconds = value.toInt(&ok);
    return ok && seconds >= 0 ? seconds : 1;
}

QString NetworkFailure(const QNetworkReply& reply) {
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connection refused");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("unknown host %1").arg(reply.url().host());
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("connection closed by the server");
    default:
        return reply.errorString();
    }
}

} // namespace

QUrl CMusicBrainzClient::ServiceBase(const MusicBrainzSettings& settings) {
    const QString server = settings.server.trimmed();
    if (server.contains(QStringLiteral("://")))
        return QUrl(server);
    QUrl url;
    url.setScheme(settings.port == 443 ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(server);
    if (settings.port != 443 && settings.port != 80)
        url.setPort(settings.port);
    return url;
}

QByteArray CMusicBrainzClient::UserAgent(const MusicBrainzSettings& settings) {
    QString contact = settings.contact.simplified();
    if (contact.isEmpty())
        contact = MusicBrainzSettings().contact;
    return "Lumvane/" LUMVANE_VERSION " ( " + contact.toUtf8() + " )";
}

bool CMusicBrainzClient::Wait(qint64 ms) {
    const qint64 until = NowMs() + ms;
    while (NowMs() < until) {
        if (Cancelled())
            return false;
        if (NowMs() >= m_deadlineMs) {
            m_failure = QStringLiteral("timed out");
            return false;
        }
        QThread::msleep(qMin<qint64>(kPollSliceMs / 2, until - NowMs()));
    }
    return !Cancelled();
}

CMusicBrainzClient::Outcome CMusicBrainzClient::GetService(const QUrl& url, qsizetype maxBytes,
                                                           QByteArray& body) {
    m_deadlineMs = NowMs() + m_settings.requestTimeoutMs;
    m_retryAfter = -1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto slot = ReserveServiceSlot();
        const auto delay = std::chrono::duration_cast<std::chrono::milliseconds>(
            slot - std::chrono::steady_clock::now());
        if (delay.count() > 0 && !Wait(delay.count()))
            return Cancelled() ? Outcome::Cancelled : Outcome::Failed;
        int status = 0;
        const Outcome outcome = Request(url, maxBytes, body, status);
        if (outcome != Outcome::Busy)
            return outcome;
        // Busy: wait as asked, once, when the wait is short enough.
        if (attempt == 1 || m_retryAfter > kMaxRetryAfterS)
            return Outcome::Busy;
        if (!Wait(qint64(qMax(m_retryAfter, 1)) * 1000))
            return Cancelled() ? Outcome::Cancelled : Outcome::Failed;
    }
    return Outcome::Busy;
}

CMusicBrainzClient::Outcome CMusicBrainzClient::Get(const QUrl& url, qsizetype maxBytes,
                                                    QByteArray& body) {
    m_deadlineMs = NowMs() + m_settings.requestTimeoutMs;
    int status = 0;
    return Request(url, maxBytes, body, status);
}

CMusicBrainzClient::Outcome CMusicBrainzClient::Request(const QUrl& url, qsizetype maxBytes,
                                                        QByteArray& body, int& status) {
    body.clear();
    m_failure.clear();
    if (Cancelled())
        return Outcome::Cancelled;
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) {
        m_failure =
            QStringLiteral("the address %1 is not an http or https one").arg(url.toDisplayString());
        return Outcome::Failed;
    }

    QNetworkAccessManager manager;
    if (m_settings.proxy.Active()) {
        QNetworkProxy proxy(QNetworkProxy::HttpProxy, m_settings.proxy.host,
                            quint16(m_settings.proxy.port));
        if (m_settings.proxy.Authenticates()) {
            proxy.setUser(m_settings.proxy.user);
            proxy.setPassword(m_settings.proxy.password);
        }
        manager.setProxy(proxy);
    } else {
        manager.setProxy(QNetworkProxy::NoProxy);
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent(m_settings));
    request.setRawHeader("Accept", "application/json, image/*;q=0.9, */*;q=0.5");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    bool tooLarge = false;
    bool timedOut = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        // Read as it comes so that the bound holds whatever the header says.
        body += reply->read(maxBytes + 1 - body.size());
        if (body.size() > maxBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (Cancelled()) {
            reply->abort();
        } else if (NowMs() >= m_deadlineMs) {
            timedOut = true;
            reply->abort();
        }
    });
    poll.start(kPollSliceMs);
    if (!reply->isFinished())
        loop.exec();
    poll.stop();
    if (!tooLarge && body.size() <= maxBytes)
        body += reply->read(maxBytes + 1 - body.size());
    tooLarge = tooLarge || body.size() > maxBytes;
    status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    const QNetworkReply::NetworkError error = reply->error();
    const QString networkFailure = NetworkFailure(*reply);
    if (status == 503)
        m_retryAfter = RetryAfter(*reply);
    delete reply;

    if (Cancelled())
        return Outcome::Cancelled;
    if (timedOut) {
        m_failure = QStringLiteral("timed out");
        return Outcome::Failed;
    }
    if (tooLarge) {
        m_failure = QStringLiteral("the reply is larger than %1 bytes").arg(maxBytes);
        return Outcome::Failed;
    }
    if (status == 404)
        return Outcome::NotFound;
    if (status == 503)
        return Outcome::Busy;
    if (status >= 300 || (status == 0 && error != QNetworkReply::NoError)) {
        m_failure = status > 0 ? QStringLiteral("HTTP %1 %2").arg(status).arg(reason).trimmed()
                               : networkFailure;
        return Outcome::Failed;
    }
    if (error != QNetworkReply::NoError) {
        m_failure = networkFailure;
        return Outcome::Failed;
    }
    return Outcome::Ok;
}
