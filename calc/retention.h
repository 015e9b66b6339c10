#pragma once

#include "calc/capacityresults.h"
#include "calc/diskarray.h"
#include "data/planrecords.h"
#include "data/siteplan.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// Retention as an installer signs it: what each group writes, how long it is
// kept, and whether a disk keeps it, as a range rather than one figure.
//
// The bitrate tables give the rate of a typical scene. A real stream moves
// with the scene, with the night and with how much its encoding saves in the
// field, so every figure here is a band: low, expected and high. The expected
// factors are 1, so the expected figure is the figure of the tables; a
// constant-rate stream writes its set rate, so its band has width 1.
//
// Recording on events is a duty cycle on storage (exact), never on the
// incoming bandwidth: a recorder takes the full stream whenever it records.

// Three figures of one quantity.
struct Band
{
    double low = 0.0;
    double expected = 0.0;
    double high = 0.0;

    static Band exactly(double value) { return {value, value, value}; }
    Band operator*(const Band &other) const
    {
        return {low * other.low, expected * other.expected, high * other.high};
    }
    Band operator*(double factor) const { return {low * factor, expected * factor, high * factor}; }
    Band &operator+=(const Band &other)
    {
        low += other.low;
        expected += other.expected;
        high += other.high;
        return *this;
    }
};
bool operator==(const Band &a, const Band &b);

// The factors of the bands, each a published figure turned into a range
// around the tables' typical scene.
namespace RangeFactors {

// Scene variation of a variable-rate stream. A complex outdoor scene writes
// up to 4x a simple indoor one at the same settings; a group that names its
// scene (a recommended rate) varies within that scene only.
Band scene(bool sceneKnown);
// Night, applied to the night share of the recording hours: under infrared a
// stream writes up to 2x its day rate.
Band night(NightScene night);
// Field saving of an encoding against the tables, which follow laboratory
// tests: H.265 saves 10-20 % in the field against 35-45 % in the laboratory;
// smart codecs save from 40 % to 90 % depending on the scene.
Band encoding(const QString &encoding);
// True when `encoding` is one the factors know.
bool isKnownEncoding(const QString &encoding);
// The share of `hoursPerDay` recording hours that lies in the dark: the hours
// beyond 12 of daylight.
double nightShare(int hoursPerDay);
// A variable-rate stream's busiest hour against its daily average.
constexpr double PeakHour = 1.5;

} // namespace RangeFactors

// One group, as the retention rules see it.
struct RetentionGroup
{
    int channels = 0;
    double kbps = 0.0;        // per channel, the main stream's table or typed rate
    bool sceneKnown = false;  // a recommended rate, which names its scene
    QString encoding;
    GroupRecording recording;
};

// A plan's group as the retention rules see it.
RetentionGroup retentionGroup(const PlanGroup &group);
QVector<RetentionGroup> retentionGroups(const QVector<PlanGroup> &groups);

// The band of one channel's rate for a stream of `kbps` at the table, averaged
// over the recording hours (before any duty cycle).
Band streamKbps(double kbps, const RetentionGroup &group, int hoursPerDay);

// What a group writes, in kbps averaged over the recording hours, split by how
// long it is kept.
struct StreamShare
{
    Band kbps;                // all channels of the group
    int retentionDays = 0;    // 0: the site's period
};
QVector<StreamShare> streamShares(const RetentionGroup &group, int hoursPerDay);

// The site's totals: channels, the incoming bandwidth at the busiest hour with
// every stream at its full rate (what a recorder and its network must take),
// and what a day of recording writes.
struct SiteTotals
{
    int channels = 0;
    double peakKbps = 0.0;
    Band gbPerDay;
};
SiteTotals siteTotals(const QVector<RetentionGroup> &groups, int hoursPerDay);

// GB that keeping every group for its retention takes, the site's period being
// `siteDays`, at `hoursPerDay` recording hours a day.
Band neededGB(const QVector<RetentionGroup> &groups, int hoursPerDay, int siteDays);

// Days that `diskGB` keeps the groups that follow the site's period, once the
// groups with a retention of their own have theirs: low at the high rates,
// high at the low rates. Negative when those groups alone need more than the
// disk; `keepsOthers` false when every group has a retention of its own.
struct RetentionDays
{
    Band days;
    bool keepsOthers = true;
};
RetentionDays retentionDays(const QVector<RetentionGroup> &groups, int hoursPerDay, double diskGB);

