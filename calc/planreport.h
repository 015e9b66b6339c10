#pragma once

#include "calc/capacityresults.h"
#include "calc/retention.h"
#include "data/siteplan.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>


// The figures of a plan's report, each computed by the code the window uses.
struct GroupFigures
{
    double kbps = 0.0;     // the whole group: channels x kbps per channel
    double mbps = 0.0;
    double gbPerDay = 0.0; // at the report's hours per day
    // With the group's recording: what a day writes at the report's hours,
    // and what keeping it for its retention takes (its own days, or the
    // period of the disk size, at that page's hours).
    Band gbPerDayBand;
    Band storedGB;
};

struct PlanFigures
{
    QVector<GroupFigures> groups; // in the plan's group order
    int channels = 0;
    double kbps = 0.0; // the site's total, summed as the device list sums it
    double mbps = 0.0;
    double gbPerDay = 0.0;
    int hoursPerDay = 24; // of the result the plan shows
    RecordTimeText time;  // what the entered disk holds
    int sizeHoursPerDay = 0; // of the entered period
    int recordHours = 0;  // of the entered period
    DiskSizeText size;    // what the entered period needs
    PlanRetention retention; // totals, ranges and verdict with each group's recording
};

PlanFigures planFigures(const SitePlan &plan);

// The chart of storage by group: each group's GB for its retention as a
// share of what the period needs (the expected figure), the largest groups
// as bars of their own and the rest as one bar, last. Lengths are fractions
// of the scale, the largest high figure, so that every whisker fits.
struct StorageBar
{
    int group = -1;       // the plan's group index; -1 for the other groups together
    int groupCount = 1;
    Band gb;
    double share = 0.0;   // expected over the needed expected figure
    Band length;          // gb over the scale
};

// A line of the scale, at a round share of the needed figure.
struct StorageTick
{
    double percent = 0.0;
    double position = 0.0; // over the scale
};

struct StorageChart
{
    QVector<StorageBar> bars;
    QVector<StorageTick> ticks; // from 0 %, at most six
    double neededGB = 0.0; // what the shares are of
    double scaleGB = 0.0;
    int otherGroups = 0;   // in the last bar
    int hoursPerDay = 0;
    int periodDays = 0;
};

// A recorder's part of the printed report: who it is, what its groups take
// of its limits, its drives, its verdict on retention, every limit its groups
// break, and its groups with their totals.
struct RecorderSection
{
    QString heading; // "NVR-1 — 32-channel recorder"
    QString state;   // "36 / 32 channels · 182 / 160 Mbps · 10 / 8 bays"
    QString limits;
    QString array;
    bool hasVerdict = false;
    RetentionVerdict::State verdictState = RetentionVerdict::Holds;
    QString verdict; // the verdict, or that there is nothing to keep
    QStringList breaches;
    // Name, channels, recording and GB per day (expected, then the range),
    // then the totals row.
    QVector<QStringList> groupRows;
};

constexpr int StorageChartBars = 20;
// No bars when there is nothing stored.
StorageChart storageChart(const PlanFigures &figures, int largestGroups = StorageChartBars);

// The texts of the report, in the interface language: the table of groups
// with its totals row, the result lines with the inputs they came from, and
// the conventions. Numbers are written without group separators.
class PlanReport final
{
    Q_DECLARE_TR_FUNCTIONS(PlanReport)

public:
    static QStringList columnTitles(int hoursPerDay);
    static QStringList groupRow(const PlanGroup &group, const GroupFigures &figures);
    static QStringList totalsRow(const PlanFigures &figures);

    static QString frameStandardText(int frameStandard);
    static QString siteTotalLine(const PlanFigures &figures);
    static QString recordTimeLine(const PlanCalculation &inputs, const PlanFigures &figures);
    static QString diskSizeLine(const PlanCalculation &inputs, const PlanFigures &figures);
    // The plan's disk array: the one that gave the entered disk size, when it
    // did; and the drives that the needed size takes, as the window shows
    // them. Empty when there is nothing to say.
    static QString diskArrayLine(const PlanCalculation &inputs);
    static QString drivesNeededLine(const PlanCalculation &inputs, const PlanFigures &figures);
    static QString conventionsLine();

