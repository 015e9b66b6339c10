#include "bench/largesite.h"
#include "calc/retention.h"

#include <QTest>

// Every retention figure of a thousand-group site, as the window recomputes
// them after each edit: the plan's groups as the rules see them, the totals,
// each page's range, the verdict with its drives and the two results.
// Target: 1 ms median.

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
