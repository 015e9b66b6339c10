#include "calc/retention.h"

#include "calc/capacityinputs.h"

#include "data/capacityformulas.h"

#include <QMap>

#include <algorithm>
#include <cmath>

namespace {

// Hours of daylight assumed in a recording day that starts with the day.
constexpr int kDaylightHours = 12;

struct EncodingFactor
{
    const char *encoding;
    Band factor;
};

// The tables' encodings. H.264 is the base the savings are measured against;
// H.265 writes up to 1.5x the table in the field (a 10-20 % saving instead of
// the 35-45 % the tables assume); the smart codecs save more on a still scene
// and less on a busy one than the tables' middle figure.
const EncodingFactor kEncodings[] = {
    {"H.264", {1.0, 1.0, 1.0}},
    {"H.265", {1.0, 1.0, 1.5}},
    {"Smart H.264", {0.75, 1.0, 1.25}},
    {"Smart H.265", {0.75, 1.0, 1.25}},
    {"H.264+", {0.75, 1.0, 1.25}},
    {"H.265+", {0.75, 1.0, 1.25}},
};
// An encoding the tables do not name: the field penalty of H.265, the widest
// upper bound of the known ones.
constexpr Band kUnknownEncoding{1.0, 1.0, 1.5};

// GB that `kbps` fills in `hours` hours, for each figure of the band.
Band diskSize(const Band &kbps, int hours)
{
    return {CapacityFormulas::diskSize(kbps.low, hours), CapacityFormulas::diskSize(kbps.expected, hours),
            CapacityFormulas::diskSize(kbps.high, hours)};
}

// A stream's busiest hour against the table's rate: a constant rate has none;
// a variable one peaks by day, or at night under infrared, whichever is more.
double peakFactor(const RetentionGroup &group)
{
    if (group.recording.control == RateControl::Constant)
        return 1.0;
    return std::max(RangeFactors::PeakHour, RangeFactors::night(group.recording.night).high);
}

// The streams by how long they are kept, each class summed in list order, so
// that with every group at the site's period the total is the one the device
// list sums.
// Calls `take(kbps, retentionDays)` for each stream of `group`: the main
// stream, then the sub-stream of dual stream.
template <typename Take>
void forEachShare(const RetentionGroup &group, int hoursPerDay, Take take)
{
    const GroupRecording &recording = group.recording;
    const double duty = recording.mode == RecordingMode::Continuous ? 1.0 : recording.eventPercent / 100.0;
    take(streamKbps(group.kbps, group, hoursPerDay) * (group.channels * duty), recording.retentionDays);
    if (recording.mode == RecordingMode::DualStream) {
        const int days = recording.subStreamRetentionDays ? recording.subStreamRetentionDays
                                                          : recording.retentionDays;
        take(streamKbps(recording.subStreamKbps, group, hoursPerDay) * double(group.channels), days);
    }
}

QMap<int, Band> byRetention(const QVector<RetentionGroup> &groups, int hoursPerDay)
{
    QMap<int, Band> classes;
    for (const RetentionGroup &group : groups)
        forEachShare(group, hoursPerDay, [&classes](const Band &kbps, int days) { classes[days] += kbps; });
    return classes;
}

constexpr QChar kEnDash(0x2013);
const QString kDot = QStringLiteral(" \u00b7 ");

// Decimals for a figure: `belowTen` below 10, one fewer for each further
// digit (2.17, 21.7, 217 TB; 9.5, 96, 196 Mbps).
int decimalsFor(double value, int belowTen)
{
    const int digits = value < 10.0 ? 0 : value < 100.0 ? 1 : 2;
    return std::max(0, belowTen - digits);
}

int wholeDays(double days)
{
    return days > 0.0 ? int(std::min(days, 99999.0)) : 0;
}

// Whole TB rounded up, or whole GB below 1 TB; `up` false rounds down.
QString sizeText(double gb, bool up = true)
{
    auto round = [up](double value) { return qint64(up ? std::ceil(value) : std::floor(value)); };
    if (gb < 1000.0)
        return RetentionText::tr("%1 GB").arg(std::max<qint64>(0, round(gb)));
    return RetentionText::tr("%1 TB").arg(round(gb / 1000.0));
}

} // namespace

