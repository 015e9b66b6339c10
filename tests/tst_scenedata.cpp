#include "data/bitrateconfigloader.h"
#include "data/localetextfile.h"
#include "data/scenefile.h"
#include "data/sceneimport.h"
#include "data/scenenames.h"
#include "platform/targetpath.h"
#include "platform/writablepath.h"
#include "tests/datafixture.h"
#include "tests/renamingtranslator.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

#include <cmath>

namespace {

const QByteArray kHeader = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";

// Every record after the header is matched exactly as written: "Street" has
// two records with a space after a comma, "hospital" is a scene of its own.
const QByteArray kScenes = kHeader
    + "Hospital,H.264,1080P,2048,D:\\secne\\hospital2.png\n"
      "Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n"
      "Bank,H.264,720P,1024,/srv/pictures/bank.png\n"
      "hospital,H.264,720P,999,lower.png\n"
      "Hospital,H.264,720P,1500,D:\\secne\\hospital3.png\n"
      "Street, H.264,720P,700,street1.png\n"
      "Street,H.264, 720P,701,street2.png\n"
      "Street,H.264,720P,702,street3.png\n"
      "Office,H.264,720P,fast,C:/x\\y/office.png,extra,fields\n"
      "Hospital,H.265,1080P,1800,E:\\other\\hospital4.png\n"
      "\n";

// A record with fewer than five fields in the middle of the scene's records.
const QByteArray kShortRecord = kHeader
    + "Hospital,H.264,1080P,2048,a.png\n"
      "Parking,H.264\n"
      "Hospital,H.265,720P,1204,b.png\n"
      "Bank,H.264,720P,1024,c.png\n";

QString pictureIn(const QString &name)
{
    return OrvaneGUIToolkit::GetTargetPathFile(QStringLiteral("ScenePicture")) + QLatin1Char('/') + name;
}

// Everything the lookups give for the table in use: one line per scene,
// resolution and encoding with its rate, and the picture shown by its file
// name and a hash of its bytes.
QStringList sceneSummary()
{
    const BitrateConfigLoader loader;
    QVector<QString> scenes;
    loader.sceneNames(scenes);
    QStringList summary;
    for (const QString &scene : std::as_const(scenes)) {
        for (const QString &resolution : loader.sceneResolutions(scene)) {
            for (const QString &encoding : loader.sceneEncodings(scene, resolution)) {
                const QString picture = loader.scenePicture(scene, encoding, resolution);
                QFile file(picture);
                const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                summary << QStringList{scene, resolution, encoding,
                                       QString::number(loader.sceneRecommendedBitrate(scene, encoding, resolution)),
                                       QFileInfo(picture).fileName(),
                                       QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()}
                               .join(QLatin1Char('|'));
            }
        }
    }
    return summary;
}

} // namespace

class TestSceneData final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lookups_data();
    void lookups();
    void sceneNames_data();
    void sceneNames();
    void sceneResolutions_data();
    void sceneResolutions();
    void sceneEncodings_data();
    void sceneEncodings();
    void shortRecordStops();
    void fileEdges_data();
    void fileEdges();
    void readsTheFileAnew();
    void importCheck_data();
    void importCheck();
    void exportedTable_data();
    void exportedTable();
    void pictureSource_data();
    void pictureSource();
    void exportedTableImportsBack_data();
    void exportedTableImportsBack();

    void shippedScenes_data();
    void shippedScenes();
    void sceneNamesShown_data();
    void sceneNamesShown();

private:
    void writeScenes(const QByteArray &bytes)
    {
        QVERIFY(writeFixture(m_dir->path(), QStringLiteral("Scene.csv"), bytes));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSceneData::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    OrvaneGUIToolkit::SetTargetPathOverride(m_dir->path());
}

void TestSceneData::cleanup()
{
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    m_dir.reset();
}

