#include "calc/planreport.h"

#include "calc/capacityinputs.h"
#include "calc/diskarray.h"
#include "calc/retention.h"
#include "data/deviceinfomanager.h"
#include "data/scenenames.h"

#include <cmath>

namespace {

// Fixed decimals with trailing zeros dropped; never a group separator.
QString decimal(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString mbpsText(double mbps)
{
    return QString::number(mbps, 'f', 3);
}

QString gbText(double gb)
{
    return QString::number(gb, 'f', 2);
}

QString csvField(const QString &field)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    for (const QChar c : needsQuotes) {
        if (field.contains(c)) {
            QString quoted = field;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return field;
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted << csvField(field);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// A disk-size field's figure in whole GB, which it always is.
qint64 fieldGigabytes(double size, DiskUnit unit)
{
    return std::llround(unit == DiskUnit::TB ? size * DiskSizeLimits::Thousandths : size);
}

// The array that gave the entered disk size, when it did; in either unit, as
// a plan saved before TB took decimals holds 43.2 TB as 43200 GB.
bool arrayGaveDiskSize(const PlanCalculation &inputs, DiskArrayCapacity *capacity)
{
    *capacity = diskArrayCapacity(inputs.diskArray);
    const DiskSizeEntry entry = diskSizeEntry(capacity->usableCentiGB);
    return capacity->isPossible()
           && fieldGigabytes(entry.size, entry.unit) == fieldGigabytes(inputs.diskSize, inputs.diskUnit);
}

// The drives that hold the needed size, when there is one to hold.
bool drivesForNeededSize(const PlanCalculation &inputs, const PlanFigures &figures, DiskArrayText::Line *line)
{
    const qint64 neededGB = figures.size.gigabytes;
    if (figures.size.moreThan || neededGB <= 0)
        return false;
    *line = DiskArrayText::drivesNeeded(drivesNeeded(neededGB, inputs.diskArray), neededGB);
    return true;
}

QString periodUnitText(PeriodUnit unit)
{
    switch (unit) {
    case PeriodUnit::Day:
        return PlanReport::tr("day(s)");
    case PeriodUnit::Week:
        return PlanReport::tr("week(s)");
    case PeriodUnit::Month:
        break;
    }
    return PlanReport::tr("month(s)");
}

} // namespace

PlanFigures planFigures(const SitePlan &plan)
{
    const PlanCalculation &inputs = plan.calculation;
    PlanFigures figures;
    figures.hoursPerDay = inputs.sizeShown ? inputs.sizeHoursPerDay : inputs.timeHoursPerDay;
    figures.groups.reserve(plan.groups.size());
    for (const PlanGroup &group : plan.groups) {
        GroupFigures row;
        row.kbps = group.channels * group.kbps;
        row.mbps = row.kbps / 1000.0;
        row.gbPerDay = gigabytesPerDay(row.kbps, figures.hoursPerDay);
        figures.groups.append(row);
        figures.channels += group.channels;
    }
    figures.kbps = totalKbps(plan.groups);
    figures.mbps = figures.kbps / 1000.0;
    figures.gbPerDay = gigabytesPerDay(figures.kbps, figures.hoursPerDay);
    // The results with each group's recording, as the pages show them.
    const QVector<RetentionGroup> groups = retentionGroups(plan.groups);
    figures.time = recordTimeResult(groups, inputs.diskSize, inputs.diskUnit, inputs.timeHoursPerDay);
    figures.recordHours = recordHoursOf(inputs.saveTime, inputs.saveUnit, inputs.sizeHoursPerDay);
    figures.size = diskSizeResult(groups, inputs.saveTime, inputs.saveUnit, inputs.sizeHoursPerDay,
                                  inputs.guaranteedRetention);
    return figures;
}

QStringList PlanReport::columnTitles(int hoursPerDay)
{
    return {tr("Name"),       tr("Type"),     tr("Channels"),          tr("Rate mode"),
            tr("Resolution"), tr("Frame rate"), tr("Encoding"),        tr("Scene"),
            tr("kbps per channel"), tr("Group Mbps"), tr("GB per day (%1 h)").arg(hoursPerDay)};
}

QStringList PlanReport::groupRow(const PlanGroup &group, const GroupFigures &figures)
{
    const bool fixed = group.rateMode == RateFixed;
    return {group.name,
            DeviceInfoManager::deviceTypeName(group.deviceType),
            QString::number(group.channels),
            fixed ? tr("Fixed rate") : tr("Recommended rate"),
            group.resolution,
            fixed ? group.frameRate : QString(),
            group.encoding,
            fixed ? QString() : SceneNames::displayName(group.scene),
            decimal(group.kbps, 3),
            mbpsText(figures.mbps),
            gbText(figures.gbPerDay)};
}

QStringList PlanReport::totalsRow(const PlanFigures &figures)
{
    return {tr("Total"), QString(), QString::number(figures.channels), QString(), QString(), QString(),
            QString(), QString(), QString(), mbpsText(figures.mbps), gbText(figures.gbPerDay)};
}

QString PlanReport::frameStandardText(int frameStandard)
{
    return frameStandard == FramePAL ? tr("PAL") : tr("NTSC");
}

QString PlanReport::siteTotalLine(const PlanFigures &figures)
{
    return tr("Site total: %1 channels, %2 Mbps, %3 GB per day at %4 h per day.")
        .arg(figures.channels)
        .arg(mbpsText(figures.mbps), gbText(figures.gbPerDay))
        .arg(figures.hoursPerDay);
}

QString PlanReport::recordTimeLine(const PlanCalculation &inputs, const PlanFigures &figures)
{
    return tr("A disk of %1 %2, recording %3 h per day, holds %4 day(s), that is %5 week(s) or "
              "%6 month(s).")
        .arg(decimal(inputs.diskSize, DiskSizeLimits::TBDecimals))
        .arg(inputs.diskUnit == DiskUnit::TB ? QStringLiteral("TB") : QStringLiteral("GB"))
        .arg(inputs.timeHoursPerDay)
        .arg(figures.time.day, figures.time.week, figures.time.month);
}

QString PlanReport::diskSizeLine(const PlanCalculation &inputs, const PlanFigures &figures)
{
    return tr("Recording %1 %2 at %3 h per day (%4 hours) needs a disk of %5 %6.")
        .arg(inputs.saveTime)
        .arg(periodUnitText(inputs.saveUnit))
        .arg(inputs.sizeHoursPerDay)
        .arg(figures.recordHours)
        .arg(figures.size.size, figures.size.unit);
}

QString PlanReport::diskArrayLine(const PlanCalculation &inputs)
{
    const DiskArraySetup &array = inputs.diskArray;
    DiskArrayCapacity capacity;
    if (!arrayGaveDiskSize(inputs, &capacity))
        return {};
    return tr("The disk is an array of %1 %2: %3.")
        .arg(DiskArrayText::drives(array), DiskArrayText::breakdown(array, capacity),
             DiskArrayText::usableSum(array, capacity));
}

QString PlanReport::drivesNeededLine(const PlanCalculation &inputs, const PlanFigures &figures)
{
    DiskArrayText::Line line;
    if (!drivesForNeededSize(inputs, figures, &line))
        return {};
    return tr("Drives for it: %1 %2.").arg(line.head, line.tail);
}

QString PlanReport::conventionsLine()
{
    return tr("Sizes are decimal: 1 TB = 1000 GB, 1 GB = 1000 MB. Every size includes a reserve of "
              "0.3 % (x 1/0.997) and a size factor of 2.4 % (x 1.024); a week is 7 days, a month "
              "30 days.");
}

QVector<QStringList> PlanReport::resultRows(const QString &planName, const QDate &date, const SitePlan &plan,
                                             const PlanFigures &figures)
{
    const PlanCalculation &inputs = plan.calculation;
    const QString hours = tr("h", "hours");
    QVector<QStringList> rows{
        {tr("Storage plan"), planName},
        {tr("Date"), date.toString(Qt::ISODate)},
        {tr("Frame standard"), frameStandardText(plan.frameStandard)},
        {tr("Recording time: disk size"), decimal(inputs.diskSize, DiskSizeLimits::TBDecimals),
         inputs.diskUnit == DiskUnit::TB ? QStringLiteral("TB") : QStringLiteral("GB")},
        {tr("Recording time: hours per day"), QString::number(inputs.timeHoursPerDay), hours},
        {tr("Recording time"), figures.time.day, periodUnitText(PeriodUnit::Day)},
        {tr("Recording time"), figures.time.week, periodUnitText(PeriodUnit::Week)},
        {tr("Recording time"), figures.time.month, periodUnitText(PeriodUnit::Month)},
    };
    DiskArrayCapacity capacity;
    if (arrayGaveDiskSize(inputs, &capacity)) {
        rows.append({tr("Recording time: disk array"), DiskArrayText::drives(inputs.diskArray),
                     DiskArrayText::breakdown(inputs.diskArray, capacity),
                     DiskArrayText::usableSum(inputs.diskArray, capacity)});
    }
    rows.append({tr("Disk size: save time"), QString::number(inputs.saveTime), periodUnitText(inputs.saveUnit)});
    rows.append({tr("Disk size: hours per day"), QString::number(inputs.sizeHoursPerDay), hours});
    rows.append({tr("Disk size: recording hours"), QString::number(figures.recordHours), hours});
    rows.append({tr("Disk size needed"), figures.size.size, figures.size.unit});
    DiskArrayText::Line drives;
    if (drivesForNeededSize(inputs, figures, &drives))
        rows.append({tr("Disk size: drives"), drives.head, drives.tail});
    rows.append({tr("Conventions"), conventionsLine()});
    return rows;
}

QByteArray PlanReport::toCsv(const QString &planName, const QDate &date, const SitePlan &plan,
                             const PlanFigures &figures)
{
    // The byte order mark lets spreadsheet programs read the file as UTF-8.
    QString csv = QChar(0xFEFF) + csvLine(columnTitles(figures.hoursPerDay));
    for (qsizetype i = 0; i < plan.groups.size(); ++i)
        csv += csvLine(groupRow(plan.groups.at(i), figures.groups.at(i)));
    csv += csvLine(totalsRow(figures));
    // An empty row sets the results apart from the table, as the page does.
    csv += QStringLiteral("\r\n");
    for (const QStringList &row : resultRows(planName, date, plan, figures))
        csv += csvLine(row);
    return csv.toUtf8();
}
