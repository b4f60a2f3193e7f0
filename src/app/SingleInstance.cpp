#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace tw {

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent), m_name(name)
{
}

QString SingleInstance::defaultName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QStringLiteral("Tilewright-") + user;
}

bool SingleInstance::claim()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(500)) {
        socket.write(QByteArray::number(kActivateMessage));
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
        return false;
    }
    // Nobody answered: a name left by a copy that crashed is taken over.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return true;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().trimmed() == QByteArray::number(kActivateMessage))
                    emit activationRequested();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace tw
