#include "calc/capacityinputs.h"
#include "calc/planreport.h"
#include "data/bitratecalculator.h"
#include "data/siteplanfile.h"
#include "platform/atomicfilewriter.h"
#include "platform/targetpath.h"

#include "datafixture.h"
#include "renamingtranslator.h"
#include "sampleplan.h"
#include "unwrittenpipe.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

Q_DECLARE_METATYPE(DiskArraySetup)
Q_DECLARE_METATYPE(PlanTextFault)
Q_DECLARE_METATYPE(PlanGroup)
Q_DECLARE_METATYPE(GroupRecording)
Q_DECLARE_METATYPE(RecordingFault)

namespace {

PlanGroup group(const QString &name, int channels, int type, int mode, const QString &resolution,
                const QString &frameRate, int frameIndex, const QString &encoding, const QString &scene,
                double kbps, int number)
{
    return PlanGroup{name, channels, type, mode, resolution, frameRate, frameIndex,
                     encoding, scene, kbps, number};
}

void compareGroups(const PlanGroup &actual, const PlanGroup &expected)
{
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.channels, expected.channels);
    QCOMPARE(actual.deviceType, expected.deviceType);
    QCOMPARE(actual.rateMode, expected.rateMode);
    QCOMPARE(actual.resolution, expected.resolution);
    QCOMPARE(actual.frameRate, expected.frameRate);
    QCOMPARE(actual.frameRateIndex, expected.frameRateIndex);
    QCOMPARE(actual.encoding, expected.encoding);
    QCOMPARE(actual.scene, expected.scene);
    QCOMPARE(actual.kbps, expected.kbps); // exact: a plan keeps the agreed rate
    QCOMPARE(actual.groupNumber, expected.groupNumber);
    QCOMPARE(actual.id, expected.id);
    QVERIFY(actual.recording == expected.recording);
    QCOMPARE(actual.recorder, expected.recorder);
}

void comparePlans(const SitePlan &actual, const SitePlan &expected)
{
    QCOMPARE(actual.frameStandard, expected.frameStandard);
    QCOMPARE(actual.groups.size(), expected.groups.size());
    for (qsizetype i = 0; i < expected.groups.size(); ++i)
        compareGroups(actual.groups.at(i), expected.groups.at(i));
    const PlanCalculation &a = actual.calculation;
    const PlanCalculation &e = expected.calculation;
    QCOMPARE(a.diskSize, e.diskSize);
    QCOMPARE(a.diskUnit, e.diskUnit);
    QCOMPARE(a.timeHoursPerDay, e.timeHoursPerDay);
    QCOMPARE(a.saveTime, e.saveTime);
    QCOMPARE(a.saveUnit, e.saveUnit);
    QCOMPARE(a.sizeHoursPerDay, e.sizeHoursPerDay);
    QCOMPARE(a.sizeShown, e.sizeShown);
    QCOMPARE(a.guaranteedRetention, e.guaranteedRetention);
    QCOMPARE(a.diskArray, e.diskArray);
    QCOMPARE(actual.recorders, expected.recorders);
}

QJsonObject sampleJson()
{
    return QJsonDocument::fromJson(SitePlanFile::toJson(samplePlan(FramePAL))).object();
}

QByteArray edited(const std::function<void(QJsonObject &)> &edit)
{
    QJsonObject root = sampleJson();
    edit(root);
    return QJsonDocument(root).toJson();
}

QByteArray editedGroup(const std::function<void(QJsonObject &)> &edit)
{
    return edited([&edit](QJsonObject &root) {
        QJsonArray groups = root[QStringLiteral("groups")].toArray();
        QJsonObject first = groups.at(0).toObject();
        edit(first);
        groups.replace(0, first);
        root[QStringLiteral("groups")] = groups;
    });
}

// RFC 4180 fields of a whole file.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    return rows;
}

// GB written in a day at `kbps` and `hours` h per day, computed apart from
// the program: bits to bytes, the 0.3 % reserve and the 2.4 % size factor.
double gbPerDay(double kbps, int hours)
{
    return kbps * 1000.0 / 8.0 * 3600.0 * hours / 1e9 / 0.997 * 1.024;
}

} // namespace

class TestSitePlan final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void roundTrip_data();
    void roundTrip();
    void listRecordCarriesTheGroup_data();
    void listRecordCarriesTheGroup();
    void typedGroupName_data();
    void typedGroupName();
    void recordingFaults_data();
    void recordingFaults();
    void unusedRecordingSettings_data();
    void unusedRecordingSettings();
    void refusedFiles_data();
    void refusedFiles();
    void unreadablePaths_data();
    void unreadablePaths();
    void textsAtTheirBoundsOpen_data();
    void textsAtTheirBoundsOpen();
    void planTexts_data();
    void planTexts();
    void planThatWouldNotOpenIsNotSaved_data();
    void planThatWouldNotOpenIsNotSaved();
    void laterSectionsAndKeysAreIgnored();
    void planWithoutDiskArrayOpensWithItsDefaults();
    void diskSizeInTheFile_data();
    void diskSizeInTheFile();
    void tenThousandGroupsOpen();
    void failedSaveKeepsTheOldFile();

    void reportFigures_data();
    void reportFigures();
    void reportDiskArrayLines_data();
    void reportDiskArrayLines();
    void csvReadsBack();
    void reportNamesShippedScenesInTheInterfaceLanguage();
    void recorderSections_data();
    void recorderSections();
    void siteVerdictOfRecorders_data();
    void siteVerdictOfRecorders();
    void csvRecorders_data();
    void csvRecorders();
    void csvResultRows_data();
    void csvResultRows();
    void csvSummaryRows_data();
    void csvSummaryRows();
    void groupRetentionText_data();
    void groupRetentionText();
    void printedRecordingColumns_data();
    void printedRecordingColumns();
    void storageChartLayout_data();
    void storageChartLayout();
    void savedPlansGiveTheFiguresOfTheTotalBitrate_data();
    void savedPlansGiveTheFiguresOfTheTotalBitrate();

private:
    QTemporaryDir m_dir;
};

void TestSitePlan::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The formulas' calculator looks beside the executable for tables it
    // does not need here.
    OrvaneGUIToolkit::SetTargetPathOverride(m_dir.path());
}

void TestSitePlan::roundTrip_data()
{
    QTest::addColumn<int>("frameStandard");
    QTest::addColumn<bool>("renamedTypes");

    QTest::newRow("PAL, source texts") << int(FramePAL) << false;
    QTest::newRow("NTSC, source texts") << int(FrameNTSC) << false;
    QTest::newRow("PAL, renamed device types") << int(FramePAL) << true;
    QTest::newRow("NTSC, renamed device types") << int(FrameNTSC) << true;
}

void TestSitePlan::roundTrip()
{
    QFETCH(int, frameStandard);
    QFETCH(bool, renamedTypes);

    RenamingTranslator translator;
    if (renamedTypes)
        QCoreApplication::installTranslator(&translator);
    const SitePlan saved = samplePlan(frameStandard);
    const QString path = m_dir.filePath(QStringLiteral("round.larkspan"));
    QString error;
    QVERIFY2(SitePlanFile::write(path, saved, &error), qPrintable(error));
    QCoreApplication::removeTranslator(&translator);

    // Opened in the other language.
    SitePlan opened;
    QVERIFY2(SitePlanFile::read(path, &opened, &error), qPrintable(error));
    comparePlans(opened, saved);

    const PlanFigures before = planFigures(saved);
    const PlanFigures after = planFigures(opened);
    QCOMPARE(after.kbps, before.kbps);
    QCOMPARE(after.time.day, before.time.day);
    QCOMPARE(after.size.size, before.size.size);
    QCOMPARE(after.size.unit, before.size.unit);
}

void TestSitePlan::listRecordCarriesTheGroup_data()
{
    QTest::addColumn<PlanGroup>("group");

    const SitePlan sample = samplePlan();
    QTest::newRow("fixed rate on events, infrared, own days") << sample.groups.at(0);
    QTest::newRow("recommended rate, dual stream, constant, lit") << sample.groups.at(1);
    QTest::newRow("default recording") << sample.groups.at(2);
}

// The device list keeps a group as its record; the plan the list gives back
// is the plan it was given.
void TestSitePlan::listRecordCarriesTheGroup()
{
    QFETCH(PlanGroup, group);

    QStringList frameRates(22, QStringLiteral("?"));
    frameRates[1] = QStringLiteral("30");
    frameRates[18] = QStringLiteral("1/2");
    const PlanGroup back = toPlanGroup(toDeviceItem(group), frameRates);
    compareGroups(back, group);
}

void TestSitePlan::typedGroupName_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");

    QTest::newRow("its number dropped") << "Lobby(3)" << 3 << "Lobby";
    QTest::newRow("the bare number of an empty name") << "(2)" << 2 << "";
    QTest::newRow("two digits") << "Gate(12)" << 12 << "Gate";
    QTest::newRow("another number stays") << "Lobby(3)" << 4 << "Lobby(3)";
    QTest::newRow("the end of a longer number stays") << "Gate(12)" << 2 << "Gate(12)";
    QTest::newRow("a number inside the name stays") << "Cam(3) east(5)" << 5 << "Cam(3) east";
    QTest::newRow("a name without a number, whole") << "Lobby" << 1 << "Lobby";
}

void TestSitePlan::typedGroupName()
{
    QFETCH(QString, listed);
    QFETCH(int, number);
    QFETCH(QString, typed);

    QCOMPARE(::typedGroupName(listed, number), typed);
    if (typed != listed)
        QCOMPARE(listedGroupName(typed, number), listed);
}

