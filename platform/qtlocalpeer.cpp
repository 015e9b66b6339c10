#include "platform/qtlocalpeer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace SharedTools {

namespace {

// A file and socket name that any id can safely become: a readable prefix
// plus a hash of the whole id, so that ids differing only in characters that
// cannot appear in file names still get distinct locks.
QString peerName(const QString &appId)
{
    QString readable;
    for (const QChar c : appId) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            readable += c;
    }
    const QByteArray hash = QCryptographicHash::hash(appId.toUtf8(), QCryptographicHash::Sha1);
    return readable.left(32) + QLatin1Char('-') + QString::fromLatin1(hash.toHex().left(12));
}

QString defaultLockDirectory()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    return directory;
}

} // namespace

QtLocalPeer::QtLocalPeer(const QString &appId, QObject *parent, const QString &lockDirectory)
    : QObject(parent)
    , m_appId(appId)
{
    const QString name = peerName(appId);
    const QString directory = lockDirectory.isEmpty() ? defaultLockDirectory() : lockDirectory;
    QDir().mkpath(directory);
    m_lockFile = std::make_unique<QLockFile>(QDir(directory).filePath(name + QLatin1String(".lock")));
    // Age never makes a held lock stale; only a dead owner does.
    m_lockFile->setStaleLockTime(0);
    m_socketName = name + QLatin1Char('-') + QDir::home().dirName();
}

QtLocalPeer::~QtLocalPeer() = default;

QString QtLocalPeer::lockFilePath() const
{
    return m_lockFile->fileName();
}

bool QtLocalPeer::isClient()
{
    if (m_ownsLock)
        return false;
    if (!m_lockFile->tryLock(0))
        return true;

    m_ownsLock = true;
    // The socket of a crashed owner may still exist; the lock is ours, so it
    // is safe to remove before listening.
    QLocalServer::removeServer(m_socketName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(m_socketName)) {
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                socket->disconnectFromServer();
            }
        });
    }
    return false;
}

} // namespace SharedTools
