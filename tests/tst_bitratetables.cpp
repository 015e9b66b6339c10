#include "data/bitratecalculator.h"
#include "data/bitrateconfigloader.h"
#include "data/bitratetablefiles.h"
#include "data/deviceinfomanager.h"
#include "data/devicerecords.h"
#include "data/xmlconfigfile.h"
#include "platform/targetpath.h"
#include "tests/datafixture.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <cmath>

namespace {

const QByteArray kFrameXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<FrameRate><PAL><Frame>25</Frame><Frame>1/2</Frame></PAL>"
    "<NTSC><Frame>30</Frame><Frame>1/4</Frame></NTSC></FrameRate>\n";
const QByteArray kTableXml = "<ConfigList><ConfigItem><Resolution>720P</Resolution>"
                             "<Bitrate>1024</Bitrate></ConfigItem></ConfigList>\n";

// The files every loader reads, relative to the executable's folder.
const QStringList kDataFiles = {
    QStringLiteral("IPCBitrateConfig.xml"), QStringLiteral("DVRBitrateConfig.xml"),
    QStringLiteral("Frame.xml"),            QStringLiteral("IPCBitrate/H.264.csv"),
    QStringLiteral("DVRBitrate/H.264.csv"), QStringLiteral("Scene.csv"),
};

// Groups allocate ("a") and release ("r<n>") in order; the allocations are
// collected as a space-separated text.
QString runGroupNumbers(DeviceInfoManager &manager, const QString &operations)
{
    QStringList allocated;
    for (const QString &operation : operations.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (operation == QLatin1String("a"))
            allocated << QString::number(manager.allocateGroupNumber());
        else
            manager.releaseGroupNumber(operation.mid(1).toInt());
    }
    return allocated.join(QLatin1Char(' '));
}

QStringList itemsOf(const QString &xmlPath)
{
    XmlConfigFile document;
    if (!document.load(xmlPath) || document.isNull())
        return {QStringLiteral("<unreadable>")};
    QStringList items;
    for (const XmlConfigFile &item : document.children())
        items << item.firstByTagName(QStringLiteral("Resolution")).text() + QLatin1Char('=')
                     + item.firstByTagName(QStringLiteral("Bitrate")).text();
    return items;
}

} // namespace

// Sends the records the way the editor and the device list exchange them:
// by value through direct connections, with no meta-type registration.
class RecordSender final : public QObject
{
    Q_OBJECT
signals:
    void signalAddDevice(StructDeviceItem item);
    void signalDeviceTypes(QVector<StructDeviceType> types);
    void signalScenes(QVector<SCENCE_ITEM> scenes);
    void signalStore(DeviceListStore store);
};

class TestBitrateTables final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void recordsTravelByValue();

    void encodingOrder_data();
    void encodingOrder();
    void recorderFolderAddsNoEncoding();
    void tableRows_data();
    void tableRows();
    void largeTable();
    void tableByDeviceType_data();
    void tableByDeviceType();
    void currentEncodingSelectsTable();

    void frameRatesWhateverTheTables_data();
    void frameRatesWhateverTheTables();
    void frameRates_data();
    void frameRates();
    void xmlConfigFile();
    void xmlSaveReplacesOnlyWhenComplete();

    void conversion_data();
    void conversion();
    void calculatorConvertsAtConstruction_data();
    void calculatorConvertsAtConstruction();

    void perChannelBitrate_data();
    void perChannelBitrate();
    void perChannelBitrateSeesFilesOnDisk();
    void tablePassKeepsWhatItRead();

    void groupNumbers_data();
    void groupNumbers();
    void deviceInfoManagerLists();

    void badInput_data();
    void badInput();

    void shippedTables_data();
    void shippedTables();
    void shippedFrameRates();

