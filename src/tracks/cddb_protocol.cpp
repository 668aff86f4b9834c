#include "cddb_protocol.h"

#include <QUrl>

#include <pwd.h>
#include <unistd.h>

namespace {

int DigitSum(int value) {
    int sum = 0;
    for (; value > 0; value /= 10)
        sum += value % 10;
    return sum;
}

int WholeSeconds(const MsfTime& time) {
    return time.minutes * 60 + time.seconds;
}

QByteArray SafeName(const QString& name) {
    if (name.isEmpty())
        return QByteArrayLiteral("Unknown");
    QByteArray out = name.toUtf8();
    for (char& c : out) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            c = '_';
    }
    return out;
}

QString LoginName() {
    // The reentrant form: lookups run on a worker thread.
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_name != nullptr)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
}

QString HostName() {
    char buffer[260] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0)
        return QString();
    return QString::fromLocal8Bit(buffer);
}

QByteArray Hex8(uint32_t value) {
    return QByteArray::number(value, 16).rightJustified(8, '0');
}

QByteArray AbsoluteOrPath(const CCddbSite& site, const CddbProxy& proxy) {
    // Through a proxy the request names the server; the site's port is not written.
    if (proxy.host.isEmpty())
        return site.path.toUtf8();
    return "http://" + site.host.toUtf8() + site.path.toUtf8();
}

QByteArray Finish(QByteArray line, const CCddbSite& site, const CddbProxy& proxy) {
    line += " HTTP/1.0\r\n";
    if (!proxy.host.isEmpty())
        line += CddbProxyHeaderLines(site.host, proxy) + "\r\n";
    return line + "\r\n";
}

} // namespace

uint32_t ComputeDiscId(const DiscToc& toc) {
    if (toc.size() < 2)
        return 0;
    const int trackCount = int(toc.size()) - 1;
    uint32_t n = 0;
    for (int i = 0; i < trackCount; ++i)
        n += uint32_t(DigitSum(WholeSeconds(toc[size_t(i)])));
    const uint32_t t = uint32_t(WholeSeconds(toc.back()) - WholeSeconds(toc.front()));
    return ((n % 255) << 24) | (t << 8) | uint32_t(trackCount);
}

QByteArray CddbHello(const QString& userEmail, const QString& loginName, const QString& hostName) {
    QByteArray user;
    QByteArray host;
    const qsizetype at = userEmail.lastIndexOf(u'@');
    if (at > 0 && at + 1 < userEmail.size()) {
        // Servers read "user+host" as the address user@host.
        user = QUrl::toPercentEncoding(userEmail.left(at).trimmed());
        host = QUrl::toPercentEncoding(userEmail.mid(at + 1).trimmed());
    } else {
        user = SafeName(loginName);
        host = SafeName(hostName);
    }
    return "hello=" + user + '+' + host + "+Lumvane+" + QByteArray(LUMVANE_VERSION) +
           "&proto=" + QByteArray::number(kCddbProtocolLevel);
}

QByteArray CddbHello(const QString& userEmail) {
    return CddbHello(userEmail, LoginName(), HostName());
}

QByteArray CddbProxyHeaderLines(const QString& siteHost, const CddbProxy& proxy) {
    const QByteArray host = "Host: " + siteHost.toUtf8();
    if (proxy.user.isEmpty())
        return host;
    const QByteArray credentials = (proxy.user + u':' + proxy.password).toUtf8().toBase64();
    return "Proxy-Authorization: Basic " + credentials + "\r\n" + host;
}

QByteArray CddbQueryRequest(const CCddbSite& site, uint32_t discId, const DiscToc& toc,
                            const QByteArray& hello, const CddbProxy& proxy) {
    const int trackCount = toc.empty() ? 0 : int(toc.size()) - 1;
    QByteArray offsets;
    for (int i = 0; i < trackCount; ++i) {
        if (i > 0)
            offsets += '+';
        offsets += QByteArray::number(toc[size_t(i)].TotalFrames());
    }
    const int totalSeconds = toc.empty() ? 0 : WholeSeconds(toc.back());
    QByteArray line = "GET " + AbsoluteOrPath(site, proxy) + "?cmd=cddb+query+" + Hex8(discId) +
                      '+' + QByteArray::number(trackCount) + '+' + offsets + '+' +
                      QByteArray::number(totalSeconds) + '&' + hello;
    return Finish(line, site, proxy);
}

QByteArray CddbReadRequest(const CCddbSite& site, const QString& category, uint32_t discId,
                           const QByteArray& hello, const CddbProxy& proxy) {
    QByteArray line = "GET " + AbsoluteOrPath(site, proxy) + "?cmd=cddb+read+" +
                      QUrl::toPercentEncoding(category) + '+' + Hex8(discId) + '&' + hello;
    return Finish(line, site, proxy);
}
