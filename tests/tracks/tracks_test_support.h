#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A silent audio disc image made on the fly: a cue sheet and a sparse .bin
// whose size sets the lead-out. `trackStarts` are the tracks' positions in
// seconds from the start of the data (the disc adds the 2-second lead-in).
QString MakeCueImage(const QString& folder, const std::vector<int>& trackStarts, int dataSeconds,
                     bool audio = true);

// The example disc's layout with CD-TEXT in its cue sheet: `cueText` lines
// for the disc (before FILE), and `trackText[i]` lines for track i + 1.
QString MakeCdTextImage(const QString& folder, const QByteArray& cueText,
                        const std::vector<QByteArray>& trackText);

// The 3-track disc of the examples: tracks at 0:02, 3:10 and 6:40, lead-out at 10:00.
QString MakeExampleDisc(const QString& folder);

// What the test server sends back for one request.
struct CannedReply {
    QByteArray bytes;
    int chunkBytes = 0;    // > 0: send in pieces of this size ...
    int dripMs = 0;        // ... with this pause between them
    bool holdOpen = false; // keep the connection open after sending (never ends)
};

// "HTTP/1.0 200 OK" and a header, then `body`.
QByteArray HttpReply(const QByteArray& body);

// A real HTTP server on 127.0.0.1 (an ephemeral port) on a thread of its own,
// answering each connection with what the handler returns for the request.
// It serves one connection at a time and stops when destroyed.
class CddbTestServer {
public:
    using Handler = std::function<CannedReply(const QByteArray& request)>;

    explicit CddbTestServer(Handler handler);
    ~CddbTestServer();
    CddbTestServer(const CddbTestServer&) = delete;
    CddbTestServer& operator=(const CddbTestServer&) = delete;

    int Port() const { return m_port; }
    std::vector<QByteArray> Requests() const;

private:
    void Run();
    void Serve(int client);

    Handler m_handler;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<QByteArray> m_requests;
    std::thread m_thread;
};

// Canned CDDB replies for the example disc (disc id 10025603).
QByteArray ExampleQuery200();
QByteArray ExampleRead(bool withSubmittedVia = true);

// A CDDB server for the example disc: query 200, then the valid read reply.
CannedReply ExampleCddbServer(const QByteArray& request);

// A 211 reply with three inexact matches for the example disc: rock, misc and
// jazz, each reading a record whose album title names it ("Album rock", ...).
QByteArray ExampleQuery211();
CannedReply ThreeMatchCddbServer(const QByteArray& request);

// Writes lumvanesetup.ini in `home` pointing the CDDB lookup at 127.0.0.1:port.
void WriteCddbSettings(const QString& home, int port,
                       const QByteArray& extraGeneral = QByteArray());
