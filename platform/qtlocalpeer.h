#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QSocketNotifier;

namespace SharedTools {

// The instance lock of one application id in the current user session.
//
// The first peer to ask takes the lock file in a folder that only this user
// can enter and listens on a local socket beside it; every later peer finds
// the lock held. QLockFile recognises a lock left behind by a crashed process
// (its PID no longer runs) as stale and takes it over, so a crash never blocks
// the next start. The holder's listener takes messages from later peers (a
// plan to open, handed over by a second start) and announces each with
// messageReceived. Both ends refuse a peer of another user.
//
// The folder is the session's runtime folder (XDG_RUNTIME_DIR) when that is
// this user's own, else `larkspan-<uid>` in the temporary folder, made private
// when it is missing. When neither is private (another user made the folder
// first, or opened it up) the peer runs alone: it takes no lock and listens on
// nothing, so every start runs a window of its own rather than handing plans
// to whoever owns that folder.
class QtLocalPeer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtLocalPeer)

public:
    // `lockDirectory` empty: the folder described above.
    explicit QtLocalPeer(const QString &appId, QObject *parent = nullptr,
                         const QString &lockDirectory = QString());
    ~QtLocalPeer() override;

    // true when another peer holds the lock for the same id. The first call
    // that finds the lock free takes it and keeps it for this peer's life.
    // false as well for a peer that runs alone.
    bool isClient();

    QString applicationId() const { return m_appId; }
    // Empty when no private folder is available.
    QString lockFilePath() const;
    // The local socket the holder listens on, beside the lock file.
    QString serverName() const;

    // Hands `message` to the peer that holds the lock and waits up to
    // `timeout` ms for it to confirm; false when this peer holds the lock
    // itself, runs alone, the holder belongs to another user or does not
    // answer. A holder that is too busy to take the connection yet is asked
    // again until the time is up. Blocks; needs no event loop.
    bool sendMessage(const QString &message, int timeout = 5000);

    // Longest message a holder takes, in UTF-8 bytes.
    static constexpr quint32 MaxMessageBytes = 64 * 1024;
    // How long the holder waits for a connection's whole message before it
    // drops the connection, so that connections that send nothing cannot
    // pile up and take every descriptor.
    static constexpr int ConnectionTimeoutMs = 3000;
    // How long a later peer keeps asking when it finds the lock held but no
    // socket to connect to: the holder takes its lock just before it listens.
    static constexpr int ListenerGraceMs = 1000;

    // A shorter wait than ConnectionTimeoutMs, for tests.
    void setConnectionTimeout(int milliseconds) { m_connectionTimeout = milliseconds; }

    // true when `path` is a directory itself (not a link to one), owned by
    // `owner` and closed to everyone else (mode 0700).
    static bool isPrivateFolder(const QString &path, uint owner);
    // The folder for the lock and socket of user `owner`: `runtimeDirectory`
    // when it is private, else `larkspan-<owner>` in `temporaryDirectory`,
    // made with mode 0700 when it is missing; empty when neither is private.
    static QString privateLockDirectory(const QString &runtimeDirectory, const QString &temporaryDirectory,
                                        uint owner);

signals:
    void messageReceived(const QString &message);

private:
    // Looked up once, when first asked: a process that never asks (a report
    // made without a window) does not touch any folder.
    QString lockDirectory() const;
    void listen();
    void acceptConnections();

    QString m_appId;
    QString m_lockDirectory;
    mutable std::optional<QString> m_privateDirectory;
    std::unique_ptr<QLockFile> m_lockFile;
    int m_listener = -1;
    QSocketNotifier *m_listenerNotifier = nullptr;
    int m_connectionTimeout = ConnectionTimeoutMs;
    bool m_ownsLock = false;
    bool m_alone = false;
};

} // namespace SharedTools
