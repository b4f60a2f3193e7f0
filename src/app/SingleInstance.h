#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>

class QSocketNotifier;

namespace tw
{

// Keeps one running copy per user. The first copy holds a lock file and
// listens on a local socket beside it, both in the user's private run-time
// folder; a later copy finds the lock taken, sends the activation message
// 3022 and gives way. The lock dies with its process, so a copy that crashed
// leaves nothing that blocks the next start, and two copies started at the
// same moment cannot both claim.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    static constexpr int kActivateMessage = 3022;

    // `name` is a file name in the run-time folder, or an absolute path.
    explicit SingleInstance(const QString &name = defaultName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when no other copy runs: this copy is now the one that listens
    // (or, where no lock can be made, runs unguarded). False when another
    // copy runs; it has been sent 3022 if it listens.
    bool claim();

    static QString defaultName();

signals:
    // Another copy asked this one to come to the front.
    void activationRequested();

private:
    QByteArray socketPath() const;
    void listen();
    void acceptClients();
    void readClient(int client);
    void dropClient(int client);

    QString m_path;
    int m_lock = -1;
    int m_listener = -1;
    QSocketNotifier *m_listening = nullptr;
    struct Client {
        QSocketNotifier *notifier;
        QByteArray received;
    };
    QHash<int, Client> m_clients;
};

} // namespace tw
