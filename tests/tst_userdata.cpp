#include "data/bitrateconfigloader.h"
#include "data/devicerecords.h"
#include "data/recorderprofiles.h"
#include "platform/targetpath.h"
#include "platform/writablepath.h"

#include "datafixture.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace OrvaneGUIToolkit;

// Where the files that the program writes live: beside a writable staged
// program as always, in the user's own folders for an installed one.
class TestUserData final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void whereFilesLive_data();
    void whereFilesLive();
    void installedProgramReadsAndWritesTheUsersCopies();

private:
    // The program folder as `marker` and `readOnly` make it; false when the
    // file system lets this user write to a read-only folder anyway (root).
    bool makeProgramFolder(bool marker, bool readOnly);
    QString program(const QString &name) const { return m_program->filePath(name); }
    QString userData(const QString &name) const
    {
        return m_dataHome->filePath(QCoreApplication::applicationName() + QLatin1Char('/') + name);
    }
    QString userConfig(const QString &name) const
    {
        return m_configHome->filePath(QCoreApplication::applicationName() + QLatin1Char('/') + name);
    }

    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<QTemporaryDir> m_dataHome;
    std::unique_ptr<QTemporaryDir> m_configHome;
};

namespace {

const QByteArray TableXml = "<ConfigList><ConfigItem><Resolution>720P</Resolution>"
                            "<Bitrate>1024</Bitrate></ConfigItem></ConfigList>\n";

// Every file below `root` with its bytes, by relative path.
QMap<QString, QByteArray> treeContents(const QString &root)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        contents.insert(QDir(root).relativeFilePath(path), readFixture(root, QDir(root).relativeFilePath(path)));
    }
    return contents;
}

} // namespace

void TestUserData::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    m_dataHome = std::make_unique<QTemporaryDir>();
    m_configHome = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_dataHome->path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_configHome->path().toLocal8Bit());
    SetTargetPathOverride(m_program->path());
}