void TestSceneData::lookups_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("recommended");
    QTest::addColumn<QString>("picture"); // file name in the picture folder, empty for none

    QTest::newRow("Hospital H.264 1080P") << "Hospital" << "H.264" << "1080P" << 2048 << "hospital2.png";
    QTest::newRow("Hospital H.265 720P") << "Hospital" << "H.265" << "720P" << 1204 << "hospital1.png";
    QTest::newRow("Hospital H.264 720P, after another scene's record")
        << "Hospital" << "H.264" << "720P" << 1500 << "hospital3.png";
    QTest::newRow("Hospital H.265 1080P, last record") << "Hospital" << "H.265" << "1080P" << 1800
                                                       << "hospital4.png";
    QTest::newRow("no such encoding → -1, last Hospital picture")
        << "Hospital" << "MJPEG" << "720P" << -1 << "hospital4.png";
    QTest::newRow("no such resolution → -1, last Hospital picture")
        << "Hospital" << "H.264" << "4MP" << -1 << "hospital4.png";
    QTest::newRow("lower-case hospital is a scene of its own") << "hospital" << "H.264" << "720P" << 999
                                                               << "lower.png";
    QTest::newRow("HOSPITAL has no record") << "HOSPITAL" << "H.264" << "720P" << -1 << "";
    QTest::newRow("encoding compared case-sensitively") << "Hospital" << "h.264" << "1080P" << -1
                                                        << "hospital4.png";
    QTest::newRow("untrimmed: 'Street' ' H.264' matches only with the space")
        << "Street" << " H.264" << "720P" << 700 << "street1.png";
    QTest::newRow("untrimmed: ' 720P' matches only with the space")
        << "Street" << "H.264" << " 720P" << 701 << "street2.png";
    QTest::newRow("untrimmed: plain fields skip the spaced records")
        << "Street" << "H.264" << "720P" << 702 << "street3.png";
    QTest::newRow("non-numeric bitrate → 0; mixed separators, extra fields")
        << "Office" << "H.264" << "720P" << 0 << "office.png";
    QTest::newRow("Unix path → its file name") << "Bank" << "H.264" << "720P" << 1024 << "bank.png";
    QTest::newRow("empty scene name matches nothing") << "" << "H.264" << "720P" << -1 << "";
}

void TestSceneData::lookups()
{
    QFETCH(QString, scene);
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(int, recommended);
    QFETCH(QString, picture);

    writeScenes(kScenes);
    const BitrateConfigLoader loader;
    QCOMPARE(loader.sceneRecommendedBitrate(scene, encoding, resolution), recommended);
    QCOMPARE(loader.scenePicture(scene, encoding, resolution),
             picture.isEmpty() ? QString() : pictureIn(picture));
}

void TestSceneData::sceneNames_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QVector<QString>>("names");

    QTest::newRow("first appearance order, case kept apart")
        << kScenes << QVector<QString>{"Hospital", "Bank", "hospital", "Street", "Office"};
    QTest::newRow("short records do not stop the names")
        << kShortRecord << QVector<QString>{"Hospital", "Parking", "Bank"};
    QTest::newRow("a line without a comma is a name")
        << kHeader + "Lobby\nBank,H.264,720P,1,b.png\n" << QVector<QString>{"Lobby", "Bank"};
    QTest::newRow("lines of only commas give the empty name once")
        << kHeader + ",,,,\n,,\nBank,H.264,720P,1,b.png\n" << QVector<QString>{"", "Bank"};
    QTest::newRow("untrimmed names: ' Bank' differs from 'Bank'")
        << kHeader + " Bank,H.264,720P,1,b.png\nBank,H.264,720P,1,b.png\n" << QVector<QString>{" Bank", "Bank"};
    QTest::newRow("header only") << kHeader << QVector<QString>{};
    QTest::newRow("header not interpreted, whatever it holds")
        << QByteArray("Bank,H.264,720P,1,b.png\nStreet,H.264,720P,1,s.png\n") << QVector<QString>{"Street"};
    QTest::newRow("CRLF and a trailing empty line")
        << QByteArray("h\r\nBank,H.264,720P,1,b.png\r\n\r\n") << QVector<QString>{"Bank"};
}

void TestSceneData::sceneNames()
{
    QFETCH(QByteArray, content);
    QFETCH(QVector<QString>, names);

    writeScenes(content);
    const BitrateConfigLoader loader;
    QVector<QString> found{QStringLiteral("kept")};
    QVERIFY(loader.sceneNames(found));
    QCOMPARE(found, QVector<QString>{QStringLiteral("kept")} + names);
}