private:
    QString path(const QString &name) const { return m_dir->path() + QLatin1Char('/') + name; }
    void write(const QString &name, const QByteArray &bytes)
    {
        QVERIFY2(writeFixture(m_dir->path(), name, bytes), qPrintable(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBitrateTables::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    OrvaneGUIToolkit::SetTargetPathOverride(m_dir->path());
}

void TestBitrateTables::cleanup()
{
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    m_dir.reset();
}

void TestBitrateTables::recordsTravelByValue()
{
    RecordSender sender;
    StructDeviceItem received;
    QVector<StructDeviceType> types;
    QVector<SCENCE_ITEM> scenes;
    DeviceListStore store;
    connect(&sender, &RecordSender::signalAddDevice, this,
            [&received](StructDeviceItem item) { received = item; }, Qt::DirectConnection);
    connect(&sender, &RecordSender::signalDeviceTypes, this,
            [&types](QVector<StructDeviceType> value) { types = value; }, Qt::DirectConnection);
    connect(&sender, &RecordSender::signalScenes, this,
            [&scenes](QVector<SCENCE_ITEM> value) { scenes = value; }, Qt::DirectConnection);
    connect(&sender, &RecordSender::signalStore, this,
            [&store](DeviceListStore value) { store = value; }, Qt::DirectConnection);

    const StructDeviceItem blank;
    QVERIFY(blank.strChannelName.isEmpty() && blank.strFrameRate.isEmpty());
    QCOMPARE(blank.iChannelCounts, 0);
    QCOMPARE(blank.dBitrate, 0.0);
    QCOMPARE(blank.iChannelGroupNumber, 0);
    QCOMPARE(blank.bReserved, false);

    StructDeviceItem item;
    item.strDeviceType = QStringLiteral("DVR/NVR");
    item.strChannelName = QStringLiteral("Lobby(3)");
    item.strEncodeType = QStringLiteral("H.265");
    item.iChannelCounts = 16;
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = QStringLiteral("25");
    item.dBitrate = 1228.8;
    item.iChannelGroupNumber = 3;
    emit sender.signalAddDevice(item);
    item.strChannelName = QStringLiteral("changed after sending");
    QCOMPARE(received.strChannelName, QStringLiteral("Lobby(3)"));
    QCOMPARE(received.iChannelCounts * received.dBitrate, 16 * 1228.8);

    emit sender.signalDeviceTypes({{0, QStringLiteral("IPC")}, {1, QStringLiteral("DVR/NVR")}});
    emit sender.signalScenes({{0, QStringLiteral("Office")}});
    emit sender.signalStore({{7LL, received}});
    QCOMPARE(types.value(1).strTypeName, QStringLiteral("DVR/NVR"));
    QCOMPARE(scenes.value(0).strScenceName, QStringLiteral("Office"));
    QCOMPARE(store.value(7LL).iChannelGroupNumber, 3);
}

void TestBitrateTables::encodingOrder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("encodings");
    QTest::addColumn<QString>("lookupEncoding");
    QTest::addColumn<int>("winner"); // index into files of the table that serves it

    QTest::newRow("'+' sorts before '.': H.264+, H.264, Smart H.264")
        << QStringList{"H.264.csv", "H.264+.csv", "Smart H.264.csv"} << QStringList{}
        << QStringList{"H.264+", "H.264", "Smart H.264"} << "H.264" << 0;
    QTest::newRow("case ignored: a, B, c")
        << QStringList{"c.csv", "B.csv", "a.csv"} << QStringList{}
        << QStringList{"a", "B", "c"} << "B" << 1;
    QTest::newRow("lower-case h.265 after H.264")
        << QStringList{"h.265.csv", "H.264.csv"} << QStringList{}
        << QStringList{"H.264", "h.265"} << "h.265" << 0;
    QTest::newRow("same base name twice: both listed, later file wins")
        << QStringList{"H.264.txt", "H.264.csv"} << QStringList{}
        << QStringList{"H.264", "H.264"} << "H.264" << 0;
    QTest::newRow("extension not examined")
        << QStringList{"H.265.table"} << QStringList{} << QStringList{"H.265"} << "H.265" << 0;
    QTest::newRow("file without extension")
        << QStringList{"MJPEG"} << QStringList{} << QStringList{"MJPEG"} << "MJPEG" << 0;
    QTest::newRow("only the last dot ends the base name")
        << QStringList{"Smart H.264.v2.csv"} << QStringList{} << QStringList{"Smart H.264.v2"}
        << "Smart H.264.v2" << 0;
    QTest::newRow("folder named like a table is skipped")
        << QStringList{"H.264.csv"} << QStringList{"H.265.csv"} << QStringList{"H.264"}
        << "H.265" << -1;
    QTest::newRow("empty folder lists nothing")
        << QStringList{} << QStringList{} << QStringList{} << "H.264" << -1;
}

void TestBitrateTables::encodingOrder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, encodings);
    QFETCH(QString, lookupEncoding);
    QFETCH(int, winner);

    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("IPCBitrate")));
    for (int i = 0; i < files.size(); ++i)
        write(QStringLiteral("IPCBitrate/") + files.at(i), "720P," + QByteArray::number(100 * (i + 1)));
    for (const QString &folder : folders)
        QVERIFY(QDir(path(QStringLiteral("IPCBitrate"))).mkpath(folder));

    BitrateConfigLoader loader;
    QCOMPARE(loader.encodings(), encodings);
    loader.setCurrentEncoding(lookupEncoding);
    QCOMPARE(loader.bitrate(QStringLiteral("720P"), TableIPC), winner < 0 ? 0 : 100 * (winner + 1));
}

void TestBitrateTables::recorderFolderAddsNoEncoding()
{
    write(QStringLiteral("DVRBitrate/H.265.csv"), "D1,512\n");
    BitrateConfigLoader loader;
    QVERIFY(loader.encodings().isEmpty());
    loader.setCurrentEncoding(QStringLiteral("H.265"));
    QCOMPARE(loader.bitrate(QStringLiteral("D1"), TableDVR), 512);
}

void TestBitrateTables::tableRows_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("bitrate");
    QTest::addColumn<QStringList>("resolutions");

    QTest::newRow("720P,1024") << QByteArray("720P,1024") << "720P" << 1024 << QStringList{"720P"};
    QTest::newRow("rows in file order")
        << QByteArray("1080P,2048\n720P,1024\n") << "720P" << 1024 << QStringList{"1080P", "720P"};
    QTest::newRow("CRLF line ends")
        << QByteArray("720P,1024\r\n1080P,2048\r\n") << "1080P" << 2048 << QStringList{"720P", "1080P"};
    QTest::newRow("empty lines skipped")
        << QByteArray("\n\n720P,1024\n\n") << "720P" << 1024 << QStringList{"720P"};
    QTest::newRow("line without a comma skipped")
        << QByteArray("Resolution\n720P,1024") << "720P" << 1024 << QStringList{"720P"};
    QTest::newRow("non-numeric bitrate gives 0")
        << QByteArray("720P,fast") << "720P" << 0 << QStringList{"720P"};
    QTest::newRow("empty bitrate field gives 0")
        << QByteArray("720P,") << "720P" << 0 << QStringList{"720P"};
    QTest::newRow("decimal bitrate is not an integer")
        << QByteArray("720P,1024.5") << "720P" << 0 << QStringList{"720P"};
    QTest::newRow("hexadecimal is not base 10")
        << QByteArray("720P,0x400") << "720P" << 0 << QStringList{"720P"};
    QTest::newRow("beyond 32 bits gives 0")
        << QByteArray("720P,4294967296") << "720P" << 0 << QStringList{"720P"};
    QTest::newRow("spaces around the number are tolerated")
        << QByteArray("720P, 1024 ") << "720P" << 1024 << QStringList{"720P"};
    QTest::newRow("space after the name belongs to the name")
        << QByteArray("720P ,1024") << "720P" << 0 << QStringList{"720P "};
    QTest::newRow("names are case-sensitive")
        << QByteArray("720p,1024") << "720P" << 0 << QStringList{"720p"};
    QTest::newRow("first of two equal names wins")
        << QByteArray("720P,1024\n720P,2048") << "720P" << 1024 << QStringList{"720P", "720P"};
    QTest::newRow("fields after the bitrate ignored")
        << QByteArray("720P,1024,extra,more") << "720P" << 1024 << QStringList{"720P"};
    QTest::newRow("empty name is a row")
        << QByteArray(",64\n720P,1024") << "" << 64 << QStringList{"", "720P"};
}

void TestBitrateTables::tableRows()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, resolution);
    QFETCH(int, bitrate);
    QFETCH(QStringList, resolutions);

    write(QStringLiteral("IPCBitrate/H.264.csv"), content);
    const BitrateConfigLoader loader;
    QCOMPARE(loader.bitrate(resolution, TableIPC), bitrate);
    QStringList names;
    QVERIFY(loader.resolutions(names, TableIPC));
    QCOMPARE(names, resolutions);
}

