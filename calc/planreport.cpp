#include "calc/planreport.h"

#include "calc/capacityinputs.h"
#include "calc/diskarray.h"
#include "calc/recorders.h"
#include "calc/retention.h"
#include "data/capacityformulas.h"
#include "data/deviceinfomanager.h"
#include "data/scenenames.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numeric>

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

constexpr QChar kEnDash(0x2013);

// GB that `kbps` fills in `hours` hours, for each figure of the band.
Band bandSize(const Band &kbps, int hours)
{
    return {CapacityFormulas::diskSize(kbps.low, hours), CapacityFormulas::diskSize(kbps.expected, hours),
            CapacityFormulas::diskSize(kbps.high, hours)};
}

// "9.85–19.70", or one figure where the band has no width.
QString gbRangeText(const Band &gb)
{
    const QString low = gbText(gb.low);
    const QString high = gbText(gb.high);
    return low == high ? high : low + kEnDash + high;
}

// "109.04 (76.33–343.49)": the expected figure, then the range, which word
// joiners keep on one line.
QString gbBandText(const Band &gb)
{
    const QString low = gbText(gb.low);
    const QString high = gbText(gb.high);
    const QString expected = gbText(gb.expected);
    if (low == high)
        return expected;
    return expected + QStringLiteral(" (") + low + QChar(0x2060) + kEnDash + QChar(0x2060) + high
           + QLatin1Char(')');
}

QString diskText(const PlanCalculation &inputs)
{
    return decimal(inputs.diskSize, DiskSizeLimits::TBDecimals)
           + (inputs.diskUnit == DiskUnit::TB ? QStringLiteral(" TB") : QStringLiteral(" GB"));
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
    const int periodDays = ::periodDays(inputs.saveTime, inputs.saveUnit);
    for (const PlanGroup &group : plan.groups) {
        GroupFigures row;
        row.kbps = group.channels * group.kbps;
        row.mbps = row.kbps / 1000.0;
        row.gbPerDay = gigabytesPerDay(row.kbps, figures.hoursPerDay);
        const RetentionGroup retention = retentionGroup(group);
        Band kbps;
        for (const StreamShare &share : streamShares(retention, figures.hoursPerDay))
            kbps += share.kbps;
        row.gbPerDayBand = bandSize(kbps, figures.hoursPerDay);
        for (const StreamShare &share : streamShares(retention, inputs.sizeHoursPerDay)) {
            const int days = share.retentionDays ? share.retentionDays : periodDays;
            row.storedGB += bandSize(share.kbps, inputs.sizeHoursPerDay * days);
        }
        figures.groups.append(row);
        figures.channels += group.channels;
    }
    figures.kbps = totalKbps(plan.groups);
    figures.mbps = figures.kbps / 1000.0;
    figures.gbPerDay = gigabytesPerDay(figures.kbps, figures.hoursPerDay);
    // The results with each group's recording, as the pages show them.
    const QVector<RetentionGroup> groups = retentionGroups(plan.groups);
    figures.time = recordTimeResult(groups, inputs.diskSize, inputs.diskUnit, inputs.timeHoursPerDay);
    figures.sizeHoursPerDay = inputs.sizeHoursPerDay;
    figures.recordHours = recordHoursOf(inputs.saveTime, inputs.saveUnit, inputs.sizeHoursPerDay);
    figures.size = diskSizeResult(groups, inputs.saveTime, inputs.saveUnit, inputs.sizeHoursPerDay,
                                  inputs.guaranteedRetention);
    figures.retention = planRetention(plan);
    return figures;
}

