#include "calc/capacityinputs.h"
#include "calc/planreport.h"
#include "calc/retention.h"
#include "data/capacityformulas.h"

#include <QTest>

#include <cmath>

namespace {

RetentionGroup group(int channels, double kbps, const QString &encoding = QStringLiteral("H.264"),
                     bool sceneKnown = true)
{
    RetentionGroup g;
    g.channels = channels;
    g.kbps = kbps;
    g.encoding = encoding;
    g.sceneKnown = sceneKnown;
    return g;
}

RetentionGroup recording(RetentionGroup g, RecordingMode mode, int percent, double subKbps = 0,
                         int days = 0, int subDays = 0)
{
    g.recording.mode = mode;
    g.recording.eventPercent = percent;
    g.recording.subStreamKbps = subKbps;
    g.recording.retentionDays = days;
    g.recording.subStreamRetentionDays = subDays;
    return g;
}

// A day of `kbps` at `hours` hours, as the window computes it today.
double gbPerDay(double kbps, int hours)
{
    return CapacityFormulas::diskSize(kbps, hours);
}

} // namespace

Q_DECLARE_METATYPE(RetentionGroup)
Q_DECLARE_METATYPE(SitePlan)
Q_DECLARE_METATYPE(QVector<RetentionGroup>)

class TestRetention final : public QObject
{
    Q_OBJECT

private slots:
    void defaultsGiveTodaysFigures_data();
    void defaultsGiveTodaysFigures();
    void resultsWithRecording_data();
    void resultsWithRecording();
    void bandWidth_data();
    void bandWidth();
    void whatAGroupWrites_data();
    void whatAGroupWrites();
    void perGroupRetention();
    void verdict_data();
    void verdict();
    void planRetentionInputs_data();
    void planRetentionInputs();
    void texts_data();
    void texts();
};

void TestRetention::defaultsGiveTodaysFigures_data()
{
    QTest::addColumn<QVector<RetentionGroup>>("groups");
    QTest::addColumn<int>("hours");

    QTest::newRow("one group, 24 h") << QVector<RetentionGroup>{group(4, 2048)} << 24;
    QTest::newRow("three groups, 8 h")
        << QVector<RetentionGroup>{group(8, 1234.5678), group(1, 4096, "H.265"), group(16, 512, "Smart H.264", false)}
        << 8;
    QTest::newRow("fractional rates, 18 h (a third of it at night)")
        << QVector<RetentionGroup>{group(3, 1228.8), group(7, 0.1), group(1024, 204800)} << 18;
}

// With every setting at its default the expected figures are exactly those of
// the window and the report today, to the last bit.
void TestRetention::defaultsGiveTodaysFigures()
{
    QFETCH(QVector<RetentionGroup>, groups);
    QFETCH(int, hours);

    double total = 0.0;
    for (const RetentionGroup &g : groups)
        total += g.channels * g.kbps;
    QCOMPARE(siteTotals(groups, hours).gbPerDay.expected, gigabytesPerDay(total, hours));
    // The same groups as a plan's: the report's figure.
    SitePlan plan;
    plan.calculation.sizeHoursPerDay = plan.calculation.timeHoursPerDay = hours;
    for (const RetentionGroup &g : groups) {
        PlanGroup p;
        p.channels = g.channels;
        p.kbps = g.kbps;
        p.encoding = g.encoding;
        plan.groups.append(p);
    }
    QCOMPARE(siteTotals(retentionGroups(plan.groups), hours).gbPerDay.expected, planFigures(plan).gbPerDay);
    for (int days : {1, 7, 30, 365}) {
        QCOMPARE(neededGB(groups, hours, days).expected, CapacityFormulas::diskSize(total, hours * days));
        const double disk = 4000.0 * days;
        QCOMPARE(retentionDays(groups, hours, disk).days.expected,
                 CapacityFormulas::recordHours(total, disk) / hours);
    }
    // The pages' results, in both units and every period unit.
    for (const auto &[size, unit] : {std::pair{3.5, DiskUnit::TB}, std::pair{123.0, DiskUnit::GB}}) {
        const RecordTimeText a = recordTimeResult(groups, size, unit, hours);
        const RecordTimeText b = recordTimeResult(total, size, unit, hours);
        QCOMPARE(a.day + a.week + a.month, b.day + b.week + b.month);
    }
    for (PeriodUnit unit : {PeriodUnit::Day, PeriodUnit::Week, PeriodUnit::Month}) {
        QCOMPARE(diskSizeResult(groups, 13, unit, hours).size, diskSizeResult(total, 13, unit, hours).size);
        QCOMPARE(diskSizeResult(groups, 13, unit, hours).unit, diskSizeResult(total, 13, unit, hours).unit);
    }
}