void TestBitrateTables::largeTable()
{
    QByteArray content;
    for (int i = 0; i < 100000; ++i)
        content += 'R' + QByteArray::number(i) + ',' + QByteArray::number(i) + '\n';
    write(QStringLiteral("IPCBitrate/H.264.csv"), content);

    const BitrateConfigLoader loader;
    QCOMPARE(loader.bitrate(QStringLiteral("R99999"), TableIPC), 99999);
    QStringList names;
    loader.resolutions(names, TableIPC);
    QCOMPARE(names.size(), 100000);
}

void TestBitrateTables::tableByDeviceType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("bitrate");
    QTest::addColumn<QStringList>("resolutions");

    QTest::newRow("type 1 reads the IPC table") << 1 << 1000 << QStringList{"720P", "4MP"};
    QTest::newRow("type 2 reads the DVR/NVR table") << 2 << 3000 << QStringList{"720P", "960H"};
    QTest::newRow("type 0 reads the DVR/NVR table") << 0 << 3000 << QStringList{"720P", "960H"};
    QTest::newRow("type 3 reads the DVR/NVR table") << 3 << 3000 << QStringList{"720P", "960H"};
}

void TestBitrateTables::tableByDeviceType()
{
    QFETCH(int, type);
    QFETCH(int, bitrate);
    QFETCH(QStringList, resolutions);

    write(QStringLiteral("IPCBitrate/H.264.csv"), "720P,1000\n4MP,8192\n");
    write(QStringLiteral("DVRBitrate/H.264.csv"), "720P,3000\n960H,1536\n");
    const BitrateConfigLoader loader;
    QCOMPARE(loader.bitrate(QStringLiteral("720P"), type), bitrate);

    QStringList names{QStringLiteral("kept")};
    QVERIFY(loader.resolutions(names, type));
    QCOMPARE(names, QStringList{QStringLiteral("kept")} + resolutions);
}

void TestBitrateTables::currentEncodingSelectsTable()
{
    write(QStringLiteral("IPCBitrate/H.264.csv"), "720P,2048\n1080P,4096\n");
    write(QStringLiteral("IPCBitrate/H.265.csv"), "720P,1024\n");
    BitrateConfigLoader loader;
    QCOMPARE(loader.currentEncoding(), QStringLiteral("H.264"));
    loader.setCurrentEncoding(QStringLiteral("H.265"));
    QCOMPARE(loader.bitrate(QStringLiteral("720P"), TableIPC), 1024);
    QCOMPARE(loader.bitrate(QStringLiteral("1080P"), TableIPC), 0);
    // The resolution list stays the one read for "H.264" at construction.
    QStringList names;
    loader.resolutions(names, TableIPC);
    QCOMPARE(names, (QStringList{"720P", "1080P"}));
    loader.setCurrentEncoding(QStringLiteral("MJPEG"));
    QCOMPARE(loader.bitrate(QStringLiteral("720P"), TableIPC), 0);
}

void TestBitrateTables::frameRatesWhateverTheTables_data()
{
    QTest::addColumn<QByteArray>("ipcXml");
    QTest::addColumn<QByteArray>("dvrXml");
    QTest::addColumn<QByteArray>("frameXml");
    QTest::addColumn<bool>("framesRead");

    const QByteArray missing; // a null array writes no file
    QTest::newRow("all three present → frames read") << kTableXml << kTableXml << kFrameXml << true;
    QTest::newRow("IPC table missing → frames still read") << missing << kTableXml << kFrameXml << true;
    QTest::newRow("DVR/NVR table missing → frames still read") << kTableXml << missing << kFrameXml << true;
    QTest::newRow("both tables missing → frames still read") << missing << missing << kFrameXml << true;
    QTest::newRow("IPC table unparseable but present → frames read")
        << QByteArray("<ConfigList><broken") << kTableXml << kFrameXml << true;
    QTest::newRow("frame file missing → no frames") << kTableXml << kTableXml << missing << false;
}

void TestBitrateTables::frameRatesWhateverTheTables()
{
    QFETCH(QByteArray, ipcXml);
    QFETCH(QByteArray, dvrXml);
    QFETCH(QByteArray, frameXml);
    QFETCH(bool, framesRead);

    if (!ipcXml.isNull())
        write(QStringLiteral("IPCBitrateConfig.xml"), ipcXml);
    if (!dvrXml.isNull())
        write(QStringLiteral("DVRBitrateConfig.xml"), dvrXml);
    if (!frameXml.isNull())
        write(QStringLiteral("Frame.xml"), frameXml);

    const BitrateConfigLoader loader;
    QCOMPARE(loader.frameRates(FramePAL), framesRead ? QStringList({"25", "1/2"}) : QStringList());
    QCOMPARE(loader.frameRates(FrameNTSC), framesRead ? QStringList({"30", "1/4"}) : QStringList());
    // Reading goes on regardless: the folders are read and the loader is usable.
    QStringList names;
    QVERIFY(loader.resolutions(names, TableIPC));
}

