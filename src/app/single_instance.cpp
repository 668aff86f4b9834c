#include "single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The name the first instance is known by.
const QString kInstanceName = QStringLiteral("{5C1F0A3E-29B4-4D71-8E06-B3D2A97C4F18}");
const QByteArray kAnswer = QByteArrayLiteral("OK\n");
// How often a later start tries to reach a first one that is still starting.
constexpr int kConnectRetryMs = 100;
// How often waiting requests look whether the window became free.
constexpr int kFreeCheckMs = 200;

// The user's private runtime folder when there is one, else the temporary folder.
QString SocketFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFile, QObject* parent)
    : QObject(parent), m_retry(new QTimer(this)) {
    const QString canonical = QFileInfo(settingsFile).absoluteFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    m_serverName = QStringLiteral("%1/%2-%3-%4")
                       .arg(SocketFolder(), kInstanceName)
                       .arg(getuid())
                       .arg(QString::fromLatin1(hash));
    m_lockPath = m_serverName + QStringLiteral(".lock");
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &SingleInstance::HandlePending);
}

SingleInstance::~SingleInstance() {
    if (m_server != nullptr)
        m_server->close();
    if (m_lockFd >= 0)
        ::close(m_lockFd); // releases the claim
}

SingleInstance::Start SingleInstance::Begin(const QString& fileToOpen, int answerTimeoutMs) {
    if (!ClaimLock())
        return HandOver(fileToOpen, answerTimeoutMs);
    Listen();
    return Start::kPrimary;
}

bool SingleInstance::ClaimLock() {
    m_lockFd = ::open(QFile::encodeName(m_lockPath).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lockFd < 0) {
        // Without a lock file (a folder we cannot write) the program still
        // starts; it just cannot tell whether another copy runs.
        qWarning("Cannot create %s: %s", qPrintable(m_lockPath), strerror(errno));
        return true;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0)
        return true;
    ::close(m_lockFd);
    m_lockFd = -1;
    return false;
}

void SingleInstance::Listen() {
    // Holding the lock, any socket of that name was left by a process that ended.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        qWarning("Cannot listen on %s: %s", qPrintable(m_serverName),
                 qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
}

SingleInstance::Start SingleInstance::HandOver(const QString& fileToOpen,
                                               int answerTimeoutMs) const {
    const QDeadlineTimer deadline(answerTimeoutMs);
    QLocalSocket socket;
    // The first may hold the lock but not listen yet: it is still starting.
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.remainingTime() < kConnectRetryMs)
            return Start::kNoAnswer;
        QThread::msleep(kConnectRetryMs);
    }
    socket.write(fileToOpen.toUtf8() + '\n');
    // A stopped or hung first process accepts the bytes (the kernel does) but
    // never answers.
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return Start::kNoAnswer;
    }
    return socket.readLine() == kAnswer ? Start::kHandedOver : Start::kNoAnswer;
}

void SingleInstance::AcceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
        ReadRequest(socket); // the request may have come with the connection
    }
}

void SingleInstance::ReadRequest(QLocalSocket* socket) {
    // Nothing here may wait or open a dialog: the socket could be deleted
    // under a nested event loop. The request is answered at once and handled
    // later from the timer.
    while (socket->canReadLine()) {
        m_pending.append(QString::fromUtf8(socket->readLine().chopped(1)));
        socket->write(kAnswer);
        socket->flush();
        Q_EMIT RaiseRequested();
        m_retry->start(0);
    }
}

void SingleInstance::HandlePending() {
    // A request handled now may ask a question; requests that come meanwhile
    // wait for this loop instead of starting a second handling.
    if (m_handling)
        return;
    m_handling = true;
    while (!m_pending.isEmpty() && (!m_isFree || m_isFree()))
        Q_EMIT ActivationRequested(m_pending.takeFirst());
    m_handling = false;
    if (!m_pending.isEmpty())
        m_retry->start(kFreeCheckMs);
}
