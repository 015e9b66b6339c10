#include "data/bitratecalculator.h"
#include "device/deviceaddpage.h"
#include "platform/targetpath.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMap>
#include <QTest>

// The device list with an installer's worth of groups: adding a thousand,
// adding one more to them, resizing, and switching PAL -> NTSC -> PAL (each
// converted group computes two rates, and every computation reads the table
// files anew). Run with -median N to get medians; the peak memory of the
// run is printed at the end.
namespace {

constexpr int GroupCount = 1000;

// Recorders and cameras at the two frame rates that the conversion moves,
// with the rate the editor would have computed for them.
class GroupMaker
{
public:
    StructDeviceItem make(int index)
    {
        static const QStringList resolutions{QStringLiteral("4MP"), QStringLiteral("1080P"),
                                             QStringLiteral("720P")};
        StructDeviceItem item;
        const bool recorder = index % 3 == 0;
        item.strDeviceType = recorder ? QStringLiteral("DVR/NVR") : QStringLiteral("IPC");
        item.strChannelName = QStringLiteral("Group(%1)").arg(index + 1);
        item.strEncodeType = QStringLiteral("H.264");
        item.iChannelCounts = 1 + index % 16;
        item.strResolution = resolutions.at(index % resolutions.size());
        item.strFrameRate = index % 2 ? QStringLiteral("50") : QStringLiteral("25");
        item.dBitrate = rate(recorder ? DeviceIndexDVR : DeviceIndexIPC, item.strResolution,
                             item.strFrameRate.toDouble());
        item.iChannelGroupNumber = index + 1;
        return item;
    }

private:
    double rate(int device, const QString &resolution, double frames)
    {
        const QString key = QStringLiteral("%1/%2/%3").arg(device).arg(resolution).arg(frames);
        if (!m_rates.contains(key))
            m_rates.insert(key, double(qint64(m_calculator.bitrate(device, resolution, frames))));
        return m_rates.value(key);
    }

    BitrateCalculator m_calculator;
    QMap<QString, double> m_rates;
};

void fill(DeviceAddPage &page, GroupMaker &maker, int count)
{
    for (int i = 0; i < count; ++i)
        page.addDeviceTypeItem(maker.make(i));
}

// Peak resident memory of the process, from the kernel's accounting.
QByteArray peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "unknown";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed();
    }
    return "unknown";
}

} // namespace

class BenchDeviceList final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void addThousandGroups();
    void addOneToAThousand();
    void resizeAThousandRows();
    void palNtscPalWithAThousand();

private:
    QString m_dataDir = QStringLiteral(LARKSPAN_STAGE_DIR);
    GroupMaker m_maker;
};

void BenchDeviceList::initTestCase()
{
    if (!QFileInfo(m_dataDir + QStringLiteral("/IPCBitrate")).isDir())
        QSKIP("The staged data files are missing: build the stage_dist target first.");
    OrvaneGUIToolkit::SetTargetPathOverride(m_dataDir);
}

void BenchDeviceList::cleanupTestCase()
{
    qInfo("peak resident memory: %s", peakMemory().constData());
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
}

void BenchDeviceList::addThousandGroups()
{
    QBENCHMARK {
        DeviceAddPage page;
        page.resize(700, 600);
        page.show();
        fill(page, m_maker, GroupCount);
        QCoreApplication::processEvents();
    }
}

// What a person waits for when pressing "+ Add" with a long list.
void BenchDeviceList::addOneToAThousand()
{
    DeviceAddPage page;
    page.resize(700, 600);
    page.show();
    fill(page, m_maker, GroupCount - 1);
    QCoreApplication::processEvents();
    int next = GroupCount - 1;
    QBENCHMARK {
        page.addDeviceTypeItem(m_maker.make(next++));
        QCoreApplication::processEvents();
    }
}

void BenchDeviceList::resizeAThousandRows()
{
    DeviceAddPage page;
    page.resize(700, 600);
    page.show();
    fill(page, m_maker, GroupCount);
    QCoreApplication::processEvents();
    bool wide = false;
    QBENCHMARK {
        page.resize(wide ? 700 : 500, 600);
        wide = !wide;
        QCoreApplication::processEvents();
    }
}

void BenchDeviceList::palNtscPalWithAThousand()
{
    DeviceAddPage page;
    page.resize(700, 600);
    page.show();
    fill(page, m_maker, GroupCount);
    QCoreApplication::processEvents();
    QBENCHMARK {
        page.OnFrametareStandardChanged(FrameNTSC);
        page.OnFrametareStandardChanged(FramePAL);
        QCoreApplication::processEvents();
    }
    const auto groups = page.getDeviceData();
    for (const StructDeviceItem &item : groups)
        QVERIFY(item.strFrameRate == QLatin1String("25") || item.strFrameRate == QLatin1String("50"));
}

QTEST_MAIN(BenchDeviceList)
#include "bench_devicelist.moc"