namespace {

GroupRecording recordingOf(RecordingMode mode, int percent, double subKbps = 0, int days = 0,
                           int subDays = 0)
{
    GroupRecording recording;
    recording.mode = mode;
    recording.eventPercent = percent;
    recording.subStreamKbps = subKbps;
    recording.retentionDays = days;
    recording.subStreamRetentionDays = subDays;
    return recording;
}

} // namespace

void TestSitePlan::recordingFaults_data()
{
    QTest::addColumn<GroupRecording>("recording");
    QTest::addColumn<RecordingFault>("fault");

    using M = RecordingMode;
    using F = RecordingFault;
    QTest::newRow("the default") << GroupRecording() << F::None;
    QTest::newRow("events 1 %") << recordingOf(M::Events, 1) << F::None;
    QTest::newRow("events 0 %") << recordingOf(M::Events, 0) << F::EventPercent;
    QTest::newRow("events 101 %") << recordingOf(M::Events, 101) << F::EventPercent;
    QTest::newRow("365 days") << recordingOf(M::Events, 30, 0, 365) << F::None;
    QTest::newRow("366 days") << recordingOf(M::Events, 30, 0, 366) << F::RetentionDays;
    QTest::newRow("negative days") << recordingOf(M::Continuous, 100, 0, -1) << F::RetentionDays;
    QTest::newRow("dual stream with its rate") << recordingOf(M::DualStream, 25, 512) << F::None;
    QTest::newRow("dual stream at the highest rate") << recordingOf(M::DualStream, 25, 204800) << F::None;
    QTest::newRow("dual stream without a rate") << recordingOf(M::DualStream, 25, 0) << F::SubStreamKbps;
    QTest::newRow("dual stream above the highest rate")
        << recordingOf(M::DualStream, 25, 204801) << F::SubStreamKbps;
    QTest::newRow("sub-stream kept 366 days")
        << recordingOf(M::DualStream, 25, 512, 0, 366) << F::SubStreamRetentionDays;
    QTest::newRow("the event share before the days")
        << recordingOf(M::Events, 0, 0, 400) << F::EventPercent;
    QTest::newRow("events ignore the sub-stream") << recordingOf(M::Events, 30, 0, 0, 999) << F::None;
}

void TestSitePlan::recordingFaults()
{
    QFETCH(GroupRecording, recording);
    QFETCH(RecordingFault, fault);
    QCOMPARE(recordingFault(recording), fault);
}

void TestSitePlan::unusedRecordingSettings_data()
{
    QTest::addColumn<GroupRecording>("given");
    QTest::addColumn<GroupRecording>("kept");

    using M = RecordingMode;
    QTest::newRow("continuous drops its share and sub-stream")
        << recordingOf(M::Continuous, 30, 512, 14, 7) << recordingOf(M::Continuous, 100, 0, 14);
    QTest::newRow("events drop the sub-stream")
        << recordingOf(M::Events, 30, 512, 14, 7) << recordingOf(M::Events, 30, 0, 14);
    QTest::newRow("dual stream keeps everything")
        << recordingOf(M::DualStream, 30, 512, 14, 7) << recordingOf(M::DualStream, 30, 512, 14, 7);
    GroupRecording constant = recordingOf(M::Continuous, 40);
    constant.control = RateControl::Constant;
    constant.night = NightScene::Infrared;
    GroupRecording constantKept = recordingOf(M::Continuous, 100);
    constantKept.control = RateControl::Constant;
    constantKept.night = NightScene::Infrared;
    QTest::newRow("rate control and night stay") << constant << constantKept;
}

void TestSitePlan::unusedRecordingSettings()
{
    QFETCH(GroupRecording, given);
    QFETCH(GroupRecording, kept);
    GroupRecording withResolution = given;
    withResolution.subStreamResolution = QStringLiteral("D1");
    if (kept.mode == RecordingMode::DualStream)
        kept.subStreamResolution = QStringLiteral("D1");
    QVERIFY(withoutUnusedSettings(withResolution) == kept);
}