StorageChart storageChart(const PlanFigures &figures, int largestGroups)
{
    StorageChart chart;
    chart.hoursPerDay = figures.sizeHoursPerDay;
    chart.periodDays = figures.retention.periodDays;
    for (const GroupFigures &group : figures.groups)
        chart.neededGB += group.storedGB.expected;
    if (chart.neededGB <= 0.0)
        return chart;

    // The largest first; equal ones in the plan's order.
    QVector<int> order(figures.groups.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return figures.groups.at(a).storedGB.expected > figures.groups.at(b).storedGB.expected;
    });
    // A bar of "others" for a single group would hide a name for nothing.
    const int own = order.size() <= largestGroups + 1 ? int(order.size()) : largestGroups;
    for (int i = 0; i < own; ++i)
        chart.bars.append({order.at(i), 1, figures.groups.at(order.at(i)).storedGB});
    if (own < order.size()) {
        StorageBar others;
        others.groupCount = int(order.size()) - own;
        for (int i = own; i < order.size(); ++i)
            others.gb += figures.groups.at(order.at(i)).storedGB;
        chart.otherGroups = others.groupCount;
        chart.bars.append(others);
    }
    for (const StorageBar &bar : std::as_const(chart.bars))
        chart.scaleGB = std::max(chart.scaleGB, bar.gb.high);
    for (StorageBar &bar : chart.bars) {
        bar.share = bar.gb.expected / chart.neededGB;
        bar.length = bar.gb * (1.0 / chart.scaleGB);
    }
    // The roundest step that marks the scale at most five times past 0.
    const double scalePercent = chart.scaleGB / chart.neededGB * 100.0;
    static const double steps[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 500, 1000};
    double step = 0.0;
    for (double candidate : steps) {
        step = candidate;
        if (scalePercent / candidate <= 5.0)
            break;
    }
    for (int i = 0; i * step <= scalePercent * (1 + 1e-9) && i <= 5; ++i)
        chart.ticks.append({i * step, i * step / scalePercent});
    return chart;
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

QStringList PlanReport::recordingColumnTitles(int hoursPerDay)
{
    return {tr("Recording"), tr("Retention"), tr("Recorded GB per day (%1 h)").arg(hoursPerDay)};
}

QStringList PlanReport::recordingColumns(const PlanGroup &group, const GroupFigures &figures, int periodDays)
{
    return {RetentionText::recording(group.recording), retentionText(group.recording, periodDays),
            gbBandText(figures.gbPerDayBand)};
}

QStringList PlanReport::recordingTotals(const PlanFigures &figures)
{
    return {QString(), QString(), gbBandText(figures.retention.totals.gbPerDay)};
}

QStringList PlanReport::csvRecordingColumnTitles(int hoursPerDay)
{
    return {tr("Recording"),
            tr("Retention (days)"),
            tr("Sub-stream retention (days)"),
            tr("GB per day, low (%1 h)").arg(hoursPerDay),
            tr("GB per day, expected (%1 h)").arg(hoursPerDay),
            tr("GB per day, high (%1 h)").arg(hoursPerDay)};
}

QStringList PlanReport::csvRecordingColumns(const PlanGroup &group, const GroupFigures &figures, int periodDays)
{
    const GroupRecording &recording = group.recording;
    const int days = recording.retentionDays ? recording.retentionDays : periodDays;
    QString subDays;
    if (recording.mode == RecordingMode::DualStream)
        subDays = QString::number(recording.subStreamRetentionDays ? recording.subStreamRetentionDays : days);
    return {RetentionText::recording(recording), QString::number(days), subDays,
            gbText(figures.gbPerDayBand.low), gbText(figures.gbPerDayBand.expected),
            gbText(figures.gbPerDayBand.high)};
}

QStringList PlanReport::csvRecordingTotals(const PlanFigures &figures)
{
    const Band &gb = figures.retention.totals.gbPerDay;
    return {QString(), QString(), QString(), gbText(gb.low), gbText(gb.expected), gbText(gb.high)};
}

QString PlanReport::retentionText(const GroupRecording &recording, int periodDays)
{
    QString text = recording.retentionDays ? RetentionText::days(Band::exactly(recording.retentionDays))
                                           : tr("%n day(s) (site)", nullptr, periodDays);
    if (recording.mode == RecordingMode::DualStream && recording.subStreamRetentionDays
        && recording.subStreamRetentionDays != recording.retentionDays) {
        text += tr("; sub-stream %n day(s)", nullptr, recording.subStreamRetentionDays);
    }
    return text;
}

QString PlanReport::verdictSymbol(RetentionVerdict::State state)
{
    switch (state) {
    case RetentionVerdict::Holds:
        return QStringLiteral("\u2714"); // heavy check mark
    case RetentionVerdict::ExpectedOnly:
        return QStringLiteral("\u26a0"); // warning sign
    case RetentionVerdict::Short:
        break;
    }
    return QStringLiteral("\u2716"); // heavy multiplication x
}