void TestRetention::resultsWithRecording_data()
{
    QTest::addColumn<QVector<RetentionGroup>>("groups");
    QTest::addColumn<QString>("days");   // of a 10 TB disk
    QTest::addColumn<QString>("size");   // for 30 days, expected
    QTest::addColumn<QString>("highSize");

    // 8 channels at 4 Mbps write 355 GB a day of 24 h; 30 days of them are
    // 10.6 TB, and 13.3 TB at the high bound of a named scene (x 1.25).
    const RetentionGroup eight = group(8, 4000);
    QTest::newRow("continuous") << QVector<RetentionGroup>{eight} << "28" << "11" << "14";
    QTest::newRow("events 25 %") << QVector<RetentionGroup>{recording(eight, RecordingMode::Events, 25)} << "112"
                                 << "3" << "4";
    // 2.5 TB for the group of 7 days; one channel at 1 Mbps (11.1 GB a day)
    // in the rest (0.3 TB for 30 days).
    QTest::newRow("kept 7 days of its own: the others fill what is left")
        << QVector<RetentionGroup>{recording(eight, RecordingMode::Continuous, 100, 0, 7), group(1, 1000)}
        << "677" << "3" << "4";
    QTest::newRow("days of its own fill the disk: 0 days for the others")
        << QVector<RetentionGroup>{recording(eight, RecordingMode::Continuous, 100, 0, 30), group(1, 1000)}
        << "0" << "11" << "14";
    RetentionGroup constant = eight;
    constant.recording.control = RateControl::Constant;
    QTest::newRow("constant rate: the high bound is the expected")
        << QVector<RetentionGroup>{constant} << "28" << "11" << "11";
}

void TestRetention::resultsWithRecording()
{
    QFETCH(QVector<RetentionGroup>, groups);
    QFETCH(QString, days);
    QFETCH(QString, size);
    QFETCH(QString, highSize);

    QCOMPARE(recordTimeResult(groups, 10, DiskUnit::TB, 24).day, days);
    QCOMPARE(diskSizeResult(groups, 30, PeriodUnit::Day, 24).size, size);
    QCOMPARE(diskSizeResult(groups, 30, PeriodUnit::Day, 24, true).size, highSize);
}

void TestRetention::bandWidth_data()
{
    QTest::addColumn<RetentionGroup>("g");
    QTest::addColumn<int>("hours");
    QTest::addColumn<double>("ratio"); // high / low

    auto infrared = [](RetentionGroup g) {
        g.recording.night = NightScene::Infrared;
        return g;
    };
    auto constant = [](RetentionGroup g) {
        g.recording.control = RateControl::Constant;
        return g;
    };
    QTest::newRow("H.264, named scene") << group(1, 1000) << 24 << 1.25 / 0.8;
    QTest::newRow("H.265, named scene") << group(1, 1000, "H.265") << 24 << 1.25 * 1.5 / 0.8;
    QTest::newRow("H.265, named scene, infrared night: widest known")
        << infrared(group(1, 1000, "H.265")) << 24 << 1.25 * 1.5 * 1.5 / 0.8;
    QTest::newRow("smart codec, infrared night")
        << infrared(group(1, 1000, "Smart H.265")) << 24 << 1.25 * 1.25 * 1.5 / (0.8 * 0.75);
    QTest::newRow("infrared, 12 h of daylight only") << infrared(group(1, 1000)) << 12 << 1.25 / 0.8;
    QTest::newRow("unnamed scene") << group(1, 1000, "H.264", false) << 24 << 1.4 / 0.7;
    QTest::newRow("constant rate: width 1") << constant(infrared(group(1, 1000, "H.265", false))) << 24 << 1.0;
}

void TestRetention::bandWidth()
{
    QFETCH(RetentionGroup, g);
    QFETCH(int, hours);
    QFETCH(double, ratio);

    const Band band = streamKbps(g.kbps, g, hours);
    QCOMPARE(band.expected, g.kbps);
    QVERIFY(band.low <= band.expected && band.expected <= band.high);
    QVERIFY(qFuzzyCompare(band.high / band.low, ratio));
    // A useful band: a variable-rate group that names its encoding and scene
    // stays within 4x.
    if (g.sceneKnown && RangeFactors::isKnownEncoding(g.encoding))
        QVERIFY(band.high / band.low <= 4.0);
}