bool operator==(const Band &a, const Band &b)
{
    return a.low == b.low && a.expected == b.expected && a.high == b.high;
}

namespace RangeFactors {

Band scene(bool sceneKnown)
{
    // Centred on the tables' typical scene: a named scene within +-25 %, an
    // unnamed one within +-40 %, well inside the 4x between the simplest and
    // the busiest scene.
    return sceneKnown ? Band{0.8, 1.0, 1.25} : Band{0.7, 1.0, 1.4};
}

Band night(NightScene night)
{
    return night == NightScene::Infrared ? Band{1.0, 1.0, 2.0} : Band::exactly(1.0);
}

Band encoding(const QString &encoding)
{
    for (const EncodingFactor &entry : kEncodings) {
        if (encoding == QLatin1String(entry.encoding))
            return entry.factor;
    }
    return kUnknownEncoding;
}

bool isKnownEncoding(const QString &encoding)
{
    return std::any_of(std::begin(kEncodings), std::end(kEncodings),
                       [&](const EncodingFactor &entry) { return encoding == QLatin1String(entry.encoding); });
}

double nightShare(int hoursPerDay)
{
    if (hoursPerDay <= kDaylightHours)
        return 0.0;
    return double(hoursPerDay - kDaylightHours) / hoursPerDay;
}

} // namespace RangeFactors

RetentionGroup retentionGroup(const PlanGroup &group)
{
    return {group.channels, group.kbps, group.rateMode == RateRecommended, group.encoding, group.recording};
}

QVector<RetentionGroup> retentionGroups(const QVector<PlanGroup> &groups)
{
    QVector<RetentionGroup> converted;
    converted.reserve(groups.size());
    for (const PlanGroup &group : groups)
        converted.append(retentionGroup(group));
    return converted;
}

Band streamKbps(double kbps, const RetentionGroup &group, int hoursPerDay)
{
    if (group.recording.control == RateControl::Constant)
        return Band::exactly(kbps);
    const Band night = RangeFactors::night(group.recording.night);
    const double share = RangeFactors::nightShare(hoursPerDay);
    // 1 + share x (factor - 1) rather than a weighted mean: a factor of 1
    // gives exactly 1, so the expected figure is exactly the table's.
    const Band nightMix{1.0 + share * (night.low - 1.0), 1.0 + share * (night.expected - 1.0),
                        1.0 + share * (night.high - 1.0)};
    return Band::exactly(kbps) * RangeFactors::scene(group.sceneKnown)
           * RangeFactors::encoding(group.encoding) * nightMix;
}

QVector<StreamShare> streamShares(const RetentionGroup &group, int hoursPerDay)
{
    QVector<StreamShare> shares;
    forEachShare(group, hoursPerDay, [&shares](const Band &kbps, int days) { shares.append({kbps, days}); });
    return shares;
}

SiteTotals siteTotals(const QVector<RetentionGroup> &groups, int hoursPerDay)
{
    SiteTotals totals;
    Band kbps;
    for (const RetentionGroup &group : groups) {
        totals.channels += group.channels;
        const double sub =
            group.recording.mode == RecordingMode::DualStream ? group.recording.subStreamKbps : 0.0;
        totals.peakKbps += group.channels * (group.kbps + sub) * peakFactor(group);
    }
    for (const Band &share : byRetention(groups, hoursPerDay))
        kbps += share;
    totals.gbPerDay = diskSize(kbps, hoursPerDay);
    return totals;
}