void TestSceneData::sceneResolutions_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QStringList>("resolutions");

    QTest::newRow("Hospital: 1080P, 720P in first appearance order") << "Hospital" << QStringList{"1080P", "720P"};
    QTest::newRow("Street: '720P' and ' 720P' are two") << "Street" << QStringList{"720P", " 720P"};
    QTest::newRow("hospital: only its own records") << "hospital" << QStringList{"720P"};
    QTest::newRow("unknown scene: none") << "Lobby" << QStringList{};
}

void TestSceneData::sceneResolutions()
{
    QFETCH(QString, scene);
    QFETCH(QStringList, resolutions);

    writeScenes(kScenes);
    const BitrateConfigLoader loader;
    QStringList found;
    QVERIFY(loader.sceneResolutions(scene, found));
    QCOMPARE(found, resolutions);
    QCOMPARE(loader.sceneResolutions(scene), resolutions);
}

void TestSceneData::sceneEncodings_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QStringList>("encodings");

    QTest::newRow("Hospital 720P: H.265, H.264") << "Hospital" << "720P" << QStringList{"H.265", "H.264"};
    QTest::newRow("Hospital 1080P: H.264, H.265") << "Hospital" << "1080P" << QStringList{"H.264", "H.265"};
    QTest::newRow("Street 720P: ' H.264' and 'H.264' are two") << "Street" << "720P"
                                                               << QStringList{" H.264", "H.264"};
    QTest::newRow("Street ' 720P'") << "Street" << " 720P" << QStringList{"H.264"};
    QTest::newRow("resolution case-sensitive") << "Hospital" << "720p" << QStringList{};
    QTest::newRow("unknown scene") << "Lobby" << "720P" << QStringList{};
}

void TestSceneData::sceneEncodings()
{
    QFETCH(QString, scene);
    QFETCH(QString, resolution);
    QFETCH(QStringList, encodings);

    writeScenes(kScenes);
    const BitrateConfigLoader loader;
    QStringList found{QStringLiteral("kept")};
    QVERIFY(loader.sceneEncodings(scene, resolution, found));
    QCOMPARE(found, QStringList{QStringLiteral("kept")} + encodings);
    QCOMPARE(loader.sceneEncodings(scene, resolution), encodings);
}

void TestSceneData::shortRecordStops()
{
    writeScenes(kShortRecord);
    const BitrateConfigLoader loader;

    QStringList resolutions;
    QVERIFY(!loader.sceneResolutions(QStringLiteral("Hospital"), resolutions));
    QCOMPARE(resolutions, QStringList{QStringLiteral("1080P")});
    QStringList encodings;
    QVERIFY(!loader.sceneEncodings(QStringLiteral("Hospital"), QStringLiteral("1080P"), encodings));
    QCOMPARE(encodings, QStringList{QStringLiteral("H.264")});
    QVERIFY(!loader.sceneEncodings(QStringLiteral("Bank"), QStringLiteral("720P"), encodings));
    QCOMPARE(encodings, QStringList{QStringLiteral("H.264")});

    // A match before the short record is found; one after it is not.
    QCOMPARE(loader.sceneRecommendedBitrate("Hospital", "H.264", "1080P"), 2048);
    QCOMPARE(loader.sceneRecommendedBitrate("Hospital", "H.265", "720P"), -1);
    QCOMPARE(loader.scenePicture("Hospital", "H.264", "1080P"), pictureIn(QStringLiteral("a.png")));
    // The fallback seen before the short record is not given.
    QCOMPARE(loader.scenePicture("Hospital", "H.265", "720P"), QString());
    QCOMPARE(loader.scenePicture("Hospital", "MJPEG", "720P"), QString());
}

