#pragma once

#include <QObject>

class QLocalServer;

namespace tw {

// Keeps one running copy per user. The first copy listens under a per-user
// name; a later copy sends it the activation message 3022 and gives way.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    static constexpr int kActivateMessage = 3022;

    explicit SingleInstance(const QString &name = defaultName(), QObject *parent = nullptr);

    // True when no other copy answered: this copy is now the one that
    // listens. False when another copy runs; it has been sent 3022.
    bool claim();

    static QString defaultName();

signals:
    // Another copy asked this one to come to the front.
    void activationRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace tw