void TestRetention::whatAGroupWrites_data()
{
    QTest::addColumn<RetentionGroup>("g");
    QTest::addColumn<double>("expectedKbps"); // written on average over the recording hours
    QTest::addColumn<double>("peakKbps");     // incoming at the busiest hour

    const RetentionGroup four = group(4, 2000);
    QTest::newRow("continuous") << four << 8000.0 << 8000 * 1.5;
    QTest::newRow("events 30 %") << recording(four, RecordingMode::Events, 30) << 2400.0 << 8000 * 1.5;
    QTest::newRow("events 1 %") << recording(four, RecordingMode::Events, 1) << 80.0 << 8000 * 1.5;
    QTest::newRow("events 100 %") << recording(four, RecordingMode::Events, 100) << 8000.0 << 8000 * 1.5;
    QTest::newRow("dual stream: sub always, main 25 %")
        << recording(four, RecordingMode::DualStream, 25, 500) << 4 * (500 + 0.25 * 2000) << 4 * 2500 * 1.5;
    RetentionGroup constant = four;
    constant.recording.control = RateControl::Constant;
    QTest::newRow("constant rate: no peak") << constant << 8000.0 << 8000.0;
    RetentionGroup infrared = four;
    infrared.recording.night = NightScene::Infrared;
    QTest::newRow("infrared: the night is the peak") << infrared << 8000.0 << 8000 * 2.0;
}

void TestRetention::whatAGroupWrites()
{
    QFETCH(RetentionGroup, g);
    QFETCH(double, expectedKbps);
    QFETCH(double, peakKbps);

    const SiteTotals totals = siteTotals({g}, 24);
    QCOMPARE(totals.channels, g.channels);
    QVERIFY(qFuzzyCompare(totals.gbPerDay.expected, gbPerDay(expectedKbps, 24)));
    QVERIFY(qFuzzyCompare(totals.peakKbps, peakKbps));
}

// Each group is kept for its own days; the disk left keeps the others.
void TestRetention::perGroupRetention()
{
    const QVector<RetentionGroup> groups{
        group(4, 2000), recording(group(2, 1000), RecordingMode::Continuous, 100, 0, 90),
        recording(group(1, 4000), RecordingMode::DualStream, 10, 512, 7, 30)};
    const double expected = CapacityFormulas::diskSize(8000, 24 * 30) + CapacityFormulas::diskSize(2000, 24 * 90)
                            + CapacityFormulas::diskSize(400, 24 * 7) + CapacityFormulas::diskSize(512, 24 * 30);
    QVERIFY(qFuzzyCompare(neededGB(groups, 24, 30).expected, expected));

    // The disk that the period needs keeps the others for the period.
    const RetentionDays days = retentionDays(groups, 24, expected);
    QVERIFY(days.keepsOthers);
    QVERIFY(std::abs(days.days.expected - 30.0) < 1e-9);
    QVERIFY(days.days.low < 30.0 && days.days.high > 30.0);

    // Every group with days of its own: no period to tell.
    QVERIFY(!retentionDays({groups.at(1)}, 24, expected).keepsOthers);
}

void TestRetention::verdict_data()
{
    QTest::addColumn<double>("diskGB");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("moreDrives");

    // 16 channels at 4 Mbps for 30 days: 21.3 TB expected, 26.6 TB at the
    // high bound, which six 8 TB drives in RAID 6 hold (32 TB).
    QTest::newRow("holds at the high bound") << 27000.0 << int(RetentionVerdict::Holds) << 0;
    QTest::newRow("holds the expected figure only") << 22000.0 << int(RetentionVerdict::ExpectedOnly) << 2;
    QTest::newRow("short even at the expected figure") << 16000.0 << int(RetentionVerdict::Short) << 2;
}

void TestRetention::verdict()
{
    QFETCH(double, diskGB);
    QFETCH(int, state);
    QFETCH(int, moreDrives);

    const QVector<RetentionGroup> groups{group(16, 4000)};
    const DiskArraySetup array{4, 8000, RaidLevel::Raid6}; // 16 TB

    const RetentionVerdict verdict = retentionVerdict(groups, 24, 30, diskGB, &array);
    QCOMPARE(int(verdict.state), state);
    QCOMPARE(verdict.requiredDays, 30);
    if (verdict.state == RetentionVerdict::Holds) {
        QVERIFY(qFuzzyCompare(verdict.spareGB, diskGB - verdict.neededGB.high));
        QVERIFY(verdict.days.days.low >= 30.0);
        return;
    }
    QVERIFY(qFuzzyCompare(verdict.missingGB, verdict.neededGB.high - diskGB));
    QVERIFY(verdict.withArray);
    QCOMPARE(verdict.drives.outcome, DrivesNeeded::Found);
    QCOMPARE(verdict.moreDrives, moreDrives);
    QCOMPARE(verdict.drives.array.level, RaidLevel::Raid6);
    QVERIFY(diskArrayCapacity(verdict.drives.array).usableCentiGB >= qint64(verdict.neededGB.high * 100));
}