void TestSceneData::fileEdges_data()
{
    QTest::addColumn<QString>("kind"); // "missing", "folder" or "bytes"
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("recommended");
    QTest::addColumn<QString>("picture"); // file name part, "-" for none

    const QByteArray record = "Bank,H.264,720P,1024,b.png";
    QTest::newRow("missing file") << "missing" << QByteArray() << false << -1 << "-";
    QTest::newRow("folder named Scene.csv") << "folder" << QByteArray() << false << -1 << "-";
    QTest::newRow("empty file") << "bytes" << QByteArray("") << true << -1 << "-";
    QTest::newRow("header only") << "bytes" << kHeader << true << -1 << "-";
    QTest::newRow("record as the first line is the header") << "bytes" << record << true << -1 << "-";
    QTest::newRow("record without a final line feed") << "bytes" << kHeader + record << true << 1024 << "b.png";
    QTest::newRow("CRLF: no carriage return in the picture name")
        << "bytes" << "h\r\n" + record + "\r\n\r\n" << true << 1024 << "b.png";
    QTest::newRow("empty picture field → no picture")
        << "bytes" << kHeader + "Bank,H.264,720P,1024,\n" << true << 1024 << "-";
    QTest::newRow("picture field ending in .. → no picture")
        << "bytes" << kHeader + "Bank,H.264,720P,1024,D:\\pics\\..\n" << true << 1024 << "-";
    QTest::newRow("picture field ending in / . → no picture")
        << "bytes" << kHeader + "Bank,H.264,720P,1024,pics/.\n" << true << 1024 << "-";
    QTest::newRow("recommended bitrate with spaces read as a number")
        << "bytes" << kHeader + "Bank,H.264,720P, 1024 ,b.png\n" << true << 1024 << "b.png";
}

void TestSceneData::fileEdges()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    QFETCH(int, recommended);
    QFETCH(QString, picture);

    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Scene.csv")));
    else if (kind == QLatin1String("bytes"))
        writeScenes(content);

    const BitrateConfigLoader loader;
    QVector<QString> names;
    QCOMPARE(loader.sceneNames(names), opens);
    QStringList list;
    QCOMPARE(loader.sceneResolutions(QStringLiteral("Bank"), list), opens);
    QCOMPARE(loader.sceneEncodings(QStringLiteral("Bank"), QStringLiteral("720P"), list), opens);
    QCOMPARE(loader.sceneRecommendedBitrate("Bank", "H.264", "720P"), recommended);
    QCOMPARE(loader.scenePicture("Bank", "H.264", "720P"),
             picture == QLatin1String("-") ? QString() : pictureIn(picture));
}

void TestSceneData::readsTheFileAnew()
{
    writeScenes(kHeader + "Bank,H.264,720P,1024,b.png\n");
    const BitrateConfigLoader loader;
    QCOMPARE(loader.sceneRecommendedBitrate("Bank", "H.264", "720P"), 1024);
    writeScenes(kHeader + "Bank,H.264,720P,2048,c.png\n");
    QCOMPARE(loader.sceneRecommendedBitrate("Bank", "H.264", "720P"), 2048);
    QCOMPARE(loader.scenePicture("Bank", "H.264", "720P"), pictureIn(QStringLiteral("c.png")));
    QVERIFY(QFile::remove(m_dir->path() + QStringLiteral("/Scene.csv")));
    QCOMPARE(loader.sceneRecommendedBitrate("Bank", "H.264", "720P"), -1);
}

void TestSceneData::importCheck_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("kind"); // SceneFileProblem::Kind
    QTest::addColumn<int>("line");

    const QByteArray good = "Office,H.264,720P,896,office.png\n";
    QTest::newRow("the shipped scene table") << readFixture(shippedDataDir(), "Scene.csv") << 0 << 0;
    QTest::newRow("header only") << kHeader << 0 << 0;
    QTest::newRow("empty file") << QByteArray() << 0 << 0;
    QTest::newRow("anything as the header") << "x\n" + good << 0 << 0;
    QTest::newRow("extra fields and CRLF") << kHeader + "Office,H.264,720P,896,o.png,x\r\n\r\n" << 0 << 0;
    QTest::newRow("rate 0 and a rate with spaces as the lookups read it")
        << kHeader + "A,H.264,720P,0,a.png\nB,H.264,720P, 12 ,b.png\n" << 0 << 0;
    QTest::newRow("stray one-field line") << kHeader + good + "Office\n" + good << 1 << 3;
    QTest::newRow("four fields") << kHeader + "Office,H.264,720P,896\n" << 1 << 2;
    QTest::newRow("line numbers count empty lines") << kHeader + "\n\r\n" + "x,y\n" << 1 << 4;
    QTest::newRow("non-numeric rate") << kHeader + good + "Office,H.265,720P,fast,o.png\n" << 2 << 3;
    QTest::newRow("negative rate") << kHeader + "Office,H.264,720P,-1,o.png\n" << 2 << 2;
    QTest::newRow("fractional rate") << kHeader + "Office,H.264,720P,896.5,o.png\n" << 2 << 2;
    QTest::newRow("empty rate") << kHeader + "Office,H.264,720P,,o.png\n" << 2 << 2;
    QTest::newRow("rate beyond 32 bits") << kHeader + "Office,H.264,720P,4294967296,o.png\n" << 2 << 2;
}

