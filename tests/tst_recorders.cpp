#include "calc/recorders.h"
#include "data/recorderprofiles.h"
#include "data/siteplanfile.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// A group whose every figure is its table rate: constant bitrate.
RetentionGroup constant(int channels, double kbps, int retentionDays = 0)
{
    RetentionGroup g;
    g.channels = channels;
    g.kbps = kbps;
    g.sceneKnown = true;
    g.encoding = QStringLiteral("H.264");
    g.recording.control = RateControl::Constant;
    g.recording.retentionDays = retentionDays;
    return g;
}

QVector<RetentionGroup> times(int count, const RetentionGroup &group)
{
    return QVector<RetentionGroup>(count, group);
}

} // namespace

Q_DECLARE_METATYPE(QVector<RetentionGroup>)
Q_DECLARE_METATYPE(QVector<Breach>)
Q_DECLARE_METATYPE(RecorderSetup)
Q_DECLARE_METATYPE(std::function<void(SitePlan &)>)

class TestRecorders final : public QObject
{
    Q_OBJECT

private slots:
    void profileFile_data();
    void profileFile();
    void profilesRoundTrip();
    void breaches_data();
    void breaches();
    void breachTexts_data();
    void breachTexts();
    void spreading_data();
    void spreading();
    void spreadPlanSplitsAndNames();
    void oneRecorderOnThePages_data();
    void oneRecorderOnThePages();
    void plansWithoutRecordersAreOneSite();
    void moveTargets_data();
    void moveTargets();
    void draggedGroups_data();
    void draggedGroups();
};

void TestRecorders::profileFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("profiles"); // -1: refused
    QTest::addColumn<QString>("message");

    const QByteArray header = "Name,Channels,Incoming Mbps,Drive bays,Largest drive (TB)\n";
    QTest::newRow("header only") << header << 0 << QString();
    QTest::newRow("two, CRLF and a blank line")
        << header + "A,4,40,1,10\r\n\r\nB,8,80,2,12.5\r\n" << 2 << QString();
    QTest::newRow("largest drive at the thousandth") << header + "A,4,40,1,0.001\n" << 1 << QString();
    QTest::newRow("four decimals of a TB")
        << header + "A,4,40,1,0.0015\n" << -1 << "Line 2: the largest drive is not a size";
    QTest::newRow("no channels") << header + "A,0,40,1,10\n" << -1 << "Line 2: the channels are not a whole number";
    QTest::newRow("channels over the bound")
        << header + "A,4097,40,1,10\n" << -1 << "the channels are not a whole number from 1 to 4096.";
    QTest::newRow("Mbps as a fraction") << header + "A,4,40.5,1,10\n" << -1 << "the incoming Mbps";
    QTest::newRow("65 bays") << header + "A,4,40,65,10\n" << -1 << "the drive bays are not a whole number from 1 to 64.";
    QTest::newRow("a field too many") << header + "A,4,40,1,10,x\n" << -1 << "Line 2: a profile has 6 fields, not 5.";
    QTest::newRow("a field too few") << header + "\nA,4,40,1\n" << -1 << "Line 3: a profile has 4 fields, not 5.";
    QTest::newRow("the same name twice")
        << header + "A,4,40,1,10\nA,8,80,2,10\n" << -1 << "Line 3: There is already a profile named \"A\".";
    QTest::newRow("no name") << header + " ,4,40,1,10\n" << -1 << "Line 2: A profile needs a name.";
    QTest::newRow("a quote in the name") << header + "\"A,4,40,1,10\n" << -1 << "comma or a double quote";
    QTest::newRow("a control character") << header + "A\x01,4,40,1,10\n" << -1 << "control character";
    QTest::newRow("not UTF-8") << header + "\xff\xfe,4,40,1,10\n" << -1 << "not UTF-8 text";
    QTest::newRow("no number") << header + "A,four,40,1,10\n" << -1 << "the channels";
}