void TestRetention::planRetentionInputs_data()
{
    QTest::addColumn<SitePlan>("plan");
    QTest::addColumn<int>("hours");
    QTest::addColumn<bool>("hasVerdict");
    QTest::addColumn<bool>("diskIsArray");
    QTest::addColumn<bool>("neededAtHighBound");

    // 16 channels at 4 Mbps; a 20 TB disk kept at 18 h for the time page,
    // 30 days at 12 h for the size page.
    SitePlan base;
    PlanGroup g;
    g.channels = 16;
    g.kbps = 4000;
    g.encoding = QStringLiteral("H.265");
    base.groups = {g};
    base.calculation.diskSize = 20;
    base.calculation.timeHoursPerDay = 18;
    base.calculation.saveTime = 30;
    base.calculation.saveUnit = PeriodUnit::Day;
    base.calculation.sizeHoursPerDay = 12;
    const auto with = [&base](auto edit) {
        SitePlan plan = base;
        edit(plan.calculation);
        return plan;
    };

    QTest::newRow("time shown: its hours") << base << 18 << true << false << false;
    QTest::newRow("size shown: its hours")
        << with([](PlanCalculation &c) { c.sizeShown = true; }) << 12 << true << false << false;
    QTest::newRow("guaranteed: the high bound")
        << with([](PlanCalculation &c) { c.guaranteedRetention = true; }) << 18 << true << false << true;
    QTest::newRow("the array's capacity is the disk")
        << with([](PlanCalculation &c) { c.diskSize = 24; }) << 18 << true << true << false;
    QTest::newRow("no disk") << with([](PlanCalculation &c) { c.diskSize = 0; }) << 18 << false << false << false;
    QTest::newRow("no period") << with([](PlanCalculation &c) { c.saveTime = 0; }) << 18 << false << false << false;
    QTest::newRow("no hours shown")
        << with([](PlanCalculation &c) { c.timeHoursPerDay = 0; }) << 0 << false << false << false;
    QTest::newRow("no groups") << SitePlan() << 24 << false << false << false;
}

void TestRetention::planRetentionInputs()
{
    QFETCH(SitePlan, plan);
    QFETCH(int, hours);
    QFETCH(bool, hasVerdict);
    QFETCH(bool, diskIsArray);
    QFETCH(bool, neededAtHighBound);

    const PlanRetention figures = planRetention(plan);
    const QVector<RetentionGroup> groups = retentionGroups(plan.groups);
    const PlanCalculation &c = plan.calculation;
    QCOMPARE(figures.hoursPerDay, hours);
    QCOMPARE(figures.hasVerdict, hasVerdict);
    QCOMPARE(figures.diskIsArray, diskIsArray);
    QCOMPARE(figures.totals.gbPerDay, siteTotals(groups, hours).gbPerDay);
    // Each page's figures at its own hours, as the pages show them.
    QCOMPARE(figures.diskDays.days, retentionDays(groups, c.timeHoursPerDay, c.diskSize * 1000).days);
    QCOMPARE(figures.neededGB, neededGB(groups, c.sizeHoursPerDay, c.saveTime));
    QCOMPARE(figures.shownNeededGB, neededAtHighBound ? figures.neededGB.high : figures.neededGB.expected);
    if (hasVerdict) {
        QCOMPARE(figures.verdict.requiredDays, c.saveTime);
        QCOMPARE(figures.verdict.withArray && figures.verdict.state != RetentionVerdict::Holds,
                 diskIsArray);
    }
}