void TestSceneData::importCheck()
{
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    QFETCH(int, line);

    const SceneFileProblem problem = findSceneFileProblem(localeTextLines(content));
    QCOMPARE(int(problem.kind), kind);
    QCOMPARE(problem.line, line);
}

void TestSceneData::exportedTable_data()
{
    QTest::addColumn<QByteArray>("table"); // null: no table
    QTest::addColumn<QByteArray>("exported"); // null: nothing written

    QTest::newRow("header replaced, empty lines and carriage returns dropped")
        << QByteArray("Szene;Bild\r\nA,H.264,720P,1,a.png\r\n\r\nB,H.265,1080P,2,D:\\p\\b.png")
        << kHeader + "A,H.264,720P,1,a.png\nB,H.265,1080P,2,D:\\p\\b.png\n";
    QTest::newRow("records handed out as they stand")
        << QByteArray("h\nOffice,H.264,720P,fast,C:/x\\y/office.png,extra\nParking\n Street , H.264,,-1,\n")
        << kHeader + "Office,H.264,720P,fast,C:/x\\y/office.png,extra\nParking\n Street , H.264,,-1,\n";
    QTest::newRow("empty table: the header") << QByteArray("") << kHeader;
    QTest::newRow("no table: nothing written") << QByteArray() << QByteArray();
}

void TestSceneData::exportedTable()
{
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, exported);

    if (!table.isNull())
        writeScenes(table);
    QTemporaryDir out;
    const QString target = out.filePath(QStringLiteral("Scene.csv"));
    QCOMPARE(exportSceneTable(target, QString::fromLatin1(kHeader.chopped(1))), !exported.isNull());
    QCOMPARE(readFixture(out.path(), QStringLiteral("Scene.csv")), exported);
    QCOMPARE(QFileInfo::exists(target), !exported.isNull());
}

void TestSceneData::pictureSource_data()
{
    QTest::addColumn<QString>("recorded"); // @ROOT@: the fixture's root folder
    QTest::addColumn<QString>("source");   // below the root; empty: none

    QTest::newRow("relative path as written, from the working folder") << "pics/w.png" << "work/pics/w.png";
    QTest::newRow("absolute path as written") << "@ROOT@/table/beside.png" << "table/beside.png";
    QTest::newRow("drive path: the picture beside the table") << "D:\\x\\beside.png" << "table/beside.png";
    QTest::newRow("drive path: in ScenePicture beside the table")
        << "D:\\Larkspan\\ScenePicture\\sub.png" << "table/ScenePicture/sub.png";
    QTest::newRow("relative drive-less path: the picture in use")
        << "ScenePicture\\inuse.png" << "program/ScenePicture/inuse.png";
    QTest::newRow("path of another computer: the picture in use")
        << "/home/other/inuse.png" << "program/ScenePicture/inuse.png";
    QTest::newRow("beside the table before the picture in use") << "C:\\both.png" << "table/both.png";
    QTest::newRow("a folder of that name is passed by") << "C:\\dir.png" << "program/ScenePicture/dir.png";
    QTest::newRow("found nowhere") << "C:\\none.png" << "";
    QTest::newRow("path naming no file") << "D:\\ScenePicture\\" << "";
}