void TestRecorders::profileFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, profiles);
    QFETCH(QString, message);

    QVector<RecorderProfile> read{{QStringLiteral("kept"), {}}};
    QString error;
    const bool ok = RecorderProfileFile::parse(bytes, &read, &error);
    QCOMPARE(ok, profiles >= 0);
    if (ok) {
        QCOMPARE(read.size(), profiles);
        return;
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    // A refused file changes nothing.
    QCOMPARE(read.size(), 1);
}

// The shipped file reads, and what is written reads back; a profile that
// would not read back is not written, and the old file stays.
void TestRecorders::profilesRoundTrip()
{
    QVector<RecorderProfile> shipped;
    QString error;
    QVERIFY2(RecorderProfileFile::read(QStringLiteral(LARKSPAN_SOURCE_DIR "/dist/files/RecorderProfiles.csv"),
                                       &shipped, &error),
             qPrintable(error));
    QCOMPARE(shipped.size(), 7);
    for (int i = 0; i < shipped.size(); ++i)
        QCOMPARE(shipped.at(i).limits.channels, 4 << i);

    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(RecorderProfilesName));
    shipped.append({QStringLiteral("Site's own 24 channels"), {24, 192, 3, 18250}});
    QVERIFY2(RecorderProfileFile::write(path, shipped, &error), qPrintable(error));
    QVector<RecorderProfile> back;
    QVERIFY2(RecorderProfileFile::read(path, &back, &error), qPrintable(error));
    QCOMPARE(back, shipped);

    for (const RecorderProfile &broken : {RecorderProfile{QStringLiteral("No bays"), {4, 40, 0, 1000}},
                                          RecorderProfile{QStringLiteral("A, B"), {}}}) {
        QVERIFY(!RecorderProfileFile::write(path, QVector<RecorderProfile>(shipped) << broken, &error));
        QVERIFY2(error.contains(QLatin1String("drive bays")) || error.contains(QLatin1String("comma")),
                 qPrintable(error));
    }
    QVERIFY(RecorderProfileFile::read(path, &back, &error));
    QCOMPARE(back, shipped);
}

void TestRecorders::breaches_data()
{
    QTest::addColumn<QVector<RetentionGroup>>("groups");
    QTest::addColumn<RecorderSetup>("recorder");
    QTest::addColumn<QVector<Breach>>("breaches");

    // 32 channels, 160 Mbps, 8 bays of up to 10 TB, four 8 TB drives in
    // RAID 5; 30 days at 24 h.
    const RecorderSetup nvr{QStringLiteral("NVR-1"), {32, 160, 8, 10000}, {4, 8000, RaidLevel::Raid5}, 0};
    RecorderSetup uplinked{QStringLiteral("NVR-2"), {256, 1000, 64, 20000}, {4, 8000, RaidLevel::Raid5}, 1000};
    RecorderSetup largeDrives = nvr;
    largeDrives.array.driveGB = 10000;

    QTest::newRow("32 of 32 channels") << times(1, constant(32, 1000)) << nvr << QVector<Breach>{};
    QTest::newRow("33 of 32 channels")
        << times(1, constant(33, 1000)) << nvr << QVector<Breach>{{Breach::Channels, 33, 32}};
    QTest::newRow("160 of 160 Mbps, 8 drives in 8 bays") << times(1, constant(16, 10000)) << nvr
                                                          << QVector<Breach>{};
    QTest::newRow("161 of 160 Mbps")
        << times(1, constant(14, 11500)) << nvr << QVector<Breach>{{Breach::Bandwidth, 161, 160}};
    QTest::newRow("needs 9 drives, has 8 bays")
        << times(1, constant(16, 10000, 34)) << nvr << QVector<Breach>{{Breach::Bays, 9, 8}};
    RetentionGroup events = constant(16, 10063);
    events.recording.mode = RecordingMode::Events;
    events.recording.eventPercent = 10;
    QTest::newRow("motion recording does not lower the bandwidth")
        << times(1, events) << nvr << QVector<Breach>{{Breach::Bandwidth, 161.008, 160}};
    QTest::newRow("10 TB drives in bays of 10 TB") << times(1, constant(1, 1000)) << largeDrives << QVector<Breach>{};
    largeDrives.array.driveGB = 10001;
    QTest::newRow("drives larger than a bay takes")
        << times(1, constant(1, 1000)) << largeDrives << QVector<Breach>{{Breach::DriveSize, 10001, 10000}};
    QTest::newRow("uplink at 70 %") << times(1, constant(70, 10000)) << uplinked << QVector<Breach>{};
    QTest::newRow("uplink over 70 %")
        << times(1, constant(71, 10000)) << uplinked << QVector<Breach>{{Breach::Uplink, 710, 1000}};
    uplinked.uplinkMbps = 0;
    QTest::newRow("no uplink: not checked") << times(1, constant(71, 10000)) << uplinked << QVector<Breach>{};
}