void TestSitePlan::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray whole = SitePlanFile::toJson(samplePlan(FramePAL));
    QTest::newRow("empty") << QByteArray() << "The file is empty.";
    QTest::newRow("blank lines") << QByteArray("\n \r\n") << "The file is empty.";
    QTest::newRow("not JSON") << QByteArray("Name,Channels\nGate,4\n") << "not a Larkspan plan";
    QTest::newRow("cut short") << whole.left(whole.size() / 2) << "damaged or cut short";
    QTest::newRow("JSON array") << QByteArray("[1, 2]") << "not a Larkspan plan";
    QTest::newRow("other format marker")
        << edited([](QJsonObject &r) { r[QStringLiteral("format")] = QStringLiteral("csv"); })
        << "not a Larkspan plan";
    QTest::newRow("newer version with new keys") << edited([](QJsonObject &r) {
        r[QStringLiteral("version")] = 2;
        r[QStringLiteral("cameras")] = QJsonArray{1, 2};
    }) << "newer Larkspan (plan version 2)";
    QTest::newRow("version as text")
        << edited([](QJsonObject &r) { r[QStringLiteral("version")] = QStringLiteral("1"); })
        << "Plan: \"version\" is not a whole number";
    QTest::newRow("unknown frame standard")
        << edited([](QJsonObject &r) { r[QStringLiteral("frameStandard")] = QStringLiteral("SECAM"); })
        << "\"frameStandard\" is \"SECAM\", which is none of \"pal\", \"ntsc\"";
    QTest::newRow("groups not a list")
        << edited([](QJsonObject &r) { r[QStringLiteral("groups")] = QJsonObject(); })
        << "no list of groups";
    QTest::newRow("channel count as text")
        << editedGroup([](QJsonObject &g) { g[QStringLiteral("channels")] = QStringLiteral("8"); })
        << "Group 1: \"channels\" is not a whole number from 0 to 1024.";
    QTest::newRow("negative channel count")
        << editedGroup([](QJsonObject &g) { g[QStringLiteral("channels")] = -4; })
        << "Group 1: \"channels\" is not a whole number from 0 to 1024.";
    QTest::newRow("absurd channel count")
        << editedGroup([](QJsonObject &g) { g[QStringLiteral("channels")] = 1e12; })
        << "Group 1: \"channels\" is not a whole number";
    QTest::newRow("half a channel")
        << editedGroup([](QJsonObject &g) { g[QStringLiteral("channels")] = 2.5; })
        << "Group 1: \"channels\" is not a whole number";
    QTest::newRow("negative rate")
        << editedGroup([](QJsonObject &g) { g[QStringLiteral("kbps")] = -1; })
        << "Group 1: \"kbps\" is not a number from 0 to 10000000.";
    QTest::newRow("name missing")
        << editedGroup([](QJsonObject &g) { g.remove(QStringLiteral("name")); })
        << "Group 1: \"name\" is missing.";
    QTest::newRow("display text as device type")
        << editedGroup([](QJsonObject &g) { g[QStringLiteral("deviceType")] = QStringLiteral("IPC"); })
        << "Group 1: \"deviceType\" is \"IPC\"";
    QTest::newRow("recommended rate without scene") << editedGroup([](QJsonObject &g) {
        g[QStringLiteral("rateMode")] = QStringLiteral("recommended");
        g[QStringLiteral("scene")] = QString();
    }) << "Group 1: a recommended rate names no scene.";
    QTest::newRow("group number used twice")
        << editedGroup([](QJsonObject &g) { g[QStringLiteral("groupNumber")] = 1; })
        << "group number 1 is used twice";
    const auto recordingValue = [](const char *key, const QJsonValue &value) {
        return editedGroup([key, value](QJsonObject &g) {
            QJsonObject recording = g.value(QLatin1String("recording")).toObject();
            if (value.isUndefined())
                recording.remove(QLatin1String(key));
            else
                recording.insert(QLatin1String(key), value);
            g.insert(QStringLiteral("recording"), recording);
        });
    };
    QTest::newRow("recording as a number") << editedGroup([](QJsonObject &g) { g.insert("recording", 3); })
                                           << "Group 1, recording is not a section of values.";
    QTest::newRow("events on 0 % of the hours") << recordingValue("eventPercent", 0)
                                                << "Group 1, recording: \"eventPercent\" is not a whole number from 1 to 100.";
    QTest::newRow("events on 101 % of the hours") << recordingValue("eventPercent", 101)
                                                  << "\"eventPercent\" is not a whole number from 1 to 100.";
    QTest::newRow("kept 366 days") << recordingValue("retentionDays", 366)
                                   << "\"retentionDays\" is not a whole number from 0 to 365.";
    QTest::newRow("recording mode as a display text") << recordingValue("mode", QStringLiteral("Motion"))
                                                      << "\"mode\" is \"Motion\", which is none of";
    QTest::newRow("night missing") << recordingValue("night", QJsonValue(QJsonValue::Undefined))
                                   << "Group 1, recording: \"night\" is missing.";
    const auto recorderValue = [](const char *key, const QJsonValue &value) {
        return edited([key, value](QJsonObject &r) {
            QJsonArray recorders = r.value(QLatin1String("recorders")).toArray();
            QJsonObject first = recorders.at(0).toObject();
            if (value.isUndefined())
                first.remove(QLatin1String(key));
            else
                first.insert(QLatin1String(key), value);
            recorders.replace(0, first);
            r.insert(QStringLiteral("recorders"), recorders);
        });
    };
    QTest::newRow("recorders not a list")
        << edited([](QJsonObject &r) { r.insert(QStringLiteral("recorders"), QJsonObject()); })
        << "The plan's recorders are not a list.";
    QTest::newRow("a recorder of no channels")
        << recorderValue("channels", 0) << "Recorder 1: \"channels\" is not a whole number from 1 to 4096.";
    QTest::newRow("a recorder of 65 bays") << recorderValue("driveBays", 65) << "\"driveBays\" is not a whole number from 1 to 64.";
    QTest::newRow("a recorder without drives")
        << recorderValue("diskArray", QJsonValue(QJsonValue::Undefined)) << "Recorder 1: \"diskArray\" is missing.";
    QTest::newRow("a recorder's array of 65 drives")
        << recorderValue("diskArray", QJsonObject{{"drives", 65}}) << "Recorder 1, disk array: \"drives\" is not";
    QTest::newRow("a recorder without a name") << recorderValue("name", QStringLiteral(" ")) << "Recorder 1: \"name\" is empty.";
    QTest::newRow("two recorders of one identity")
        << recorderValue("id", 70000) << "Recorder 2: identity 70000 is used twice.";
    QTest::newRow("a group on no recorder of the plan")
        << editedGroup([](QJsonObject &g) { g.insert("recorder", 2); }) << "Group 1: \"recorder\" is 2, which is no recorder of the plan.";
    QTest::newRow("a group on no recorder")
        << editedGroup([](QJsonObject &g) { g.remove("recorder"); }) << "Group 1: \"recorder\" is missing.";
    QTest::newRow("a group on a recorder of a plan without")
        << edited([](QJsonObject &r) { r.remove(QStringLiteral("recorders")); })
        << "Group 1: \"recorder\" names a recorder, but the plan has none.";
    QTest::newRow("needed disk at an unknown bound") << edited([](QJsonObject &r) {
        QJsonObject inputs = r.value(QLatin1String("calculation")).toObject();
        inputs.insert(QStringLiteral("neededAt"), true);
        r.insert(QStringLiteral("calculation"), inputs);
    }) << "Calculation: \"neededAt\" is not text.";
    QTest::newRow("identity 0") << editedGroup([](QJsonObject &g) { g.insert("id", 0); })
                                << "Group 1: \"id\" is not a whole number";
    QTest::newRow("identity as text") << editedGroup([](QJsonObject &g) { g.insert("id", "7"); })
                                      << "Group 1: \"id\" is not a whole number";
    QTest::newRow("identity used twice") << edited([](QJsonObject &r) {
        QJsonArray groups = r.value("groups").toArray();
        for (int i = 0; i < groups.size(); ++i) {
            QJsonObject g = groups.at(i).toObject();
            g.insert("id", 9);
            groups[i] = g;
        }
        r.insert("groups", groups);
    }) << "Group 2: identity 9 is used twice.";
    QTest::newRow("group that is a number") << edited([](QJsonObject &r) {
        r[QStringLiteral("groups")] = QJsonArray{7};
    }) << "Group 1 is not a group.";
    QTest::newRow("calculation missing")
        << edited([](QJsonObject &r) { r.remove(QStringLiteral("calculation")); })
        << "calculation inputs are missing";
    QTest::newRow("25 hours a day") << edited([](QJsonObject &r) {
        QJsonObject c = r[QStringLiteral("calculation")].toObject();
        c[QStringLiteral("timeHoursPerDay")] = 25;
        r[QStringLiteral("calculation")] = c;
    }) << "Calculation: \"timeHoursPerDay\" is not a whole number from 0 to 24.";
    const auto editedArray = [](const char *key, const QJsonValue &value) {
        return edited([key, value](QJsonObject &r) {
            QJsonObject a = r[QStringLiteral("diskArray")].toObject();
            a[QLatin1String(key)] = value;
            r[QStringLiteral("diskArray")] = a;
        });
    };
    QTest::newRow("disk array as a number")
        << edited([](QJsonObject &r) { r[QStringLiteral("diskArray")] = 5; })
        << "The disk array is not a section of values.";
    QTest::newRow("unknown RAID level") << editedArray("level", QStringLiteral("raid7"))
                                        << "Disk array: \"level\" is \"raid7\", which is none of";
    QTest::newRow("65 drives") << editedArray("drives", 65)
                               << "Disk array: \"drives\" is not a whole number from 0 to 64.";
    QTest::newRow("fill limit 0 %") << editedArray("fillPercent", 0)
                                    << "Disk array: \"fillPercent\" is not a whole number from 1 to 100.";
    QTest::newRow("drive size in TB with decimals") << editedArray("driveSizeGB", 1.2)
                                                    << "Disk array: \"driveSizeGB\" is not a whole number";
    const auto groupText = [](const char *key, const QString &text) {
        return editedGroup([key, text](QJsonObject &g) { g[QLatin1String(key)] = text; });
    };
    // A raw character where a JSON string may not hold one.
    const auto raw = [](const QByteArray &character) {
        QByteArray bytes = SitePlanFile::toJson(samplePlan(FramePAL));
        const QByteArray replacement = QByteArray("Gate") + character;
        return bytes.replace("Gate, ", replacement);
    };
    QTest::newRow("name of 257 characters") << groupText("name", QString(254, u'N') + QStringLiteral("(3)"))
                                            << "Group 1: \"name\" is longer than 256 characters.";
    QTest::newRow("name of a million characters") << groupText("name", QString(1 << 20, u'N'))
                                                  << "Group 1: \"name\" is longer than 256 characters.";
    QTest::newRow("encoding of 65 characters") << groupText("encoding", QString(65, u'E'))
                                               << "Group 1: \"encoding\" is longer than 64 characters.";
    QTest::newRow("long device type, not repeated") << groupText("deviceType", QString(1000, u'x'))
                                                    << "Group 1: \"deviceType\" is longer than 64 characters.";
    QTest::newRow("escaped NUL") << groupText("name", QStringLiteral("Gate\u0000(3)"))
                                 << "Group 1: \"name\" holds a control character.";
    QTest::newRow("escaped U+001F in the scene") << groupText("scene", QStringLiteral("\u001F"))
                                                 << "Group 1: \"scene\" holds a control character.";
    QTest::newRow("DEL") << groupText("resolution", QStringLiteral("1080P\u007F"))
                         << "Group 1: \"resolution\" holds a control character.";
    QTest::newRow("C1 control") << groupText("frameRate", QStringLiteral("\u008525"))
                                << "Group 1: \"frameRate\" holds a control character.";
    QTest::newRow("raw NUL") << raw(QByteArray(1, '\0')) << "Group 1: \"name\" holds a control character.";
    QTest::newRow("raw U+0001") << raw("\x01") << "Group 1: \"name\" holds a control character.";
    QTest::newRow("raw U+001F") << raw("\x1f") << "Group 1: \"name\" holds a control character.";
    QTest::newRow("raw line feed") << raw("\n") << "Group 1: \"name\" holds a control character.";
    QTest::newRow("lone high surrogate") << groupText("name", QString(QChar(0xD800)))
                                         << "Group 1: \"name\" holds a broken character";
    QTest::newRow("lone low surrogate at the end") << groupText("scene", QStringLiteral("Office") + QChar(0xDC00))
                                                   << "Group 1: \"scene\" holds a broken character";
    QTest::newRow("surrogates in the wrong order")
        << groupText("encoding", QString(QChar(0xDC00)) + QChar(0xD83D)) << "Group 1: \"encoding\" holds a broken character";
    const auto editedCalculation = [](const char *key, const QJsonValue &value, const char *unit) {
        return edited([key, value, unit](QJsonObject &r) {
            QJsonObject c = r[QStringLiteral("calculation")].toObject();
            c[QLatin1String(key)] = value;
            c[QStringLiteral("diskUnit")] = QLatin1String(unit);
            r[QStringLiteral("calculation")] = c;
        });
    };
    QTest::newRow("7.5 GB") << editedCalculation("diskSize", 7.5, "GB")
                            << "Calculation: \"diskSize\" is not a whole number of GB.";
    QTest::newRow("7.1234 TB") << editedCalculation("diskSize", 7.1234, "TB")
                               << "Calculation: \"diskSize\" has more than three decimals of a TB.";
    QTest::newRow("50001 TB") << editedCalculation("diskSize", 50001, "TB")
                              << "Calculation: \"diskSize\" is not a number from 0 to 50000.";
    QTest::newRow("disk size as text") << editedCalculation("diskSize", QStringLiteral("7.5"), "TB")
                                       << "Calculation: \"diskSize\" is not a number";
    QTest::newRow("disk unit as display text") << edited([](QJsonObject &r) {
        QJsonObject c = r[QStringLiteral("calculation")].toObject();
        c[QStringLiteral("saveUnit")] = QStringLiteral("WEEK");
        r[QStringLiteral("calculation")] = c;
    }) << "Calculation: \"saveUnit\" is \"WEEK\"";
}

void TestSitePlan::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    SitePlan plan = samplePlan(FrameNTSC);
    QString error;
    QVERIFY(!SitePlanFile::fromJson(bytes, &plan, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    comparePlans(plan, samplePlan(FrameNTSC));
}

void TestSitePlan::unreadablePaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    QTest::newRow("a folder") << "folder.larkspan" << "is a folder, not a plan";
    QTest::newRow("missing") << "gone.larkspan" << "does not exist";
    QTest::newRow("huge") << "huge.larkspan" << "too large for a plan";
    QTest::newRow("no read permission") << "locked.larkspan" << "cannot be read";
    QTest::newRow("a pipe") << "pipe.larkspan" << "is not a plan but a pipe, a device or a socket";
    QTest::newRow("a link to a device") << "device.larkspan" << "is not a plan but a pipe, a device or a socket";
}

