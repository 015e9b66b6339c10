#include "platform/qtlocalpeer.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
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

// A message travels as its UTF-8 length (32 bits, big-endian) and bytes; the
// holder confirms it with these two bytes.
const QByteArray kConfirmation = QByteArrayLiteral("ok");

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
    , m_lockDirectory(lockDirectory)
{
    m_socketName = peerName(appId) + QLatin1Char('-') + QDir::home().dirName();
}

QtLocalPeer::~QtLocalPeer() = default;

QString QtLocalPeer::lockFilePath() const
{
    // Looked up only when asked: a process that never asks (a report made
    // without a window) does not touch the runtime directory.
    const QString directory = m_lockDirectory.isEmpty() ? defaultLockDirectory() : m_lockDirectory;
    return QDir(directory).filePath(peerName(m_appId) + QLatin1String(".lock"));
}

bool QtLocalPeer::isClient()
{
    if (m_ownsLock)
        return false;
    if (!m_lockFile) {
        const QString path = lockFilePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        m_lockFile = std::make_unique<QLockFile>(path);
        // Age never makes a held lock stale; only a dead owner does.
        m_lockFile->setStaleLockTime(0);
    }
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
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receiveMessage(socket); });
                receiveMessage(socket);
            }
        });
    }
    return false;
}

void QtLocalPeer::receiveMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < qint64(sizeof(quint32)))
        return;
    QDataStream in(socket);
    in.startTransaction();
    quint32 size = 0;
    in >> size;
    if (size > MaxMessageBytes) {
        socket->abort();
        return;
    }
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (in.readRawData(bytes.data(), int(size)) != int(size)) {
        in.rollbackTransaction();
        return; // the rest is still on its way
    }
    in.commitTransaction();
    socket->write(kConfirmation);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(QString::fromUtf8(bytes));
}

bool QtLocalPeer::sendMessage(const QString &message, int timeout)
{
    if (!isClient())
        return false;
    const QByteArray bytes = message.toUtf8();
    if (quint32(bytes.size()) > MaxMessageBytes)
        return false;

    QLocalSocket socket;
    socket.connectToServer(m_socketName);
    if (!socket.waitForConnected(timeout))
        return false;
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(bytes.size());
    socket.write(frame + bytes);
    socket.flush();
    while (socket.bytesAvailable() < kConfirmation.size()) {
        if (!socket.waitForReadyRead(timeout))
            return false;
    }
    return socket.read(kConfirmation.size()) == kConfirmation;
}

} // namespace SharedTools