void TestRecorders::breaches()
{
    QFETCH(QVector<RetentionGroup>, groups);
    QFETCH(RecorderSetup, recorder);
    QFETCH(QVector<Breach>, breaches);

    const RecorderCheck check = checkRecorder(groups, recorder, 24, 30);
    QCOMPARE(check.breaches.size(), breaches.size());
    for (int i = 0; i < breaches.size(); ++i) {
        QCOMPARE(check.breaches.at(i).kind, breaches.at(i).kind);
        QVERIFY(qFuzzyCompare(check.breaches.at(i).used, breaches.at(i).used));
        QCOMPARE(check.breaches.at(i).limit, breaches.at(i).limit);
    }
}

void TestRecorders::breachTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("channels") << RecorderText::breach(QStringLiteral("NVR-2"), {Breach::Channels, 36, 32})
                              << "NVR-2: 36 of 32 channels";
    QTest::newRow("bandwidth, rounded up") << RecorderText::breach(QStringLiteral("NVR-1"), {Breach::Bandwidth, 181.2, 160})
                                           << "NVR-1: 182 of 160 Mbps";
    QTest::newRow("bays") << RecorderText::breach(QStringLiteral("NVR-3"), {Breach::Bays, 10, 8})
                          << "NVR-3: needs 10 drive(s), has 8 bays";
    QTest::newRow("uplink") << RecorderText::breach(QStringLiteral("NVR-1"), {Breach::Uplink, 780, 1000})
                            << "NVR-1: uplink 70 % rule: 780 of 1000 Mbps";
    RecorderCheck check;
    check.channels = 36;
    check.peakMbps = 181.2;
    check.bays = 10;
    QTest::newRow("state") << RecorderText::state(check, {32, 160, 8, 10000})
                           << "36 / 32 channels \u00b7 182 / 160 Mbps \u00b7 10 / 8 bays";
    QTest::newRow("drive size") << RecorderText::breach(QStringLiteral("NVR-1"), {Breach::DriveSize, 12000, 10000})
                                << "NVR-1: 12 TB drives, a bay takes at most 10 TB";
}

void TestRecorders::breachTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestRecorders::spreading_data()
{
    QTest::addColumn<QVector<RetentionGroup>>("groups");
    QTest::addColumn<int>("recorders");
    QTest::addColumn<QVector<int>>("split");
    QTest::addColumn<QVector<int>>("unplaceable");

    // Recorders of 32 channels, 160 Mbps and 8 bays of 10 TB: 70 TB in
    // RAID 5. 30 days at 24 h.
    QTest::newRow("one small group") << times(1, constant(8, 1000)) << 1 << QVector<int>{} << QVector<int>{};
    QTest::newRow("channels decide: 100 channels on 4") << times(10, constant(10, 1000)) << 4 << QVector<int>{}
                                                         << QVector<int>{};
    QTest::newRow("bandwidth decides: 8 x 48 Mbps on 3") << times(8, constant(4, 12000)) << 3 << QVector<int>{}
                                                          << QVector<int>{};
    QTest::newRow("storage decides: a year of 16 Mbps on each")
        << times(2, constant(4, 4000, 365)) << 2 << QVector<int>{} << QVector<int>{};
    QTest::newRow("a group larger than a recorder is split") << times(1, constant(100, 1000)) << 4 << QVector<int>{0}
                                                             << QVector<int>{};
    RetentionGroup variable = constant(4, 20000);
    variable.recording.control = RateControl::Variable;
    QTest::newRow("a variable rate takes its peak: 2 x 120 Mbps on 2")
        << times(2, variable) << 2 << QVector<int>{} << QVector<int>{};
    QTest::newRow("one channel beyond a recorder") << QVector<RetentionGroup>{constant(1, 200000), constant(2, 1000)}
                                                   << 1 << QVector<int>{} << QVector<int>{0};
    QTest::newRow("no groups") << QVector<RetentionGroup>{} << 0 << QVector<int>{} << QVector<int>{};
}