void TestSitePlan::unreadablePaths()
{
    QFETCH(QString, name);
    QFETCH(QString, message);

    const QString path = m_dir.filePath(name);
    if (name.startsWith(QLatin1String("folder"))) {
        QVERIFY(QDir().mkpath(path));
    } else if (name.startsWith(QLatin1String("huge"))) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(SitePlanFile::MaxFileBytes + 1)); // sparse: nothing is written
    } else if (name.startsWith(QLatin1String("locked"))) {
        QVERIFY(writeFixture(m_dir.path(), name, SitePlanFile::toJson(samplePlan(FramePAL))));
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission");
    }

    std::unique_ptr<UnwrittenPipe> pipe;
    if (name.startsWith(QLatin1String("pipe"))) {
        pipe = std::make_unique<UnwrittenPipe>(path);
        QVERIFY(pipe->made());
    } else if (name.startsWith(QLatin1String("device"))) {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    }

    SitePlan plan = samplePlan(FrameNTSC);
    QString error;
    bool read = true;
    if (pipe)
        QVERIFY2(pipe->readReturns([&] { read = SitePlanFile::read(path, &plan, &error); }), "blocked");
    else
        read = SitePlanFile::read(path, &plan, &error);
    QVERIFY(!read);
    QVERIFY2(error.contains(message), qPrintable(error));
    comparePlans(plan, samplePlan(FrameNTSC));
}

// The longest texts a plan holds, and characters outside the basic plane,
// open as they were saved.
void TestSitePlan::textsAtTheirBoundsOpen_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    using namespace PlanTextLimits;
    QTest::newRow("name of 256") << "name" << QString(MaxNameLength - 3, u'N') + QStringLiteral("(3)");
    for (const char *key : {"resolution", "frameRate", "encoding"})
        QTest::addRow("%s of 64", key) << key << QString(MaxFieldLength, u'x');
    QTest::newRow("surrogate pair") << "name" << QStringLiteral("Gate 😀(3)");
    QTest::newRow("tab-free Chinese") << "encoding" << QStringLiteral("智能编码");
}

void TestSitePlan::textsAtTheirBoundsOpen()
{
    QFETCH(QString, key);
    QFETCH(QString, text);

    SitePlan plan = samplePlan(FramePAL);
    PlanGroup &first = plan.groups.first();
    QString *field = key == QLatin1String("name")         ? &first.name
                     : key == QLatin1String("resolution") ? &first.resolution
                     : key == QLatin1String("frameRate")  ? &first.frameRate
                                                          : &first.encoding;
    *field = text;
    const QString path = m_dir.filePath(QStringLiteral("bounds.larkspan"));
    QString error;
    QVERIFY2(SitePlanFile::write(path, plan, &error), qPrintable(error));
    SitePlan opened;
    QVERIFY2(SitePlanFile::read(path, &opened, &error), qPrintable(error));
    comparePlans(opened, plan);
}

void TestSitePlan::planTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<PlanTextFault>("fault");
    QTest::addColumn<QString>("withoutFaults");

    const QString pair = QStringLiteral("😀");
    const QChar high(0xD83D);
    const QChar low(0xDE00);
    QTest::newRow("empty") << QString() << 0 << PlanTextFault::None << QString();
    QTest::newRow("at the bound") << "abc" << 3 << PlanTextFault::None << "abc";
    QTest::newRow("over the bound") << "abcd" << 3 << PlanTextFault::TooLong << "abcd";
    QTest::newRow("a pair counts two") << pair << 1 << PlanTextFault::TooLong << pair;
    QTest::newRow("space and no-break space") << QStringLiteral("a b\u00A0c") << 9 << PlanTextFault::None
                                              << QStringLiteral("a b\u00A0c");
    QTest::newRow("NUL") << QString(QChar(0)) << 9 << PlanTextFault::ControlCharacter << QString();
    QTest::newRow("tab and line feed") << "a\tb\r\nc" << 9 << PlanTextFault::ControlCharacter << "abc";
    QTest::newRow("DEL and C1") << QStringLiteral("a\u007Fb\u009Fc") << 9 << PlanTextFault::ControlCharacter
                                << "abc";
    QTest::newRow("pair") << "a" + pair << 9 << PlanTextFault::None << "a" + pair;
    QTest::newRow("high alone") << QString(high) + "a" << 9 << PlanTextFault::UnpairedSurrogate << "a";
    QTest::newRow("high at the end") << "a" + QString(high) << 9 << PlanTextFault::UnpairedSurrogate << "a";
    QTest::newRow("low alone") << "a" + QString(low) + "b" << 9 << PlanTextFault::UnpairedSurrogate << "ab";
    QTest::newRow("low before high") << QString(low) + high << 9 << PlanTextFault::UnpairedSurrogate << "";
    QTest::newRow("two highs, one low") << QString(high) + high + low << 9 << PlanTextFault::UnpairedSurrogate
                                        << pair;
}

void TestSitePlan::planTexts()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(PlanTextFault, fault);
    QFETCH(QString, withoutFaults);

    QCOMPARE(planTextFault(text, maxLength), fault);
    QCOMPARE(withoutPlanTextFaults(text), withoutFaults);
}

// A plan whose texts came from an edited table or an imported scene list is
// refused when saved, as it would be when opened; the old file stays.
void TestSitePlan::planThatWouldNotOpenIsNotSaved_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("scene of 65") << 2 << "scene" << QString(65, u's')
                                 << "Group 2: \"scene\" is longer than 64 characters.";
    QTest::newRow("name of 257") << 3 << "name" << QString(257, u'n')
                                 << "Group 3: \"name\" is longer than 256 characters.";
    QTest::newRow("tab in a resolution") << 1 << "resolution" << "1080\tP"
                                         << "Group 1: \"resolution\" holds a control character.";
    QTest::newRow("half a pair in an encoding") << 2 << "encoding" << QString(QChar(0xD800))
                                                << "Group 2: \"encoding\" holds a broken character";
}

