#include "cddb_client.h"

#include "platform/message_text.h"
#include "tracks/cddb_reply.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kReceiveTimeoutMs = 2000;
constexpr int kConnectTimeoutMs = 30000;
constexpr int kPollSliceMs = 100; // how often a waiting request looks at the cancel flag

class SocketCloser {
public:
    explicit SocketCloser(int fd) : m_fd(fd) {}
    ~SocketCloser() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SocketCloser(const SocketCloser&) = delete;
    SocketCloser& operator=(const SocketCloser&) = delete;

private:
    int m_fd;
};

} // namespace

bool CCddbClient::ReadDiscToc(DiscToc& toc) {
    if (!ReadCdAudioToc(CdAudioSource(), toc)) {
        m_lastError = ENODEV;
        return false;
    }
    return true;
}

bool CCddbClient::ComputeDiscId(uint32_t& discId) {
    DiscToc toc;
    if (!ReadDiscToc(toc))
        return false;
    discId = ::ComputeDiscId(toc);
    return true;
}

bool CCddbClient::Query(const CCddbSite& site, uint32_t discId, const DiscToc& toc,
                        std::vector<CCddbMatch>& matches) {
    matches.clear();
    const QByteArray request = CddbQueryRequest(site, discId, toc, CddbHello(m_userEmail), m_proxy);
    QByteArray reply;
    if (!Exchange(site, request, true, reply))
        return false;
    QByteArray bodyBytes;
    if (!CddbReplyBody(reply, bodyBytes)) {
        m_lastReply = DecodeCddbText(reply);
        m_lastError = EPROTONOSUPPORT;
        return false;
    }
    const QString body = DecodeCddbText(bodyBytes);
    m_lastReply = body;
    bool consumed = false;
    const bool ok = ParseCddbQueryReply(body, matches, consumed);
    if (consumed)
        m_lastReply.clear();
    if (!ok)
        m_lastError = EPROTONOSUPPORT;
    return ok;
}

bool CCddbClient::Read(const CCddbSite& site, const QString& category, uint32_t discId,
                       CCddbRecord& record) {
    const QByteArray request =
        CddbReadRequest(site, category, discId, CddbHello(m_userEmail), m_proxy);
    QByteArray reply;
    if (!Exchange(site, request, false, reply))
        return false;
    m_lastReply = DecodeCddbText(reply);
    QByteArray bodyBytes;
    if (!CddbReplyBody(reply, bodyBytes)) {
        m_lastError = EPROTONOSUPPORT;
        return false;
    }
    const QString body = DecodeCddbText(bodyBytes);
    m_lastReply = body;
    if (!ParseCddbReadReply(body, record)) {
        m_lastError = EPROTONOSUPPORT;
        return false;
    }
    if (record.discId != discId)
        record.discId = discId;
    m_lastReply.clear();
    return true;
}

qint64 CCddbClient::RequestTimeLeft() const {
    return qMax<qint64>(0, m_requestTimeoutMs - m_requestClock.elapsed());
}

QString CCddbClient::FailureText() const {
    // What the server said is shown when it said something (even when it then
    // closed the connection early); a time-out or a connection that never came
    // about is named.
    if (m_lastError != ETIMEDOUT && !m_lastReply.isEmpty())
        return QuotedForMessage(m_lastReply);
    switch (m_lastError) {
    case ETIMEDOUT:
        return QStringLiteral("connection timed out");
    case ECONNREFUSED:
        return QStringLiteral("connection refused");
    case ECONNRESET:
        return QStringLiteral("connection closed by the server");
    case EHOSTUNREACH:
    case ENETUNREACH:
        return QStringLiteral("host unreachable");
    case EINVAL:
        return QStringLiteral("unknown host %1").arg(QuotedForMessage(m_lastHost));
    default:
        return QString::fromLocal8Bit(std::strerror(m_lastError)).toLower();
    }
}

