#include "calc/retention.h"

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
QMap<int, Band> byRetention(const QVector<RetentionGroup> &groups, int hoursPerDay)
{
    QMap<int, Band> classes;
    for (const RetentionGroup &group : groups) {
        for (const StreamShare &share : streamShares(group, hoursPerDay))
            classes[share.retentionDays] += share.kbps;
    }
    return classes;
}

constexpr QChar kEnDash(0x2013);

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
    const GroupRecording &recording = group.recording;
    const double duty = recording.mode == RecordingMode::Continuous ? 1.0 : recording.eventPercent / 100.0;
    QVector<StreamShare> shares{
        {streamKbps(group.kbps, group, hoursPerDay) * (group.channels * duty), recording.retentionDays}};
    if (recording.mode == RecordingMode::DualStream) {
        const int days = recording.subStreamRetentionDays ? recording.subStreamRetentionDays
                                                          : recording.retentionDays;
        shares.append({streamKbps(recording.subStreamKbps, group, hoursPerDay) * double(group.channels), days});
    }
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