void TestRecorders::spreading()
{
    QFETCH(QVector<RetentionGroup>, groups);
    QFETCH(int, recorders);
    QFETCH(QVector<int>, split);
    QFETCH(QVector<int>, unplaceable);

    const RecorderLimits limits{32, 160, 8, 10000};
    const DiskArraySetup kind{4, 8000, RaidLevel::Raid5};
    const SpreadProposal proposal = spreadGroups(groups, limits, kind, 24, 30);
    QCOMPARE(proposal.recorders.size(), recorders);
    QCOMPARE(proposal.splitGroups, split);
    QCOMPARE(proposal.unplaceable, unplaceable);

    // Every channel placed once, and no recorder breaks a limit or falls
    // short at the high bound.
    QVector<int> placed(groups.size());
    const RecorderSetup setup{QStringLiteral("R"), limits, largestArray(limits, kind), 0};
    for (const QVector<SpreadPart> &parts : proposal.recorders) {
        QVector<RetentionGroup> held;
        for (const SpreadPart &part : parts) {
            placed[part.group] += part.channels;
            held.append(groups.at(part.group));
            held.last().channels = part.channels;
        }
        const RecorderCheck check = checkRecorder(held, setup, 24, 30);
        QVERIFY(check.breaches.isEmpty());
        QVERIFY(check.holds());
    }
    for (int i = 0; i < groups.size(); ++i)
        QCOMPARE(placed.at(i), unplaceable.contains(i) ? 0 : groups.at(i).channels);

    // The same site, the same proposal.
    const SpreadProposal again = spreadGroups(groups, limits, kind, 24, 30);
    QCOMPARE(again.recorders, proposal.recorders);
}

// A group of 100 channels over recorders of 32: its first share keeps the
// group, the others are groups of their own, listed after it; a group of
// which no channel fits gets a recorder of its own.
void TestRecorders::spreadPlanSplitsAndNames()
{
    SitePlan plan;
    const auto group = [](const char *name, int channels, double kbps, int number) {
        PlanGroup g;
        g.name = QLatin1String(name);
        g.channels = channels;
        g.kbps = kbps;
        g.encoding = QStringLiteral("H.264");
        g.groupNumber = number;
        g.id = quint32(10 * number);
        g.recording.control = RateControl::Constant;
        return g;
    };
    plan.groups = {group("Gate(1)", 100, 1000, 1), group("Hall(2)", 4, 1000, 2), group("Beam(3)", 1, 200000, 3)};
    const RecorderProfile profile{QStringLiteral("32-channel recorder"), {32, 160, 8, 10000}};
    const DiskArraySetup kind{4, 8000, RaidLevel::Raid5};
    const SpreadProposal proposal = spreadGroups(retentionGroups(plan.groups), profile.limits, kind, 24, 7);
    const SitePlan spread = spreadPlan(plan, proposal, profile, kind);

    QStringList recorders;
    for (const PlanRecorder &r : spread.recorders) {
        recorders << r.name;
        QCOMPARE(r.profile, profile.name);
        QCOMPARE(r.limits, profile.limits);
        QCOMPARE(r.diskArray.drives, 8);
        QCOMPARE(r.diskArray.driveGB, 10000);
    }
    QCOMPARE(recorders, (QStringList{"NVR-1", "NVR-2", "NVR-3", "NVR-4", "NVR-5"}));
    QStringList groups;
    for (const PlanGroup &g : spread.groups)
        groups << QStringLiteral("%1 %2 on %3 as %4").arg(g.name).arg(g.channels).arg(g.recorder).arg(g.id);
    QCOMPARE(groups, (QStringList{"Gate(1) 32 on 1 as 10", "Gate(4) 32 on 2 as 0", "Gate(5) 32 on 3 as 0",
                                  "Gate(6) 4 on 4 as 0", "Hall(2) 4 on 4 as 20", "Beam(3) 1 on 5 as 30"}));
}