void TestBitrateTables::frameRates_data()
{
    QTest::addColumn<QByteArray>("frameXml");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QStringList>("rates");

    const QByteArray nested = "<Root><Video><Standards><NTSC><a>60</a><b>30</b></NTSC></Standards></Video>"
                              "<PAL><x>50</x></PAL><NTSC><c>1</c></NTSC></Root>";
    QTest::newRow("PAL for 0") << kFrameXml << 0 << QStringList{"25", "1/2"};
    QTest::newRow("NTSC for 1") << kFrameXml << 1 << QStringList{"30", "1/4"};
    QTest::newRow("NTSC for 2") << kFrameXml << 2 << QStringList{"30", "1/4"};
    QTest::newRow("NTSC for -1") << kFrameXml << -1 << QStringList{"30", "1/4"};
    QTest::newRow("first NTSC anywhere, any child names") << nested << 1 << QStringList{"60", "30"};
    QTest::newRow("PAL after a nested NTSC") << nested << 0 << QStringList{"50"};
    QTest::newRow("entries stay text, comments skipped")
        << QByteArray("<F><PAL><e> 25 </e><!-- x --><e>fast</e><e/></PAL></F>") << 0
        << QStringList{" 25 ", "fast", ""};
    QTest::newRow("the root itself is not a standard")
        << QByteArray("<PAL><NTSC><e>30</e></NTSC></PAL>") << 0 << QStringList{};
    QTest::newRow("names are case-sensitive")
        << QByteArray("<F><pal><e>25</e></pal></F>") << 0 << QStringList{};
    // A Windows editor saving "as Unicode" writes UTF-16 with CR LF; 不 is
    // U+4E0D, whose low byte is a carriage return.
    const auto utf16 = [](const QString &text) {
        return QTextCodec::codecForName("UTF-16LE")->fromUnicode(QChar(0xFEFF) + text);
    };
    QTest::newRow("UTF-16 with CR LF line ends")
        << utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<F>\r\n<PAL>\r\n<e>25</e>\r\n</PAL>\r\n</F>\r\n")
        << 0 << QStringList{"25"};
    QTest::newRow("UTF-16 with a carriage-return byte inside a character")
        << utf16(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?><F><PAL><e>不限</e></PAL></F>"))
        << 0 << QStringList{QStringLiteral("不限")};
    // Deeper documents are refused as unparseable, before the DOM parser
    // spends time on them that grows with the square of the depth.
    const auto nestedPal = [](int depth) -> QByteArray {
        return "<F>" + QByteArray("<n>").repeated(depth - 3) + "<PAL><e>25</e></PAL>"
               + QByteArray("</n>").repeated(depth - 3) + "</F>";
    };
    QTest::newRow("nested 64 levels deep: read") << nestedPal(64) << 0 << QStringList{"25"};
    QTest::newRow("nested 65 levels deep: nothing taken") << nestedPal(65) << 0 << QStringList{};
}

void TestBitrateTables::frameRates()
{
    QFETCH(QByteArray, frameXml);
    QFETCH(int, standard);
    QFETCH(QStringList, rates);

    write(QStringLiteral("IPCBitrateConfig.xml"), kTableXml);
    write(QStringLiteral("DVRBitrateConfig.xml"), kTableXml);
    write(QStringLiteral("Frame.xml"), frameXml);
    const BitrateConfigLoader loader;
    QCOMPARE(loader.frameRates(standard), rates);
}

void TestBitrateTables::xmlConfigFile()
{
    XmlConfigFile file;
    QVERIFY(!file.load(QString()));
    QVERIFY(!file.load(path(QStringLiteral("missing.xml"))));
    QVERIFY(!file.load(m_dir->path()));

    write(QStringLiteral("broken.xml"), "<a><b>");
    QVERIFY(file.load(path(QStringLiteral("broken.xml"))));
    QVERIFY(file.isNull());
    QCOMPARE(file.childCount(), 0);
    QVERIFY(file.childAt(0).isNull());
    QVERIFY(file.firstByTagName(QStringLiteral("b")).isNull());
    QCOMPARE(file.text(), QString());

    write(QStringLiteral("doc.xml"),
          "<r>lead<x><deep><t>first</t></deep></x><!--c--><t>second</t>"
          "<y><![CDATA[raw]]></y><z><e/>tail</z></r>");
    QVERIFY(file.load(path(QStringLiteral("doc.xml"))));
    QCOMPARE(file.childCount(), 4);
    QCOMPARE(file.childAt(1).text(), QStringLiteral("second"));
    QVERIFY(file.childAt(4).isNull());
    QVERIFY(file.childAt(-1).isNull());
    QCOMPARE(file.firstByTagName(QStringLiteral("t")).text(), QStringLiteral("first"));
    QCOMPARE(file.childAt(2).text(), QStringLiteral("raw"));
    QCOMPARE(file.childAt(3).text(), QStringLiteral("tail"));
    QCOMPARE(file.text(), QStringLiteral("lead"));
    QVERIFY(file.childAt(3).firstByTagName(QStringLiteral("e")).firstByTagName(QStringLiteral("e")).isNull());

    XmlConfigFile second = file.childAt(1);
    second.setText(QStringLiteral("replaced"));
    XmlConfigFile empty = file.childAt(3).firstByTagName(QStringLiteral("e"));
    empty.setText(QStringLiteral("added"));
    // Wrappers share the document: the edits show through the parent.
    QCOMPARE(file.childAt(1).text(), QStringLiteral("replaced"));
    QCOMPARE(file.childAt(3).firstByTagName(QStringLiteral("e")).text(), QStringLiteral("added"));

    file.createDocument(QStringLiteral("ConfigList"));
    QCOMPARE(file.childCount(), 0);
    file.appendChild(QStringLiteral("ConfigItem")).appendChild(QStringLiteral("Bitrate")).setText(QStringLiteral("64"));
    QVERIFY(file.save(path(QStringLiteral("out.xml"))));
    QCOMPARE(itemsOf(path(QStringLiteral("out.xml"))), QStringList{QStringLiteral("=64")});
    QVERIFY(readFixture(m_dir->path(), QStringLiteral("out.xml"))
                .startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<ConfigList>"));
}

void TestBitrateTables::xmlSaveReplacesOnlyWhenComplete()
{
    XmlConfigFile file;
    file.createDocument(QStringLiteral("ConfigList"));
    // A folder cannot take the document: the save fails and the folder stays.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("target.xml")));
    QVERIFY(!file.save(path(QStringLiteral("target.xml"))));
    QVERIFY(QFileInfo(path(QStringLiteral("target.xml"))).isDir());
    // A missing folder on the way: nothing is written anywhere.
    QVERIFY(!file.save(path(QStringLiteral("none/target.xml"))));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("none"))));
    // A null wrapper writes an empty document rather than failing half-way.
    QVERIFY(XmlConfigFile().save(path(QStringLiteral("empty.xml"))));
    QCOMPARE(readFixture(m_dir->path(), QStringLiteral("empty.xml")), QByteArray());
}

