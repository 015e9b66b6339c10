#include "platform/cfile.h"
#include "platform/cgenericds.h"
#include "platform/cintvalidator.h"
#include "platform/cuisingleton.h"
#include "platform/qtlocalpeer.h"
#include "platform/targetpath.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstring>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

sockaddr_un socketAddress(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    return address;
}

int connectTo(const QString &path, int flags = 0)
{
    const sockaddr_un address = socketAddress(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | flags, 0);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int listenOn(const QString &path, int backlog)
{
    const sockaddr_un address = socketAddress(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || (backlog >= 0 && ::listen(fd, backlog) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads what arrives on `fd` within `milliseconds`: -1 for nothing, 0 for
// the end, else the count.
ssize_t readWithin(int fd, char *buffer, size_t size, int milliseconds)
{
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, milliseconds) <= 0)
        return -1;
    return ::read(fd, buffer, size);
}

// The frame of a message shorter than 256 bytes.
QByteArray frame(const QByteArray &message)
{
    QByteArray bytes(4, '\0');
    bytes[3] = char(message.size());
    return bytes + message;
}

// Waits for the child `pid` while this thread's events run; its exit status,
// or -1.
int waitForChild(pid_t pid)
{
    int status = 0;
    const QDeadlineTimer deadline(10000);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (deadline.hasExpired()) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        QTest::qWait(10);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A user id that no test process runs as.
constexpr uid_t kOtherUser = 65534;

QAtomicInt slowConstructions;

// Constructed slowly, so that two threads asking at once overlap.
class SlowSingleton : public OrvaneGUIToolkit::CUiSingleton<SlowSingleton>
{
public:
    SlowSingleton()
    {
        slowConstructions.ref();
        QThread::msleep(50);
    }
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void targetPathOverride();
    void readAllJoinsInListOrder();
    void genericDsRejectsUnreadableFiles_data();
    void genericDsRejectsUnreadableFiles();
    void genericDsWalksChildrenInDocumentOrder();
    void genericDsSaveKeepsOldFileOnFailure();
    void intValidatorRefusesNumbersAboveItsRange_data();
    void intValidatorRefusesNumbersAboveItsRange();
    void singletonCreatesOneInstanceAcrossThreads();
    void secondPeerSeesTheFirst();
    void laterPeerHandsOverMessages_data();
    void laterPeerHandsOverMessages();
    void holderTakesOnlyWholeMessages_data();
    void holderTakesOnlyWholeMessages();
    void staleLockDoesNotBlock();
    void busyHolderIsAskedAgain();
    void holderDropsConnectionsThatSendTooLittle_data();
    void holderDropsConnectionsThatSendTooLittle();
    void privateFolder_data();
    void privateFolder();
    void lockDirectoryChoice_data();
    void lockDirectoryChoice();
    void peerRunsAloneWithoutAPrivateFolder();
    void peerOfAnotherUserIsRefused_data();
    void peerOfAnotherUserIsRefused();
};

void TestPlatform::targetPathOverride()
{
    QTemporaryDir dir;
    OrvaneGUIToolkit::SetTargetPathOverride(dir.path());
    QCOMPARE(OrvaneGUIToolkit::GetTargetPath(), dir.path() + QLatin1Char('/'));
    QCOMPARE(OrvaneGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml")),
             dir.path() + QStringLiteral("/Setup.xml"));

    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    QCOMPARE(OrvaneGUIToolkit::GetTargetPath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void TestPlatform::readAllJoinsInListOrder()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.qss")), "A{}");
    writeFile(dir.filePath(QStringLiteral("b.qss")), "B{}");
    const QString joined = OrvaneGUIToolkit::CFile::ReadAll(
        {QStringLiteral("b.qss"), QStringLiteral("missing.qss"), QStringLiteral("a.qss")}, dir.path());
    QCOMPARE(joined, QStringLiteral("B{}\n\nA{}"));
    QCOMPARE(OrvaneGUIToolkit::CFile::ReadAll(dir.filePath(QStringLiteral("none"))), QString());
}

void TestPlatform::genericDsRejectsUnreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");

    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("unclosed element") << QByteArray("<Setup><Skin>") << true;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe<\x01", 5) << true;
    QTest::newRow("text without markup") << QByteArray("Translator=1") << true;
}

void TestPlatform::genericDsRejectsUnreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    if (create)
        writeFile(path, content);

    OrvaneGUIToolkit::CGenericDS store;
    QVERIFY(!store.LoadXML(path));
    QVERIFY(store.IsNull());
    QCOMPARE(store.GetChildrenCount(), 0);
    QCOMPARE(store.GetChild(0).GetName(), QString());
}

void TestPlatform::genericDsWalksChildrenInDocumentOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    writeFile(path, "<Root><!-- note --><B><Value>2</Value></B>text<A/><B><Value>3</Value></B></Root>");

    OrvaneGUIToolkit::CGenericDS root;
    QVERIFY(root.LoadXML(path));
    QCOMPARE(root.GetName(), QStringLiteral("Root"));
    QCOMPARE(root.GetChildrenCount(), 3);
    QCOMPARE(root.GetChild(0).GetName(), QStringLiteral("B"));
    QCOMPARE(root.GetChild(1).GetName(), QStringLiteral("A"));
    QVERIFY(root.GetChild(3).IsNull());
    QVERIFY(root.GetChild(-1).IsNull());
    QCOMPARE(root.GetChildByName(QStringLiteral("B")).GetChildByName(QStringLiteral("Value")).GetValue(),
             QStringLiteral("2"));
    QVERIFY(root.GetChildByName(QStringLiteral("b")).IsNull());

    OrvaneGUIToolkit::CGenericDS value = root.GetChild(2).GetChildByName(QStringLiteral("Value"));
    value.SetValue(QStringLiteral("7"));
    const QString copy = dir.filePath(QStringLiteral("copy.xml"));
    QVERIFY(root.SaveXML(copy));
    OrvaneGUIToolkit::CGenericDS reread;
    QVERIFY(reread.LoadXML(copy));
    QCOMPARE(reread.GetChild(2).GetChildByName(QStringLiteral("Value")).GetValue(), QStringLiteral("7"));
}

void TestPlatform::genericDsSaveKeepsOldFileOnFailure()
{
    QTemporaryDir dir;
    OrvaneGUIToolkit::CGenericDS empty;
    const QString target = dir.filePath(QStringLiteral("kept.xml"));
    writeFile(target, "<Old/>");
    QVERIFY(!empty.SaveXML(target));
    QCOMPARE(OrvaneGUIToolkit::CFile::ReadAll(target), QStringLiteral("<Old/>"));

    OrvaneGUIToolkit::CGenericDS root;
    QVERIFY(root.LoadXML(target));
    QVERIFY(!root.SaveXML(dir.filePath(QStringLiteral("no/such/folder/x.xml"))));
}

void TestPlatform::intValidatorRefusesNumbersAboveItsRange_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("state");

    QTest::newRow("1024 of 1024") << 1024 << "1024" << int(QValidator::Acceptable);
    QTest::newRow("2000 of 1024") << 1024 << "2000" << int(QValidator::Invalid);
    QTest::newRow("1025 of 1024") << 1024 << "1025" << int(QValidator::Invalid);
    QTest::newRow("99999 of 50000") << 50000 << "99999" << int(QValidator::Invalid);
    QTest::newRow("400 of 365") << 365 << "400" << int(QValidator::Invalid);
    QTest::newRow("empty is on its way") << 365 << "" << int(QValidator::Intermediate);
    QTest::newRow("12 of 365") << 365 << "12" << int(QValidator::Acceptable);
    QTest::newRow("letters") << 365 << "1a" << int(QValidator::Invalid);
}

