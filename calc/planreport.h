#pragma once

#include "calc/capacityresults.h"
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
    int recordHours = 0;  // of the entered period
    DiskSizeText size;    // what the entered period needs
};

PlanFigures planFigures(const SitePlan &plan);

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

    // What the report says under the table, one labelled row each: the plan,
    // its date (ISO 8601) and frame standard, the recording time with its
    // inputs and the array that gave the disk size, the disk size needed
    // with its inputs and the drives that hold it, and the conventions. A
    // row is a label, then the figure and its unit (or the texts of a line).
    static QVector<QStringList> resultRows(const QString &planName, const QDate &date, const SitePlan &plan,
                                           const PlanFigures &figures);

    // One row per group and a totals row under a header row, then an empty
    // row and the result rows; UTF-8 with a byte order mark, lines ended by
    // CR LF, fields quoted where they hold a comma, a quote or a line break
    // (RFC 4180).
    static QByteArray toCsv(const QString &planName, const QDate &date, const SitePlan &plan,
                            const PlanFigures &figures);
};