void TestBitrateTables::conversion_data()
{
    QTest::addColumn<QByteArray>("csv");      // null: no CSV file
    QTest::addColumn<QByteArray>("target");   // null: no target file
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QStringList>("items");   // of the written target

    const QByteArray old = kTableXml;
    const QByteArray none;
    QTest::newRow("1080P,2048 → one item") << QByteArray("1080P,2048\n") << old << 2 << true
                                         << QStringList{"1080P=2048"};
    QTest::newRow("type 1 writes the IPC table") << QByteArray("4MP,8192") << old << 1 << true
                                                 << QStringList{"4MP=8192"};
    QTest::newRow("type 5 writes the DVR/NVR table") << QByteArray("D1,1024") << old << 5 << true
                                                     << QStringList{"D1=1024"};
    QTest::newRow("bitrate text kept as read")
        << QByteArray("1080P,02048\n720P, 1024\nCIF,fast,x\n") << old << 2 << true
        << QStringList{"1080P=02048", "720P= 1024", "CIF=fast"};
    QTest::newRow("empty name skipped, CRLF and empty lines")
        << QByteArray(",2048\r\n\r\n720P,1024\r\n") << old << 2 << true << QStringList{"720P=1024"};
    QTest::newRow("line without a comma skipped")
        << QByteArray("Resolution\n720P,1024\n") << old << 2 << true << QStringList{"720P=1024"};
    QTest::newRow("only empty names → empty table written")
        << QByteArray(",2048\n") << old << 2 << true << QStringList{};
    QTest::newRow("target unparseable → rewritten") << QByteArray("D1,1024") << QByteArray("<x")
                                                    << 2 << true << QStringList{"D1=1024"};

    QTest::newRow("no CSV → target unchanged") << none << old << 2 << false << QStringList{};
    QTest::newRow("empty CSV → target unchanged") << QByteArray("") << old << 2 << false << QStringList{};
    QTest::newRow("CSV of blank lines → target unchanged")
        << QByteArray("\n\r\n\n") << old << 2 << false << QStringList{};
    QTest::newRow("CSV without any comma → target unchanged")
        << QByteArray("1080P 2048\n720P\n") << old << 2 << false << QStringList{};
    QTest::newRow("no target → none written") << QByteArray("1080P,2048") << none << 2 << false
                                              << QStringList{};
    // What GB2312 does not hold is not written as something else.
    QTest::newRow("en dash outside GB2312 → target unchanged")
        << QStringLiteral("720P,1024\n1080P–HD,2048\n").toUtf8() << old << 2 << false << QStringList{};
    QTest::newRow("ideographic zero outside GB2312 → target unchanged")
        << QStringLiteral("〇,1024\n").toUtf8() << old << 2 << false << QStringList{};
    QTest::newRow("control character → target unchanged")
        << QByteArray("720P\x01,1024\n") << old << 2 << false << QStringList{};
    QTest::newRow("GB2312 name and symbols → converted")
        << QStringLiteral("高清①,1024\n").toUtf8() << old << 2 << true << QStringList{QStringLiteral("高清①=1024")};
}

void TestBitrateTables::conversion()
{
    QFETCH(QByteArray, csv);
    QFETCH(QByteArray, target);
    QFETCH(int, type);
    QFETCH(bool, converted);
    QFETCH(QStringList, items);

    const QString targetName = type == TableIPC ? QStringLiteral("IPCBitrateConfig.xml")
                                                : QStringLiteral("DVRBitrateConfig.xml");
    const QString otherName = type == TableIPC ? QStringLiteral("DVRBitrateConfig.xml")
                                               : QStringLiteral("IPCBitrateConfig.xml");
    if (!csv.isNull())
        write(QStringLiteral("source.csv"), csv);
    if (!target.isNull())
        write(targetName, target);
    write(otherName, kTableXml);

    BitrateConfigLoader loader;
    QCOMPARE(loader.convertCsvToXml(path(QStringLiteral("source.csv")), type), converted);

    QCOMPARE(readFixture(m_dir->path(), otherName), kTableXml);
    if (!converted) {
        QCOMPARE(QFileInfo::exists(path(targetName)), !target.isNull());
        QCOMPARE(readFixture(m_dir->path(), targetName), target.isNull() ? QByteArray() : target);
        return;
    }
    QCOMPARE(itemsOf(path(targetName)), items);
    const QByteArray written = readFixture(m_dir->path(), targetName);
    QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<ConfigList"));
}

void TestBitrateTables::calculatorConvertsAtConstruction_data()
{
    QTest::addColumn<QByteArray>("csv"); // null: no file at the fixed place
    QTest::addColumn<QStringList>("items");

    QTest::newRow("no CSV at the fixed place → table untouched") << QByteArray() << QStringList{"720P=1024"};
    QTest::newRow("CSV with a GB2312-only name → written GB2312 and read back")
        << QStringLiteral("高清,4096\n960H,1536\n").toUtf8() << QStringList{"高清=4096", "960H=1536"};
}

void TestBitrateTables::calculatorConvertsAtConstruction()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, items);

    write(QStringLiteral("DVRBitrateConfig.xml"), kTableXml);
    const QString oldCurrent = QDir::currentPath();
    // The fixed Windows path is relative elsewhere: lay it out under a
    // working folder of its own.
    QTemporaryDir workingDir;
    QVERIFY(QDir::setCurrent(workingDir.path()));
    if (!csv.isNull())
        QVERIFY(writeFixture(workingDir.path(), QStringLiteral("C:/DVRBitrateConfig.csv"), csv));
    { const BitrateCalculator calculator; }
    QVERIFY(QDir::setCurrent(oldCurrent));

    QCOMPARE(itemsOf(path(QStringLiteral("DVRBitrateConfig.xml"))), items);
    const QByteArray written = readFixture(m_dir->path(), QStringLiteral("DVRBitrateConfig.xml"));
    if (csv.isNull()) {
        QCOMPARE(written, kTableXml);
    } else {
        QVERIFY(written.contains(QTextCodec::codecForName("GB2312")->fromUnicode(QStringLiteral("高清"))));
        QVERIFY(!written.contains(QStringLiteral("高清").toUtf8()));
    }
}