void TestSitePlan::planThatWouldNotOpenIsNotSaved()
{
    QFETCH(int, group);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, message);

    const QString path = m_dir.filePath(QStringLiteral("refused-save.larkspan"));
    QString error;
    QVERIFY(SitePlanFile::write(path, samplePlan(FramePAL), &error));
    const QByteArray old = readFixture(m_dir.path(), QStringLiteral("refused-save.larkspan"));

    SitePlan plan = samplePlan(FrameNTSC);
    PlanGroup &edited = plan.groups[group - 1];
    QString *field = key == QLatin1String("name")         ? &edited.name
                     : key == QLatin1String("resolution") ? &edited.resolution
                     : key == QLatin1String("scene")      ? &edited.scene
                                                          : &edited.encoding;
    *field = text;
    QVERIFY(!SitePlanFile::write(path, plan, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(readFixture(m_dir.path(), QStringLiteral("refused-save.larkspan")), old);
}

void TestSitePlan::laterSectionsAndKeysAreIgnored()
{
    const QByteArray bytes = edited([](QJsonObject &r) {
        r[QStringLiteral("floorPlan")] = QJsonObject{{QStringLiteral("scale"), 5}};
        r[QStringLiteral("note")] = QStringLiteral("left by a later version of the same format");
        QJsonArray groups = r[QStringLiteral("groups")].toArray();
        QJsonObject first = groups.at(0).toObject();
        first[QStringLiteral("colour")] = QStringLiteral("red");
        groups.replace(0, first);
        r[QStringLiteral("groups")] = groups;
    });
    SitePlan plan;
    QString error;
    QVERIFY2(SitePlanFile::fromJson(bytes, &plan, &error), qPrintable(error));
    comparePlans(plan, samplePlan(FramePAL));
}

void TestSitePlan::planWithoutDiskArrayOpensWithItsDefaults()
{
    const QByteArray bytes = edited([](QJsonObject &r) { r.remove(QStringLiteral("diskArray")); });
    SitePlan plan;
    plan.calculation.diskArray.drives = 9;
    QString error;
    QVERIFY2(SitePlanFile::fromJson(bytes, &plan, &error), qPrintable(error));
    QCOMPARE(plan.calculation.diskArray, DiskArraySetup());
    QCOMPARE(plan.calculation.diskSize, 123);
}

void TestSitePlan::diskSizeInTheFile_data()
{
    QTest::addColumn<double>("diskSize");
    QTest::addColumn<bool>("inTB");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("4 TB, whole: as before") << 4.0 << true << QByteArray("\"diskSize\": 4,");
    QTest::newRow("123 GB") << 123.0 << false << QByteArray("\"diskSize\": 123,");
    QTest::newRow("7.5 TB, a JSON number") << 7.5 << true << QByteArray("\"diskSize\": 7.5,");
    QTest::newRow("1234.567 TB") << 1234.567 << true << QByteArray("\"diskSize\": 1234.567,");
    QTest::newRow("50000 TB, the largest") << 50000.0 << true << QByteArray("\"diskSize\": 50000,");
}

void TestSitePlan::diskSizeInTheFile()
{
    QFETCH(double, diskSize);
    QFETCH(bool, inTB);
    QFETCH(QByteArray, written);

    SitePlan plan;
    plan.calculation.diskSize = diskSize;
    plan.calculation.diskUnit = inTB ? DiskUnit::TB : DiskUnit::GB;
    const QByteArray json = SitePlanFile::toJson(plan);
    QVERIFY2(json.contains(written), json.constData());
    SitePlan opened;
    QString error;
    QVERIFY2(SitePlanFile::fromJson(json, &opened, &error), qPrintable(error));
    QCOMPARE(opened.calculation.diskSize, diskSize);
    QCOMPARE(SitePlanFile::toJson(opened), json);
}

void TestSitePlan::tenThousandGroupsOpen()
{
    SitePlan big;
    for (int i = 1; i <= 10000; ++i) {
        big.groups.append(group(QStringLiteral("Camera(%1)").arg(i), 4, i % 2, RateFixed,
                                QStringLiteral("1080P"), QStringLiteral("25"), 1,
                                QStringLiteral("H.264"), QString(), 2048 + i, i));
    }
    const QByteArray bytes = SitePlanFile::toJson(big);
    QVERIFY(bytes.size() < SitePlanFile::MaxFileBytes);
    SitePlan opened;
    QString error;
    QVERIFY2(SitePlanFile::fromJson(bytes, &opened, &error), qPrintable(error));
    QCOMPARE(opened.groups.size(), 10000);
    QCOMPARE(opened.groups.last().kbps, 12048.0);
}

void TestSitePlan::failedSaveKeepsTheOldFile()
{
    const QString path = m_dir.filePath(QStringLiteral("kept.larkspan"));
    QString error;
    QVERIFY(SitePlanFile::write(path, samplePlan(FramePAL), &error));
    const QByteArray old = readFixture(m_dir.path(), QStringLiteral("kept.larkspan"));

    AtomicFileWriter::failWritesBeyondForTesting(100);
    const bool saved = SitePlanFile::write(path, samplePlan(FrameNTSC), &error);
    AtomicFileWriter::failWritesBeyondForTesting(-1);

    QVERIFY(!saved);
    QVERIFY2(error.contains(QLatin1String("kept.larkspan")), qPrintable(error));
    QCOMPARE(readFixture(m_dir.path(), QStringLiteral("kept.larkspan")), old);
}

void TestSitePlan::reportFigures_data()
{
    QTest::addColumn<QVector<double>>("kbpsPerGroup"); // one channel each
    QTest::addColumn<bool>("sizeShown");
    QTest::addColumn<QStringList>("time");
    QTest::addColumn<QStringList>("size");

    // 4 TB at 24 h a day, and 1 week at 12 h a day: half the 319 GB and
    // 5089 GB that a week at 24 h needs.
    QTest::newRow("4096 kbps in two groups")
        << QVector<double>{2048.0, 2048.0} << false << QStringList{"88", "12", "2"}
        << QStringList{"160", "GB"};
    QTest::newRow("64 Mbps, size shown")
        << QVector<double>{65536.0} << true << QStringList{"5", "0", "0"} << QStringList{"3", "TB"};
    QTest::newRow("no groups") << QVector<double>{} << false << QStringList{"0", "0", "0"}
                               << QStringList{"0", "GB"};
}

void TestSitePlan::reportFigures()
{
    QFETCH(QVector<double>, kbpsPerGroup);
    QFETCH(bool, sizeShown);
    QFETCH(QStringList, time);
    QFETCH(QStringList, size);

    SitePlan plan;
    for (int i = 0; i < kbpsPerGroup.size(); ++i) {
        plan.groups.append(group(QStringLiteral("G"), 1, DeviceIndexIPC, RateFixed, {}, {}, -1, {}, {},
                                 kbpsPerGroup.at(i), i + 1));
    }
    plan.calculation = {4, DiskUnit::TB, 24, 1, PeriodUnit::Week, 12, sizeShown};
    const PlanFigures figures = planFigures(plan);

    const int hours = sizeShown ? 12 : 24;
    QCOMPARE(figures.hoursPerDay, hours);
    double total = 0.0;
    for (int i = 0; i < kbpsPerGroup.size(); ++i) {
        QVERIFY(qFuzzyCompare(figures.groups.at(i).mbps, kbpsPerGroup.at(i) / 1000.0));
        QVERIFY(qFuzzyCompare(1.0 + figures.groups.at(i).gbPerDay,
                              1.0 + gbPerDay(kbpsPerGroup.at(i), hours)));
        total += kbpsPerGroup.at(i);
    }
    QVERIFY(qFuzzyCompare(1.0 + figures.gbPerDay, 1.0 + gbPerDay(total, hours)));
    QCOMPARE((QStringList{figures.time.day, figures.time.week, figures.time.month}), time);
    QCOMPARE((QStringList{figures.size.size, figures.size.unit}), size);
    QCOMPARE(figures.recordHours, 7 * 12);
}

void TestSitePlan::reportDiskArrayLines_data()
{
    QTest::addColumn<double>("kbps");
    QTest::addColumn<double>("diskSize");
    QTest::addColumn<bool>("inTB");
    QTest::addColumn<DiskArraySetup>("array");
    QTest::addColumn<QString>("arrayLine");
    QTest::addColumn<QString>("drivesLine");

    const DiskArraySetup raid6{9, 8000, RaidLevel::Raid6, 2, 1, 90};
    QTest::newRow("the disk size is the array's, in TB as Use enters it")
        << 4096.0 << 43.2 << true << raid6
        << "The disk is an array of 9 × 8 TB in RAID 6 (6 data + 2 parity + 1 hot spare(s); filled to "
           "90 %): 6 data drive(s) × 8 TB × 90 % = 43.2 TB."
        << "Drives for it: 5 × 8 TB in RAID 6 (2 data + 2 parity + 1 hot spare(s); filled to 90 %).";
    QTest::newRow("the disk size is the array's, in GB as Use entered it before")
        << 4096.0 << 43200.0 << false << raid6
        << "The disk is an array of 9 × 8 TB in RAID 6 (6 data + 2 parity + 1 hot spare(s); filled to "
           "90 %): 6 data drive(s) × 8 TB × 90 % = 43.2 TB."
        << "Drives for it: 5 × 8 TB in RAID 6 (2 data + 2 parity + 1 hot spare(s); filled to 90 %).";
    QTest::newRow("a disk size typed by hand") << 4096.0 << 43000.0 << false << raid6 << QString()
                                               << "Drives for it: 5 × 8 TB in RAID 6 (2 data + 2 parity "
                                                  "+ 1 hot spare(s); filled to 90 %).";
    QTest::newRow("a refused array gives no size") << 4096.0 << 0.0 << false << DiskArraySetup{0, 8000} << QString()
                                                   << "Drives for it: 3 × 8 TB in RAID 5 (2 data + 1 parity).";
    QTest::newRow("no groups: no drives") << 0.0 << 4000.0 << false << DiskArraySetup() << QString() << QString();
}

void TestSitePlan::reportDiskArrayLines()
{
    QFETCH(double, kbps);
    QFETCH(double, diskSize);
    QFETCH(bool, inTB);
    QFETCH(DiskArraySetup, array);
    QFETCH(QString, arrayLine);
    QFETCH(QString, drivesLine);

    SitePlan plan;
    plan.groups.append(group(QStringLiteral("G"), 1, DeviceIndexIPC, RateFixed, {}, {}, -1, {}, {}, kbps, 1));
    plan.calculation.diskSize = diskSize;
    plan.calculation.diskUnit = inTB ? DiskUnit::TB : DiskUnit::GB;
    plan.calculation.diskArray = array;
    const PlanFigures figures = planFigures(plan);
    QCOMPARE(PlanReport::diskArrayLine(plan.calculation), arrayLine);
    QCOMPARE(PlanReport::drivesNeededLine(plan.calculation, figures), drivesLine);
}

void TestSitePlan::csvReadsBack()
{
    const SitePlan plan = samplePlan(FramePAL);
    const PlanFigures figures = planFigures(plan);
    const QByteArray csv = PlanReport::toCsv(QStringLiteral("Site \"A\", east"), QDate(2026, 12, 8), plan, figures);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));

    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.mid(3)));
    const qsizetype tableRows = plan.groups.size() + 2;
    // The columns of the recording after those a script reads today.
    QCOMPARE(rows.first(),
             PlanReport::columnTitles(13) + PlanReport::csvRecordingColumnTitles(13) << QStringLiteral("Recorder"));
    for (const QStringList &row : rows.mid(0, tableRows))
        QCOMPARE(row.size(), 18);
    QCOMPARE(rows.at(1).at(0), QStringLiteral("Gate, \"north\"(3)"));
    QCOMPARE(rows.at(1).at(5), QStringLiteral("1/2"));
    QCOMPARE(rows.at(1).at(8), QStringLiteral("1234.568"));
    QCOMPARE(rows.at(2).at(0), QStringLiteral("大堂(1)"));
    QCOMPARE(rows.at(2).at(1), QStringLiteral("DVR/NVR"));
    QCOMPARE(rows.at(2).at(7), QStringLiteral("Office"));
    // 1024 channels at 204800 kbps: no group separator in the figures.
    QCOMPARE(rows.at(2).at(9), QStringLiteral("209715.200"));
    const QStringList totals = rows.at(tableRows - 1);
    QCOMPARE(totals.at(0), QStringLiteral("Total"));
    QCOMPARE(totals.at(2), QStringLiteral("1032"));
    QCOMPARE(totals.at(9).toDouble(), std::round(figures.kbps) / 1000.0);
    QCOMPARE(totals.at(10), QString::number(figures.gbPerDay, 'f', 2));
    // Events with 14 days of its own; dual stream for the site's 365 months
    // with a sub-stream of 90 days; a group at the defaults.
    QCOMPARE(rows.at(1).mid(11, 3), (QStringList{"Events 30 % · 14 day(s) · IR night", "14", ""}));
    QCOMPARE(rows.at(2).mid(11, 3),
             (QStringList{"Dual stream, events 25 % · Constant rate · Lit night", "10950", "90"}));
    QCOMPARE(rows.at(3).mid(11, 3), (QStringList{"Continuous", "10950", ""}));
    for (int i = 0; i < plan.groups.size(); ++i) {
        const Band &gb = figures.groups.at(i).gbPerDayBand;
        QCOMPARE(rows.at(i + 1).mid(14, 3), (QStringList{QString::number(gb.low, 'f', 2),
                                                      QString::number(gb.expected, 'f', 2),
                                                      QString::number(gb.high, 'f', 2)}));
    }
    const Band &siteGB = figures.retention.totals.gbPerDay;
    QCOMPARE(totals.mid(11), (QStringList{"", "", "", QString::number(siteGB.low, 'f', 2),
                                          QString::number(siteGB.expected, 'f', 2),
                                          QString::number(siteGB.high, 'f', 2), ""}));
    // Each group's recorder last, its name quoted where it holds a comma.
    QCOMPARE(rows.at(1).last(), QStringLiteral("北门, \"gate\""));
    QCOMPARE(rows.at(2).last(), QStringLiteral("NVR-1"));

    // An empty row, then the results as labelled rows, quoted where needed.
    QCOMPARE(rows.at(tableRows), QStringList{QString()});
    QCOMPARE(rows.at(tableRows + 1), (QStringList{"Storage plan", "Site \"A\", east"}));
    const QList<QStringList> results = PlanReport::resultRows(QStringLiteral("Site \"A\", east"),
                                                              QDate(2026, 12, 8), plan, figures);
    QCOMPARE(rows.mid(tableRows + 1, results.size()), results);
    // The summary's rows after them.
    // The summary's rows after them, then the recorders'.
    QCOMPARE(rows.mid(tableRows + 1 + results.size()),
             QList<QStringList>(PlanReport::summaryRows(plan, figures) + PlanReport::recorderRows(plan)));
}

