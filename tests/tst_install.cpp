#include "datafixture.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

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

    void programFolderLinksToSharedFiles_data();
    void programFolderLinksToSharedFiles();
    void programFolderHoldsNoSharedFiles();
    void commandStartsFromAnotherFolder_data();
    void commandStartsFromAnotherFolder();
    void firstStartImportsIntoTheUsersFolder();
    void nextStartReadsTheImportInChinese();
    void chineseWithoutQtsCatalogues();
    void installedFilesAreUnchanged();

private:
    QString programFolder() const { return m_prefix.filePath(QStringLiteral("lib/larkspan")); }
    QString userData(const QString &name) const
    {
        return m_home.filePath(QStringLiteral(".local/share/Larkspan/") + name);
    }
    QProcessEnvironment freshEnvironment(const QString &runtimeName = QStringLiteral("runtime")) const;
    void runProbe(const QString &folder, const QProcessEnvironment &environment, const QStringList &checks);
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

// The text of the link at `path`, as it is written; empty for anything else.
QString linkText(const QString &path)
{
    QByteArray target(4096, '\0');
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), target.data(), size_t(target.size()));
    return size > 0 ? QFile::decodeName(target.left(size)) : QString();
}

} // namespace

QProcessEnvironment TestInstall::freshEnvironment(const QString &runtimeName) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys()) {
        if (name.startsWith(QLatin1String("XDG_")) || name == QLatin1String("HOME")
            || name == QLatin1String("QT_LOGGING_RULES"))
            environment.remove(name);
    }
    environment.insert(QStringLiteral("HOME"), m_home.path());
    // The single-instance lock lives here; it must belong to the user alone.
    const QString runtime = m_home.filePath(runtimeName);
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

void TestInstall::programFolderLinksToSharedFiles_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("target");

    const QString data = QStringLiteral("../../share/larkspan/");
    for (const char *name : {"IPCBitrateConfig.xml", "DVRBitrateConfig.xml", "Frame.xml", "Scene.csv",
                             "IPCBitrate", "DVRBitrate", "ScenePicture"}) {
        QTest::newRow(name) << QString::fromUtf8(name) << data + QString::fromUtf8(name);
    }
    // The manuals are the desktop's help, one folder per language.
    QTest::newRow("English manual") << "Larkspan User Manual.pdf"
                                    << "../../share/help/C/larkspan/Larkspan User Manual.pdf";
    QTest::newRow("Chinese manual") << "Larkspan用户使用手册.pdf"
                                    << "../../share/help/zh_CN/larkspan/Larkspan用户使用手册.pdf";
    // Below any prefix but /usr, the configuration folder is the prefix's own.
    QTest::newRow("Setup.xml") << "Setup.xml" << "../../etc/larkspan/Setup.xml";
}

// The files that are the same on every architecture lie in share/, the
// settings in etc/; relative links keep them beside the executable.
void TestInstall::programFolderLinksToSharedFiles()
{
    QFETCH(QString, entry);
    QFETCH(QString, target);

    const QString link = programFolder() + QLatin1Char('/') + entry;
    QCOMPARE(linkText(link), target);
    const QString resolved = QFileInfo(link).canonicalFilePath();
    QVERIFY2(!resolved.isEmpty(), qPrintable(link + QStringLiteral(" leads nowhere")));
    QCOMPARE(resolved, QFileInfo(QDir(programFolder()).filePath(target)).canonicalFilePath());
}

void TestInstall::programFolderHoldsNoSharedFiles()
{
    // What is left in the program folder depends on the architecture: the
    // executables, the plug-ins, the catalogues (and the installed mark).
    QStringList shared;
    QDirIterator it(programFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString suffix = info.suffix();
        if (!info.isSymLink() && !suffix.isEmpty() && suffix != QLatin1String("so")
            && suffix != QLatin1String("qm"))
            shared.append(info.filePath());
    }
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1String(", "))));
}

void TestInstall::commandStartsFromAnotherFolder_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QByteArray>("diagnostics");

    QTest::newRow("an ordinary start says nothing") << QString() << QByteArray();
    QTest::newRow("start-up lines on demand")
        << "larkspan.startup=true" << QByteArray("larkspan.startup: [Tool]LoadSkin = CommonSkin Success\n");
}

