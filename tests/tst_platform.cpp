#include "platform/cfile.h"
#include "platform/cgenericds.h"
#include "platform/cintvalidator.h"
#include "platform/cuisingleton.h"
#include "platform/qtlocalpeer.h"
#include "platform/targetpath.h"

#include <QAtomicInt>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstring>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

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

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