void TestBitrateTables::perChannelBitrate_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<double>("frameRate");
    QTest::addColumn<double>("kbps");
    QTest::addColumn<int>("shown"); // truncated as the editor shows it

    // Table value 2048 for 1080P in both tables; 720P is 1000 for IPC and
    // 3000 for DVR/NVR, so a swapped table shows.
    QTest::newRow("IPC 2048 at 25 → 2048") << 0 << "1080P" << 25.0 << 2048.0 << 2048;
    QTest::newRow("IPC 2048 at 12.5 → 1024") << 0 << "1080P" << 12.5 << 1024.0 << 1024;
    QTest::newRow("IPC 2048 at 10 → 819.2") << 0 << "1080P" << 10.0 << 819.2 << 819;
    QTest::newRow("IPC 2048 at 9.99 → 819.2 × 0.9^0.01") << 0 << "1080P" << 9.99 << 818.337341 << 818;
    QTest::newRow("IPC 2048 at 5 → 483.73") << 0 << "1080P" << 5.0 << 483.729408 << 483;
    QTest::newRow("IPC 2048 at 1 → 317.37") << 0 << "1080P" << 1.0 << 317.374865 << 317;
    QTest::newRow("IPC 2048 at 0.5 → 317.37") << 0 << "1080P" << 0.5 << 317.374865 << 317;
    QTest::newRow("IPC 2048 at 0 → 317.37") << 0 << "1080P" << 0.0 << 317.374865 << 317;
    QTest::newRow("IPC 2048 at 30 → 2457.6") << 0 << "1080P" << 30.0 << 2457.6 << 2457;
    QTest::newRow("IPC 2048 at 60 → 4915.2") << 0 << "1080P" << 60.0 << 4915.2 << 4915;
    QTest::newRow("DVR/NVR 2048 at 25 → 2048") << 1 << "1080P" << 25.0 << 2048.0 << 2048;
    QTest::newRow("DVR/NVR 2048 at 12.5 → 1228.8") << 1 << "1080P" << 12.5 << 1228.8 << 1228;
    QTest::newRow("DVR/NVR 2048 at 5 → 737.28") << 1 << "1080P" << 5.0 << 737.28 << 737;
    QTest::newRow("DVR/NVR 2048 at 1 → 475.136") << 1 << "1080P" << 1.0 << 475.136 << 475;
    QTest::newRow("DVR/NVR 2048 at 0.5 → 442.368") << 1 << "1080P" << 0.5 << 442.368 << 442;
    QTest::newRow("DVR/NVR 2048 at 0 → 409.6") << 1 << "1080P" << 0.0 << 409.6 << 409;
    QTest::newRow("DVR/NVR 2048 at 30 → 2375.68") << 1 << "1080P" << 30.0 << 2375.68 << 2375;
    QTest::newRow("IPC reads its own table") << 0 << "720P" << 25.0 << 1000.0 << 1000;
    QTest::newRow("DVR/NVR reads its own table") << 1 << "720P" << 25.0 << 3000.0 << 3000;
    QTest::newRow("device 7 counts as IPC") << 7 << "720P" << 5.0 << 236.196 << 236;
    QTest::newRow("device -1 counts as IPC") << -1 << "720P" << 25.0 << 1000.0 << 1000;
    QTest::newRow("missing resolution → 0") << 0 << "4MP" << 25.0 << 0.0 << 0;
    QTest::newRow("resolution case-sensitive → 0") << 1 << "1080p" << 25.0 << 0.0 << 0;
}

void TestBitrateTables::perChannelBitrate()
{
    QFETCH(int, device);
    QFETCH(QString, resolution);
    QFETCH(double, frameRate);
    QFETCH(double, kbps);
    QFETCH(int, shown);

    write(QStringLiteral("IPCBitrate/H.264.csv"), "1080P,2048\n720P,1000\n");
    write(QStringLiteral("DVRBitrate/H.264.csv"), "1080P,2048\n720P,3000\n");
    write(QStringLiteral("IPCBitrate/H.265.csv"), "1080P,1\n720P,1\n");

    const BitrateCalculator calculator;
    const double result = calculator.bitrate(device, resolution, frameRate);
    QVERIFY2(std::abs(result - kbps) < 1e-6 * std::max(1.0, kbps), qPrintable(QString::number(result, 'f', 9)));
    QCOMPARE(static_cast<int>(result), shown);
    // A pass over many groups gives the very same figure.
    BitrateTablePass pass;
    QCOMPARE(calculator.bitrate(device, resolution, frameRate, pass), result);
}

void TestBitrateTables::perChannelBitrateSeesFilesOnDisk()
{
    write(QStringLiteral("IPCBitrate/H.264.csv"), "720P,1024\n");
    write(QStringLiteral("IPCBitrate/H.265.csv"), "720P,512\n");
    BitrateCalculator calculator;
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25), 1024.0);

    // Same size, same second: a computation must still see the new figure.
    write(QStringLiteral("IPCBitrate/H.264.csv"), "720P,2048\n");
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25), 2048.0);

    calculator.setEncoding(QStringLiteral("H.265"));
    QCOMPARE(calculator.encoding(), QStringLiteral("H.265"));
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25), 512.0);

    // A later file with the same base name takes over at once.
    write(QStringLiteral("IPCBitrate/H.265.txt"), "720P,640\n");
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25), 640.0);

    QVERIFY(QFile::remove(path(QStringLiteral("IPCBitrate/H.265.txt"))));
    QVERIFY(QFile::remove(path(QStringLiteral("IPCBitrate/H.265.csv"))));
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25), 0.0);
}

void TestBitrateTables::tablePassKeepsWhatItRead()
{
    write(QStringLiteral("IPCBitrate/H.264.csv"), "720P,1024\n");
    write(QStringLiteral("IPCBitrate/H.265.csv"), "720P,512\n");
    write(QStringLiteral("DVRBitrate/H.264.csv"), "720P,3000\n");
    BitrateCalculator calculator;
    BitrateTablePass pass;
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25, pass), 1024.0);
    // Each device type and encoding keeps its own table.
    QCOMPARE(calculator.bitrate(DeviceIndexDVR, QStringLiteral("720P"), 25, pass), 3000.0);
    calculator.setEncoding(QStringLiteral("H.265"));
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25, pass), 512.0);

    // Rewritten during the pass: the pass keeps what it read; the next pass,
    // like a single computation, sees the new figure.
    write(QStringLiteral("IPCBitrate/H.264.csv"), "720P,2048\n");
    calculator.setEncoding(QStringLiteral("H.264"));
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25, pass), 1024.0);
    BitrateTablePass next;
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25, next), 2048.0);
    QCOMPARE(calculator.bitrate(DeviceIndexIPC, QStringLiteral("720P"), 25), 2048.0);
}

