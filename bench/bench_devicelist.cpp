#include "app/configuremanager.h"
#include "app/languagechoice.h"
#include "app/startuplook.h"
#include "data/bitratecalculator.h"
#include "device/deviceaddpage.h"
#include "platform/targetpath.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

// The device list with an installer's worth of groups, on the shipped data
// and the offscreen platform: adding one group to 999, adding a thousand,
// switching PAL -> NTSC -> PAL over a thousand, the peak memory with a
// thousand, and restoring whole lists at once as a plan file does. Every
// figure is the median of several runs, printed against its target.
//   bench_devicelist [-look] [QtTest options]
// With -look the list wears the program's skin, style and style sheet.
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

    QVector<StructDeviceItem> makeMany(int count)
    {
        QVector<StructDeviceItem> items;
        items.reserve(count);
        for (int i = 0; i < count; ++i)
            items.append(make(i));
        return items;
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

// A page as the panel shows it.
class ShownPage
{
public:
    ShownPage()
    {
        m_page.resize(700, 600);
        m_page.show();
        QCoreApplication::processEvents();
    }
    DeviceAddPage &operator*() { return m_page; }
    DeviceAddPage *operator->() { return &m_page; }

private:
    DeviceAddPage m_page;
};

void fill(DeviceAddPage &page, GroupMaker &maker, int count)
{
    for (int i = 0; i < count; ++i)
        page.addDeviceTypeItem(maker.make(i));
}

// Milliseconds of each of `runs` runs of `step`; `prepare` runs untimed
// before each.
double medianMilliseconds(int runs, const std::function<void()> &step,
                          const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.size() % 2 ? times[times.size() / 2]
                            : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
}

// Peak resident memory of the process so far, in MB, from the kernel's
// accounting.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "unknown";
    return file.readAll().split(' ').mid(0, 3).join(' ');
}

// One line per figure; a target of 0 marks a figure without one.
void report(const char *what, double value, const char *unit, double target = 0)
{
    if (target <= 0) {
        qInfo("%-46s %9.3f %s", what, value, unit);
        return;
    }
    qInfo("%-46s %9.3f %s (target <= %g %s: %s)", what, value, unit, target, unit,
          value <= target ? "within target" : "ABOVE TARGET");
}

bool g_look = false;

} // namespace

class BenchDeviceList final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    // First, so that the peak is that of a thousand groups.
    void peakMemoryWithAThousand();
    void addOneToAThousand();
    void addThousandGroups();
    void palNtscPalWithAThousand();
    void restoreAThousandAtOnce();
    void restoreTenThousandAtOnce();
    void resizeAThousandRows();

private:
    // Median milliseconds of adding one group to a shown list of `groups`.
    double addOneTo(int groups);

    QString m_dataDir = QStringLiteral(LARKSPAN_STAGE_DIR);
    GroupMaker m_maker;
    QTemporaryDir m_userSettings;
};

void BenchDeviceList::initTestCase()
{
    if (!QFileInfo(m_dataDir + QStringLiteral("/IPCBitrate")).isDir())
        QSKIP("The staged data files are missing: build the stage_dist target first.");
    OrvaneGUIToolkit::SetTargetPathOverride(m_dataDir);
    if (g_look) {
        QCoreApplication::addLibraryPath(m_dataDir + QStringLiteral("/plugins"));
        apt::ConfigureManager::instance()->load(m_dataDir + QStringLiteral("/Setup.xml"));
        // English texts whatever the system's language, so that runs compare.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_userSettings.path());
        apt::LanguageChoice::storeChoice(apt::LanguageChoice::English);
        QVERIFY(apt::installStartupLook());
    }
    qInfo("%s, load average %s", g_look ? "with the program's look" : "plain widgets",
          loadAverage().constData());
}

void BenchDeviceList::cleanupTestCase()
{
    report("peak memory of the whole run", peakMegabytes(), "MB");
    qInfo("load average %s", loadAverage().constData());
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
}

void BenchDeviceList::peakMemoryWithAThousand()
{
    ShownPage page;
    fill(*page, m_maker, GroupCount);
    page->OnFrametareStandardChanged(FrameNTSC);
    page->OnFrametareStandardChanged(FramePAL);
    QCoreApplication::processEvents();
    report("peak memory with 1000 groups", peakMegabytes(), "MB", 60);
}

// What a person waits for when pressing "+ Add": the add and the event pass
// that shows it, which repaints the rows in view.
double BenchDeviceList::addOneTo(int groups)
{
    ShownPage page;
    fill(*page, m_maker, groups);
    QCoreApplication::processEvents();
    int next = groups;
    return medianMilliseconds(21, [&] {
        page->addDeviceTypeItem(m_maker.make(next++));
        QCoreApplication::processEvents();
    });
}

void BenchDeviceList::addOneToAThousand()
{
    report("add one group to 999", addOneTo(GroupCount - 1), "ms", 1);
    // The same with a list that just fills the view: what does not grow
    // with the list.
    report("add one group to 19, for comparison", addOneTo(19), "ms");
}

void BenchDeviceList::addThousandGroups()
{
    std::unique_ptr<ShownPage> page;
    report("1000 adds in all", medianMilliseconds(5, [&] {
               fill(**page, m_maker, GroupCount);
               QCoreApplication::processEvents();
           }, [&] { page = std::make_unique<ShownPage>(); }), "ms", 600);
}

void BenchDeviceList::palNtscPalWithAThousand()
{
    ShownPage page;
    fill(*page, m_maker, GroupCount);
    QCoreApplication::processEvents();
    report("PAL -> NTSC -> PAL over 1000 groups", medianMilliseconds(11, [&] {
               page->OnFrametareStandardChanged(FrameNTSC);
               page->OnFrametareStandardChanged(FramePAL);
               QCoreApplication::processEvents();
           }), "ms", 60);
    const auto groups = page->getDeviceData();
    for (const StructDeviceItem &item : groups)
        QVERIFY(item.strFrameRate == QLatin1String("25") || item.strFrameRate == QLatin1String("50"));
}

// A plan file opening: the whole list replaced in one call.
void BenchDeviceList::restoreAThousandAtOnce()
{
    const QVector<StructDeviceItem> groups = m_maker.makeMany(GroupCount);
    std::unique_ptr<ShownPage> page;
    report("1000 groups restored at once", medianMilliseconds(5, [&] {
               (*page)->setDeviceTypeData(groups);
               QCoreApplication::processEvents();
           }, [&] { page = std::make_unique<ShownPage>(); }), "ms", 500);
}

void BenchDeviceList::restoreTenThousandAtOnce()
{
    const QVector<StructDeviceItem> groups = m_maker.makeMany(10 * GroupCount);
    std::unique_ptr<ShownPage> page;
    report("10 000 groups restored at once", medianMilliseconds(3, [&] {
               (*page)->setDeviceTypeData(groups);
               QCoreApplication::processEvents();
           }, [&] { page = std::make_unique<ShownPage>(); }), "ms");
}

void BenchDeviceList::resizeAThousandRows()
{
    ShownPage page;
    fill(*page, m_maker, GroupCount);
    QCoreApplication::processEvents();
    bool wide = false;
    report("resize with 1000 groups", medianMilliseconds(11, [&] {
               page->resize(wide ? 700 : 500, 600);
               wide = !wide;
               QCoreApplication::processEvents();
           }), "ms");
}

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "-look") == 0)
            g_look = true;
        else
            arguments << QString::fromLocal8Bit(argv[i]);
    }
    QApplication app(argc, argv);
    BenchDeviceList bench;
    return QTest::qExec(&bench, arguments);
}

#include "bench_devicelist.moc"
