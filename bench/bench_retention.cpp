#include "calc/retention.h"

#include <QTest>

// Every retention figure of a thousand-group site, as the window recomputes
// them after each edit: the totals, what the period needs and the verdict
// with its drives. Target: 1 ms median.
namespace {

QVector<RetentionGroup> thousandGroups()
{
    static const char *const encodings[] = {"H.264", "H.265", "Smart H.264", "H.265+"};
    QVector<RetentionGroup> groups;
    for (int i = 0; i < 1000; ++i) {
        RetentionGroup group;
        group.channels = 1 + i % 16;
        group.kbps = 1024 + 512 * (i % 8);
        group.sceneKnown = i % 5 == 0;
        group.encoding = QLatin1String(encodings[i % 4]);
        GroupRecording &recording = group.recording;
        recording.mode = RecordingMode(i % 3);
        recording.eventPercent = 10 + i % 90;
        recording.subStreamKbps = 512;
        recording.subStreamRetentionDays = i % 7 == 0 ? 90 : 0;
        recording.control = i % 4 == 0 ? RateControl::Constant : RateControl::Variable;
        recording.retentionDays = i % 11 == 0 ? 14 : 0;
        recording.night = i % 2 ? NightScene::Infrared : NightScene::NotSet;
        groups.append(group);
    }
    return groups;
}

} // namespace

class BenchRetention final : public QObject
{
    Q_OBJECT

private slots:
    void everyFigureOfThousandGroups();
};

void BenchRetention::everyFigureOfThousandGroups()
{
    const QVector<RetentionGroup> groups = thousandGroups();
    const DiskArraySetup array{8, 8000, RaidLevel::Raid6};
    double sink = 0.0;
    QBENCHMARK {
        const SiteTotals totals = siteTotals(groups, 24);
        const RetentionVerdict verdict = retentionVerdict(groups, 24, 30, 48000.0, &array);
        sink += totals.gbPerDay.high + verdict.neededGB.high + verdict.days.days.low;
    }
    QVERIFY(sink > 0.0);
}

QTEST_GUILESS_MAIN(BenchRetention)
#include "bench_retention.moc"
