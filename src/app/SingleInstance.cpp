#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace tw
{
namespace
{

// Longer messages are not ours; reading stops there.
constexpr qsizetype kMaxMessage = 16;

// Sends 3022 to the copy listening at `path`. The holder of the lock may
// still be setting up its socket, so it is given a moment.
void sendActivation(const QString &path)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(path);
        if (socket.waitForConnected(100)) {
            // A failed write only means the other copy is not told.
            socket.write(QByteArray::number(SingleInstance::kActivateMessage));
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(20);
    }
}

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent)
{
    if (QDir::isAbsolutePath(name)) {
        m_path = name;
        return;
    }
    // Without a private run-time folder the names still carry the user's.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_path = folder + u'/' + name;
}

SingleInstance::~SingleInstance()
{
    // Clients still connected are not heard while the server closes them.
    if (m_server)
        for (QLocalSocket *client : m_server->findChildren<QLocalSocket *>())
            client->disconnect(this);
}

QString SingleInstance::defaultName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QStringLiteral("Tilewright-") + user;
}

QString SingleInstance::socketPath() const
{
    return m_path + QStringLiteral(".socket");
}

bool SingleInstance::claim()
{
    auto lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        listen();
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true;
    sendActivation(socketPath());
    return false;
}

void SingleInstance::listen()
{
    // A socket left by a copy that crashed; the lock says nobody uses it.
    QLocalServer::removeServer(socketPath());
    auto server = std::make_unique<QLocalServer>();
    // Only this user may connect, also where the folder is not private.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath()))
        return;
    m_server = std::move(server);
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::acceptClients);
}

void SingleInstance::acceptClients()
{
    while (QLocalSocket *client = m_server->nextPendingConnection()) {
        client->setReadBufferSize(kMaxMessage + 1);
        auto received = std::make_shared<QByteArray>();
        const auto read = [client, received] {
            received->append(client->read(kMaxMessage + 1 - received->size()));
            if (received->size() > kMaxMessage)
                client->abort();
        };
        connect(client, &QLocalSocket::readyRead, this, read);
        // The message ends with the connection; a longer one is a stranger's.
        connect(client, &QLocalSocket::disconnected, this, [this, client, received, read] {
            if (received->size() <= kMaxMessage)
                read();
            client->deleteLater();
            if (received->size() <= kMaxMessage &&
                received->trimmed() == QByteArray::number(kActivateMessage))
                emit activationRequested();
        });
    }
}

} // namespace tw