void TestSitePlan::csvResultRows_data()
{
    QTest::addColumn<double>("diskSize");
    QTest::addColumn<QList<QStringList>>("rows");

    // 4096 kbps on one channel; the array is nine 8 TB drives in RAID 6 with
    // a spare, filled to 90 %: 43.2 TB.
    const QList<QStringList> start{
        {"Storage plan", "Depot"}, {"Date", "2026-12-08"}, {"Frame standard", "NTSC"}};
    const QList<QStringList> sizeRows{
        {"Disk size: save time", "1", "week(s)"},
        {"Disk size: hours per day", "24", "h"},
        {"Disk size: recording hours", "168", "h"},
        {"Disk size needed", "319", "GB"},
        {"Disk size: drives", "5 × 8 TB in RAID 6", "(2 data + 2 parity + 1 hot spare(s); filled to 90 %)"},
        {"Conventions", PlanReport::conventionsLine()},
    };
    QTest::newRow("the array's 43.2 TB")
        << 43.2
        << start + QList<QStringList>{
               {"Recording time: disk size", "43.2", "TB"},
               {"Recording time: hours per day", "24", "h"},
               {"Recording time", "950", "day(s)"},
               {"Recording time", "135", "week(s)"},
               {"Recording time", "31", "month(s)"},
               {"Recording time: disk array", "9 × 8 TB in RAID 6",
                "(6 data + 2 parity + 1 hot spare(s); filled to 90 %)",
                "6 data drive(s) × 8 TB × 90 % = 43.2 TB"},
           } + sizeRows;
    QTest::newRow("4 TB typed by hand: no array")
        << 4.0
        << start + QList<QStringList>{
               {"Recording time: disk size", "4", "TB"},
               {"Recording time: hours per day", "24", "h"},
               {"Recording time", "88", "day(s)"},
               {"Recording time", "12", "week(s)"},
               {"Recording time", "2", "month(s)"},
           } + sizeRows;
}

void TestSitePlan::csvResultRows()
{
    QFETCH(double, diskSize);
    QFETCH(QList<QStringList>, rows);

    SitePlan plan;
    plan.frameStandard = FrameNTSC;
    plan.groups.append(group(QStringLiteral("G"), 1, DeviceIndexIPC, RateFixed, {}, {}, -1, {}, {}, 4096.0, 1));
    plan.calculation.diskSize = diskSize;
    plan.calculation.diskArray = {9, 8000, RaidLevel::Raid6, 2, 1, 90};
    const PlanFigures figures = planFigures(plan);
    const QByteArray csv = PlanReport::toCsv(QStringLiteral("Depot"), QDate(2026, 12, 8), plan, figures);
    const QList<QStringList> read = parseCsv(QString::fromUtf8(csv.mid(3)));
    const qsizetype results = read.indexOf(QStringList{QString()}) + 1;
    QCOMPARE(read.mid(results, rows.size()), rows);
}

void TestSitePlan::csvSummaryRows_data()
{
    QTest::addColumn<double>("diskGB");
    QTest::addColumn<int>("ownDays"); // of the one group; -1: no group
    QTest::addColumn<QList<QStringList>>("rows");

    // One channel of 4096 kbps, variable rate, scene unknown: 0.7x to 1.4x
    // the table; a week at 24 h: 318.04 GB expected, 445.26 GB at the high bound.
    const QList<QStringList> site{
        {"Site: channels", "1"},
        {"Site: incoming at the busiest hour", "6.144", "Mbps"},
        {"Site: hours per day", "24", "h"},
        {"Site: GB per day, low", "31.80", "GB"},
        {"Site: GB per day, expected", "45.43", "GB"},
        {"Site: GB per day, high", "63.61", "GB"},
    };
    const QList<QStringList> needed{
        {"Disk size needed, low", "222.63", "GB"},
        {"Disk size needed, expected", "318.04", "GB"},
        {"Disk size needed, high", "445.26", "GB"},
    };
    auto days = [](const char *low, const char *expected, const char *high) {
        return QList<QStringList>{{"Recording time, low", low, "day(s)"},
                                  {"Recording time, expected", expected, "day(s)"},
                                  {"Recording time, high", high, "day(s)"}};
    };
    QTest::newRow("4 TB holds the week at the high bound")
        << 4000.0 << 0
        << site + days("62", "88", "125") + needed
               + QList<QStringList>{{"Retention verdict", "Holds",
                                     "Holds 7 day(s) even at the high bound, 3 TB to spare"}};
    QTest::newRow("400 GB holds it at the expected figure only")
        << 400.0 << 0
        << site + days("6", "8", "12") + needed
               + QList<QStringList>{{"Retention verdict", "At risk",
                                     "Holds 8 day(s) (6–12): short of 7 day(s) at the high bound — add 46 GB"}};
    QTest::newRow("300 GB is short")
        << 300.0 << 0
        << site + days("4", "6", "9") + needed
               + QList<QStringList>{{"Retention verdict", "Short",
                                     "Holds 6 day(s) (4–9): short of 7 day(s) even at the expected figure — add "
                                     "146 GB"}};
    // 10 days of its own: 454.35 GB expected whatever the period.
    QTest::newRow("a group with days of its own: no recording time")
        << 4000.0 << 10
        << site
               + QList<QStringList>{{"Disk size needed, low", "318.04", "GB"},
                                    {"Disk size needed, expected", "454.35", "GB"},
                                    {"Disk size needed, high", "636.09", "GB"},
                                    {"Retention verdict", "Holds",
                                     "Holds 7 day(s) even at the high bound, 3 TB to spare"}};
    QTest::newRow("no groups: the site's totals only")
        << 4000.0 << -1
        << QList<QStringList>{{"Site: channels", "0"},
                              {"Site: incoming at the busiest hour", "0.000", "Mbps"},
                              {"Site: hours per day", "24", "h"},
                              {"Site: GB per day, low", "0.00", "GB"},
                              {"Site: GB per day, expected", "0.00", "GB"},
                              {"Site: GB per day, high", "0.00", "GB"}};
}

void TestSitePlan::csvSummaryRows()
{
    QFETCH(double, diskGB);
    QFETCH(int, ownDays);
    QFETCH(QList<QStringList>, rows);

    SitePlan plan;
    if (ownDays >= 0) {
        plan.groups.append(group(QStringLiteral("G"), 1, DeviceIndexIPC, RateFixed, {}, {}, -1,
                                 QStringLiteral("H.264"), {}, 4096.0, 1));
        plan.groups[0].recording.retentionDays = ownDays;
    }
    plan.calculation.diskSize = diskGB;
    plan.calculation.diskUnit = DiskUnit::GB;
    const QByteArray csv = PlanReport::toCsv(QStringLiteral("Depot"), QDate(2026, 12, 8), plan, planFigures(plan));
    const QList<QStringList> read = parseCsv(QString::fromUtf8(csv.mid(3)));
    // After the conventions, the last of the rows a script reads today.
    const qsizetype conventions = std::find_if(read.cbegin(), read.cend(), [](const QStringList &row) {
                                      return row.value(0) == QLatin1String("Conventions");
                                  }) - read.cbegin();
    QCOMPARE(read.mid(conventions + 1), rows);
}

void TestSitePlan::groupRetentionText_data()
{
    QTest::addColumn<GroupRecording>("recording");
    QTest::addColumn<QString>("text");

    GroupRecording own;
    own.retentionDays = 14;
    GroupRecording dual;
    dual.mode = RecordingMode::DualStream;
    dual.subStreamRetentionDays = 3;
    GroupRecording dualAlike = dual;
    dualAlike.retentionDays = 3;
    QTest::newRow("the site's period") << GroupRecording() << "30 day(s) (site)";
    QTest::newRow("days of its own") << own << "14 day(s)";
        QTest::newRow("sub-stream kept shorter than the site") << dual << "30 day(s) (site); sub-stream 3 day(s)";
    QTest::newRow("sub-stream kept as long as the main stream") << dualAlike << "3 day(s)";
}

void TestSitePlan::groupRetentionText()
{
    QFETCH(GroupRecording, recording);
    QFETCH(QString, text);

    QCOMPARE(PlanReport::retentionText(recording, 30), text);
}

void TestSitePlan::printedRecordingColumns_data()
{
    QTest::addColumn<GroupRecording>("recording");
    QTest::addColumn<QStringList>("columns");

    // One channel of 4096 kbps: 45.43 GB a day at 24 h; a variable rate
    // with no scene named writes 0.7x to 1.4x that.
    GroupRecording constant;
    constant.control = RateControl::Constant;
    GroupRecording events;
    events.mode = RecordingMode::Events;
    events.eventPercent = 30;
    events.retentionDays = 14;
    const QString joiner(QChar(0x2060));
    QTest::newRow("constant rate: one figure") << constant
                                                << QStringList{"Continuous · Constant rate", "7 day(s) (site)", "45.43"};
    QTest::newRow("events, variable rate: expected, then the range")
        << events
        << QStringList{"Events 30 % · 14 day(s)", "14 day(s)",
                       "13.63 (9.54" + joiner + "–" + joiner + "19.08)"};
}

