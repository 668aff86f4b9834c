#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QTimer;

// Keeps one Lumvane window per user and settings file.
//
// The first process holds an advisory lock (flock) on a file beside a local
// socket for its whole life; the kernel drops the lock when the process ends,
// however it ends, so there is never a stale claim and two processes starting
// at the same moment cannot both win. A later process connects to the socket,
// sends its request as one line (an absolute file path, nothing to just come
// to the front, or kNewProjectRequest) and waits for "OK": the first answers as
// soon as the request is queued, even while a modal prompt is open, and opens
// the file later, when its window is free (`SetFreeCheck`). A first process
// that does not answer in time (stopped, hung) leaves the later one to report
// it instead of opening a second window on the same settings.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `settingsFile` scopes the instance: a copy of the program with settings
    // of its own runs beside this one.
    explicit SingleInstance(const QString& settingsFile, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        kPrimary,    // this process is the first: it listens for later starts
        kHandedOver, // another runs and took `fileToOpen`: end quietly
        kNoAnswer,   // another runs but did not answer in time
    };
    // Claims the instance or hands `fileToOpen` (may be empty) to the one
    // that holds it, waiting at most `answerTimeoutMs` for its answer.
    Start Begin(const QString& fileToOpen, int answerTimeoutMs = kAnswerTimeoutMs);

    // Requests are handled only while `isFree` says so (no modal dialog, no
    // nested event loop); until then they wait in order. The default is
    // always free.
    void SetFreeCheck(std::function<bool()> isFree) { m_isFree = std::move(isFree); }

    static constexpr int kAnswerTimeoutMs = 5000;
    // The request for a new project; no absolute path looks like it.
    static constexpr char kNewProjectRequest[] = ":new";

Q_SIGNALS:
    // A later start asked this instance to come to the front at once, while
    // its request waits (the window may be busy).
    void RaiseRequested();
    // A later start asked this instance to open `fileToOpen` (may be empty,
    // or kNewProjectRequest), emitted from the event loop when the window is free.
    void ActivationRequested(const QString& fileToOpen);

private:
    bool ClaimLock();
    void Listen();
    Start HandOver(const QString& fileToOpen, int answerTimeoutMs) const;
    void AcceptConnections();
    void ReadRequest(class QLocalSocket* socket);
    void HandlePending();

    QString m_serverName;
    QString m_lockPath;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
    QTimer* m_retry = nullptr;
    QStringList m_pending;
    bool m_handling = false;
    std::function<bool()> m_isFree;
};