void TestUserData::cleanup()
{
    SetTargetPathOverride(QString());
    // A read-only folder could not be removed.
    QFile::setPermissions(m_program->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_program.reset();
}

bool TestUserData::makeProgramFolder(bool marker, bool readOnly)
{
    if (marker)
        writeFixture(m_program->path(), InstalledTreeMarker(), "installed\n");
    if (!readOnly)
        return true;
    QFile::setPermissions(m_program->path(), QFile::ReadOwner | QFile::ExeOwner);
    return !QFileInfo(m_program->path()).isWritable();
}

void TestUserData::whereFilesLive_data()
{
    QTest::addColumn<bool>("marker");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("userCopies"); // of Scene.csv and Setup.xml
    QTest::addColumn<bool>("readsUser");
    QTest::addColumn<bool>("writesUser");

    QTest::newRow("staged folder: beside the program, user copies ignored")
        << false << false << true << false << false;
    QTest::newRow("installed tree, no user copies: shipped files read, writes to the user")
        << true << false << false << false << true;
    QTest::newRow("installed tree: the user's copies win") << true << false << true << true << true;
    QTest::newRow("read-only folder: the user's copies win") << false << true << true << true << true;
}

void TestUserData::whereFilesLive()
{
    QFETCH(bool, marker);
    QFETCH(bool, readOnly);
    QFETCH(bool, userCopies);
    QFETCH(bool, readsUser);
    QFETCH(bool, writesUser);

    QVERIFY(writeFixture(m_program->path(), "Scene.csv", "shipped"));
    QVERIFY(writeFixture(m_program->path(), "Setup.xml", "shipped"));
    if (userCopies) {
        QVERIFY(writeFixture(QFileInfo(userData("")).path(), "Scene.csv", "user"));
        QVERIFY(writeFixture(QFileInfo(userConfig("")).path(), "Setup.xml", "user"));
    }
    if (!makeProgramFolder(marker, readOnly))
        QSKIP("This user writes to read-only folders.");

    QCOMPARE(IsTargetPathWritable(), !writesUser);
    QCOMPARE(GetReadablePathFile("Scene.csv"), readsUser ? userData("Scene.csv") : program("Scene.csv"));
    QCOMPARE(GetSettingsPathFile("Setup.xml"), readsUser ? userConfig("Setup.xml") : program("Setup.xml"));
    // Asking where to read makes no folder; asking where to write makes the
    // user's, so that a writer can write straight into it.
    QCOMPARE(QFileInfo::exists(userData("")), userCopies);
    QCOMPARE(GetWritablePathFile("ScenePicture"),
             writesUser ? userData("ScenePicture") : program("ScenePicture"));
    QCOMPARE(QFileInfo(userData("")).isDir(), writesUser || userCopies);
}

void TestUserData::installedProgramReadsAndWritesTheUsersCopies()
{
    const QString shipped = m_program->path();
    QVERIFY(writeFixture(shipped, "DVRBitrateConfig.xml", TableXml));
    QVERIFY(writeFixture(shipped, "Scene.csv", "header\nStreet,H.264,720P,1024,s.png\n"));
    QVERIFY(writeFixture(shipped, "ScenePicture/s.png", "street"));
    QVERIFY(writeFixture(shipped, "C/DVRBitrateConfig.csv", "960H,1536\n"));
    QVERIFY(writeFixture(shipped, RecorderProfilesName, "Name,Channels,Incoming Mbps,Drive bays,Largest drive (TB)\n"
                                                         "8-channel recorder,8,80,2,12\n"));
    makeProgramFolder(true, false);
    const QMap<QString, QByteArray> before = treeContents(shipped);

    // An imported table names its own picture and one that only the program
    // folder has.
    const QString user = QFileInfo(userData("")).path();
    QVERIFY(writeFixture(user, "Scene.csv",
                         "header\nBank,H.264,720P,512,b.png\nStreet,H.264,720P,2048,s.png\n"));
    QVERIFY(writeFixture(user, "ScenePicture/b.png", "bank"));

    BitrateConfigLoader loader;
    QVector<QString> scenes;
    QVERIFY(loader.sceneNames(scenes));
    QCOMPARE(scenes, (QVector<QString>{"Bank", "Street"}));
    QCOMPARE(loader.sceneRecommendedBitrate("Street", "H.264", "720P"), 2048);
    QCOMPARE(loader.scenePicture("Bank", "H.264", "720P"), userData("ScenePicture/b.png"));
    QCOMPARE(loader.scenePicture("Street", "H.264", "720P"), program("ScenePicture/s.png"));

    // The regenerated recorder table goes to the user's folder.
    QVERIFY(loader.convertCsvToXml(program("C/DVRBitrateConfig.csv"), TableDVR));
    QVERIFY(readFixture(user, "DVRBitrateConfig.xml").contains("<Resolution>960H</Resolution>"));

    // A profile the user adds goes to the user's copy, which is read from
    // then on.
    QString error;
    QVERIFY2(RecorderProfileFile::add({QStringLiteral("Site NVR"), {24, 192, 3, 18000}}, &error), qPrintable(error));
    QVector<RecorderProfile> profiles;
    QVERIFY2(RecorderProfileFile::load(&profiles, &error), qPrintable(error));
    QCOMPARE(profiles.size(), 2);
    QCOMPARE(profiles.last().name, QStringLiteral("Site NVR"));
    QVERIFY(readFixture(user, RecorderProfilesName).contains("Site NVR,24,192,3,18"));
    QVERIFY(!RecorderProfileFile::add({QStringLiteral("Site NVR"), {}}, &error));
    QVERIFY(error.contains(QLatin1String("already")));

    QCOMPARE(treeContents(shipped), before);
}

QTEST_GUILESS_MAIN(TestUserData)

#include "tst_userdata.moc"