using PlanEdit = std::function<void(SitePlan &)>;

void TestRecorders::oneRecorderOnThePages_data()
{
    QTest::addColumn<PlanEdit>("onThePages"); // of the recorder's plan
    QTest::addColumn<PlanEdit>("onTheSite");  // what it makes of the site

    QTest::newRow("nothing changed") << PlanEdit([](SitePlan &) {}) << PlanEdit([](SitePlan &) {});
    QTest::newRow("a group deleted: the others stay where they were")
        << PlanEdit([](SitePlan &p) { p.groups.removeFirst(); })
        << PlanEdit([](SitePlan &p) { p.groups.removeAt(1); });
    QTest::newRow("a group added: after the site's, on the recorder") << PlanEdit([](SitePlan &p) {
        PlanGroup g;
        g.name = QStringLiteral("New(9)");
        p.groups.append(g);
    }) << PlanEdit([](SitePlan &p) {
        PlanGroup g;
        g.name = QStringLiteral("New(9)");
        g.recorder = 2;
        p.groups.append(g);
    });
    QTest::newRow("a group edited in place")
        << PlanEdit([](SitePlan &p) { p.groups[1].channels = 99; })
        << PlanEdit([](SitePlan &p) { p.groups[2].channels = 99; });
    QTest::newRow("the array: the recorder's, not the site's")
        << PlanEdit([](SitePlan &p) { p.calculation.diskArray.drives = 6; })
        << PlanEdit([](SitePlan &p) { p.recorders[1].diskArray.drives = 6; });
    QTest::newRow("the period and hours: the site's") << PlanEdit([](SitePlan &p) {
        p.calculation.saveTime = 9;
        p.calculation.sizeHoursPerDay = 12;
    }) << PlanEdit([](SitePlan &p) {
        p.calculation.saveTime = 9;
        p.calculation.sizeHoursPerDay = 12;
    });
}

// Recorder 2 of three groups (the first on recorder 1) shown on the pages and
// merged back.
void TestRecorders::oneRecorderOnThePages()
{
    QFETCH(PlanEdit, onThePages);
    QFETCH(PlanEdit, onTheSite);

    SitePlan site;
    for (int i = 1; i <= 3; ++i) {
        PlanGroup g;
        g.name = QStringLiteral("G(%1)").arg(i);
        g.groupNumber = i;
        g.id = quint32(i);
        g.channels = i;
        g.kbps = 1000;
        g.recorder = i == 1 ? 1 : 2;
        site.groups.append(g);
    }
    site.recorders = {{1, QStringLiteral("A"), QString(), {}, {4, 8000, RaidLevel::Raid5}, 0},
                      {2, QStringLiteral("B"), QString(), {}, {5, 4000, RaidLevel::Raid6}, 0}};
    site.calculation.diskSize = 40;

    SitePlan shown = recorderPlan(site, 2);
    QCOMPARE(shown.groups.size(), 2);
    QCOMPARE(shown.calculation.diskArray, site.recorders.at(1).diskArray);
    QCOMPARE(shown.calculation.diskSize, 12.0); // three data drives of 4 TB
    onThePages(shown);
    SitePlan expected = site;
    onTheSite(expected);
    QCOMPARE(mergeRecorderPlan(site, 2, shown), expected);
    // No such recorder: the site as it is, and the pages' plan as the site.
    QCOMPARE(recorderPlan(site, 7), site);
}