PlanReport::SiteVerdict PlanReport::siteVerdict(const SitePlan &plan, const PlanFigures &figures)
{
    SiteVerdict site;
    if (plan.recorders.isEmpty()) {
        site.known = figures.retention.hasVerdict;
        site.state = figures.retention.verdict.state;
        site.text = site.known ? RetentionText::verdict(figures.retention.verdict) : QString();
        return site;
    }
    // The worst of the recorders: a broken limit counts as short.
    QStringList failing;
    site.known = true;
    site.state = RetentionVerdict::Holds;
    for (const RecorderOfSite &entry : checkRecorders(plan)) {
        RetentionVerdict::State state = entry.check.hasVerdict ? entry.check.verdict.state : RetentionVerdict::Holds;
        if (!entry.check.breaches.isEmpty())
            state = RetentionVerdict::Short;
        if (state != RetentionVerdict::Holds)
            failing << entry.recorder->name;
        site.state = std::max(site.state, state);
    }
    site.text = failing.isEmpty()
                    ? tr("Every recorder keeps its period even at the high bound, within its limits.")
                    : tr("%n of %1 recorder(s) fall short or break a limit: %2.", nullptr, int(failing.size()))
                          .arg(plan.recorders.size())
                          .arg(failing.join(QStringLiteral(", ")));
    return site;
}

QString PlanReport::verdictWord(RetentionVerdict::State state)
{
    switch (state) {
    case RetentionVerdict::Holds:
        return tr("Holds");
    case RetentionVerdict::ExpectedOnly:
        return tr("At risk");
    case RetentionVerdict::Short:
        break;
    }
    return tr("Short");
}

QString PlanReport::summaryTotalsLine(const PlanFigures &figures)
{
    // The window's line, with the hours its figures are at.
    const QString totals = RetentionText::summary(figures.retention.totals);
    if (totals.isEmpty())
        return tr("No channels");
    return tr("%1 · at %2 h per day").arg(totals).arg(figures.retention.hoursPerDay);
}

QString PlanReport::summaryTimeLine(const PlanCalculation &inputs, const PlanFigures &figures)
{
    const PlanRetention &retention = figures.retention;
    if (retention.diskGB <= 0.0 || figures.groups.isEmpty())
        return {};
    if (!retention.diskDays.keepsOthers) {
        return tr("Every group has days of its own: the %1 disk keeps no other recording.")
            .arg(diskText(inputs));
    }
    const Band &days = retention.diskDays.days;
    return tr("The %1 disk keeps %2 (%3 expected) at %4 h per day.")
        .arg(diskText(inputs), RetentionText::days(days),
             RetentionText::days(Band::exactly(days.expected)))
        .arg(inputs.timeHoursPerDay);
}

QString PlanReport::summarySizeLine(const PlanCalculation &inputs, const PlanFigures &figures)
{
    const PlanRetention &retention = figures.retention;
    if (retention.periodDays <= 0 || figures.groups.isEmpty())
        return {};
    return tr("%1 at %2 h per day need %3 (%4 expected).")
        .arg(RetentionText::days(Band::exactly(retention.periodDays)))
        .arg(inputs.sizeHoursPerDay)
        .arg(RetentionText::size(retention.neededGB), RetentionText::size(Band::exactly(retention.neededGB.expected)));
}

QString PlanReport::storageBarLabel(const SitePlan &plan, const StorageBar &bar)
{
    if (bar.group < 0)
        return tr("Others (%n group(s))", nullptr, bar.groupCount);
    return plan.groups.value(bar.group).name;
}

QString PlanReport::storageBarText(const StorageBar &bar)
{
    return tr("%1 · %2 %").arg(RetentionText::size(bar.gb), QString::number(bar.share * 100.0, 'f', 1));
}

QString PlanReport::storageChartCaption(const StorageChart &chart)
{
    QString caption = tr("What each group takes for its retention (its own days, or %n day(s) of the site) at "
                         "%1 h per day, as a share of the %2 the period needs at the expected figure. A bar "
                         "shows the expected figure, its whisker the range from low to high.",
                         nullptr, chart.periodDays)
                          .arg(chart.hoursPerDay)
                          .arg(RetentionText::size(Band::exactly(chart.neededGB)));
    if (chart.otherGroups > 0) {
        caption += QLatin1Char(' ')
                   + tr("The largest %1 groups have a bar each; the other %2 are one bar, \"Others\".")
                         .arg(chart.bars.size() - 1)
                         .arg(chart.otherGroups);
    }
    return caption;
}

