#pragma once

#include "data/devicerecords.h"
#include "data/planrecords.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// A site plan: everything the window shows that the installer agreed on, as
// a document. Device types, rate modes and units are held as meanings, not
// display texts, so that a plan saved in one interface language opens in
// another.

// The longest texts a plan holds, counted as QString counts them (UTF-16
// code units). Far above what the editor and the shipped tables give; a
// longer text is a damaged or hostile file, and would make the report's
// layout take minutes.
namespace PlanTextLimits {
constexpr int MaxNameLength = 256;  // a group's name with its "(group number)"
constexpr int MaxFieldLength = 64;  // resolution, frame rate, encoding, scene and every fixed key
} // namespace PlanTextLimits

// What keeps a text out of a plan: too long, a control character (C0, DEL
// or C1: JSON forbids them raw, and a NUL would end up in the CSV report) or
// half of a surrogate pair without its other half.
enum class PlanTextFault
{
    None,
    TooLong,
    ControlCharacter,
    UnpairedSurrogate,
};

PlanTextFault planTextFault(const QString &text, int maxLength);
// `text` without its control characters and unpaired surrogates, as an
// editor takes a pasted text.
QString withoutPlanTextFaults(const QString &text);

// One channel group, in list order.
struct PlanGroup
{
    QString name;               // as listed, with its "(group number)" suffix
    int channels = 0;
    int deviceType = DeviceIndexIPC; // DeviceTypeIndex
    int rateMode = RateFixed;        // RateMode
    QString resolution;
    QString frameRate;          // fixed rate only
    int frameRateIndex = -1;    // in the standard's frame-rate list; -1 when not listed
    QString encoding;
    QString scene;              // recommended rate only
    double kbps = 0.0;          // per channel, as agreed: never recomputed
    int groupNumber = 0;
    // Unique within a document and never used again there; 0 until the
    // document gives it one.
    quint32 id = 0;
    // How it records and how long it is kept; the defaults are continuous
    // recording for the site's period.
    GroupRecording recording;
    // The identity of the recorder that records it; 0 in a plan without
    // recorders, where one recorder records every group.
    quint32 recorder = 0;
};
bool operator==(const PlanGroup &a, const PlanGroup &b);
inline bool operator!=(const PlanGroup &a, const PlanGroup &b) { return !(a == b); }

// The inputs of the two calculations, and which result is shown.
struct PlanCalculation
{
    double diskSize = 4; // whole GB, or TB with up to three decimals
    DiskUnit diskUnit = DiskUnit::TB;
    int timeHoursPerDay = 24;
    int saveTime = 1;
    PeriodUnit saveUnit = PeriodUnit::Week;
    int sizeHoursPerDay = 24;
    bool sizeShown = false; // "Calculate Size" rather than "Calculate Time"
    // The needed disk at the high bound of its range rather than at the
    // expected figure: a retention that holds whatever the scene and night.
    bool guaranteedRetention = false;
    // The drives last set for the disk size, and for the drives that the
    // needed size takes.
    DiskArraySetup diskArray;
};
bool operator==(const PlanCalculation &a, const PlanCalculation &b);
inline bool operator!=(const PlanCalculation &a, const PlanCalculation &b) { return !(a == b); }

// A recorder of the site: its limits, its own drives, and optionally the
// uplink of its cameras' network. The groups that name its identity are its.
struct PlanRecorder
{
    quint32 id = 0;          // unique within the plan, from 1
    QString name;
    QString profile;         // the profile it was made from; empty when none
    RecorderLimits limits;
    DiskArraySetup diskArray;
    int uplinkMbps = 0;      // 0: no uplink to check
};
bool operator==(const PlanRecorder &a, const PlanRecorder &b);
inline bool operator!=(const PlanRecorder &a, const PlanRecorder &b) { return !(a == b); }

namespace PlanRecorderLimits {
constexpr int MaxRecorders = 1000;
constexpr int MaxUplinkMbps = 1000000;
} // namespace PlanRecorderLimits

struct SitePlan
{
    int frameStandard = FramePAL; // FrameStandard
    QVector<PlanGroup> groups;
    PlanCalculation calculation;
    // Empty: the site is one recorder, the calculation's disk, holding every
    // group.
    QVector<PlanRecorder> recorders;
};
bool operator==(const SitePlan &a, const SitePlan &b);
inline bool operator!=(const SitePlan &a, const SitePlan &b) { return !(a == b); }

// A group's name as listed: the typed name followed by "(group number)".
QString listedGroupName(const QString &typedName, int groupNumber);
// The typed part of a listed name: `name` without its "(groupNumber)" at the
// end; a name that does not end so is returned whole.
QString typedGroupName(const QString &name, int groupNumber);

// The group as the device list keeps it. The device type becomes the display
// text of the current interface language.
StructDeviceItem toDeviceItem(const PlanGroup &group);

// The group a listed record stands for. `frameRates` is the frame-rate list
// of the plan's standard, where the frame rate's index is looked up; a type
// text that names no type counts as IPC, as the bitrate rule treats it.
PlanGroup toPlanGroup(const StructDeviceItem &item, const QStringList &frameRates);

// Sum of channels x per-channel kbps over the groups.
double totalKbps(const QVector<PlanGroup> &groups);

// A recorder as a list of choices offers it: its identity and its name.
struct RecorderChoice
{
    quint32 id = 0;
    QString name;
};
bool operator==(const RecorderChoice &a, const RecorderChoice &b);
inline bool operator!=(const RecorderChoice &a, const RecorderChoice &b) { return !(a == b); }

// The plan's recorders in the plan's order; empty for a site without any.
QVector<RecorderChoice> recorderChoices(const SitePlan &plan);
// Where a group on recorder `own` can move: every other recorder, in order.
QVector<RecorderChoice> otherRecorders(const QVector<RecorderChoice> &recorders, quint32 own);

// Groups dragged within the window: their identities as text, one a line.
namespace GroupDrag {
inline constexpr char MimeType[] = "application/x-larkspan-groups";
QByteArray encode(const QVector<quint32> &groups);
// The identities of dragged data; a line that is no identity (empty, 0,
// not a number, out of range) is left out.
QVector<quint32> decode(const QByteArray &data);
} // namespace GroupDrag