// Every plan of the test data saved before there were recorders reads as
// one site: no recorder to check, and its one line is the site's verdict.
void TestRecorders::plansWithoutRecordersAreOneSite()
{
    QDirIterator it(QStringLiteral(LARKSPAN_SOURCE_DIR), {QStringLiteral("*.larkspan")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int checked = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        SitePlan plan;
        QString error;
        if (path.contains(QLatin1String("/build")) || !SitePlanFile::read(path, &plan, &error)
            || !plan.recorders.isEmpty())
            continue;
        ++checked;
        QVERIFY(checkRecorders(plan).isEmpty());
        bool holds = false;
        const QStringList lines = siteCheckLines(plan, &holds);
        QCOMPARE(lines.size(), 1);
        const PlanRetention site = planRetention(plan);
        if (site.hasVerdict) {
            QVERIFY2(lines.first().endsWith(RetentionText::verdict(site.verdict)), qPrintable(path));
            QCOMPARE(holds, site.verdict.state == RetentionVerdict::Holds);
        }
    }
    QVERIFY(checked >= 5);
}

void TestRecorders::moveTargets_data()
{
    QTest::addColumn<QVector<quint32>>("site");
    QTest::addColumn<quint32>("own");
    QTest::addColumn<QStringList>("offered");

    QTest::newRow("no recorders: nowhere") << QVector<quint32>{} << 0u << QStringList{};
    QTest::newRow("the only recorder's group: nowhere") << QVector<quint32>{4} << 4u << QStringList{};
    QTest::newRow("the middle one's: the others in the site's order")
        << QVector<quint32>{9, 4, 2} << 4u << QStringList{"R9", "R2"};
    QTest::newRow("the first one's") << QVector<quint32>{9, 4, 2} << 9u << QStringList{"R4", "R2"};
    QTest::newRow("on no recorder: every one") << QVector<quint32>{9, 4} << 0u << QStringList{"R9", "R4"};
    QTest::newRow("on a recorder gone: every one") << QVector<quint32>{9, 4} << 7u << QStringList{"R9", "R4"};
}

// A group's menu offers the recorders it can move to, named as the bar names
// them.
void TestRecorders::moveTargets()
{
    QFETCH(QVector<quint32>, site);
    QFETCH(quint32, own);
    QFETCH(QStringList, offered);

    SitePlan plan;
    for (const quint32 id : site)
        plan.recorders.append({id, QStringLiteral("R%1").arg(id), QString(), {}, {}, 0});
    QStringList names;
    for (const RecorderChoice &choice : otherRecorders(recorderChoices(plan), own)) {
        QCOMPARE(choice.name, QStringLiteral("R%1").arg(choice.id));
        names << choice.name;
    }
    QCOMPARE(names, offered);
}

void TestRecorders::draggedGroups_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QVector<quint32>>("groups");

    QTest::newRow("one group, as a row gives it") << GroupDrag::encode({7}) << QVector<quint32>{7};
    QTest::newRow("several, the largest identity")
        << GroupDrag::encode({1, 4294967295u, 3}) << QVector<quint32>{1, 4294967295u, 3};
    QTest::newRow("one a line") << QByteArray("1\n7\n") << QVector<quint32>{1, 7};
    QTest::newRow("CRLF, blanks and no last newline") << QByteArray(" 2\r\n\n 5") << QVector<quint32>{2, 5};
    QTest::newRow("0, negative, beyond 32 bits, words: left out")
        << QByteArray("0\n-3\n4294967296\nten\n1e3\n8\n") << QVector<quint32>{8};
    QTest::newRow("nothing") << QByteArray() << QVector<quint32>{};
}

void TestRecorders::draggedGroups()
{
    QFETCH(QByteArray, data);
    QFETCH(QVector<quint32>, groups);

    QCOMPARE(GroupDrag::decode(data), groups);
}

QTEST_GUILESS_MAIN(TestRecorders)
#include "tst_recorders.moc"
