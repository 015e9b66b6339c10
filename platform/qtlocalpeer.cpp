#include "platform/qtlocalpeer.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <thread>
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

// How long a later peer waits before it asks a busy or not yet listening
// holder again.
constexpr std::chrono::milliseconds kRetryDelay(10);

// true when the process at the other end of the connected socket `fd` runs
// as this user. The socket's mode already keeps others out; this also keeps
// out a root process and a socket that another user put in place.
bool peerIsThisUser(int fd)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0
           && length == sizeof credentials && credentials.uid == ::geteuid();
}

// The lock folder of user `owner` in the temporary folder, for a session
// without a runtime folder of its own.
QString fallbackFolder(const QString &temporaryDirectory, uint owner)
{
    return QDir(temporaryDirectory).filePath(QStringLiteral("larkspan-%1").arg(owner));
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

// Connects a new socket to `address`; -1 when no holder takes the connection
// in time. A holder whose queue of waiting connections is full refuses at once
// (EAGAIN) instead of queueing one more: it is busy, so it is asked again until
// the deadline. A holder that has taken its lock but does not listen yet has
// no socket or refuses it: it is asked again for a short grace.
int connectToHolder(const sockaddr_un &address, const QDeadlineTimer &deadline)
{
    const QDeadlineTimer grace(QtLocalPeer::ListenerGraceMs);
    for (;;) {
        Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        if (socket.get() < 0)
            return -1;
        if (::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return socket.release();
        const int error = errno;
        if (error == EINPROGRESS || error == EINTR) {
            int pending = 0;
            socklen_t length = sizeof pending;
            if (!waitFor(socket.get(), POLLOUT, deadline)
                || ::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &pending, &length) != 0 || pending != 0)
                return -1;
            return socket.release();
        }
        const bool busy = error == EAGAIN || error == EWOULDBLOCK;
        const bool notListening = error == ENOENT || error == ECONNREFUSED;
        if (deadline.hasExpired() || !(busy || (notListening && !grace.hasExpired())))
            return -1;
        const qint64 left = deadline.remainingTime(); // -1: no deadline
        std::this_thread::sleep_for(left < 0 ? kRetryDelay : std::min(kRetryDelay, std::chrono::milliseconds(left)));
    }
}

// The length a frame announces, once its first four bytes are in.
quint32 announcedLength(const QByteArray &bytes)
{
    return qFromBigEndian<quint32>(bytes.constData());
}

// One later peer's connection to the holder: gathers the length and bytes of
// its message as they arrive, confirms a whole message, announces it and
// closes. A connection that announces more than a holder takes, closes before
// its message is whole or has not delivered it within `timeout` ms is dropped
// without a message.
class PeerConnection final : public QObject
{
public:
    PeerConnection(int fd, QtLocalPeer *peer, int timeout)
        : QObject(peer)
        , m_fd(fd)
        , m_notifier(fd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this, peer] { readFrom(peer); });
        m_timeout.setSingleShot(true);
        connect(&m_timeout, &QTimer::timeout, this, [this] {
            m_notifier.setEnabled(false);
            deleteLater();
        });
        m_timeout.start(timeout);
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
        m_timeout.stop();
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
    QTimer m_timeout;
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

bool QtLocalPeer::isPrivateFolder(const QString &path, uint owner)
{
    struct stat status;
    // lstat: a link, even to a private folder, may have been put there by
    // someone else.
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0
           && S_ISDIR(status.st_mode) && status.st_uid == owner && (status.st_mode & 07777) == S_IRWXU;
}

QString QtLocalPeer::privateLockDirectory(const QString &runtimeDirectory, const QString &temporaryDirectory,
                                          uint owner)
{
    if (isPrivateFolder(runtimeDirectory, owner))
        return runtimeDirectory;
    if (temporaryDirectory.isEmpty())
        return QString();
    // Never the temporary folder itself: anyone may put a lock and a socket
    // there. A folder of the same name that exists already is used only when
    // it is this user's and private; it is never taken over or opened up.
    const QString folder = fallbackFolder(temporaryDirectory, owner);
    ::mkdir(QFile::encodeName(folder).constData(), S_IRWXU);
    return isPrivateFolder(folder, owner) ? folder : QString();
}

QString QtLocalPeer::lockDirectory() const
{
    if (!m_privateDirectory) {
        if (m_lockDirectory.isEmpty()) {
            m_privateDirectory = privateLockDirectory(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(),
                                                      ::geteuid());
        } else {
            ::mkdir(QFile::encodeName(m_lockDirectory).constData(), S_IRWXU);
            m_privateDirectory = isPrivateFolder(m_lockDirectory, ::geteuid()) ? m_lockDirectory : QString();
        }
    }
    return *m_privateDirectory;
}

QString QtLocalPeer::lockFilePath() const
{
    const QString directory = lockDirectory();
    if (directory.isEmpty())
        return QString();
    return QDir(directory).filePath(peerName(m_appId) + QLatin1String(".lock"));
}

QString QtLocalPeer::serverName() const
{
    QString path = lockFilePath();
    if (path.isEmpty())
        return QString();
    path.chop(qsizetype(qstrlen(".lock")));
    return path + QLatin1String(".socket");
}

bool QtLocalPeer::isClient()
{
    if (m_ownsLock || m_alone)
        return false;
    if (!m_lockFile) {
        const QString path = lockFilePath();
        if (path.isEmpty()) {
            const bool own = !m_lockDirectory.isEmpty();
            qWarning("No private folder for the instance lock: %s is another user's, open to others or not a "
                     "folder%s. This start runs on its own.",
                     qPrintable(own ? m_lockDirectory : fallbackFolder(QDir::tempPath(), ::geteuid())),
                     own ? "" : ", and XDG_RUNTIME_DIR names no folder of this user's");
            m_alone = true;
            return false;
        }
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
    if (::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener.get(), SOMAXCONN) != 0) {
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
            if (peerIsThisUser(fd))
                new PeerConnection(fd, this, m_connectionTimeout);
            else
                ::close(fd);
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
    Descriptor socket(connectToHolder(address, deadline));
    // A plan's path is for this user's own window only.
    if (socket.get() < 0 || !peerIsThisUser(socket.get()))
        return false;

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
