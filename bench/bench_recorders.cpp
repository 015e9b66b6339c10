#include "bench/largesite.h"
#include "calc/recorders.h"

#include <QTest>

// A thousand-group site over recorders: checking twenty recorders of fifty
// groups each with their ranges, as the window does after each edit (target
// 2 ms median), and spreading the thousand groups over recorders of a
// 64-channel profile (target 50 ms median).
class BenchRecorders final : public QObject
{
    Q_OBJECT

private slots:
    void checkTwentyRecorders();
    void spreadThousandGroups();
};

void BenchRecorders::checkTwentyRecorders()
{
    const QVector<RetentionGroup> groups = retentionGroups(thousandGroups().groups);
    QVector<QVector<RetentionGroup>> byRecorder(20);
    for (int i = 0; i < groups.size(); ++i)
        byRecorder[i % 20].append(groups.at(i));
    const RecorderSetup recorder{QStringLiteral("NVR"), {256, 768, 24, 22000}, {16, 16000, RaidLevel::Raid6}, 1000};
    int breaches = 0;
    QBENCHMARK {
        for (const QVector<RetentionGroup> &held : std::as_const(byRecorder))
            breaches += checkRecorder(held, recorder, 24, 30).breaches.size();
    }
    QVERIFY(breaches >= 0);
}

void BenchRecorders::spreadThousandGroups()
{
    const QVector<RetentionGroup> groups = retentionGroups(thousandGroups().groups);
    const RecorderLimits profile{64, 400, 8, 20000};
    const DiskArraySetup kind{8, 20000, RaidLevel::Raid6};
    int recorders = 0;
    QBENCHMARK {
        recorders = spreadGroups(groups, profile, kind, 24, 30).recorders.size();
    }
    QVERIFY(recorders > 0);
}

QTEST_GUILESS_MAIN(BenchRecorders)
#include "bench_recorders.moc"
