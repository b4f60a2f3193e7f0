#pragma once

#include <QObject>
#include <memory>

class QLocalServer;
class QLockFile;

namespace tw
{

// Keeps one running copy per user. The first copy holds a lock file and
// listens on a local socket beside it, both in the user's private run-time
// folder; a later copy finds the lock taken, sends the activation message
// 3022 and gives way. A lock whose process has gone no longer counts, so a
// copy that crashed leaves nothing that blocks the next start, and two copies
// started at the same moment cannot both claim.
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
    QString socketPath() const;
    void listen();
    void acceptClients();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    // Declared after the lock, so that the socket goes while the lock is held.
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace tw
