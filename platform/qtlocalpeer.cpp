#include "platform/qtlocalpeer.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The hand-over speaks plain Unix-domain sockets rather than Qt's network
// module: the program needs nothing else from it, and not loading it (and the
// Kerberos and proxy libraries behind it) takes about 2 MB and a few
// milliseconds off every start.

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
constexpr qsizetype kLengthBytes = qsizetype(sizeof(quint32));

QString defaultLockDirectory()
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    return directory;
}

// The socket address of `path`; false when the path does not fit one.
bool socketAddress(const QString &path, sockaddr_un *address)
{
    const QByteArray native = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (native.isEmpty() || size_t(native.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, native.constData(), size_t(native.size()));
    return true;
}

// Waits until `fd` is ready for `events`; false once the deadline has passed.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    for (;;) {
        const int result = ::poll(&entry, 1, int(qBound(qint64(0), deadline.remainingTime(), qint64(INT_MAX))));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

// A descriptor that is closed when it goes out of scope.
class Descriptor
{
    Q_DISABLE_COPY_MOVE(Descriptor)

public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// The length a frame announces, once its first four bytes are in.
quint32 announcedLength(const QByteArray &bytes)
{
    return qFromBigEndian<quint32>(bytes.constData());
}

// One later peer's connection to the holder: gathers the length and bytes of
// its message as they arrive, confirms a whole message, announces it and
// closes. A connection that announces more than a holder takes, or closes
// before its message is whole, is dropped without a message.
class PeerConnection final : public QObject
{
public:
    PeerConnection(int fd, QtLocalPeer *peer)
        : QObject(peer)
        , m_fd(fd)
        , m_notifier(fd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this, peer] { readFrom(peer); });
    }

private:
    bool isWhole() const
    {
        return m_bytes.size() >= kLengthBytes && announcedLength(m_bytes) <= QtLocalPeer::MaxMessageBytes
               && m_bytes.size() >= kLengthBytes + qsizetype(announcedLength(m_bytes));
    }

    bool expectsMore() const
    {
        if (m_bytes.size() < kLengthBytes)
            return true;
        return announcedLength(m_bytes) <= QtLocalPeer::MaxMessageBytes && !isWhole();
    }

    void readFrom(QtLocalPeer *peer)
    {
        char chunk[16 * 1024];
        while (expectsMore()) {
            const ssize_t got = ::read(m_fd.get(), chunk, sizeof chunk);
            if (got > 0) {
                m_bytes.append(chunk, qsizetype(got));
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return; // the rest is still on its way
            break; // closed early, or failed
        }
        m_notifier.setEnabled(false);
        if (isWhole()) {
            const QString message =
                QString::fromUtf8(m_bytes.mid(kLengthBytes, qsizetype(announcedLength(m_bytes))));
            // Two bytes on a socket nothing else was written to: the write
            // does not block.
            if (::send(m_fd.get(), kConfirmation.constData(), size_t(kConfirmation.size()), MSG_NOSIGNAL)
                == kConfirmation.size())
                emit peer->messageReceived(message);
        }
        deleteLater();
    }

    Descriptor m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_bytes;
};

} // namespace

QtLocalPeer::QtLocalPeer(const QString &appId, QObject *parent, const QString &lockDirectory)
    : QObject(parent)
    , m_appId(appId)
    , m_lockDirectory(lockDirectory)
{
}

QtLocalPeer::~QtLocalPeer()
{
    if (m_listener >= 0) {
        ::close(m_listener);
        QFile::remove(serverName());
    }
}

QString QtLocalPeer::lockFilePath() const
{
    // Looked up only when asked: a process that never asks (a report made
    // without a window) does not touch the runtime directory.
    const QString directory = m_lockDirectory.isEmpty() ? defaultLockDirectory() : m_lockDirectory;
    return QDir(directory).filePath(peerName(m_appId) + QLatin1String(".lock"));
}

QString QtLocalPeer::serverName() const
{
    QString path = lockFilePath();
    path.chop(qsizetype(qstrlen(".lock")));
    return path + QLatin1String(".socket");
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
    listen();
    return false;
}

// Listens on the socket beside the lock. Without a listener the program still
// runs; later starts then cannot hand their plans over, and say so.
void QtLocalPeer::listen()
{
    sockaddr_un address;
    if (!socketAddress(serverName(), &address))
        return;
    Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (listener.get() < 0)
        return;
    // The socket of a crashed holder may still exist; the lock is ours, so it
    // is safe to remove. Only this user may connect: the mode is set on the
    // socket before its file exists, and on the file once it does.
    ::unlink(address.sun_path);
    ::fchmod(listener.get(), S_IRUSR | S_IWUSR);
    if (::bind(listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return;
    if (::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener.get(), 8) != 0) {
        ::unlink(address.sun_path);
        return;
    }
    m_listener = listener.release();
    m_listenerNotifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_listenerNotifier, &QSocketNotifier::activated, this, &QtLocalPeer::acceptConnections);
}

void QtLocalPeer::acceptConnections()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            new PeerConnection(fd, this);
        } else if (errno == EMFILE || errno == ENFILE) {
            // Out of descriptors: the waiting connection would wake this
            // again at once, so listen again a little later.
            m_listenerNotifier->setEnabled(false);
            QTimer::singleShot(100, this, [this] { m_listenerNotifier->setEnabled(true); });
            return;
        } else if (errno != EINTR) {
            return; // none waiting
        }
    }
}

bool QtLocalPeer::sendMessage(const QString &message, int timeout)
{
    if (!isClient())
        return false;
    const QByteArray bytes = message.toUtf8();
    if (quint32(bytes.size()) > MaxMessageBytes)
        return false;
    sockaddr_un address;
    if (!socketAddress(serverName(), &address))
        return false;

    const QDeadlineTimer deadline(timeout);
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return false;
    if (::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        // A full backlog leaves the connection pending until the holder
        // accepts it.
        if (errno != EINPROGRESS && errno != EAGAIN)
            return false;
        int error = 0;
        socklen_t length = sizeof error;
        if (!waitFor(socket.get(), POLLOUT, deadline)
            || ::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
            return false;
    }

    QByteArray frame(kLengthBytes, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(bytes.size()), frame.data());
    frame += bytes;
    for (qsizetype written = 0; written < frame.size();) {
        const ssize_t put =
            ::send(socket.get(), frame.constData() + written, size_t(frame.size() - written), MSG_NOSIGNAL);
        if (put > 0)
            written += put;
        else if (put < 0 && errno == EINTR)
            continue;
        else if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(socket.get(), POLLOUT, deadline))
            continue;
        else
            return false;
    }

    QByteArray answer;
    while (answer.size() < kConfirmation.size()) {
        char chunk[8];
        const ssize_t got = ::read(socket.get(), chunk, sizeof chunk);
        if (got > 0)
            answer.append(chunk, qsizetype(got));
        else if (got < 0 && errno == EINTR)
            continue;
        else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(socket.get(), POLLIN, deadline))
            continue;
        else
            return false;
    }
    return answer.startsWith(kConfirmation);
}

} // namespace SharedTools
