#include "calc/capacityresults.h"
#include "calc/diskarray.h"
#include "data/bitratecalculator.h"
#include "data/bitrateconfigloader.h"
#include "data/devicerecords.h"
#include "platform/targetpath.h"

#include <QFileInfo>
#include <QTest>

// Per-channel bitrate on the shipped tables (every computation reads the
// table files anew), the two capacity formulas with their result texts, and
// the drives line that the size result recomputes with them.
// Run with -median N to get medians.
class BenchBitrate final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void perChannelBitrate_data();
    void perChannelBitrate();
    void loaderConstruction();
    void diskSize();
    void recordHours();
    void drivesNeeded_data();
    void drivesNeeded();

private:
    QString m_dataDir = QStringLiteral(LARKSPAN_STAGE_DIR);
};

void BenchBitrate::initTestCase()
{
    if (!QFileInfo(m_dataDir + QStringLiteral("/IPCBitrate")).isDir())
        QSKIP("The staged data files are missing: build the stage_dist target first.");
    OrvaneGUIToolkit::SetTargetPathOverride(m_dataDir);
}

void BenchBitrate::cleanupTestCase()
{
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
}

void BenchBitrate::perChannelBitrate_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<double>("frameRate");

    QTest::newRow("IPC H.264 1080P at 25") << int(DeviceIndexIPC) << "H.264" << "1080P" << 25.0;
    QTest::newRow("IPC Smart H.264 CIF at 5") << int(DeviceIndexIPC) << "Smart H.264" << "CIF" << 5.0;
    QTest::newRow("DVR/NVR H.265+ 4MP at 12.5") << int(DeviceIndexDVR) << "H.265+" << "4MP" << 12.5;
}

void BenchBitrate::perChannelBitrate()
{
    QFETCH(int, device);
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(double, frameRate);

    BitrateCalculator calculator;
    calculator.setEncoding(encoding);
    double kbps = 0;
    QBENCHMARK {
        kbps = calculator.bitrate(device, resolution, frameRate);
    }
    QVERIFY(kbps > 0);
}

void BenchBitrate::loaderConstruction()
{
    QBENCHMARK {
        const BitrateConfigLoader loader;
        Q_UNUSED(loader)
    }
}

void BenchBitrate::diskSize()
{
    const BitrateCalculator calculator;
    DiskSizeText text;
    int hours = 0;
    QBENCHMARK {
        hours = (hours + 1) % 8760;
        text = toDiskSizeResult(calculator.calculateDiskSize(65536.0, hours));
    }
    QVERIFY(!text.size.isEmpty());
}

void BenchBitrate::recordHours()
{
    const BitrateCalculator calculator;
    RecordTimeText text;
    double gb = 0;
    QBENCHMARK {
        gb += 1.0;
        text = toRecordTimeResult(calculator.calculateRecordHours(4096.0, gb), 24);
    }
    QVERIFY(!text.day.isEmpty());
}

void BenchBitrate::drivesNeeded_data()
{
    QTest::addColumn<qint64>("neededGB");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("spares");

    // The search tries every count up to 64: these two try them all.
    QTest::newRow("RAID 0, past 64 drives") << qint64(1000000) << int(RaidLevel::Raid0) << 0;
    QTest::newRow("RAID 5 with 62 spares, no set") << qint64(1000) << int(RaidLevel::Raid5) << 62;
    QTest::newRow("RAID 60, found at 12") << qint64(40000) << int(RaidLevel::Raid60) << 0;
}

void BenchBitrate::drivesNeeded()
{
    QFETCH(qint64, neededGB);
    QFETCH(int, level);
    QFETCH(int, spares);

    const DiskArraySetup array{4, 8000, RaidLevel(level), 2, spares, 90};
    DiskArrayText::Line line;
    QBENCHMARK {
        line = DiskArrayText::drivesNeeded(::drivesNeeded(neededGB, array), neededGB);
    }
    QVERIFY(!line.head.isEmpty());
}

QTEST_GUILESS_MAIN(BenchBitrate)
#include "bench_bitrate.moc"