void TestPlatform::intValidatorRefusesNumbersAboveItsRange()
{
    QFETCH(int, top);
    QFETCH(QString, input);
    QFETCH(int, state);

    OrvaneGUIToolkit::CIntValidator validator(0, top);
    validator.setLocale(QLocale::c());
    int pos = int(input.size());
    QCOMPARE(int(validator.validate(input, pos)), state);
}

void TestPlatform::singletonCreatesOneInstanceAcrossThreads()
{
    SlowSingleton *seen[2] = {nullptr, nullptr};
    QThread *first = QThread::create([&] { seen[0] = SlowSingleton::instance(); });
    QThread *second = QThread::create([&] { seen[1] = SlowSingleton::instance(); });
    first->start();
    second->start();
    QVERIFY(first->wait(5000));
    QVERIFY(second->wait(5000));
    delete first;
    delete second;

    QVERIFY(seen[0]);
    QCOMPARE(seen[0], seen[1]);
    QCOMPARE(SlowSingleton::instance(), seen[0]);
    QCOMPARE(slowConstructions.loadRelaxed(), 1);
}

void TestPlatform::secondPeerSeesTheFirst()
{
    QTemporaryDir dir;
    const QString id = QStringLiteral("Larkspan");
    {
        SharedTools::QtLocalPeer first(id, nullptr, dir.path());
        QVERIFY(!first.isClient());
        QVERIFY(!first.isClient()); // asking again keeps the lock

        SharedTools::QtLocalPeer second(id, nullptr, dir.path());
        QVERIFY(second.isClient());

        SharedTools::QtLocalPeer otherApplication(QStringLiteral("Larkspan 2"), nullptr, dir.path());
        QVERIFY(!otherApplication.isClient());
    }
    // The holder is gone: the next start may run.
    SharedTools::QtLocalPeer next(id, nullptr, dir.path());
    QVERIFY(!next.isClient());
}