void TestBitrateTables::groupNumbers_data()
{
    QTest::addColumn<QString>("operations");
    QTest::addColumn<QString>("allocated");

    QTest::newRow("fresh: 1, 2, 3") << "a a a" << "1 2 3";
    QTest::newRow("release 2 of 1..3: 2, then 4") << "a a a r2 a a" << "1 2 3 2 4";
    QTest::newRow("release 0: 1 again") << "a a a r0 a a" << "1 2 3 1 2";
    QTest::newRow("release 1 then 3: 1, 3, 4") << "a a a r1 r3 a a a" << "1 2 3 1 3 4";
    QTest::newRow("release 3 then 1: 1, 3, 4") << "a a a r3 r1 a a a" << "1 2 3 1 3 4";
    QTest::newRow("release the newest: reused") << "a a r2 a" << "1 2 2";
    QTest::newRow("release an unused large number: no effect") << "a a r9 a" << "1 2 3";
    QTest::newRow("release an unused small number: 1 is free, then skip used") << "a a r1 a a a"
                                                                                 << "1 2 1 3 4";
    QTest::newRow("release a negative number: ignored") << "a a r-4 a" << "1 2 3";
    QTest::newRow("release before any allocation") << "r0 r5 a" << "1";
}

void TestBitrateTables::groupNumbers()
{
    QFETCH(QString, operations);
    QFETCH(QString, allocated);

    DeviceInfoManager manager(nullptr);
    QCOMPARE(runGroupNumbers(manager, operations), allocated);
}

void TestBitrateTables::deviceInfoManagerLists()
{
    write(QStringLiteral("IPCBitrateConfig.xml"), kTableXml);
    write(QStringLiteral("DVRBitrateConfig.xml"), kTableXml);
    write(QStringLiteral("Frame.xml"), kFrameXml);
    write(QStringLiteral("IPCBitrate/H.264.csv"), "4MP,8192\n1080P,4096\n");
    write(QStringLiteral("DVRBitrate/H.264.csv"), "960H,1536\n");
    write(QStringLiteral("Scene.csv"), "header\nBank,H.264,720P,1024,b.png\nOffice,H.264,720P,512,o.png\n");

    QObject parent;
    auto *manager = new DeviceInfoManager(&parent);
    QCOMPARE(manager->deviceTypeNames(), (QStringList{"IPC", "DVR/NVR"}));
    QCOMPARE(manager->resolutions(TableIPC), (QStringList{"4MP", "1080P"}));
    QCOMPARE(manager->resolutions(TableDVR), QStringList{"960H"});
    QCOMPARE(manager->resolutions(0), QStringList());
    QCOMPARE(manager->resolutions(3), QStringList());
    QCOMPARE(manager->frameRates(FramePAL), (QStringList{"25", "1/2"}));
    QCOMPARE(manager->frameRates(FrameNTSC), (QStringList{"30", "1/4"}));
    QCOMPARE(manager->sceneNames(), (QVector<QString>{"Bank", "Office"}));
    QCOMPARE(manager->sceneName(1), QStringLiteral("Office"));
    QCOMPARE(manager->sceneName(2), QString());
    QCOMPARE(manager->sceneName(-1), QString());
    QCOMPARE(manager->sceneRecommendedBitrate("Office", "H.264", "720P"), 512);
    QVERIFY(manager->scenePicture("Bank", "H.264", "720P").endsWith(QLatin1String("/ScenePicture/b.png")));

    // The lists were read once: a changed file reaches them after a restart.
    write(QStringLiteral("IPCBitrate/H.264.csv"), "D1,1024\n");
    write(QStringLiteral("Scene.csv"), "header\nStreet,H.264,720P,1024,s.png\n");
    QCOMPARE(manager->resolutions(TableIPC), (QStringList{"4MP", "1080P"}));
    QCOMPARE(manager->sceneNames(), (QVector<QString>{"Bank", "Office"}));
    // The lookups read the file as it is now.
    QCOMPARE(manager->sceneRecommendedBitrate("Office", "H.264", "720P"), -1);
}

void TestBitrateTables::badInput_data()
{
    QTest::addColumn<QString>("kind");      // "missing", "folder" or "bytes"
    QTest::addColumn<QByteArray>("bytes");  // written to every data file
    QTest::addColumn<int>("ipc720P");
    QTest::addColumn<int>("recommended");   // Hospital, H.264, 720P
    QTest::addColumn<QString>("picture");   // file name part, empty for none
    QTest::addColumn<int>("palCount");

    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator random(20240601);
    for (char &byte : garbage)
        byte = char(random.bounded(256));
    QByteArray shortRecords;
    for (int i = 0; i < 100000; ++i)
        shortRecords += "Hospital,H.264,720P\n";
    const QByteArray longLine = "720P," + QByteArray(1 << 20, '9') + '\n';
    const QString text = QStringLiteral("Hospital,H.264,720P,2048,h.png\n720P,1024\n");
    const QByteArray utf16 = QTextCodec::codecForName("UTF-16LE")->fromUnicode(QChar(0xFEFF) + text);
    const QByteArray gb2312 = QTextCodec::codecForName("GB2312")->fromUnicode(
        QStringLiteral("医院,H.264,720P,2048,h.png\n720P,1024\n"));
    const QByteArray utf16Frames = QTextCodec::codecForName("UTF-16LE")->fromUnicode(
        QChar(0xFEFF) + QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
                                       "<F><PAL><e>25</e><e>1/2</e></PAL></F>"));

    QTest::newRow("missing files and folders") << "missing" << QByteArray() << 0 << -1 << "" << 0;
    QTest::newRow("folder where a file is expected") << "folder" << QByteArray() << 0 << -1 << "" << 0;
    QTest::newRow("empty files") << "bytes" << QByteArray("") << 0 << -1 << "" << 0;
    QTest::newRow("XML that does not parse")
        << "bytes" << QByteArray("<F><PAL><e>25</e></PAL>") << 0 << -1 << "" << 0;
    QTest::newRow("binary garbage") << "bytes" << garbage << 0 << -1 << "" << 0;
    QTest::newRow("lines of 1 MB") << "bytes" << longLine + longLine << 0 << -1 << "" << 0;
    QTest::newRow("100000 short records") << "bytes" << shortRecords << 0 << -1 << "" << 0;
    QTest::newRow("non-numeric bitrates")
        << "bytes" << QByteArray("Scene\nHospital,H.264,720P,fast,D:\\p\\h.png\n720P,fast\n") << 0 << 0
        << "h.png" << 0;
    QTest::newRow("fields with spaces")
        << "bytes" << QByteArray("Scene\nHospital, H.264, 720P, 2048, h.png\n 720P,1024\n") << 0 << -1
        << "" << 0;
    QTest::newRow("UTF-16 text read in the locale codec") << "bytes" << utf16 << 0 << -1 << "" << 0;
    QTest::newRow("GB2312 text: ASCII rows still read") << "bytes" << gb2312 << 1024 << -1 << "" << 0;
    QTest::newRow("UTF-16 XML decoded by its declaration") << "bytes" << utf16Frames << 0 << -1 << "" << 2;
}