void TestRetention::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QVector<RetentionGroup> site{group(16, 4000)};
    const DiskArraySetup raid6{4, 8000, RaidLevel::Raid6};
    QTest::newRow("green") << RetentionText::verdict(retentionVerdict(site, 24, 30, 33000, &raid6))
                           << "Holds 30 day(s) even at the high bound, 6 TB to spare";
    QTest::newRow("amber, with the drives")
        << RetentionText::verdict(retentionVerdict(site, 24, 30, 22000, &raid6))
        << "Holds 30 day(s) (24\u201338): short of 30 day(s) at the high bound \u2014 add 5 TB (2 more 8 TB "
           "drive(s) in RAID 6)";
    QTest::newRow("red, without an array") << RetentionText::verdict(retentionVerdict(site, 24, 30, 16000))
                                           << "Holds 22 day(s) (18\u201328): short of 30 day(s) even at the "
                                              "expected figure \u2014 add 11 TB";
    QTest::newRow("days, a band") << RetentionText::days({19.9, 24.5, 31.2}) << "19\u201331 days";
    QTest::newRow("days, width 1") << RetentionText::days(Band::exactly(24.9)) << "24 day(s)";
    QTest::newRow("size, TB rounded up") << RetentionText::size({43200, 50000, 80001}) << "44\u201381 TB";
    QTest::newRow("size, GB to TB") << RetentionText::size({320, 400, 1200}) << "320 GB\u20132 TB";
    RetentionGroup events = recording(group(1, 1), RecordingMode::Events, 30, 0, 14);
    QTest::newRow("events with days") << RetentionText::recording(events.recording)
                                      << "Events 30 % \u00b7 14 day(s)";
    QTest::newRow("continuous") << RetentionText::recording(GroupRecording()) << "Continuous";

    // The site's totals: GB a day below 1 TB, TB a day from there, each bound
    // with the decimals of the expected figure; a constant rate has no band.
    QTest::newRow("summary, GB a day with its range")
        << RetentionText::summary(siteTotals(site, 24))
        << "16 channel(s) \u00b7 96 Mbps at peak \u00b7 710 GB/day (568\u2013887)";
    QTest::newRow("summary, TB a day from 1000 GB")
        << RetentionText::summary(siteTotals({group(40, 4900, QStringLiteral("H.265"), false)}, 24))
        << "40 channel(s) \u00b7 294 Mbps at peak \u00b7 2.17 TB/day (1.52\u20134.57)";
    RetentionGroup constant = group(2, 1024);
    constant.recording.control = RateControl::Constant;
    QTest::newRow("summary, constant rate: one figure")
        << RetentionText::summary(siteTotals({constant}, 8)) << "2 channel(s) \u00b7 2.0 Mbps at peak \u00b7 7.6 GB/day";
    QTest::newRow("summary, no channels") << RetentionText::summary(siteTotals({}, 24)) << "";

    // The verdict's tool tip names what it compares: the default array of
    // 4 x 8 TB in RAID 5 is the disk when the disk size is its capacity.
    SitePlan plan;
    plan.groups = {PlanGroup()};
    plan.groups[0].channels = 16;
    plan.groups[0].kbps = 4000;
    plan.calculation.timeHoursPerDay = 18;
    plan.calculation.saveTime = 2;
    const auto compared = [](const SitePlan &p) {
        return RetentionText::verdictDetails(planRetention(p)).section(QLatin1Char('\n'), 0, 0);
    };
    plan.calculation.diskSize = 24;
    QTest::newRow("details, the array of the time page")
        << compared(plan) << "Compares the disk array of \"Calculate Time\" (24 TB) with the period of "
                             "\"Calculate Size\" (14 day(s)), at 18 h of recording a day.";
    plan.calculation.diskSize = 7.5;
    plan.calculation.sizeShown = true;
    QTest::newRow("details, a disk, the size page's hours")
        << compared(plan) << "Compares the disk of \"Calculate Time\" (7.5 TB) with the period of "
                             "\"Calculate Size\" (14 day(s)), at 24 h of recording a day.";
    GroupRecording everything{RecordingMode::DualStream, 25, 512, QStringLiteral("D1"), 7,
                              RateControl::Constant, 30, NightScene::Infrared};
    QTest::newRow("dual stream, days, constant, infrared") << RetentionText::recording(everything)
                                                           << "Dual stream, events 25 % \u00b7 30 day(s) \u00b7 "
                                                              "Constant rate \u00b7 IR night";
    GroupRecording lit;
    lit.night = NightScene::Lit;
    QTest::newRow("continuous, lit") << RetentionText::recording(lit) << "Continuous \u00b7 Lit night";
    GroupRecording constantRate;
    constantRate.control = RateControl::Constant;
    QTest::newRow("continuous, constant") << RetentionText::recording(constantRate)
                                          << "Continuous \u00b7 Constant rate";
}

void TestRetention::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(TestRetention)
#include "tst_retention.moc"