QVector<QStringList> PlanReport::summaryRows(const SitePlan &plan, const PlanFigures &figures)
{
    const PlanRetention &retention = figures.retention;
    const SiteTotals &totals = retention.totals;
    const QString gb = QStringLiteral("GB");
    const QString days = periodUnitText(PeriodUnit::Day);
    QVector<QStringList> rows{
        {tr("Site: channels"), QString::number(totals.channels)},
        {tr("Site: incoming at the busiest hour"), mbpsText(totals.peakKbps / 1000.0), QStringLiteral("Mbps")},
        {tr("Site: hours per day"), QString::number(retention.hoursPerDay), tr("h", "hours")},
        {tr("Site: GB per day, low"), gbText(totals.gbPerDay.low), gb},
        {tr("Site: GB per day, expected"), gbText(totals.gbPerDay.expected), gb},
        {tr("Site: GB per day, high"), gbText(totals.gbPerDay.high), gb},
    };
    if (retention.diskGB > 0.0 && retention.diskDays.keepsOthers && !figures.groups.isEmpty()) {
        // Whole days, as the result pages count them.
        const Band &kept = retention.diskDays.days;
        auto whole = [](double value) { return QString::number(value > 0.0 ? qint64(std::min(value, 99999.0)) : 0); };
        rows.append({tr("Recording time, low"), whole(kept.low), days});
        rows.append({tr("Recording time, expected"), whole(kept.expected), days});
        rows.append({tr("Recording time, high"), whole(kept.high), days});
    }
    if (retention.periodDays > 0 && !figures.groups.isEmpty()) {
        rows.append({tr("Disk size needed, low"), gbText(retention.neededGB.low), gb});
        rows.append({tr("Disk size needed, expected"), gbText(retention.neededGB.expected), gb});
        rows.append({tr("Disk size needed, high"), gbText(retention.neededGB.high), gb});
    }
    const SiteVerdict verdict = siteVerdict(plan, figures);
    if (verdict.known)
        rows.append({tr("Retention verdict"), verdictWord(verdict.state), verdict.text});
    return rows;
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

QStringList PlanReport::recorderGroupTitles(int hoursPerDay)
{
    return {tr("Name"), tr("Channels"), tr("Recording"), tr("Recorded GB per day (%1 h)").arg(hoursPerDay)};
}

QString PlanReport::recorderHeading(const PlanRecorder &recorder)
{
    return tr("%1 — %2").arg(recorder.name,
                             recorder.profile.isEmpty() ? tr("limits of its own") : recorder.profile);
}

QString PlanReport::recorderLimitsLine(const PlanRecorder &recorder)
{
    const RecorderLimits &limits = recorder.limits;
    QString line = tr("%1 channels · %2 Mbps incoming · %n bay(s) · drives up to %3", nullptr, limits.driveBays)
                       .arg(limits.channels)
                       .arg(limits.incomingMbps)
                       .arg(DiskArrayText::driveSize(limits.largestDriveGB));
    if (recorder.uplinkMbps > 0)
        line += QStringLiteral(" · ") + tr("uplink %1 Mbps").arg(recorder.uplinkMbps);
    return line;
}

QString PlanReport::recorderArrayLine(const DiskArraySetup &array)
{
    const DiskArrayCapacity capacity = diskArrayCapacity(array);
    if (!capacity.isPossible())
        return tr("%1: %2").arg(DiskArrayText::drives(array), DiskArrayText::fault(capacity.faults.first(), array));
    return tr("%1: %2 usable").arg(DiskArrayText::drives(array), DiskArrayText::capacity(capacity.usableCentiGB));
}

QVector<RecorderSection> PlanReport::recorderSections(const SitePlan &plan, const PlanFigures &figures)
{
    QVector<RecorderSection> sections;
    const QVector<RecorderOfSite> recorders = checkRecorders(plan);
    sections.reserve(recorders.size());
    for (const RecorderOfSite &entry : recorders) {
        const PlanRecorder &recorder = *entry.recorder;
        const RecorderCheck &check = entry.check;
        RecorderSection section;
        section.heading = recorderHeading(recorder);
        section.state = RecorderText::state(check, recorder.limits);
        section.limits = recorderLimitsLine(recorder);
        section.array = recorderArrayLine(recorder.diskArray);
        section.hasVerdict = check.hasVerdict;
        if (check.hasVerdict) {
            section.verdictState = check.verdict.state;
            section.verdict = RetentionText::verdict(check.verdict);
        } else {
            section.verdict = tr("Nothing to keep (no groups, drives or period)");
        }
        for (const Breach &breach : check.breaches)
            section.breaches << RecorderText::breach(recorder.name, breach);
        section.groupRows.reserve(entry.groups.size() + 1);
        Band gbPerDay;
        int channels = 0;
        for (int index : entry.groups) {
            const PlanGroup &group = plan.groups.at(index);
            const GroupFigures &row = figures.groups.at(index);
            section.groupRows.append({group.name, QString::number(group.channels),
                                      RetentionText::recording(group.recording), gbBandText(row.gbPerDayBand)});
            gbPerDay += row.gbPerDayBand;
            channels += group.channels;
        }
        section.groupRows.append({tr("Total"), QString::number(channels), QString(), gbBandText(gbPerDay)});
        sections.append(section);
    }
    return sections;
}

QVector<QStringList> PlanReport::recorderRows(const SitePlan &plan)
{
    QVector<QStringList> rows;
    for (const RecorderOfSite &entry : checkRecorders(plan)) {
        const PlanRecorder &recorder = *entry.recorder;
        const RecorderLimits &limits = recorder.limits;
        const RecorderCheck &check = entry.check;
        const QString &name = recorder.name;
        rows.append({tr("Recorder: channels"), name, QString::number(check.channels),
                     QString::number(limits.channels)});
        rows.append({tr("Recorder: incoming at the busiest hour"), name, mbpsText(check.peakMbps),
                     QString::number(limits.incomingMbps), QStringLiteral("Mbps")});
        rows.append({tr("Recorder: bays"), name, QString::number(check.bays), QString::number(limits.driveBays)});
        rows.append({tr("Recorder: array capacity"), name, gbText(check.arrayGB), QStringLiteral("GB")});
        if (check.hasVerdict) {
            rows.append({tr("Recorder: retention verdict"), name, verdictWord(check.verdict.state),
                         RetentionText::verdict(check.verdict)});
        }
        for (const Breach &breach : check.breaches)
            rows.append({tr("Recorder: over a limit"), name, RecorderText::breach(name, breach)});
    }
    return rows;
}

QByteArray PlanReport::toCsv(const QString &planName, const QDate &date, const SitePlan &plan,
                             const PlanFigures &figures)
{
    // The byte order mark lets spreadsheet programs read the file as UTF-8.
    QString csv = QChar(0xFEFF)
                  + csvLine(columnTitles(figures.hoursPerDay) + csvRecordingColumnTitles(figures.hoursPerDay)
                            << tr("Recorder"));
    QHash<quint32, QString> recorderNames;
    for (const PlanRecorder &recorder : plan.recorders)
        recorderNames.insert(recorder.id, recorder.name);
    const int periodDays = figures.retention.periodDays;
    for (qsizetype i = 0; i < plan.groups.size(); ++i) {
        const PlanGroup &group = plan.groups.at(i);
        const GroupFigures &row = figures.groups.at(i);
        csv += csvLine(groupRow(group, row) + csvRecordingColumns(group, row, periodDays)
                       << recorderNames.value(group.recorder));
    }
    csv += csvLine(totalsRow(figures) + csvRecordingTotals(figures) << QString());
    // An empty row sets the results apart from the table, as the page does.
    csv += QStringLiteral("\r\n");
    for (const QStringList &row : resultRows(planName, date, plan, figures))
        csv += csvLine(row);
    for (const QStringList &row : summaryRows(plan, figures))
        csv += csvLine(row);
    for (const QStringList &row : recorderRows(plan))
        csv += csvLine(row);
    return csv.toUtf8();
}
