#include "tracks_test_support.h"

#include "support/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QByteArray Msf(int seconds) {
    return QString::asprintf("%02d:%02d:00", seconds / 60, seconds % 60).toLatin1();
}

} // namespace

QString MakeCueImage(const QString& folder, const std::vector<int>& trackStarts, int dataSeconds,
                     bool audio) {
    QByteArray cue = "FILE \"disc.bin\" BINARY\n";
    for (size_t i = 0; i < trackStarts.size(); ++i) {
        cue += QString::asprintf("  TRACK %02d %s\n", int(i + 1), audio ? "AUDIO" : "MODE1/2352")
                   .toLatin1();
        cue += "    INDEX 01 " + Msf(trackStarts[i]) + "\n";
    }
    const QString cuePath = QDir(folder).filePath(QStringLiteral("disc.cue"));
    WriteTextFile(cuePath, cue);
    QFile bin(QDir(folder).filePath(QStringLiteral("disc.bin")));
    EXPECT_TRUE(bin.open(QIODevice::WriteOnly));
    EXPECT_TRUE(bin.resize(qint64(dataSeconds) * 75 * 2352)); // sparse: silence costs no disk
    return cuePath;
}

QString MakeCdTextImage(const QString& folder, const QByteArray& cueText,
                        const std::vector<QByteArray>& trackText) {
    const QString path = MakeExampleDisc(folder);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    QByteArray cue = cueText;
    int track = 0;
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        cue += line + '\n';
        if (line.trimmed().startsWith("TRACK") && size_t(track) < trackText.size())
            cue += trackText[size_t(track++)];
    }
    WriteTextFile(path, cue);
    return path;
}

QString MakeExampleDisc(const QString& folder) {
    return MakeCueImage(folder, {0, 188, 398}, 598);
}

QByteArray HttpReply(const QByteArray& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\n" + body;
}

CddbTestServer::CddbTestServer(Handler handler) : m_handler(std::move(handler)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    const int one = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    EXPECT_EQ(::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(m_listener, 8), 0);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Run(); });
}

CddbTestServer::~CddbTestServer() {
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

std::vector<QByteArray> CddbTestServer::Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void CddbTestServer::Run() {
    while (!m_stop) {
        pollfd p{m_listener, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        Serve(client);
        ::close(client);
    }
}

void CddbTestServer::Serve(int client) {
    // Read the request header (bounded in size and time).
    QByteArray request;
    QElapsedTimer clock;
    clock.start();
    while (!request.contains("\r\n\r\n") && request.size() < 65536 && clock.elapsed() < 3000 &&
           !m_stop) {
        pollfd p{client, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        request.append(buffer, n);
    }
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
    }
    const CannedReply reply = m_handler(request);
    const qsizetype chunk =
        reply.chunkBytes > 0 ? reply.chunkBytes : qMax<qsizetype>(1, reply.bytes.size());
    for (qsizetype at = 0; at < reply.bytes.size() && !m_stop; at += chunk) {
        if (::send(client, reply.bytes.constData() + at,
                   size_t(qMin(chunk, reply.bytes.size() - at)), MSG_NOSIGNAL) < 0)
            return;
        if (reply.dripMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(reply.dripMs));
    }
    if (reply.holdOpen) {
        // Keep quiet until the client gives up (bounded).
        clock.restart();
        while (!m_stop && clock.elapsed() < 10000) {
            pollfd p{client, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0) {
                char buffer[256];
                if (::recv(client, buffer, sizeof buffer, 0) <= 0)
                    return;
            }
        }
    }
}

QByteArray ExampleQuery200() {
    return "200 rock 10025603 Some Artist / Some Album\r\n";
}

QByteArray ExampleRead(bool withSubmittedVia) {
    QByteArray record =
        "210 rock 10025603 CD database entry follows (until terminating `.')\r\n"
        "# xmcd\r\n#\r\n# Track frame offsets:\r\n#\t150\r\n#\t14250\r\n#\t30000\r\n#\r\n"
        "# Disc length: 600 seconds\r\n#\r\n# Revision: 3\r\n";
    if (withSubmittedVia)
        record += "# Submitted via: Lumvane 0.1.0 test\r\n";
    record +=
        "#\r\nDISCID=10025603\r\nDTITLE=Some Artist / Some Album\r\nDYEAR=1999\r\nDGENRE=Rock\r\n"
        "TTITLE0=One\r\nTTITLE1=Tw\xc3\xb6\r\nTTITLE2=Three\r\nEXTD=\r\nEXTT0=\r\nEXTT1=\r\nEXTT2="
        "\r\n"
        "PLAYORDER=\r\n.\r\n";
    return record;
}

CannedReply ExampleCddbServer(const QByteArray& request) {
    if (request.contains("cmd=cddb+query+10025603+3+150+14250+30000+600&"))
        return {HttpReply(ExampleQuery200())};
    if (request.contains("cmd=cddb+read+rock+10025603&"))
        return {HttpReply(ExampleRead())};
    return {HttpReply("500 Command syntax error\r\n")};
}

QByteArray ExampleQuery211() {
    return "211 Found inexact matches, list follows (until terminating `.')\r\n"
           "rock 10025603 Some Artist / Album rock\r\n"
           "misc 10025603 Other Artist / Album misc\r\n"
           "jazz 10025603 Third Artist / Album jazz\r\n"
           ".\r\n";
}

CannedReply ThreeMatchCddbServer(const QByteArray& request) {
    if (request.contains("cmd=cddb+query+10025603+"))
        return {HttpReply(ExampleQuery211())};
    for (const QByteArray category : {"rock", "misc", "jazz"}) {
        if (request.contains("cmd=cddb+read+" + category + "+10025603&")) {
            QByteArray record = ExampleRead();
            record.replace("210 rock", "210 " + category);
            record.replace("Some Album", "Album " + category);
            return {HttpReply(record)};
        }
    }
    return {HttpReply("500 Command syntax error\r\n")};
}

void WriteCddbSettings(const QString& home, int port, const QByteArray& extraGeneral) {
    WriteTextFile(QDir(home).filePath(QStringLiteral("lumvanesetup.ini")),
                  "[General]\r\nCDDBServer=127.0.0.1\r\nCDDBPort=" + QByteArray::number(port) +
                      "\r\n" + extraGeneral);
}
