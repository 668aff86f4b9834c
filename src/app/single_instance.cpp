#include "single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// The name the first instance is known by.
const QString kInstanceName = QStringLiteral("{5C1F0A3E-29B4-4D71-8E06-B3D2A97C4F18}");
constexpr int kConnectTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString& programFolder, QObject* parent) : QObject(parent) {
    const QByteArray folderHash =
        QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    m_serverName = QStringLiteral("%1-%2-%3")
                       .arg(kInstanceName)
                       .arg(getuid())
                       .arg(QString::fromLatin1(folderHash));
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::BecomePrimary(const QString& fileToOpen) {
    if (NotifyPrimary(fileToOpen))
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // Nobody answered, so the socket is left over from a process that died.
        QLocalServer::removeServer(m_serverName);
        m_server->listen(m_serverName);
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::ReadRequest);
    return true;
}

bool SingleInstance::NotifyPrimary(const QString& fileToOpen) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(fileToOpen.toUtf8() + '\n');
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::ReadRequest() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto handle = [this, socket] {
            if (!socket->canReadLine())
                return;
            const QString file = QString::fromUtf8(socket->readLine().trimmed());
            Q_EMIT ActivationRequested(file);
        };
        connect(socket, &QLocalSocket::readyRead, this, handle);
        handle(); // the request may have arrived with the connection
    }
}