void TestInstall::commandStartsFromAnotherFolder()
{
    QFETCH(QString, rules);
    QFETCH(QByteArray, diagnostics);

    // A runtime folder of its own: the lock appears in it once start-up has
    // passed the skin and the single-instance check.
    static int runs = 0;
    const QString runtimeName = QStringLiteral("runtime") + QString::number(++runs);
    QProcessEnvironment environment = freshEnvironment(runtimeName);
    if (!rules.isEmpty())
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), rules);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(m_elsewhere.path());
    program.start(m_prefix.filePath(QStringLiteral("bin/larkspan")), QStringList());
    QVERIFY(program.waitForStarted());

    const QDir runtime(m_home.filePath(runtimeName));
    QDeadlineTimer deadline(30000);
    const QDir::Filters any = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    while (runtime.isEmpty(any) && !deadline.hasExpired() && program.state() == QProcess::Running)
        QTest::qWait(50);
    // The window is built, shown and painted meanwhile.
    QTest::qWait(1500);
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();
    const QByteArray out = program.readAllStandardOutput();
    QByteArray err = program.readAllStandardError();
    // The offscreen platform's own remark, made when a window's size limits
    // change; a window system says nothing of the kind.
    err.replace("This plugin does not support propagateSizeHints()\n", "");
    QVERIFY2(!runtime.isEmpty(any), err.constData());
    QVERIFY2(running, err.constData());
    QCOMPARE(out, QByteArray());
    QCOMPARE(err, diagnostics);
}

void TestInstall::runProbe(const QString &folder, const QProcessEnvironment &environment,
                           const QStringList &checks)
{
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setWorkingDirectory(m_elsewhere.path());
    probe.start(folder + QStringLiteral("/installprobe"), checks);
    QVERIFY(probe.waitForFinished(60000));
    QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, qPrintable(output(probe)));
}

void TestInstall::runProbe(const QString &language, const QStringList &checks)
{
    QProcessEnvironment environment = freshEnvironment();
    environment.insert(QStringLiteral("PROBE_LANGUAGE"), language);
    runProbe(programFolder(), environment, checks);
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

// Qt's catalogues come from a package that is only recommended: without it,
// the links to them lead nowhere, and the interface is Chinese all the same
// with Qt's standard texts in English.
void TestInstall::chineseWithoutQtsCatalogues()
{
    QTemporaryDir copy;
    QVERIFY(copy.isValid());
    QProcess cp;
    cp.start(QStringLiteral("cp"), {QStringLiteral("-a"), m_prefix.path() + QStringLiteral("/."), copy.path()});
    QVERIFY(cp.waitForFinished(60000) && cp.exitCode() == 0);
    setWritable(copy.path(), true);
    const QString folder = copy.filePath(QStringLiteral("lib/larkspan"));
    const QDir translations(folder + QStringLiteral("/translations"));
    const QStringList catalogues = translations.entryList({QStringLiteral("qt*_zh_CN.qm")},
                                                             QDir::Files | QDir::System);
    QVERIFY(catalogues.contains(QStringLiteral("qt_zh_CN.qm")));
    for (const QString &name : catalogues) {
        const QString link = translations.filePath(name);
        QVERIFY(QFile::remove(link));
        QVERIFY(QFile::link(copy.filePath(QStringLiteral("share/qt6/translations/")) + name, link));
        QVERIFY(!QFileInfo::exists(link));
    }

    QVERIFY(writeFixture(m_home.path(), QStringLiteral(".config/Larkspan/Setup.xml"),
                         "<Setup><Translator><Value>1</Value></Translator></Setup>\n"));
    QProcessEnvironment environment = freshEnvironment();
    environment.insert(QStringLiteral("PROBE_LANGUAGE"), QStringLiteral("zh"));
    environment.insert(QStringLiteral("PROBE_QT_CATALOGUES"), QStringLiteral("missing"));
    runProbe(folder, environment, {QStringLiteral("startsWithSkinAndTexts")});
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