void TestPlatform::laterPeerHandsOverMessages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("delivered");

    QTest::newRow("a path with spaces and Chinese") << "/home/a b/工地 plan.larkspan" << true;
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("longer than a holder takes")
        << QString(SharedTools::QtLocalPeer::MaxMessageBytes + 1, QLatin1Char('x')) << false;
}

void TestPlatform::laterPeerHandsOverMessages()
{
    QFETCH(QString, message);
    QFETCH(bool, delivered);

    QTemporaryDir dir;
    const QString id = QStringLiteral("Larkspan hand-over test");
    SharedTools::QtLocalPeer first(id, nullptr, dir.path());
    QVERIFY(!first.isClient());
    QVERIFY(!first.sendMessage(QStringLiteral("to itself")));
    QSignalSpy received(&first, &SharedTools::QtLocalPeer::messageReceived);

    // The later start blocks until the holder confirms; the holder answers
    // from its event loop, here this thread's.
    SharedTools::QtLocalPeer second(id, nullptr, dir.path());
    QVERIFY(second.isClient());
    bool sent = false;
    std::thread later([&] { sent = second.sendMessage(message, 3000); });
    if (delivered)
        QTRY_COMPARE(received.count(), 1);
    else
        QTest::qWait(200);
    later.join();

    QCOMPARE(sent, delivered);
    QCOMPARE(received.count(), delivered ? 1 : 0);
    if (delivered)
        QCOMPARE(received.first().first().toString(), message);
}

void TestPlatform::holderTakesOnlyWholeMessages_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QString>("received");

    QTest::newRow("in pieces") << QList<QByteArray>{QByteArray("\0\0", 2), QByteArray("\0\5ab", 4), "cde"}
                               << "abcde";
    QTest::newRow("closed before the end") << QList<QByteArray>{QByteArray("\0\0\0\5ab", 6)} << QString();
    QTest::newRow("announces more than a holder takes")
        << QList<QByteArray>{QByteArray("\0\1\0\1", 4) + QByteArray(70000, 'x')} << QString();
}

// What a later start may send, written by hand: the holder announces only a
// whole message, confirms it, and keeps its socket to this user.
void TestPlatform::holderTakesOnlyWholeMessages()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QString, received);

    QTemporaryDir dir;
    SharedTools::QtLocalPeer holder(QStringLiteral("Larkspan"), nullptr, dir.path());
    QVERIFY(!holder.isClient());
    QSignalSpy messages(&holder, &SharedTools::QtLocalPeer::messageReceived);
    const QByteArray path = QFile::encodeName(holder.serverName());
    struct stat status;
    QVERIFY(::stat(path.constData(), &status) == 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0600));

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
    for (const QByteArray &piece : pieces) {
        QCOMPARE(::send(fd, piece.constData(), size_t(piece.size()), MSG_NOSIGNAL), ssize_t(piece.size()));
        QTest::qWait(20);
    }
    if (received.isNull())
        ::shutdown(fd, SHUT_WR);
    char answer[2] = {};
    if (!received.isNull())
        QTRY_COMPARE(messages.count(), 1);
    else
        QTest::qWait(100);
    const ssize_t got = ::recv(fd, answer, sizeof answer, MSG_DONTWAIT);
    ::close(fd);

    if (received.isNull()) {
        QCOMPARE(messages.count(), 0);
        QVERIFY(got <= 0);
    } else {
        QCOMPARE(messages.first().first().toString(), received);
        QCOMPARE(QByteArray(answer, int(got)), QByteArray("ok"));
    }
}