void TestBitrateTables::badInput()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, ipc720P);
    QFETCH(int, recommended);
    QFETCH(QString, picture);
    QFETCH(int, palCount);

    for (const QString &name : kDataFiles) {
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(m_dir->path()).mkpath(name));
        else if (kind == QLatin1String("bytes"))
            write(name, bytes);
    }

    BitrateConfigLoader loader;
    QCOMPARE(loader.bitrate(QStringLiteral("720P"), TableIPC), ipc720P);
    QCOMPARE(loader.bitrate(QStringLiteral("720P"), TableDVR), ipc720P);
    QCOMPARE(loader.frameRates(FramePAL).size(), palCount);
    QVERIFY(loader.frameRates(FrameNTSC).isEmpty());
    QCOMPARE(loader.sceneRecommendedBitrate("Hospital", "H.264", "720P"), recommended);
    const QString expectedPicture =
        picture.isEmpty() ? QString() : OrvaneGUIToolkit::GetTargetPathFile("ScenePicture/" + picture);
    QCOMPARE(loader.scenePicture("Hospital", "H.264", "720P"), expectedPicture);
    QVERIFY(loader.sceneResolutions(QStringLiteral("Office")).isEmpty());
    QVERIFY(loader.sceneEncodings(QStringLiteral("Office"), QStringLiteral("720P")).isEmpty());

    const DeviceInfoManager manager(nullptr);
    QVERIFY(!manager.sceneNames().contains(QStringLiteral("Office")));
    const BitrateCalculator calculator;
    QCOMPARE(calculator.bitrate(DeviceIndexDVR, QStringLiteral("720P"), 25), double(ipc720P));
}

void TestBitrateTables::shippedTables_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("resolutions");
    QTest::addColumn<QList<int>>("h264");

    QTest::newRow("IPC")
        << 1 << QStringList{"12MP", "8MP", "6MP", "5MP", "4MP", "3MP", "1080P", "960P", "720P", "D1", "CIF"}
        << QList<int>{20480, 16384, 12288, 10240, 8192, 6144, 4096, 3072, 2048, 1024, 512};
    QTest::newRow("DVR/NVR")
        << 2 << QStringList{"8MP", "5MP", "4MP", "3MP", "1080P", "1080N", "720P", "960H", "WD1", "D1", "CIF"}
        << QList<int>{12288, 8192, 6144, 5120, 4096, 2048, 2048, 1536, 1280, 1024, 512};
}

void TestBitrateTables::shippedTables()
{
    QFETCH(int, type);
    QFETCH(QStringList, resolutions);
    QFETCH(QList<int>, h264);

    // Nearest multiple of 64, halves upwards.
    const auto round64 = [](double kbps) { return int(std::floor(kbps / 64.0 + 0.5)) * 64; };
    OrvaneGUIToolkit::SetTargetPathOverride(shippedDataDir());
    BitrateConfigLoader loader;
    BitrateCalculator calculator;
    QCOMPARE(loader.encodings(), (QStringList{"H.264+", "H.264", "H.265+", "H.265", "Smart H.264"}));
    QStringList names;
    QVERIFY(loader.resolutions(names, type));
    QCOMPARE(names, resolutions);
    for (int i = 0; i < resolutions.size(); ++i) {
        const QString &resolution = resolutions.at(i);
        const int h265 = round64(h264.at(i) / 2.0);
        const QList<QPair<QString, int>> expected = {
            {"H.264", h264.at(i)},
            {"H.265", h265},
            {"H.264+", round64(h264.at(i) * 0.45)},
            {"Smart H.264", round64(h264.at(i) * 0.45)},
            {"H.265+", round64(h265 * 0.45)},
        };
        for (const auto &[encoding, kbps] : expected) {
            loader.setCurrentEncoding(encoding);
            QVERIFY2(loader.bitrate(resolution, type) == kbps,
                     qPrintable(encoding + QLatin1Char(' ') + resolution));
            // The calculator reads only the file it needs; it must agree.
            calculator.setEncoding(encoding);
            QCOMPARE(calculator.bitrate(type - 1, resolution, 25), double(kbps));
        }
    }
    // The XML tables carry the H.264 figures.
    const QString xml = type == TableIPC ? QStringLiteral("IPCBitrateConfig.xml")
                                         : QStringLiteral("DVRBitrateConfig.xml");
    QStringList items;
    for (int i = 0; i < resolutions.size(); ++i)
        items << resolutions.at(i) + QLatin1Char('=') + QString::number(h264.at(i));
    QCOMPARE(itemsOf(shippedDataDir() + QLatin1Char('/') + xml), items);
}

void TestBitrateTables::shippedFrameRates()
{
    OrvaneGUIToolkit::SetTargetPathOverride(shippedDataDir());
    const BitrateConfigLoader loader;
    const QStringList fractions{"1/2", "1/4", "1/8", "1/16"};
    QCOMPARE(loader.frameRates(FramePAL),
             QStringList({"50", "25", "24", "22", "20", "18", "16", "15", "14", "12", "10", "8", "6",
                          "5", "4", "3", "2", "1"}) + fractions);
    QCOMPARE(loader.frameRates(FrameNTSC),
             QStringList({"60", "30", "28", "26", "24", "22", "20", "18", "16", "15", "12", "10", "8",
                          "6", "4", "3", "2", "1"}) + fractions);
}

QTEST_GUILESS_MAIN(TestBitrateTables)
#include "tst_bitratetables.moc"
