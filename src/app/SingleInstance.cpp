#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tw
{
namespace
{

// Longer messages are not ours; reading stops there.
constexpr qsizetype kMaxMessage = 16;

bool toAddress(const QByteArray &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    return true;
}

// Sends 3022 to the copy listening at `path`. The holder of the lock may
// still be setting up its socket, so it is given a moment.
void sendActivation(const QByteArray &path)
{
    sockaddr_un address;
    if (!toAddress(path, address))
        return;
    for (int attempt = 0; attempt < 50; ++attempt) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return;
        if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
            const QByteArray message = QByteArray::number(SingleInstance::kActivateMessage);
            // A failed write only means the other copy is not told.
            [[maybe_unused]] const ssize_t written =
                send(fd, message.constData(), std::size_t(message.size()), MSG_NOSIGNAL);
            close(fd);
            return;
        }
        close(fd);
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
    // Notifiers go before their descriptors close.
    for (auto it = m_clients.begin(); it != m_clients.end(); ++it) {
        delete it->notifier;
        close(it.key());
    }
    if (m_listener >= 0) {
        delete m_listening;
        close(m_listener);
        // Removed while the lock is still held, so no new copy's socket goes.
        unlink(socketPath().constData());
    }
    if (m_lock >= 0)
        close(m_lock);
}

QString SingleInstance::defaultName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QStringLiteral("Tilewright-") + user;
}

QByteArray SingleInstance::socketPath() const
{
    return QFile::encodeName(m_path + QStringLiteral(".socket"));
}

bool SingleInstance::claim()
{
    const QByteArray lockPath = QFile::encodeName(m_path + QStringLiteral(".lock"));
    m_lock = open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lock < 0)
        return true;
    if (flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        close(m_lock);
        m_lock = -1;
        if (!taken)
            return true;
        sendActivation(socketPath());
        return false;
    }
    listen();
    return true;
}

void SingleInstance::listen()
{
    const QByteArray path = socketPath();
    sockaddr_un address;
    if (!toAddress(path, address))
        return;
    // A socket left by a copy that crashed; the lock says nobody uses it.
    unlink(path.constData());
    m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0)
        return;
    if (bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 8) != 0) {
        close(m_listener);
        m_listener = -1;
        return;
    }
    m_listening = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &SingleInstance::acceptClients);
}

void SingleInstance::acceptClients()
{
    for (;;) {
        const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0)
            return;
        auto *notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        m_clients.insert(client, {notifier, {}});
        connect(notifier, &QSocketNotifier::activated, this,
                [this, client] { readClient(client); });
    }
}

void SingleInstance::readClient(int client)
{
    const auto found = m_clients.find(client);
    if (found == m_clients.end())
        return;
    Client &state = *found;
    char buffer[kMaxMessage];
    const ssize_t n = read(client, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n > 0 && state.received.size() + n <= kMaxMessage) {
        state.received.append(buffer, n);
        return;
    }
    // End of the message (or one too long to be ours, or an error).
    const bool activate =
        n == 0 && state.received.trimmed() == QByteArray::number(kActivateMessage);
    dropClient(client);
    if (activate)
        emit activationRequested();
}

void SingleInstance::dropClient(int client)
{
    const Client state = m_clients.take(client);
    state.notifier->setEnabled(false);
    state.notifier->deleteLater();
    close(client);
}

} // namespace tw