void TestPlatform::staleLockDoesNotBlock()
{
    QTemporaryDir dir;
    const QString id = QStringLiteral("Larkspan");

    // A lock left by a process that has ended, as after a crash.
    QProcess finished;
    finished.start(QStringLiteral("true"));
    QVERIFY(finished.waitForStarted());
    const qint64 deadPid = finished.processId();
    QVERIFY(finished.waitForFinished());

    SharedTools::QtLocalPeer probe(id, nullptr, dir.path());
    writeFile(probe.lockFilePath(), QByteArray::number(deadPid) + "\nlarkspan\n"
                                        + QSysInfo::machineHostName().toUtf8() + "\n");

    SharedTools::QtLocalPeer peer(id, nullptr, dir.path());
    QVERIFY(!peer.isClient());
}

// A holder too busy to take connections: its queue of waiting connections is
// full, and a later start's connect fails at once. The later start asks again
// until the holder gets to it.
void TestPlatform::busyHolderIsAskedAgain()
{
    QTemporaryDir dir;
    SharedTools::QtLocalPeer later(QStringLiteral("Larkspan"), nullptr, dir.path());
    QLockFile lock(later.lockFilePath());
    QVERIFY(lock.tryLock(0));
    const int listener = listenOn(later.serverName(), 0);
    QVERIFY(listener >= 0);
    QList<int> waiting;
    for (int fd; waiting.size() < 64 && (fd = connectTo(later.serverName(), SOCK_NONBLOCK)) >= 0;)
        waiting << fd;
    QVERIFY(connectTo(later.serverName(), SOCK_NONBLOCK) < 0);
    QVERIFY(later.isClient());

    bool sent = false;
    std::thread start([&] { sent = later.sendMessage(QStringLiteral("/plans/a.larkspan"), 3000); });
    QThread::msleep(300);
    // The holder gets to its queue: the connections that waited in it end,
    // and the later start's is answered.
    for (const int fd : std::as_const(waiting))
        ::close(fd);
    QByteArray received;
    for (const QDeadlineTimer deadline(3000); received.isEmpty() && !deadline.hasExpired();) {
        pollfd entry{listener, POLLIN, 0};
        if (::poll(&entry, 1, 100) <= 0)
            continue;
        const int fd = ::accept(listener, nullptr, nullptr);
        char buffer[256];
        const ssize_t got = readWithin(fd, buffer, sizeof buffer, 1000);
        if (got > 4) {
            received = QByteArray(buffer, int(got));
            ::send(fd, "ok", 2, MSG_NOSIGNAL);
        }
        ::close(fd);
    }
    start.join();
    ::close(listener);

    QVERIFY(sent);
    QCOMPARE(received, frame("/plans/a.larkspan"));
}

void TestPlatform::holderDropsConnectionsThatSendTooLittle_data()
{
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("half a length") << QByteArray("\0\0", 2);
    QTest::newRow("part of the message") << QByteArray("\0\0\0\5ab", 6);
}

// Connections that never deliver a whole message would otherwise stay open
// as long as the holder runs, until it has no descriptor left for the next.
void TestPlatform::holderDropsConnectionsThatSendTooLittle()
{
    QFETCH(QByteArray, sent);

    QTemporaryDir dir;
    SharedTools::QtLocalPeer holder(QStringLiteral("Larkspan"), nullptr, dir.path());
    holder.setConnectionTimeout(100);
    QVERIFY(!holder.isClient());
    QSignalSpy messages(&holder, &SharedTools::QtLocalPeer::messageReceived);

    const int fd = connectTo(holder.serverName());
    QVERIFY(fd >= 0);
    QCOMPARE(::send(fd, sent.constData(), size_t(sent.size()), MSG_NOSIGNAL), ssize_t(sent.size()));
    char answer[2];
    QTRY_COMPARE_WITH_TIMEOUT(::recv(fd, answer, sizeof answer, MSG_DONTWAIT), ssize_t(0), 2000);
    ::close(fd);
    QCOMPARE(messages.count(), 0);

    // A whole message later is still taken.
    SharedTools::QtLocalPeer later(QStringLiteral("Larkspan"), nullptr, dir.path());
    bool handed = false;
    std::thread start([&] { handed = later.sendMessage(QStringLiteral("/plans/b.larkspan"), 3000); });
    {
        const auto joined = qScopeGuard([&start] { start.join(); });
        QTRY_COMPARE(messages.count(), 1);
    }
    QVERIFY(handed);
}