void TestSceneData::pictureSource()
{
    QFETCH(QString, recorded);
    QFETCH(QString, source);

    const QString root = m_dir->path();
    for (const char *file : {"program/ScenePicture/inuse.png", "program/ScenePicture/both.png",
                             "program/ScenePicture/dir.png", "table/beside.png", "table/both.png",
                             "table/ScenePicture/sub.png", "work/pics/w.png"})
        QVERIFY(writeFixture(root, QLatin1String(file), "picture"));
    QVERIFY(QDir(root).mkpath(QStringLiteral("table/dir.png")));
    OrvaneGUIToolkit::SetTargetPathOverride(root + QStringLiteral("/program"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root + QStringLiteral("/work"));

    recorded.replace(QStringLiteral("@ROOT@"), root);
    const QString found = findScenePictureSource(recorded, root + QStringLiteral("/table"));
    const QString canonical = found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
    QDir::setCurrent(previous);
    QCOMPARE(canonical,
             source.isEmpty() ? QString() : QFileInfo(root + QLatin1Char('/') + source).canonicalFilePath());
}

void TestSceneData::exportedTableImportsBack_data()
{
    QTest::addColumn<QByteArray>("table"); // null: the shipped table with its pictures
    QTest::addColumn<bool>("installed");

    const QByteArray drivePaths = kHeader
        + "Bank,H.264,720P,1024,D:\\Larkspan\\ScenePicture\\bank.png\n"
          "Bank,H.265,1080P,900,D:\\Larkspan\\ScenePicture\\bank.png\n"
          "Street,H.264,720P,700,C:\\pictures\\street.png\n";
    QTest::newRow("drive paths, staged program") << drivePaths << false;
    QTest::newRow("drive paths, installed program") << drivePaths << true;
    QTest::newRow("relative drive-less paths, empty lines, CRLF, installed")
        << kHeader + "Bank,H.264,720P,1024,ScenePicture\\bank.png\r\n\r\nStreet,H.265,4MP,2000,street.png\r\n"
        << true;
    QTest::newRow("paths of another computer, installed")
        << kHeader + "Bank,H.264,720P,1024,/home/other/bank.png\nStreet,H.264,720P,700,/srv/street.png\n"
        << true;
    QTest::newRow("the shipped table and pictures, installed") << QByteArray() << true;
}

// The table in use, exported and imported again, gives the same scenes with
// the same rates and pictures; an installed program copies the pictures into
// the user's folder, from which they are then shown.
void TestSceneData::exportedTableImportsBack()
{
    QFETCH(QByteArray, table);
    QFETCH(bool, installed);

    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    const QString program = m_dir->path();
    QStringList pictures;
    if (table.isNull()) {
        QVERIFY(copyFixtureTree(QStringLiteral(LARKSPAN_STAGE_DIR "/ScenePicture"), program + "/ScenePicture"));
        QVERIFY(writeFixture(program, QStringLiteral("Scene.csv"), readFixture(shippedDataDir(), "Scene.csv")));
        pictures = QDir(program + "/ScenePicture").entryList(QDir::Files, QDir::Name);
    } else {
        pictures = QStringList{"bank.png", "street.png"};
        for (const QString &picture : pictures)
            QVERIFY(writeFixture(program, "ScenePicture/" + picture, "picture of " + picture.toUtf8()));
        writeScenes(table);
    }
    if (installed)
        QVERIFY(writeFixture(program, OrvaneGUIToolkit::InstalledTreeMarker(), QByteArray()));
    const QStringList before = sceneSummary();
    QVERIFY(!before.isEmpty());

    QTemporaryDir out;
    const QString exported = out.filePath(QStringLiteral("Scene.csv"));
    QVERIFY(exportSceneTable(exported, QString::fromLatin1(kHeader.chopped(1))));
    const SceneImport result = importSceneTable(exported, [](const QString &) { return true; });

    QCOMPARE(int(result.outcome), int(SceneImport::Imported));
    QCOMPARE(result.picturesNotCopied, QStringList());
    QCOMPARE(sceneSummary(), before);
    const QString userData = dataHome.filePath(QCoreApplication::applicationName());
    QCOMPARE(QDir(userData + "/ScenePicture").entryList(QDir::Files, QDir::Name),
             installed ? pictures : QStringList());
    QCOMPARE(QFileInfo::exists(userData + "/Scene.csv"), installed);
    qunsetenv("XDG_DATA_HOME");
}

void TestSceneData::shippedScenes_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("pictureFile");

    QTest::newRow("Office") << "Office" << 0.6 << "office.png";
    QTest::newRow("Warehouse") << "Warehouse" << 0.7 << "warehouse.png";
    QTest::newRow("Hospital") << "Hospital" << 0.8 << "hospital.png";
    QTest::newRow("School") << "School" << 0.9 << "school.png";
    QTest::newRow("Parking Lot") << "Parking Lot" << 1.0 << "parking_lot.png";
    QTest::newRow("Bank") << "Bank" << 1.0 << "bank.png";
    QTest::newRow("Supermarket") << "Supermarket" << 1.1 << "supermarket.png";
    QTest::newRow("Street") << "Street" << 1.3 << "street.png";
}