void TestSitePlan::printedRecordingColumns()
{
    QFETCH(GroupRecording, recording);
    QFETCH(QStringList, columns);

    SitePlan plan;
    plan.groups.append(group(QStringLiteral("G"), 1, DeviceIndexIPC, RateFixed, {}, {}, -1, QStringLiteral("H.264"),
                             {}, 4096.0, 1));
    plan.groups[0].recording = recording;
    const PlanFigures figures = planFigures(plan);
    QCOMPARE(PlanReport::recordingColumns(plan.groups.at(0), figures.groups.at(0), figures.retention.periodDays),
             columns);
    QCOMPARE(PlanReport::recordingTotals(figures).last(), columns.last());
}

void TestSitePlan::storageChartLayout_data()
{
    QTest::addColumn<QVector<double>>("kbps");    // one channel each, 0.7x to 1.4x
    QTest::addColumn<QVector<int>>("ownDays");    // 0: the site's week
    QTest::addColumn<int>("largest");
    QTest::addColumn<QVector<int>>("bars");       // group indices, -1 for the others
    QTest::addColumn<QVector<double>>("shares");
    QTest::addColumn<QVector<double>>("ticks");   // percent

    QTest::newRow("largest first, equal ones in the plan's order")
        << QVector<double>{1000, 3000, 1000} << QVector<int>{0, 0, 0} << 20 << QVector<int>{1, 0, 2}
        << QVector<double>{0.6, 0.2, 0.2} << QVector<double>{0, 20, 40, 60, 80};
    QTest::newRow("the two largest and the others as one bar")
        << QVector<double>{1000, 4000, 2000, 3000} << QVector<int>{0, 0, 0, 0} << 2 << QVector<int>{1, 3, -1}
        << QVector<double>{0.4, 0.3, 0.3} << QVector<double>{0, 20, 40};
    QTest::newRow("one group past the largest keeps its name")
        << QVector<double>{1000, 2000, 3000} << QVector<int>{0, 0, 0} << 2 << QVector<int>{2, 1, 0}
        << QVector<double>{0.5, 2 / 6.0, 1 / 6.0} << QVector<double>{0, 20, 40, 60};
    QTest::newRow("days of its own count: 14 days weigh twice the week")
        << QVector<double>{1000, 1000} << QVector<int>{0, 14} << 20 << QVector<int>{1, 0}
        << QVector<double>{2 / 3.0, 1 / 3.0} << QVector<double>{0, 20, 40, 60, 80};
    QTest::newRow("one group past the scale of 100 %")
        << QVector<double>{1000} << QVector<int>{0} << 20 << QVector<int>{0} << QVector<double>{1.0}
        << QVector<double>{0, 50, 100};
    QTest::newRow("no channels: no bars") << QVector<double>{0} << QVector<int>{0} << 20 << QVector<int>{}
                                          << QVector<double>{} << QVector<double>{};
    QTest::newRow("no groups: no bars") << QVector<double>{} << QVector<int>{} << 20 << QVector<int>{}
                                        << QVector<double>{} << QVector<double>{};
}

void TestSitePlan::storageChartLayout()
{
    QFETCH(QVector<double>, kbps);
    QFETCH(QVector<int>, ownDays);
    QFETCH(int, largest);
    QFETCH(QVector<int>, bars);
    QFETCH(QVector<double>, shares);
    QFETCH(QVector<double>, ticks);

    SitePlan plan;
    for (int i = 0; i < kbps.size(); ++i) {
        plan.groups.append(group(QStringLiteral("G"), kbps.at(i) > 0 ? 1 : 0, DeviceIndexIPC, RateFixed, {}, {},
                                 -1, QStringLiteral("H.264"), {}, std::max(1.0, kbps.at(i)), i + 1));
        plan.groups[i].recording.retentionDays = ownDays.at(i);
    }
    const PlanFigures figures = planFigures(plan);
    const StorageChart chart = storageChart(figures, largest);

    QCOMPARE(chart.bars.size(), bars.size());
    double highest = 0.0;
    for (int i = 0; i < bars.size(); ++i) {
        const StorageBar &bar = chart.bars.at(i);
        QCOMPARE(bar.group, bars.at(i));
        QVERIFY2(qFuzzyCompare(bar.share, shares.at(i)), qPrintable(QString::number(bar.share)));
        // A 0.7x to 1.4x band, its lengths on one scale.
        QVERIFY(qFuzzyCompare(bar.gb.high, 1.4 * bar.gb.expected));
        QVERIFY(qFuzzyCompare(bar.length.expected * chart.scaleGB, bar.gb.expected));
        QVERIFY(qFuzzyCompare(bar.length.low * chart.scaleGB, bar.gb.low));
        highest = std::max(highest, bar.length.high);
    }
    if (!bars.isEmpty())
        QCOMPARE(highest, 1.0);
    if (bars.contains(-1)) {
        QCOMPARE(chart.otherGroups, int(kbps.size()) - largest);
        QCOMPARE(chart.bars.last().groupCount, chart.otherGroups);
    }
    QVector<double> percents;
    for (const StorageTick &tick : chart.ticks) {
        percents.append(tick.percent);
        QVERIFY(tick.position <= 1.0);
        QVERIFY(qFuzzyCompare(1.0 + tick.position * chart.scaleGB, 1.0 + tick.percent / 100.0 * chart.neededGB));
    }
    QCOMPARE(percents, ticks);
}

Q_DECLARE_METATYPE(SitePlan)

// Every plan file in the sources whose groups record as plans did before
// recording settings: the report's figures are those of the total bitrate.
void TestSitePlan::savedPlansGiveTheFiguresOfTheTotalBitrate_data()
{
    QTest::addColumn<SitePlan>("plan");

    int plans = 0;
    for (const char *folder : {"/fuzz/corpus", "/tests", "/docs"}) {
        QDirIterator files(QStringLiteral(LARKSPAN_SOURCE_DIR) + QLatin1String(folder),
                           {QStringLiteral("*.larkspan")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            SitePlan plan;
            QString error;
            if (!SitePlanFile::read(path, &plan, &error))
                continue;
            const bool defaults = std::all_of(plan.groups.cbegin(), plan.groups.cend(), [](const PlanGroup &g) {
                return g.recording == GroupRecording();
            });
            if (!defaults)
                continue;
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << plan;
            ++plans;
        }
    }
    QVERIFY2(plans >= 5, "the plan files of the fuzz corpus are missing");
}

void TestSitePlan::savedPlansGiveTheFiguresOfTheTotalBitrate()
{
    QFETCH(SitePlan, plan);

    const PlanCalculation &inputs = plan.calculation;
    const PlanFigures figures = planFigures(plan);
    const double total = totalKbps(plan.groups);
    QCOMPARE(figures.kbps, total);
    const RecordTimeText time = recordTimeResult(total, inputs.diskSize, inputs.diskUnit, inputs.timeHoursPerDay);
    QCOMPARE((QStringList{figures.time.day, figures.time.week, figures.time.month}),
             (QStringList{time.day, time.week, time.month}));
    QCOMPARE(figures.time.moreThan, time.moreThan);
    // A guaranteed retention asks for the high bound of the range instead.
    if (!inputs.guaranteedRetention) {
        const DiskSizeText size = diskSizeResult(total, inputs.saveTime, inputs.saveUnit, inputs.sizeHoursPerDay);
        QCOMPARE((QStringList{figures.size.size, figures.size.unit}), (QStringList{size.size, size.unit}));
        QCOMPARE(figures.size.gigabytes, size.gigabytes);
        QCOMPARE(figures.size.moreThan, size.moreThan);
    }
    for (int i = 0; i < plan.groups.size(); ++i) {
        const double kbps = plan.groups.at(i).channels * plan.groups.at(i).kbps;
        QCOMPARE(figures.groups.at(i).kbps, kbps);
        QCOMPARE(figures.groups.at(i).gbPerDay, gigabytesPerDay(kbps, figures.hoursPerDay));
        QCOMPARE(figures.groups.at(i).gbPerDayBand.expected, figures.groups.at(i).gbPerDay);
    }
}

void TestSitePlan::reportNamesShippedScenesInTheInterfaceLanguage()
{
    const SitePlan plan = samplePlan(FramePAL);
    RenamingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QByteArray csv = PlanReport::toCsv(QStringLiteral("Depot"), QDate(2026, 12, 8), plan, planFigures(plan));
    QCoreApplication::removeTranslator(&translator);

    // The plan's "Office", a shipped scene, in the language of the report.
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.mid(3)));
    QCOMPARE(rows.at(2).at(7), QStringLiteral("办公室"));
}

using PlanEdit = std::function<void(SitePlan &)>;
Q_DECLARE_METATYPE(PlanEdit)

namespace {

// Two recorders and a group on neither, at constant rates for a week at
// 24 h: NVR-1 of a profile holds its two groups within every limit; NVR-2,
// of limits of its own, takes 6 channels of 4 and 25 Mbps of 20.
SitePlan recordersPlan()
{
    SitePlan plan;
    plan.groups = {sampleGroup(QStringLiteral("Lobby"), 4, 2048, 1), sampleGroup(QStringLiteral("Dock"), 2, 4096, 2),
                   sampleGroup(QStringLiteral("Yard"), 6, 4096, 3), sampleGroup(QStringLiteral("Spare"), 1, 1024, 4)};
    for (PlanGroup &group : plan.groups)
        group.recording.control = RateControl::Constant;
    plan.groups[0].recorder = 1;
    plan.groups[1].recorder = 1;
    plan.groups[2].recorder = 2;
    plan.recorders = {
        {1, QStringLiteral("NVR-1"), QStringLiteral("16-channel recorder"), {16, 100, 2, 8000},
         DiskArraySetup{2, 8000, RaidLevel::Raid1, 2, 0, 100}, 0},
        {2, QStringLiteral("NVR-2"), QString(), {4, 20, 1, 4000},
         DiskArraySetup{1, 4000, RaidLevel::Single, 2, 0, 100}, 0},
    };
    return plan;
}

// A section as lines: the heading, what is in use, the limits, the drives,
// the verdict's word (or "-") and text, the breaches, then each group row
// and the totals row with its fields joined by " | ".
QStringList sectionLines(const RecorderSection &section)
{
    QStringList lines{section.heading, section.state, section.limits, section.array,
                      section.hasVerdict ? PlanReport::verdictWord(section.verdictState) : QStringLiteral("-"),
                      section.verdict};
    lines += section.breaches;
    for (const QStringList &row : section.groupRows)
        lines << row.join(QStringLiteral(" | "));
    return lines;
}

} // namespace