void TestPlatform::privateFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("otherOwner");
    QTest::addColumn<bool>("isPrivate");

    QTest::newRow("own folder, 0700") << "folder" << 0700 << false << true;
    QTest::newRow("another user's folder, 0700") << "folder" << 0700 << true << false;
    QTest::newRow("group may read") << "folder" << 0750 << false << false;
    QTest::newRow("everyone may write, sticky") << "folder" << 01777 << false << false;
    QTest::newRow("owner may not write") << "folder" << 0500 << false << false;
    QTest::newRow("a link to an own private folder") << "link" << 0700 << false << false;
    QTest::newRow("a file") << "file" << 0700 << false << false;
    QTest::newRow("missing") << "missing" << 0700 << false << false;
    QTest::newRow("empty path") << "" << 0700 << false << false;
}

// Tests run as root: another user is another expected owner.
void TestPlatform::privateFolder()
{
    QFETCH(QString, kind);
    QFETCH(int, mode);
    QFETCH(bool, otherOwner);
    QFETCH(bool, isPrivate);

    QTemporaryDir dir;
    const QString path = kind.isEmpty() ? QString() : dir.filePath(QStringLiteral("runtime"));
    const QByteArray native = QFile::encodeName(path);
    if (kind == QLatin1String("folder")) {
        QVERIFY(::mkdir(native.constData(), 0700) == 0);
        QVERIFY(::chmod(native.constData(), mode_t(mode)) == 0);
    } else if (kind == QLatin1String("link")) {
        QVERIFY(::symlink(QFile::encodeName(dir.path()).constData(), native.constData()) == 0);
    } else if (kind == QLatin1String("file")) {
        writeFile(path, "x");
        QVERIFY(::chmod(native.constData(), mode_t(mode)) == 0);
    }

    QCOMPARE(SharedTools::QtLocalPeer::isPrivateFolder(path, ::geteuid() + (otherOwner ? 1 : 0)), isPrivate);
}

void TestPlatform::lockDirectoryChoice_data()
{
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QString>("chosen");

    // What the runtime folder and `larkspan-<uid>` in the temporary folder
    // are: unset or missing, private, another user's, open to others, a link.
    QTest::newRow("private runtime folder") << "private" << "missing" << "runtime";
    QTest::newRow("no runtime folder: a new private fallback") << "" << "missing" << "fallback";
    QTest::newRow("no runtime folder: own private fallback") << "" << "private" << "fallback";
    QTest::newRow("runtime folder of another user") << "foreign" << "missing" << "fallback";
    QTest::newRow("runtime folder open to others") << "open" << "missing" << "fallback";
    QTest::newRow("fallback made first by another user") << "" << "foreign" << "";
    QTest::newRow("fallback open to others") << "" << "open" << "";
    QTest::newRow("fallback a link to a private folder") << "" << "link" << "";
    QTest::newRow("neither private") << "foreign" << "foreign" << "";
}

void TestPlatform::lockDirectoryChoice()
{
    QFETCH(QString, runtime);
    QFETCH(QString, fallback);
    QFETCH(QString, chosen);

    QTemporaryDir dir;
    const uid_t self = ::geteuid();
    const QString runtimePath = dir.filePath(QStringLiteral("run"));
    const QString temporary = dir.filePath(QStringLiteral("tmp"));
    const QString fallbackPath = temporary + QStringLiteral("/larkspan-%1").arg(self);
    QVERIFY(QDir().mkpath(temporary));
    // Each folder as its kind says; another user's is this user's folder
    // handed to someone else, which needs root.
    const auto make = [](const QString &path, const QString &kind) {
        const QByteArray native = QFile::encodeName(path);
        if (kind == QLatin1String("link")) {
            const QByteArray target = native + "-target";
            return ::mkdir(target.constData(), 0700) == 0 && ::symlink(target.constData(), native.constData()) == 0;
        }
        if (kind.isEmpty() || kind == QLatin1String("missing"))
            return true;
        if (::mkdir(native.constData(), 0700) != 0)
            return false;
        if (kind == QLatin1String("open"))
            return ::chmod(native.constData(), 0777) == 0;
        if (kind == QLatin1String("foreign"))
            return ::chown(native.constData(), kOtherUser, kOtherUser) == 0;
        return true;
    };
    if ((runtime == QLatin1String("foreign") || fallback == QLatin1String("foreign")) && self != 0)
        QSKIP("Handing a folder to another user needs root.");
    QVERIFY(make(runtimePath, runtime));
    QVERIFY(make(fallbackPath, fallback));

    const QString expected = chosen == QLatin1String("runtime")    ? runtimePath
                             : chosen == QLatin1String("fallback") ? fallbackPath
                                                                   : QString();
    QCOMPARE(SharedTools::QtLocalPeer::privateLockDirectory(runtime.isEmpty() ? QString() : runtimePath, temporary,
                                                             self),
             expected);
    // The temporary folder itself is never chosen, and a fallback that is not
    // private is left as it was found.
    struct stat status;
    if (fallback == QLatin1String("open")) {
        QVERIFY(::stat(QFile::encodeName(fallbackPath).constData(), &status) == 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0777));
    }
    if (chosen == QLatin1String("fallback")) {
        QVERIFY(::lstat(QFile::encodeName(fallbackPath).constData(), &status) == 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0700));
    }
}