void TestSceneData::shippedScenes()
{
    QFETCH(QString, scene);
    QFETCH(double, factor);
    QFETCH(QString, pictureFile);

    OrvaneGUIToolkit::SetTargetPathOverride(shippedDataDir());
    const BitrateConfigLoader loader;
    QVector<QString> names;
    QVERIFY(loader.sceneNames(names));
    QCOMPARE(names, (QVector<QString>{"Office", "Warehouse", "Hospital", "School", "Parking Lot", "Bank",
                                      "Supermarket", "Street"}));

    // Nearest multiple of 64, halves upwards; the other encodings are shares
    // of the rounded H.264 figure.
    const auto round64 = [](double kbps) { return int(std::floor(kbps / 64.0 + 0.5 + 1e-9)) * 64; };
    const QStringList resolutions{"720P", "1080P", "4MP", "8MP"};
    const QList<int> bases{1536, 3072, 5120, 10240};
    const QStringList encodings{"H.264", "H.265", "H.264+", "H.265+"};
    const QList<double> shares{1.0, 0.55, 0.45, 0.30};
    QCOMPARE(loader.sceneResolutions(scene), resolutions);
    for (int r = 0; r < resolutions.size(); ++r) {
        QCOMPARE(loader.sceneEncodings(scene, resolutions.at(r)), encodings);
        const int h264 = round64(bases.at(r) * factor);
        for (int e = 0; e < encodings.size(); ++e) {
            const int expected = e == 0 ? h264 : round64(h264 * shares.at(e));
            QVERIFY2(loader.sceneRecommendedBitrate(scene, encodings.at(e), resolutions.at(r)) == expected,
                     qPrintable(encodings.at(e) + QLatin1Char(' ') + resolutions.at(r)));
            QCOMPARE(loader.scenePicture(scene, encodings.at(e), resolutions.at(r)),
                     pictureIn(pictureFile));
        }
    }

    // The staged picture is what the selector shows: a PNG of 640 x 360,
    // read from its header so that this test needs no image decoder.
    QFile picture(QStringLiteral(LARKSPAN_STAGE_DIR "/ScenePicture/") + pictureFile);
    QVERIFY2(picture.open(QIODevice::ReadOnly), qPrintable(pictureFile));
    const QByteArray header = picture.read(24);
    QVERIFY2(header.startsWith("\x89PNG\r\n\x1a\n") && header.mid(12, 4) == "IHDR",
             qPrintable(pictureFile));
    QCOMPARE(qFromBigEndian<quint32>(header.constData() + 16), 640u);
    QCOMPARE(qFromBigEndian<quint32>(header.constData() + 20), 360u);
}

void TestSceneData::sceneNamesShown_data()
{
    QTest::addColumn<QString>("name"); // as the scene table writes it
    QTest::addColumn<QString>("shown");

    // The translator knows Office and Hospital.
    QTest::newRow("shipped scene, translated") << "Office" << "办公室";
    QTest::newRow("another shipped scene, translated") << "Hospital" << "医院";
    QTest::newRow("shipped scene the catalogue lacks stays English") << "Bank" << "Bank";
    QTest::newRow("user's scene as typed") << "Loading Dock" << "Loading Dock";
    QTest::newRow("user's scene in Chinese as typed") << "医院" << "医院";
    QTest::newRow("other case is the user's own scene") << "office" << "office";
    QTest::newRow("trailing space is the user's own scene") << "Office " << "Office ";
    QTest::newRow("empty name") << "" << "";
}

void TestSceneData::sceneNamesShown()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);

    RenamingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QString result = SceneNames::displayName(name);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(result, shown);
    // Without a catalogue every name is the table's own.
    QCOMPARE(SceneNames::displayName(name), name);
}

QTEST_GUILESS_MAIN(TestSceneData)
#include "tst_scenedata.moc"
