#include "calc/retention.h"

#include <QTest>

// Every retention figure of a thousand-group site, as the window recomputes
// them after each edit: the plan's groups as the rules see them, the totals,
// each page's range, the verdict with its drives and the two results.
// Target: 1 ms median.
namespace {

SitePlan thousandGroups()
{
    static const char *const encodings[] = {"H.264", "H.265", "Smart H.264", "H.265+"};
    SitePlan plan;
    for (int i = 0; i < 1000; ++i) {
        PlanGroup group;
        group.channels = 1 + i % 16;
        group.kbps = 1024 + 512 * (i % 8);
        group.rateMode = i % 5 == 0 ? RateRecommended : RateFixed;
        group.encoding = QLatin1String(encodings[i % 4]);
        GroupRecording &recording = group.recording;
        recording.mode = RecordingMode(i % 3);
        recording.eventPercent = 10 + i % 90;
        recording.subStreamKbps = 512;
        recording.subStreamRetentionDays = i % 7 == 0 ? 90 : 0;
        recording.control = i % 4 == 0 ? RateControl::Constant : RateControl::Variable;
        recording.retentionDays = i % 11 == 0 ? 14 : 0;
        recording.night = i % 2 ? NightScene::Infrared : NightScene::NotSet;
        plan.groups.append(group);
    }
    plan.calculation.diskSize = 48;
    plan.calculation.saveTime = 30;
    plan.calculation.saveUnit = PeriodUnit::Day;
    // The disk is the array's capacity, so that the verdict looks for drives.
    plan.calculation.diskArray = DiskArraySetup{8, 8000, RaidLevel::Raid6, 2, 0, 100};
    return plan;
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
    const SitePlan plan = thousandGroups();
    const PlanCalculation &c = plan.calculation;
    QVERIFY(planRetention(plan).diskIsArray);
    double sink = 0.0;
    QBENCHMARK {
        const PlanRetention figures = planRetention(plan);
        const QVector<RetentionGroup> groups = retentionGroups(plan.groups);
        const RecordTimeText time = recordTimeResult(groups, c.diskSize, c.diskUnit, c.timeHoursPerDay);
        const DiskSizeText size = diskSizeResult(groups, c.saveTime, c.saveUnit, c.sizeHoursPerDay);
        sink += figures.totals.gbPerDay.high + figures.verdict.neededGB.high + time.day.size() + size.size.size();
    }
    QVERIFY(sink > 0.0);
}

QTEST_GUILESS_MAIN(BenchRetention)
#include "bench_retention.moc"