// Without a folder of its own a peer takes no lock and listens nowhere: every
// start runs by itself instead of handing its plan to another user's socket.
void TestPlatform::peerRunsAloneWithoutAPrivateFolder()
{
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                  | QFileDevice::WriteOther | QFileDevice::ExeOther));
    const QString id = QStringLiteral("Larkspan");
    const QRegularExpression warning(QStringLiteral("^No private folder for the instance lock"));

    SharedTools::QtLocalPeer first(id, nullptr, dir.path());
    QTest::ignoreMessage(QtWarningMsg, warning);
    QVERIFY(!first.isClient());
    SharedTools::QtLocalPeer second(id, nullptr, dir.path());
    QTest::ignoreMessage(QtWarningMsg, warning);
    QVERIFY(!second.isClient());
    QVERIFY(!second.sendMessage(QStringLiteral("/plans/a.larkspan"), 200));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList());
}

void TestPlatform::peerOfAnotherUserIsRefused_data()
{
    QTest::addColumn<bool>("holderIsOther");

    QTest::newRow("a sender of another user") << false;
    QTest::newRow("a holder of another user") << true;
}

// A forked child that has become another user plays the other end. The
// folder and socket are opened up by the test only: a peer of another user
// gets in only where someone (or root) lets it.
void TestPlatform::peerOfAnotherUserIsRefused()
{
    QFETCH(bool, holderIsOther);
    if (::geteuid() != 0)
        QSKIP("Acting as another user needs root.");

    QTemporaryDir dir;
    const QString id = QStringLiteral("Larkspan");
    const QByteArray message = "/home/someone/site.larkspan";

    if (!holderIsOther) {
        SharedTools::QtLocalPeer holder(id, nullptr, dir.path());
        QVERIFY(!holder.isClient());
        QSignalSpy messages(&holder, &SharedTools::QtLocalPeer::messageReceived);
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(holder.serverName()).constData(), 0666) == 0);
        const sockaddr_un address = socketAddress(holder.serverName());
        const QByteArray bytes = frame(message);

        const pid_t child = ::fork();
        if (child == 0) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (::setuid(kOtherUser) != 0
                || ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
                || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
                ::_exit(2);
            char answer[2];
            // 0: no confirmation; the holder closed the connection, unread.
            ::_exit(readWithin(fd, answer, sizeof answer, 3000) > 0 ? 1 : 0);
        }
        QVERIFY(child > 0);
        QCOMPARE(waitForChild(child), 0);
        QCOMPARE(messages.count(), 0);
    } else {
        SharedTools::QtLocalPeer later(id, nullptr, dir.path());
        QLockFile lock(later.lockFilePath());
        QVERIFY(lock.tryLock(0));
        const int listener = listenOn(later.serverName(), -1);
        QVERIFY(listener >= 0);
        int ready[2];
        QVERIFY(::pipe(ready) == 0);

        const pid_t child = ::fork();
        if (child == 0) {
            // The credentials a connecting peer sees are those of listen().
            if (::setuid(kOtherUser) != 0 || ::listen(listener, 8) != 0 || ::write(ready[1], "r", 1) != 1)
                ::_exit(2);
            pollfd entry{listener, POLLIN, 0};
            if (::poll(&entry, 1, 3000) <= 0)
                ::_exit(3);
            const int fd = ::accept(listener, nullptr, nullptr);
            char buffer[256];
            const ssize_t got = readWithin(fd, buffer, sizeof buffer, 3000);
            if (got > 0 && ::write(fd, "ok", 2) != 2)
                ::_exit(4);
            // 0: no message reached this user.
            ::_exit(got > 0 ? 1 : 0);
        }
        QVERIFY(child > 0);
        char byte = 0;
        QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
        QVERIFY(later.isClient());
        const bool sent = later.sendMessage(QString::fromUtf8(message), 2000);
        const int status = waitForChild(child);
        ::close(ready[0]);
        ::close(ready[1]);
        ::close(listener);
        QVERIFY(!sent);
        QCOMPARE(status, 0);
    }
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