Band neededGB(const QVector<RetentionGroup> &groups, int hoursPerDay, int siteDays)
{
    Band needed;
    const QMap<int, Band> classes = byRetention(groups, hoursPerDay);
    for (auto it = classes.cbegin(); it != classes.cend(); ++it)
        needed += diskSize(it.value(), hoursPerDay * (it.key() ? it.key() : siteDays));
    return needed;
}

RetentionDays retentionDays(const QVector<RetentionGroup> &groups, int hoursPerDay, double diskGB)
{
    QMap<int, Band> classes = byRetention(groups, hoursPerDay);
    const Band others = classes.take(0);
    Band own;
    for (auto it = classes.cbegin(); it != classes.cend(); ++it)
        own += diskSize(it.value(), hoursPerDay * it.key());

    RetentionDays result;
    result.keepsOthers = others.expected > 0.0;
    if (!result.keepsOthers || hoursPerDay <= 0)
        return result;
    // The fewest days where the streams write most, and the other way round.
    auto days = [&](double kbps, double ownGB) {
        return CapacityFormulas::recordHours(kbps, diskGB - ownGB) / hoursPerDay;
    };
    result.days = {days(others.high, own.high), days(others.expected, own.expected), days(others.low, own.low)};
    return result;
}

RetentionVerdict retentionVerdict(const QVector<RetentionGroup> &groups, int hoursPerDay, int requiredDays,
                                  double diskGB, const DiskArraySetup *array)
{
    RetentionVerdict verdict;
    verdict.requiredDays = requiredDays;
    verdict.days = retentionDays(groups, hoursPerDay, diskGB);
    verdict.neededGB = neededGB(groups, hoursPerDay, requiredDays);
    if (verdict.neededGB.high <= diskGB) {
        verdict.state = RetentionVerdict::Holds;
        verdict.spareGB = diskGB - verdict.neededGB.high;
        return verdict;
    }
    verdict.state = verdict.neededGB.expected <= diskGB ? RetentionVerdict::ExpectedOnly : RetentionVerdict::Short;
    verdict.missingGB = verdict.neededGB.high - diskGB;
    if (array) {
        verdict.withArray = true;
        verdict.drives = drivesNeeded(qint64(std::ceil(verdict.neededGB.high)), *array);
        if (verdict.drives.outcome == DrivesNeeded::Found)
            verdict.moreDrives = std::max(0, verdict.drives.array.drives - array->drives);
    }
    return verdict;
}

RecordTimeText recordTimeResult(const QVector<RetentionGroup> &groups, double diskSize, DiskUnit unit,
                                int hoursPerDay)
{
    QMap<int, Band> classes = byRetention(groups, hoursPerDay);
    const double others = classes.take(0).expected;
    double ownGB = 0.0;
    for (auto it = classes.cbegin(); it != classes.cend(); ++it)
        ownGB += CapacityFormulas::diskSize(it.value().expected, hoursPerDay * it.key());
    if (ownGB == 0.0)
        return ::recordTimeResult(others, diskSize, unit, hoursPerDay);
    const double diskGB = unit == DiskUnit::TB ? diskSize * 1000.0 : diskSize;
    return ::recordTimeResult(others, std::max(0.0, diskGB - ownGB), DiskUnit::GB, hoursPerDay);
}

DiskSizeText diskSizeResult(const QVector<RetentionGroup> &groups, int count, PeriodUnit unit, int hoursPerDay,
                            bool highBound)
{
    const QMap<int, Band> classes = byRetention(groups, hoursPerDay);
    if (classes.size() == 1 && classes.contains(0)) {
        const Band &kbps = classes.first();
        return ::diskSizeResult(highBound ? kbps.high : kbps.expected, count, unit, hoursPerDay);
    }
    const Band needed = neededGB(groups, hoursPerDay, periodDays(count, unit));
    return toDiskSizeResult(highBound ? needed.high : needed.expected);
}