bool CCddbClient::Exchange(const CCddbSite& site, const QByteArray& request, bool query,
                           QByteArray& reply) {
    m_lastReply.clear();
    m_requestClock.start();
    const int fd = Connect(site);
    if (fd < 0)
        return false;
    SocketCloser closer(fd);
    qsizetype sent = 0;
    while (sent < request.size()) {
        const ssize_t n =
            ::send(fd, request.constData() + sent, size_t(request.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            if (Cancelled() ||
                ::poll(&p, 1, int(qMin<qint64>(kReceiveTimeoutMs, RequestTimeLeft()))) <= 0) {
                m_lastError = Cancelled() ? ECANCELED : ETIMEDOUT;
                return false;
            }
            continue;
        }
        if (n <= 0) {
            m_lastError = errno;
            return false;
        }
        sent += n;
    }
    return Receive(fd, query, reply);
}

int CCddbClient::Connect(const CCddbSite& site) {
    const bool viaProxy = !m_proxy.host.isEmpty();
    const QByteArray host = (viaProxy ? m_proxy.host : site.host).toUtf8();
    const int port = viaProxy ? m_proxy.port : site.port;
    m_lastHost = viaProxy ? m_proxy.host : site.host;
    if (host.isEmpty() || port <= 0 || port > 65535) {
        m_lastError = EINVAL;
        return -1;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) !=
            0 ||
        found == nullptr) {
        m_lastError = EINVAL; // a name that does not resolve
        return -1;
    }
    int fd = -1;
    for (addrinfo* a = found; a != nullptr && !Cancelled(); a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            m_lastError = errno;
            continue;
        }
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0)
            break;
        int error = errno;
        if (error == EINPROGRESS) {
            // Wait for the connection in slices so that a cancel is seen.
            QElapsedTimer clock;
            clock.start();
            error = ETIMEDOUT;
            while (!Cancelled() && clock.elapsed() < kConnectTimeoutMs && RequestTimeLeft() > 0) {
                pollfd p{fd, POLLOUT, 0};
                const int ready = ::poll(&p, 1, kPollSliceMs);
                if (ready < 0 && errno != EINTR) {
                    error = errno;
                    break;
                }
                if (ready > 0) {
                    socklen_t length = sizeof error;
                    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
                        error = errno;
                    break;
                }
            }
            if (Cancelled())
                error = ECANCELED;
            if (error == 0)
                break;
        }
        m_lastError = error;
        ::close(fd);
        fd = -1;
    }
    ::freeaddrinfo(found);
    if (fd >= 0 && Cancelled()) {
        ::close(fd);
        fd = -1;
        m_lastError = ECANCELED;
    }
    return fd;
}

bool CCddbClient::Receive(int socket, bool query, QByteArray& reply) {
    QByteArray data;
    qsizetype scanFrom = 0;
    QElapsedTimer sinceData;
    sinceData.start();
    const auto fail = [&](int error) {
        m_lastError = error;
        m_lastReply = DecodeCddbText(data);
        return false;
    };
    for (;;) {
        if (Cancelled())
            return fail(ECANCELED);
        // Two limits: the pause since the last byte, and the whole request.
        const qint64 waited = sinceData.elapsed();
        const qint64 left = RequestTimeLeft();
        if (waited > kReceiveTimeoutMs || left == 0)
            return fail(ETIMEDOUT);
        pollfd p{socket, POLLIN, 0};
        const int ready = ::poll(
            &p, 1, int(std::min<qint64>({kPollSliceMs, kReceiveTimeoutMs + 1 - waited, left})));
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (ready == 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            continue;
        if (n <= 0) // closed by the server before the reply was complete, or an error
            return fail(n == 0 ? ECONNRESET : errno);
        data.append(buffer, n);
        if (data.size() > kMaxCddbReplyBytes)
            return fail(EMSGSIZE);
        sinceData.start();
        if (CheckCddbReception(data, query, scanFrom) == CddbReception::Complete) {
            reply = data;
            return true;
        }
    }
}
