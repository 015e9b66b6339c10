#pragma once

#include "calc/retention.h"
#include "data/planrecords.h"
#include "data/recorderprofiles.h"
#include "data/siteplan.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// A site recorder by recorder: what each recorder takes (channels, incoming
// bandwidth, drive bays, the largest drive), what its groups ask of it, and
// every limit they break. Bandwidth is sized at the peak of the full streams
// (recording on events does not lower it); storage at the high bound of each
// group's retention, so that a recorder that passes keeps its groups whatever
// the scene and the night.

// One recorder as the rules see it.
struct RecorderSetup
{
    QString name;
    RecorderLimits limits;
    DiskArraySetup array;   // its drives
    int uplinkMbps = 0;     // the cameras' network uplink; 0 when not checked
};

// A limit that a recorder's groups break: `used` against `limit`.
struct Breach
{
    enum Kind {
        Channels,
        Bandwidth,  // the incoming Mbps at peak
        DriveSize,  // the array's drives are larger than a bay takes
        Bays,       // drives the array has or needs, against the bays
        Uplink,     // the peak against the uplink's usable share
    };
    Kind kind = Channels;
    double used = 0.0;
    double limit = 0.0;
};
bool operator==(const Breach &a, const Breach &b);

struct RecorderCheck
{
    int channels = 0;
    double peakMbps = 0.0;
    double arrayGB = 0.0;    // the array's usable capacity
    // Drives of the array's size and level that the high bound takes; 0 when
    // no set of them holds it.
    int drivesNeeded = 0;
    // Bays taken: the array's drives, or the drives needed when more.
    int bays = 0;
    bool hasVerdict = false; // groups, drives and a period
    RetentionVerdict verdict;
    QVector<Breach> breaches;

    // Within every limit, and keeps its period at the high bound.
    bool holds() const
    {
        return breaches.isEmpty() && (!hasVerdict || verdict.state == RetentionVerdict::Holds);
    }
};

// The check of one recorder holding `groups` for `siteDays` (groups with days
// of their own, for theirs) at `hoursPerDay` recording hours a day.
RecorderCheck checkRecorder(const QVector<RetentionGroup> &groups, const RecorderSetup &recorder,
                            int hoursPerDay, int siteDays);

// Each recorder of a plan with the indices of its groups and its check, at
// the recording hours of the result the plan shows and the period of
// "Calculate Size". Empty for a plan without recorders.
struct RecorderOfSite
{
    const PlanRecorder *recorder = nullptr; // in the plan checked
    QVector<int> groups;
    RecorderCheck check;
};
QVector<RecorderOfSite> checkRecorders(const SitePlan &plan);

// What a check of the whole plan says, one line each: the verdict of every
// recorder (of the site's disk, without recorders) and every breach. `holds`
// tells whether every recorder is within its limits and keeps its period at
// the high bound.
QStringList siteCheckLines(const SitePlan &plan, bool *holds);

// The plan as the pages show it with one recorder chosen: that recorder's
// groups only, its drives as the disk array and their capacity as the disk of
// "Calculate Time"; the period, the hours and the result shown stay the
// site's. `plan` itself for an identity of no recorder.
SitePlan recorderPlan(const SitePlan &plan, quint32 recorder);
// `site` with what the pages made of `recorderPlan(site, recorder)`: the
// recorder's groups replaced by `shown`'s where they stood (new ones listed
// after the site's, on the recorder), its drives by `shown`'s array, and the
// period, hours and result shown by `shown`'s. The site's own disk stays.
SitePlan mergeRecorderPlan(const SitePlan &site, quint32 recorder, const SitePlan &shown);

// The largest array a recorder of `limits` holds: every bay filled with its
// largest drive, with the level, groups, hot spares and fill limit of `kind`
// (fewer drives when the level does not take that many), or single drives
// when no set of the level fits the bays.
DiskArraySetup largestArray(const RecorderLimits &limits, const DiskArraySetup &kind);

// A proposal of which channels go on which recorder, for recorders of one
// profile with arrays of one kind.
struct SpreadPart
{
    int group = 0;    // index in the groups spread
    int channels = 0; // all of the group's, or a share when it is split
};
bool operator==(const SpreadPart &a, const SpreadPart &b);

struct SpreadProposal
{
    QVector<QVector<SpreadPart>> recorders;
    // Groups larger than one recorder, split by channels over several.
    QVector<int> splitGroups;
    // Groups of which not even one channel fits an empty recorder; they are
    // on no recorder.
    QVector<int> unplaceable;
};

// The fewest recorders of `limits`, each with the largest array of `kind`,
// that hold every group within all limits and its retention at the high
// bound, found by placing the largest groups first, each on the first
// recorder it fits. The same site gives the same proposal.
SpreadProposal spreadGroups(const QVector<RetentionGroup> &groups, const RecorderLimits &limits,
                            const DiskArraySetup &kind, int hoursPerDay, int siteDays);

// `plan` with its groups on the recorders of `proposal`, which spread
// `plan`'s groups: new recorders named "NVR-1", "NVR-2"… with the limits of
// `profile` and the largest array of `kind`. A split group keeps its
// identity, number and name for its first share; each further share is a
// group of its own with the next free number, listed after it. A group of
// which not even one channel fits gets a recorder of its own, where its
// breach shows.
SitePlan spreadPlan(const SitePlan &plan, const SpreadProposal &proposal, const RecorderProfile &profile,
                    const DiskArraySetup &kind);

// The texts that say it, in the interface language.
class RecorderText final
{
    Q_DECLARE_TR_FUNCTIONS(RecorderText)

public:
    // "NVR-2: 36 of 32 channels", "NVR-1: 182 of 160 Mbps", "NVR-3: needs 10
    // drives, has 8 bays", "NVR-1: uplink 70 % rule: 780 of 1000 Mbps".
    static QString breach(const QString &recorder, const Breach &breach);
    // "NVR-3": the name of the `number`th recorder a spreading makes.
    static QString recorderName(int number);
    // "36 / 32": channels used and the limit, for a recorder's chip.
    static QString channels(const RecorderCheck &check, const RecorderLimits &limits);
    // "36 / 32 channels · 182 / 160 Mbps · 10 / 8 bays": what a recorder's
    // groups take of each limit.
    static QString state(const RecorderCheck &check, const RecorderLimits &limits);
};