int periodDays(int count, PeriodUnit unit)
{
    return recordHoursOf(count, unit, 1);
}

PlanRetention planRetention(const SitePlan &plan)
{
    return planRetention(retentionGroups(plan.groups), plan.calculation);
}

PlanRetention planRetention(const QVector<RetentionGroup> &groups, const PlanCalculation &inputs)
{
    PlanRetention result;
    result.hoursPerDay = inputs.sizeShown ? inputs.sizeHoursPerDay : inputs.timeHoursPerDay;
    result.totals = siteTotals(groups, result.hoursPerDay);
    result.diskGB = inputs.diskUnit == DiskUnit::TB ? inputs.diskSize * 1000.0 : inputs.diskSize;
    result.diskDays = retentionDays(groups, inputs.timeHoursPerDay, result.diskGB);
    result.periodDays = periodDays(inputs.saveTime, inputs.saveUnit);
    result.neededGB = neededGB(groups, inputs.sizeHoursPerDay, result.periodDays);
    result.shownNeededGB = inputs.guaranteedRetention ? result.neededGB.high : result.neededGB.expected;

    const DiskArrayCapacity array = diskArrayCapacity(inputs.diskArray);
    if (array.usableCentiGB > 0) {
        const DiskSizeEntry entry = diskSizeEntry(array.usableCentiGB);
        result.diskIsArray = entry.unit == inputs.diskUnit && entry.size == inputs.diskSize;
    }
    result.hasVerdict = !groups.isEmpty() && result.diskGB > 0.0 && result.periodDays > 0
                        && result.hoursPerDay > 0 && result.totals.gbPerDay.expected > 0.0;
    if (result.hasVerdict) {
        result.verdict = retentionVerdict(groups, result.hoursPerDay, result.periodDays, result.diskGB,
                                          result.diskIsArray ? &inputs.diskArray : nullptr);
    }
    return result;
}

QString RetentionText::days(const Band &days)
{
    const int low = wholeDays(days.low);
    const int high = wholeDays(days.high);
    if (low == high)
        return tr("%n day(s)", nullptr, low);
    return tr("%1%2%3 days").arg(low).arg(kEnDash).arg(high);
}

QString RetentionText::size(const Band &gb)
{
    const QString low = sizeText(gb.low);
    const QString high = sizeText(gb.high);
    if (low == high)
        return high;
    // The unit once, after the upper figure, where both have the same.
    const QString unit = high.section(QLatin1Char(' '), -1);
    if (low.section(QLatin1Char(' '), -1) == unit)
        return low.section(QLatin1Char(' '), 0, -2) + kEnDash + high;
    return low + kEnDash + high;
}

QString RetentionText::recording(const GroupRecording &recording)
{
    QString text;
    switch (recording.mode) {
    case RecordingMode::Continuous:
        text = tr("Continuous");
        break;
    case RecordingMode::Events:
        text = tr("Events %1 %").arg(recording.eventPercent);
        break;
    case RecordingMode::DualStream:
        text = tr("Dual stream, events %1 %").arg(recording.eventPercent);
        break;
    }
    const QString separator = QStringLiteral(" \u00b7 ");
    if (recording.retentionDays > 0)
        text += separator + tr("%n day(s)", nullptr, recording.retentionDays);
    if (recording.control == RateControl::Constant)
        text += separator + tr("Constant rate");
    if (recording.night == NightScene::Infrared)
        text += separator + tr("IR night");
    else if (recording.night == NightScene::Lit)
        text += separator + tr("Lit night");
    return text;
}

