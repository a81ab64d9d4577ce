#include "platform/instance/single_instance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include <unistd.h>

namespace krvm {

namespace {

constexpr int kConnectTimeoutMs = 500;
const QByteArray kActivate = "activate\n";

}  // namespace

// Socket names are file names: hash the caption, and keep users apart.
SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent),
      m_serverName(QStringLiteral("krvm640-%1-%2")
                       .arg(::getuid())
                       .arg(QString::fromLatin1(
                           QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1)
                               .toHex()
                               .left(16)))) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kActivate.trimmed())) emit activationRequested();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool SingleInstance::signalRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    if (m_server.listen(m_serverName)) return true;
    // A socket file left behind by an instance that crashed: nobody answered on it above.
    QLocalServer::removeServer(m_serverName);
    return m_server.listen(m_serverName);
}

}  // namespace krvm
