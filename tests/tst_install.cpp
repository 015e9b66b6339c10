#include "datafixture.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The installed program, as a user gets it: `cmake --install` into a fresh
// prefix, made read-only, then started with a fresh home from another
// folder. installprobe stands for the executable inside the installed
// program folder and checks the window from within.
class TestInstall final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void commandStartsFromAnotherFolder();
    void firstStartImportsIntoTheUsersFolder();
    void nextStartReadsTheImportInChinese();
    void installedFilesAreUnchanged();

private:
    QString programFolder() const { return m_prefix.filePath(QStringLiteral("lib/larkspan")); }
    QString userData(const QString &name) const
    {
        return m_home.filePath(QStringLiteral(".local/share/Larkspan/") + name);
    }
    QProcessEnvironment freshEnvironment() const;
    void runProbe(const QString &language, const QStringList &checks);

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QTemporaryDir m_elsewhere;
    QMap<QString, QByteArray> m_installed;
};

namespace {

// Every entry below `root` by relative path: a file's SHA-256, a link's
// target, a folder's mark, so that a changed, added or removed entry shows.
QMap<QString, QByteArray> fingerprint(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(root).relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            entries.insert(name, "-> " + info.symLinkTarget().toUtf8());
        } else if (info.isDir()) {
            entries.insert(name, "folder");
        } else {
            QFile file(info.filePath());
            QCryptographicHash hash(QCryptographicHash::Sha256);
            entries.insert(name, file.open(QIODevice::ReadOnly) && hash.addData(&file)
                                     ? hash.result().toHex() : QByteArray("unreadable"));
        }
    }
    return entries;
}

void setWritable(const QString &root, bool writable)
{
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths.append(it.next());
    for (const QString &path : std::as_const(paths)) {
        const QFileInfo info(path);
        if (info.isSymLink())
            continue;
        QFile::Permissions permissions = info.permissions();
        const QFile::Permissions write = QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup
                                         | QFile::WriteOther;
        permissions = writable ? permissions | QFile::WriteOwner | QFile::WriteUser : permissions & ~write;
        QFile::setPermissions(path, permissions);
    }
}

QString output(QProcess &process)
{
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace

QProcessEnvironment TestInstall::freshEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys()) {
        if (name.startsWith(QLatin1String("XDG_")) || name == QLatin1String("HOME"))
            environment.remove(name);
    }
    environment.insert(QStringLiteral("HOME"), m_home.path());
    // The single-instance lock lives here; it must belong to the user alone.
    const QString runtime = m_home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    // A full-HD offscreen screen, so that start-up does not ask about a small one.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + m_home.filePath(QStringLiteral("screens.json")));
    return environment;
}

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_home.isValid() && m_elsewhere.isValid());
    QVERIFY(writeFixture(m_home.path(), QStringLiteral("screens.json"),
                         R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920,
                             "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"));

    QProcess install;
    install.start(QStringLiteral(CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(LARKSPAN_BINARY_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitCode() == 0, qPrintable(output(install)));

    QVERIFY(QFile::copy(QStringLiteral(INSTALL_PROBE), programFolder() + QStringLiteral("/installprobe")));
    setWritable(m_prefix.path(), false);
    m_installed = fingerprint(m_prefix.path());
}

void TestInstall::cleanupTestCase()
{
    setWritable(m_prefix.path(), true);
}

void TestInstall::commandStartsFromAnotherFolder()
{
    QProcess program;
    program.setProcessEnvironment(freshEnvironment());
    program.setWorkingDirectory(m_elsewhere.path());
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(m_prefix.filePath(QStringLiteral("bin/larkspan")), QStringList());
    QVERIFY(program.waitForStarted());

    QByteArray said;
    QDeadlineTimer deadline(30000);
    while (!said.contains("[Tool]LoadSkin = CommonSkin Success") && !deadline.hasExpired()
           && program.state() == QProcess::Running) {
        program.waitForReadyRead(100);
        said += program.readAll();
    }
    // Up with its skin, and still running: the window is open.
    QTest::qWait(500);
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();
    QVERIFY2(said.contains("[Tool]LoadSkin = CommonSkin Success"), said.constData());
    QVERIFY2(running, said.constData());
}

void TestInstall::runProbe(const QString &language, const QStringList &checks)
{
    QProcessEnvironment environment = freshEnvironment();
    environment.insert(QStringLiteral("PROBE_LANGUAGE"), language);
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setWorkingDirectory(m_elsewhere.path());
    probe.start(programFolder() + QStringLiteral("/installprobe"), checks);
    QVERIFY(probe.waitForFinished(60000));
    QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, qPrintable(output(probe)));
}

void TestInstall::firstStartImportsIntoTheUsersFolder()
{
    runProbe(QStringLiteral("en"), {QStringLiteral("startsWithSkinAndTexts"),
                                    QStringLiteral("f1OpensTheManualBesideTheProgram"),
                                    QStringLiteral("importsScene")});

    QVERIFY(readFixture(userData(""), QStringLiteral("Scene.csv")).startsWith("Scene,"));
    // The table in use before the import was the shipped one.
    QCOMPARE(readFixture(userData(""), QStringLiteral("Scene.csv.bak")),
             readFixture(programFolder(), QStringLiteral("Scene.csv")));
    QVERIFY(QFileInfo(userData(QStringLiteral("ScenePicture/probe.png"))).isFile());
    QVERIFY(QDir(m_elsewhere.path()).isEmpty());
}

void TestInstall::nextStartReadsTheImportInChinese()
{
    // The user's own settings choose Chinese; the installed ones stay as they are.
    QVERIFY(writeFixture(m_home.path(), QStringLiteral(".config/Larkspan/Setup.xml"),
                         "<Setup><Translator><Value>1</Value></Translator></Setup>\n"));
    runProbe(QStringLiteral("zh"), {QStringLiteral("startsWithSkinAndTexts"),
                                    QStringLiteral("f1OpensTheManualBesideTheProgram"),
                                    QStringLiteral("readsImportedScene")});
    QVERIFY(QDir(m_elsewhere.path()).isEmpty());
}

void TestInstall::installedFilesAreUnchanged()
{
    const QMap<QString, QByteArray> now = fingerprint(m_prefix.path());
    QStringList changed;
    for (const QString &name : now.keys() + m_installed.keys()) {
        if (now.value(name) != m_installed.value(name) && !changed.contains(name))
            changed.append(name);
    }
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1String(", "))));
}

QTEST_GUILESS_MAIN(TestInstall)

#include "tst_install.moc"