    // The columns with each group's recording, after the table's others: in
    // the printed report the GB per day as a range, in the CSV its low,
    // expected and high figures and the sub-stream's days apart.
    static QStringList recordingColumnTitles(int hoursPerDay);
    static QStringList recordingColumns(const PlanGroup &group, const GroupFigures &figures, int periodDays);
    static QStringList recordingTotals(const PlanFigures &figures);
    static QStringList csvRecordingColumnTitles(int hoursPerDay);
    static QStringList csvRecordingColumns(const PlanGroup &group, const GroupFigures &figures, int periodDays);
    static QStringList csvRecordingTotals(const PlanFigures &figures);
    // "14 days", or "30 days (site)" for the site's period; a dual stream's
    // sub-stream with days of its own adds them.
    static QString retentionText(const GroupRecording &recording, int periodDays);

    // The summary at the head of the report. The state is told by a symbol
    // and a word, so that it reads in black and white.
    static QString verdictSymbol(RetentionVerdict::State state);
    static QString verdictWord(RetentionVerdict::State state);
    // The site's verdict: its disk against its period, or, for a site of
    // recorders, whether every recorder keeps its period within its limits.
    struct SiteVerdict
    {
        bool known = false;
        RetentionVerdict::State state = RetentionVerdict::Short;
        QString text;
    };
    static SiteVerdict siteVerdict(const SitePlan &plan, const PlanFigures &figures);
    static QString summaryTotalsLine(const PlanFigures &figures);
    // Empty when there is no disk, or no period, to speak of.
    static QString summaryTimeLine(const PlanCalculation &inputs, const PlanFigures &figures);
    static QString summarySizeLine(const PlanCalculation &inputs, const PlanFigures &figures);

    // "9–15 TB · 28.1 %", and the bar's name: the group's, or "Others".
    static QString storageBarLabel(const SitePlan &plan, const StorageBar &bar);
    static QString storageBarText(const StorageBar &bar);
    static QString storageChartCaption(const StorageChart &chart);

    // The summary's figures as labelled rows, after the result rows: the
    // site's totals, the ranges of the results and the verdict.
    static QVector<QStringList> summaryRows(const SitePlan &plan, const PlanFigures &figures);

    // What the report says under the table, one labelled row each: the plan,
    // its date (ISO 8601) and frame standard, the recording time with its
    // inputs and the array that gave the disk size, the disk size needed
    // with its inputs and the drives that hold it, and the conventions. A
    // row is a label, then the figure and its unit (or the texts of a line).
    static QVector<QStringList> resultRows(const QString &planName, const QDate &date, const SitePlan &plan,
                                           const PlanFigures &figures);

    // One section per recorder, in the plan's order of recorders; none for a
    // plan without recorders.
    static QStringList recorderGroupTitles(int hoursPerDay);
    static QVector<RecorderSection> recorderSections(const SitePlan &plan, const PlanFigures &figures);
    // "NVR-1 — 32-channel recorder", or "NVR-1 — limits of its own".
    static QString recorderHeading(const PlanRecorder &recorder);
    // "32 channels · 256 Mbps incoming · 4 bay(s) · drives up to 16 TB", and
    // the uplink when one is checked.
    static QString recorderLimitsLine(const PlanRecorder &recorder);
    // "4 × 8 TB in RAID 5: 24 TB usable", or why the drives give nothing.
    static QString recorderArrayLine(const DiskArraySetup &array);

    // The recorders' rows of the CSV, labelled, each with the recorder's
    // name second: channels, Mbps at peak and bays against their limits,
    // the array's capacity, the verdict, and one row per limit broken.
    static QVector<QStringList> recorderRows(const SitePlan &plan);

    // One row per group and a totals row under a header row (the recording
    // columns, then the group's recorder, last), then an empty row, the result
    // rows, the summary rows and the recorders' rows; UTF-8 with a byte order mark, lines ended by
    // CR LF, fields quoted where they hold a comma, a quote or a line break
    // (RFC 4180).
    static QByteArray toCsv(const QString &planName, const QDate &date, const SitePlan &plan,
                            const PlanFigures &figures);
};