QString RetentionText::verdict(const RetentionVerdict &verdict)
{
    const int expected = wholeDays(verdict.days.days.expected);
    const QString held = verdict.days.keepsOthers
                             ? tr("Holds %n day(s)", nullptr, expected)
                                   + QStringLiteral(" (%1%2%3)")
                                         .arg(wholeDays(verdict.days.days.low))
                                         .arg(kEnDash)
                                         .arg(wholeDays(verdict.days.days.high))
                             : tr("Holds every group for its own days");
    if (verdict.state == RetentionVerdict::Holds) {
        return tr("Holds %n day(s) even at the high bound, %1 to spare", nullptr, verdict.requiredDays)
            .arg(sizeText(verdict.spareGB, false));
    }
    QString advice = tr("add %1").arg(sizeText(verdict.missingGB));
    if (verdict.withArray && verdict.drives.outcome == DrivesNeeded::Found && verdict.moreDrives > 0) {
        advice += QStringLiteral(" (")
                  + tr("%n more %1 drive(s) in %2", nullptr, verdict.moreDrives)
                        .arg(DiskArrayText::driveSize(verdict.drives.array.driveGB),
                             DiskArrayText::levelName(verdict.drives.array.level))
                  + QLatin1Char(')');
    }
    const QString bound = verdict.state == RetentionVerdict::ExpectedOnly ? tr("at the high bound")
                                                                          : tr("even at the expected figure");
    return tr("%1: short of %n day(s) %2 — %3", nullptr, verdict.requiredDays).arg(held, bound, advice);
}

QString RetentionText::summary(const SiteTotals &totals)
{
    if (totals.channels <= 0)
        return {};
    const QString channels = tr("%n channel(s)", nullptr, totals.channels);
    const double mbps = totals.peakKbps / 1000.0;
    const QString peak = tr("%1 Mbps at peak").arg(QString::number(mbps, 'f', decimalsFor(mbps, 1)));

    // The band in the unit of its expected figure: TB a day from 1000 GB on.
    const Band &gb = totals.gbPerDay;
    const bool tb = gb.expected >= 1000.0;
    const double scale = tb ? 1000.0 : 1.0;
    // Every figure with the decimals of the expected one, so that equal
    // texts mean a band of width 1.
    const int decimals = decimalsFor(gb.expected / scale, tb ? 2 : 1);
    const QString expected = QString::number(gb.expected / scale, 'f', decimals);
    QString day = tb ? tr("%1 TB/day").arg(expected) : tr("%1 GB/day").arg(expected);
    const QString low = QString::number(gb.low / scale, 'f', decimals);
    const QString high = QString::number(gb.high / scale, 'f', decimals);
    if (low != high)
        day += QStringLiteral(" (%1%2%3)").arg(low, QString(kEnDash), high);
    return channels + kDot + peak + kDot + day;
}

QString RetentionText::verdictDetails(const PlanRetention &figures)
{
    const double diskGB = figures.diskGB;
    const QString disk = diskGB >= 1000.0 ? tr("%1 TB").arg(QString::number(diskGB / 1000.0, 'g', 6))
                                          : tr("%1 GB").arg(QString::number(diskGB, 'g', 6));
    const QString compared =
        (figures.diskIsArray
             ? tr("Compares the disk array of \"Calculate Time\" (%1) with the period of \"Calculate Size\" "
                  "(%n day(s)), at %2 h of recording a day.",
                  nullptr, figures.periodDays)
             : tr("Compares the disk of \"Calculate Time\" (%1) with the period of \"Calculate Size\" "
                  "(%n day(s)), at %2 h of recording a day.",
                  nullptr, figures.periodDays))
            .arg(disk)
            .arg(figures.hoursPerDay);
    const QString bounds =
        tr("What the cameras write is an estimate: low for quiet scenes, expected as the bitrate tables "
           "give it (the figure of the results), high for busy scenes, night under infrared and an "
           "encoding that saves less in the field. Constant-rate groups write exactly their rate.");
    const QString states = tr("Green: the disk keeps the period even at the high bound. Amber: it keeps "
                              "it at the expected figure only. Red: it is short even at the expected "
                              "figure.");
    return compared + QLatin1Char('\n') + bounds + QLatin1Char('\n') + states;
}