void TestSitePlan::recorderSections_data()
{
    QTest::addColumn<PlanEdit>("edit");
    QTest::addColumn<QList<QStringList>>("sections");

    // 8192 kbps: 90.87 GB a day; 24576 kbps: 272.61 GB, 1908 GB a week.
    const QStringList nvr1{"NVR-1 — 16-channel recorder",
                           "6 / 16 channels · 17 / 100 Mbps · 2 / 2 bays",
                           "16 channels · 100 Mbps incoming · 2 bay(s) · drives up to 8 TB",
                           "2 × 8 TB in RAID 1: 8 TB usable",
                           "Holds",
                           "Holds 7 day(s) even at the high bound, 6 TB to spare",
                           "Lobby(1) | 4 | Continuous · Constant rate | 90.87",
                           "Dock(2) | 2 | Continuous · Constant rate | 90.87",
                           "Total | 6 |  | 181.74"};
    const QStringList nvr2Head{"NVR-2 — limits of its own", "6 / 4 channels · 25 / 20 Mbps · 1 / 1 bays",
                               "4 channels · 20 Mbps incoming · 1 bay(s) · drives up to 4 TB"};
    const QStringList yard{"Yard(3) | 6 | Continuous · Constant rate | 272.61", "Total | 6 |  | 272.61"};
    const QStringList nvr2Breaches{"NVR-2: 6 of 4 channels", "NVR-2: 25 of 20 Mbps"};

    QTest::newRow("no recorders: no section") << PlanEdit([](SitePlan &p) { p.recorders.clear(); })
                                               << QList<QStringList>{};
    QTest::newRow("a profile within its limits; limits of its own broken twice; a group on neither")
        << PlanEdit([](SitePlan &) {})
        << QList<QStringList>{nvr1, nvr2Head + QStringList{"1 × 4 TB as single drives: 4 TB usable", "Holds",
                                                           "Holds 7 day(s) even at the high bound, 2 TB to spare"}
                                        + nvr2Breaches + yard};
    QStringList uplinked = nvr1;
    uplinked[2] += " · uplink 1000 Mbps";
    QTest::newRow("an uplink is among the limits")
        << PlanEdit([](SitePlan &p) {
               p.recorders[0].uplinkMbps = 1000;
               p.recorders.removeLast();
           })
        << QList<QStringList>{uplinked};
    QTest::newRow("no groups: nothing to keep, nothing over a limit")
        << PlanEdit([](SitePlan &p) { p.groups[2].recorder = 0; })
        << QList<QStringList>{nvr1, {"NVR-2 — limits of its own", "0 / 4 channels · 0 / 20 Mbps · 1 / 1 bays",
                                     nvr2Head.at(2), "1 × 4 TB as single drives: 4 TB usable", "-",
                                     "Nothing to keep (no groups, drives or period)", "Total | 0 |  | 0.00"}};
    QTest::newRow("drives that are no array: why, and no verdict")
        << PlanEdit([](SitePlan &p) { p.recorders[1].diskArray = {1, 4000, RaidLevel::Raid5, 2, 0, 100}; })
        << QList<QStringList>{nvr1, QStringList{"NVR-2 — limits of its own",
                                                "6 / 4 channels · 25 / 20 Mbps · 3 / 1 bays", nvr2Head.at(2),
                                                "1 × 4 TB in RAID 5: RAID 5 takes at least 3 drives besides the "
                                                "hot spares.",
                                                "-", "Nothing to keep (no groups, drives or period)"}
                                        + nvr2Breaches + QStringList{"NVR-2: needs 3 drive(s), has 1 bays"} + yard};
}

void TestSitePlan::recorderSections()
{
    QFETCH(PlanEdit, edit);
    QFETCH(QList<QStringList>, sections);

    SitePlan plan = recordersPlan();
    edit(plan);
    QList<QStringList> actual;
    for (const RecorderSection &section : PlanReport::recorderSections(plan, planFigures(plan)))
        actual << sectionLines(section);
    QCOMPARE(actual, sections);
}

void TestSitePlan::siteVerdictOfRecorders_data()
{
    QTest::addColumn<PlanEdit>("edit");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("text");

    QTest::newRow("one recorder over its limits")
        << PlanEdit([](SitePlan &) {}) << "Short" << "1 of 2 recorder(s) fall short or break a limit: NVR-2.";
    QTest::newRow("every recorder within its limits") << PlanEdit([](SitePlan &p) { p.recorders.removeLast(); })
                                                      << "Holds"
                                                      << "Every recorder keeps its period even at the high bound, "
                                                         "within its limits.";
}

// A site of recorders is judged by its recorders, not by the disk of the
// calculation page, in the summary box and the CSV alike.
void TestSitePlan::siteVerdictOfRecorders()
{
    QFETCH(PlanEdit, edit);
    QFETCH(QString, word);
    QFETCH(QString, text);

    SitePlan plan = recordersPlan();
    edit(plan);
    const PlanFigures figures = planFigures(plan);
    const PlanReport::SiteVerdict verdict = PlanReport::siteVerdict(plan, figures);
    QVERIFY(verdict.known);
    QCOMPARE(PlanReport::verdictWord(verdict.state), word);
    QCOMPARE(verdict.text, text);
    QCOMPARE(PlanReport::summaryRows(plan, figures).last(), (QStringList{"Retention verdict", word, text}));
}

void TestSitePlan::csvRecorders_data()
{
    QTest::addColumn<PlanEdit>("edit");
    QTest::addColumn<QStringList>("recorderColumn"); // the header's, each group's and the totals'
    QTest::addColumn<QList<QStringList>>("recorderRows");

    QTest::newRow("no recorders: an empty column, no rows")
        << PlanEdit([](SitePlan &p) { p.recorders.clear(); })
        << QStringList{"Recorder", "", "", "", "", ""} << QList<QStringList>{};
    QTest::newRow("two recorders, one over its limits")
        << PlanEdit([](SitePlan &) {})
        << QStringList{"Recorder", "NVR-1", "NVR-1", "NVR-2", "", ""}
        << QList<QStringList>{
               {"Recorder: channels", "NVR-1", "6", "16"},
               {"Recorder: incoming at the busiest hour", "NVR-1", "16.384", "100", "Mbps"},
               {"Recorder: bays", "NVR-1", "2", "2"},
               {"Recorder: array capacity", "NVR-1", "8000.00", "GB"},
               {"Recorder: retention verdict", "NVR-1", "Holds", "Holds 7 day(s) even at the high bound, 6 TB to spare"},
               {"Recorder: channels", "NVR-2", "6", "4"},
               {"Recorder: incoming at the busiest hour", "NVR-2", "24.576", "20", "Mbps"},
               {"Recorder: bays", "NVR-2", "1", "1"},
               {"Recorder: array capacity", "NVR-2", "4000.00", "GB"},
               {"Recorder: retention verdict", "NVR-2", "Holds", "Holds 7 day(s) even at the high bound, 2 TB to spare"},
               {"Recorder: over a limit", "NVR-2", "NVR-2: 6 of 4 channels"},
               {"Recorder: over a limit", "NVR-2", "NVR-2: 25 of 20 Mbps"},
           };
    QTest::newRow("a recorder without groups: no verdict row")
        << PlanEdit([](SitePlan &p) {
               p.recorders.removeLast();
               p.groups[0].recorder = 0;
               p.groups[1].recorder = 0;
           })
        << QStringList{"Recorder", "", "", "", "", ""}
        << QList<QStringList>{{"Recorder: channels", "NVR-1", "0", "16"},
                              {"Recorder: incoming at the busiest hour", "NVR-1", "0.000", "100", "Mbps"},
                              {"Recorder: bays", "NVR-1", "2", "2"},
                              {"Recorder: array capacity", "NVR-1", "8000.00", "GB"}};
}

void TestSitePlan::csvRecorders()
{
    QFETCH(PlanEdit, edit);
    QFETCH(QStringList, recorderColumn);
    QFETCH(QList<QStringList>, recorderRows);

    SitePlan plan = recordersPlan();
    edit(plan);
    const PlanFigures figures = planFigures(plan);
    const QByteArray csv = PlanReport::toCsv(QStringLiteral("Depot"), QDate(2026, 12, 8), plan, figures);
    const QList<QStringList> read = parseCsv(QString::fromUtf8(csv.mid(3)));
    const qsizetype tableRows = plan.groups.size() + 2;
    QStringList column;
    for (const QStringList &row : read.mid(0, tableRows)) {
        QCOMPARE(row.size(), 18);
        column << row.last();
    }
    QCOMPARE(column, recorderColumn);
    // After the summary's rows, the last of the rows a script read before.
    const qsizetype verdict = std::find_if(read.cbegin(), read.cend(), [](const QStringList &row) {
                                  return row.value(0) == QLatin1String("Retention verdict");
                              }) - read.cbegin();
    QCOMPARE(read.mid(verdict + 1), recorderRows);
}

QTEST_GUILESS_MAIN(TestSitePlan)
#include "tst_siteplan.moc"
