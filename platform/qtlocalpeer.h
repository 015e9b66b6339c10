#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace SharedTools {

// The instance lock of one application id in the current user session.
//
// The first peer to ask takes the lock file in the per-user runtime directory
// and listens on a local socket beside it; every later peer finds the lock
// held. QLockFile recognises a lock left behind by a crashed process (its
// PID no longer runs) as stale and takes it over, so a crash never blocks the
// next start. The holder's listener takes messages from later peers (a
// plan to open, handed over by a second start) and announces each with
// messageReceived.
class QtLocalPeer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtLocalPeer)

public:
    // `lockDirectory` empty: the per-user runtime directory.
    explicit QtLocalPeer(const QString &appId, QObject *parent = nullptr,
                         const QString &lockDirectory = QString());
    ~QtLocalPeer() override;

    // true when another peer holds the lock for the same id. The first call
    // that finds the lock free takes it and keeps it for this peer's life.
    bool isClient();

    QString applicationId() const { return m_appId; }
    QString lockFilePath() const;
    // The local socket the holder listens on, beside the lock file.
    QString serverName() const;

    // Hands `message` to the peer that holds the lock and waits up to
    // `timeout` ms for it to confirm; false when this peer holds the lock
    // itself or the holder does not answer. Blocks; needs no event loop.
    bool sendMessage(const QString &message, int timeout = 5000);

    // Longest message a holder takes, in UTF-8 bytes.
    static constexpr quint32 MaxMessageBytes = 64 * 1024;

signals:
    void messageReceived(const QString &message);

private:
    void listen();
    void acceptConnections();

    QString m_appId;
    QString m_lockDirectory;
    std::unique_ptr<QLockFile> m_lockFile;
    int m_listener = -1;
    QSocketNotifier *m_listenerNotifier = nullptr;
    bool m_ownsLock = false;
};

} // namespace SharedTools