// Whether a disk keeps the site for its period: at the high bound, at the
// expected figure only, or not even then. Short of the high bound, the advice
// is the GB to add and, with a disk array, the drives of its kind that hold it.
struct RetentionVerdict
{
    enum State {
        Holds,        // even at the high bound
        ExpectedOnly, // at the expected figure, short at the high bound
        Short,        // short even at the expected figure
    };
    State state = Short;
    RetentionDays days;     // what the disk keeps
    int requiredDays = 0;
    Band neededGB;
    double spareGB = 0.0;   // Holds: the disk beyond the high bound
    double missingGB = 0.0; // otherwise: what the high bound needs beyond the disk
    // With an array: the set that holds the high bound, and how many drives
    // that is beyond the array's.
    bool withArray = false;
    DrivesNeeded drives;
    int moreDrives = 0;
};
RetentionVerdict retentionVerdict(const QVector<RetentionGroup> &groups, int hoursPerDay, int requiredDays,
                                  double diskGB, const DiskArraySetup *array = nullptr);

// The results the pages show, with each group's recording and retention:
// the expected figures, and the needed disk at the high bound when asked.
// With every group recording continuously for the site's period they are the
// results of the total bitrate to the last digit. When the groups with days
// of their own fill the disk, it keeps the others for 0 days.
RecordTimeText recordTimeResult(const QVector<RetentionGroup> &groups, double diskSize, DiskUnit unit,
                                int hoursPerDay);
DiskSizeText diskSizeResult(const QVector<RetentionGroup> &groups, int count, PeriodUnit unit, int hoursPerDay,
                            bool highBound = false);

// Days in `count` periods of `unit`, a month being 30 days as the size
// result counts it.
int periodDays(int count, PeriodUnit unit);

// A plan's retention as the window and the report show it. The disk is the
// one of "Calculate Time", the period the one of "Calculate Size"; each of
// their figures is at its page's recording hours, and the totals and the
// verdict at the hours of the result the plan shows.
struct PlanRetention
{
    int hoursPerDay = 0;       // of the result shown
    SiteTotals totals;         // at hoursPerDay
    double diskGB = 0.0;
    RetentionDays diskDays;    // what the disk keeps, at its page's hours
    int periodDays = 0;
    Band neededGB;             // what the period takes, at its page's hours
    // The needed disk the size page shows: the expected figure, or the high
    // bound when the plan asks for a guaranteed retention.
    double shownNeededGB = 0.0;
    // The disk set by the disk array dialog, when the disk is its capacity.
    bool diskIsArray = false;
    // Groups, a disk and a period: whether the disk keeps the period.
    bool hasVerdict = false;
    RetentionVerdict verdict;
};
PlanRetention planRetention(const SitePlan &plan);
// The same for groups and inputs of a plan that is not whole: the
// calculation page has its own inputs and the groups' retention view.
PlanRetention planRetention(const QVector<RetentionGroup> &groups, const PlanCalculation &inputs);

// The texts that show retention, in the interface language. Days are whole
// days, as the result pages show them (a part of a day is not kept); sizes
// are whole TB, or whole GB below 1 TB, rounded up as the size result is.
class RetentionText final
{
    Q_DECLARE_TR_FUNCTIONS(RetentionText)

public:
    // "24 days", or "19–31 days" for a band.
    static QString days(const Band &days);
    // "44–81 TB", "320 GB".
    static QString size(const Band &gb);
    // "Continuous", "Events 30 %", "Dual stream, events 25 %", with
    // " · 14 days" where the group has a retention of its own, then
    // " · Constant rate" and " · IR night" or " · Lit night" where set.
    static QString recording(const GroupRecording &recording);
    // "Holds 30 days even at the high bound, 6 TB to spare", or "Holds 24
    // days (19–31): short of 30 days at the high bound — add 11 TB (2 more
    // 8 TB drives in RAID 6)".
    static QString verdict(const RetentionVerdict &verdict);
    // The site's totals on one line: "40 channels · 196 Mbps at peak ·
    // 1.98 TB/day (1.58–2.77)"; GB a day below 1 TB. Empty without channels.
    static QString summary(const SiteTotals &totals);
    // What a verdict compares and what its bounds mean, for its tool tip.
    static QString verdictDetails(const PlanRetention &figures);
};
