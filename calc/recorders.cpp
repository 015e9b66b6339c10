#include "calc/recorders.h"

#include "calc/diskarray.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCentiGBPerGB = 100.0;

// Mbps of a peak in kbps.
double peakMbps(double peakKbps)
{
    return peakKbps / 1000.0;
}

// What one channel of a group asks of a recorder.
struct ChannelLoad
{
    double mbps = 0.0;
    double gb = 0.0; // at the high bound, for its retention
};

ChannelLoad channelLoad(const RetentionGroup &group, int hoursPerDay, int siteDays)
{
    RetentionGroup one = group;
    one.channels = 1;
    const QVector<RetentionGroup> single{one};
    return {peakMbps(siteTotals(single, hoursPerDay).peakKbps), neededGB(single, hoursPerDay, siteDays).high};
}

struct Load
{
    int channels = 0;
    double mbps = 0.0;
    double gb = 0.0;
};

bool fits(const Load &load, const RecorderLimits &limits, double capacityGB)
{
    return load.channels <= limits.channels && load.mbps <= limits.incomingMbps
           && std::ceil(load.gb) <= capacityGB;
}

} // namespace

bool operator==(const Breach &a, const Breach &b)
{
    return a.kind == b.kind && a.used == b.used && a.limit == b.limit;
}

bool operator==(const SpreadPart &a, const SpreadPart &b)
{
    return a.group == b.group && a.channels == b.channels;
}

RecorderCheck checkRecorder(const QVector<RetentionGroup> &groups, const RecorderSetup &recorder,
                            int hoursPerDay, int siteDays)
{
    const RecorderLimits &limits = recorder.limits;
    RecorderCheck check;
    const SiteTotals totals = siteTotals(groups, hoursPerDay);
    check.channels = totals.channels;
    check.peakMbps = peakMbps(totals.peakKbps);
    const DiskArrayCapacity capacity = diskArrayCapacity(recorder.array);
    check.arrayGB = capacity.usableCentiGB / kCentiGBPerGB;

    const Band needed = neededGB(groups, hoursPerDay, siteDays);
    int drives = capacity.isPossible() ? recorder.array.drives : 0;
    if (needed.high > 0.0) {
        const DrivesNeeded found = drivesNeeded(qint64(std::ceil(needed.high)), recorder.array);
        if (found.outcome == DrivesNeeded::Found) {
            check.drivesNeeded = found.array.drives;
            drives = std::max(drives, check.drivesNeeded);
        }
    }
    check.hasVerdict = !groups.isEmpty() && check.arrayGB > 0.0 && siteDays > 0 && hoursPerDay > 0
                       && totals.gbPerDay.expected > 0.0;
    if (check.hasVerdict)
        check.verdict = retentionVerdict(groups, hoursPerDay, siteDays, check.arrayGB, &recorder.array);

    check.bays = drives;
    if (check.channels > limits.channels)
        check.breaches.append({Breach::Channels, double(check.channels), double(limits.channels)});
    if (check.peakMbps > limits.incomingMbps)
        check.breaches.append({Breach::Bandwidth, check.peakMbps, double(limits.incomingMbps)});
    if (recorder.array.driveGB > limits.largestDriveGB)
        check.breaches.append({Breach::DriveSize, double(recorder.array.driveGB), double(limits.largestDriveGB)});
    if (drives > limits.driveBays)
        check.breaches.append({Breach::Bays, double(drives), double(limits.driveBays)});
    if (recorder.uplinkMbps > 0
        && check.peakMbps * 100.0 > double(recorder.uplinkMbps) * RecorderLimitBounds::UplinkPercent) {
        check.breaches.append({Breach::Uplink, check.peakMbps, double(recorder.uplinkMbps)});
    }
    return check;
}

QVector<RecorderOfSite> checkRecorders(const SitePlan &plan)
{
    QVector<RecorderOfSite> recorders(plan.recorders.size());
    QHash<quint32, int> position;
    for (int i = 0; i < plan.recorders.size(); ++i) {
        recorders[i].recorder = &plan.recorders.at(i);
        position.insert(plan.recorders.at(i).id, i);
    }
    for (int i = 0; i < plan.groups.size(); ++i) {
        const auto at = position.constFind(plan.groups.at(i).recorder);
        if (at != position.cend())
            recorders[*at].groups.append(i);
    }
    const PlanCalculation &inputs = plan.calculation;
    const int hours = inputs.sizeShown ? inputs.sizeHoursPerDay : inputs.timeHoursPerDay;
    const int days = periodDays(inputs.saveTime, inputs.saveUnit);
    for (RecorderOfSite &entry : recorders) {
        QVector<RetentionGroup> held;
        held.reserve(entry.groups.size());
        for (int index : std::as_const(entry.groups))
            held.append(retentionGroup(plan.groups.at(index)));
        const PlanRecorder &recorder = *entry.recorder;
        entry.check = checkRecorder(held, {recorder.name, recorder.limits, recorder.diskArray, recorder.uplinkMbps},
                                    hours, days);
    }
    return recorders;
}

namespace {

const PlanRecorder *findRecorder(const SitePlan &plan, quint32 id)
{
    for (const PlanRecorder &recorder : plan.recorders) {
        if (recorder.id == id)
            return &recorder;
    }
    return nullptr;
}

} // namespace

SitePlan recorderPlan(const SitePlan &plan, quint32 recorder)
{
    const PlanRecorder *chosen = findRecorder(plan, recorder);
    if (!chosen)
        return plan;
    SitePlan shown = plan;
    shown.groups.clear();
    for (const PlanGroup &group : plan.groups) {
        if (group.recorder == recorder)
            shown.groups.append(group);
    }
    PlanCalculation &inputs = shown.calculation;
    inputs.diskArray = chosen->diskArray;
    const DiskSizeEntry disk = diskSizeEntry(diskArrayCapacity(chosen->diskArray).usableCentiGB);
    inputs.diskSize = disk.size;
    inputs.diskUnit = disk.unit;
    return shown;
}

SitePlan mergeRecorderPlan(const SitePlan &site, quint32 recorder, const SitePlan &shown)
{
    if (!findRecorder(site, recorder))
        return shown;
    SitePlan merged = site;
    merged.frameStandard = shown.frameStandard;
    merged.groups.clear();
    merged.groups.reserve(site.groups.size() + shown.groups.size());
    int next = 0;
    for (const PlanGroup &group : site.groups) {
        if (group.recorder != recorder)
            merged.groups.append(group);
        else if (next < shown.groups.size())
            merged.groups.append(shown.groups.at(next++));
    }
    for (; next < shown.groups.size(); ++next)
        merged.groups.append(shown.groups.at(next));
    for (PlanGroup &group : merged.groups) {
        if (group.recorder == 0)
            group.recorder = recorder;
    }
    for (PlanRecorder &stored : merged.recorders) {
        if (stored.id == recorder)
            stored.diskArray = shown.calculation.diskArray;
    }
    PlanCalculation inputs = shown.calculation;
    inputs.diskSize = site.calculation.diskSize;
    inputs.diskUnit = site.calculation.diskUnit;
    inputs.diskArray = site.calculation.diskArray;
    merged.calculation = inputs;
    return merged;
}

QStringList siteCheckLines(const SitePlan &plan, bool *holds)
{
    QStringList lines;
    *holds = true;
    const auto verdictLine = [&](const QString &name, bool hasVerdict, const RetentionVerdict &verdict) {
        if (!hasVerdict) {
            lines << RecorderText::tr("%1: nothing to keep (no groups, drives or period)").arg(name);
            return;
        }
        lines << name + QStringLiteral(": ") + RetentionText::verdict(verdict);
        if (verdict.state != RetentionVerdict::Holds)
            *holds = false;
    };
    if (plan.recorders.isEmpty()) {
        const PlanRetention site = planRetention(plan);
        verdictLine(RecorderText::tr("Site"), site.hasVerdict, site.verdict);
        return lines;
    }
    for (const RecorderOfSite &entry : checkRecorders(plan)) {
        verdictLine(entry.recorder->name, entry.check.hasVerdict, entry.check.verdict);
        for (const Breach &breach : entry.check.breaches) {
            lines << RecorderText::breach(entry.recorder->name, breach);
            *holds = false;
        }
    }
    return lines;
}

DiskArraySetup largestArray(const RecorderLimits &limits, const DiskArraySetup &kind)
{
    DiskArraySetup array = kind;
    array.driveGB = limits.largestDriveGB;
    for (array.drives = std::min(limits.driveBays, DiskArrayLimits::MaxDrives); array.drives > 0; --array.drives) {
        if (diskArrayCapacity(array).isPossible())
            return array;
    }
    // Too few bays for the level (RAID 5 in one bay): single drives.
    array.level = RaidLevel::Single;
    array.hotSpares = 0;
    array.drives = std::min(limits.driveBays, DiskArrayLimits::MaxDrives);
    return array;
}

SpreadProposal spreadGroups(const QVector<RetentionGroup> &groups, const RecorderLimits &limits,
                            const DiskArraySetup &kind, int hoursPerDay, int siteDays)
{
    SpreadProposal proposal;
    const DiskArraySetup array = largestArray(limits, kind);
    const double capacityGB =
        array.drives > 0 ? std::floor(diskArrayCapacity(array).usableCentiGB / kCentiGBPerGB) : 0.0;

    // Every group, or its shares of the channels an empty recorder takes.
    struct Item
    {
        SpreadPart part;
        Load load;
        double share = 0.0; // of the recorder's tightest limit
    };
    QVector<Item> items;
    QVector<ChannelLoad> loads(groups.size());
    for (int i = 0; i < groups.size(); ++i) {
        const RetentionGroup &group = groups.at(i);
        if (group.channels <= 0)
            continue;
        const ChannelLoad one = loads[i] = channelLoad(group, hoursPerDay, siteDays);
        // The channels an empty recorder takes of this group.
        int most = limits.channels;
        if (one.mbps > 0.0)
            most = int(std::min<double>(most, std::floor(limits.incomingMbps / one.mbps)));
        if (one.gb > 0.0) {
            most = int(std::min<double>(most, std::floor(capacityGB / one.gb)));
            while (most > 0 && std::ceil(most * one.gb) > capacityGB)
                --most;
        }
        if (most <= 0) {
            proposal.unplaceable.append(i);
            continue;
        }
        if (group.channels > most)
            proposal.splitGroups.append(i);
        for (int left = group.channels; left > 0; left -= most) {
            const int channels = std::min(left, most);
            Item item{{i, channels}, {channels, channels * one.mbps, channels * one.gb}, 0.0};
            item.share = std::max({double(channels) / limits.channels,
                                   limits.incomingMbps > 0 ? item.load.mbps / limits.incomingMbps : 0.0,
                                   capacityGB > 0.0 ? item.load.gb / capacityGB : 0.0});
            items.append(item);
        }
    }
    // The largest first; equal ones in list order, so that the proposal
    // depends on the site alone.
    std::stable_sort(items.begin(), items.end(),
                     [](const Item &a, const Item &b) { return a.share > b.share; });

    QVector<Load> used;
    for (const Item &item : std::as_const(items)) {
        int target = 0;
        for (; target < used.size(); ++target) {
            const Load &load = used.at(target);
            const Load after{load.channels + item.load.channels, load.mbps + item.load.mbps,
                             load.gb + item.load.gb};
            if (fits(after, limits, capacityGB))
                break;
        }
        if (target == used.size()) {
            used.append(Load());
            proposal.recorders.append(QVector<SpreadPart>());
        }
        Load &load = used[target];
        load.channels += item.load.channels;
        load.mbps += item.load.mbps;
        load.gb += item.load.gb;
        proposal.recorders[target].append(item.part);
    }
    return proposal;
}

SitePlan spreadPlan(const SitePlan &plan, const SpreadProposal &proposal, const RecorderProfile &profile,
                    const DiskArraySetup &kind)
{
    SitePlan spread = plan;
    spread.recorders.clear();
    const DiskArraySetup array = largestArray(profile.limits, kind);
    const auto addRecorder = [&] {
        const quint32 id = quint32(spread.recorders.size() + 1);
        spread.recorders.append(
            {id, RecorderText::recorderName(int(id)), profile.name, profile.limits, array, 0});
        return id;
    };
    // The shares of each group, in the order of the recorders.
    QVector<QVector<std::pair<int, quint32>>> shares(plan.groups.size());
    for (const QVector<SpreadPart> &parts : proposal.recorders) {
        const quint32 recorder = addRecorder();
        for (const SpreadPart &part : parts)
            shares[part.group].append({part.channels, recorder});
    }
    for (int index : proposal.unplaceable)
        shares[index].append({plan.groups.at(index).channels, addRecorder()});

    int nextNumber = 1;
    for (const PlanGroup &group : plan.groups)
        nextNumber = std::max(nextNumber, group.groupNumber + 1);
    spread.groups.clear();
    for (int i = 0; i < plan.groups.size(); ++i) {
        const PlanGroup &group = plan.groups.at(i);
        if (shares.at(i).isEmpty()) { // no channels: on the first recorder
            spread.groups.append(group);
            spread.groups.last().recorder = spread.recorders.isEmpty() ? 0 : spread.recorders.constFirst().id;
            continue;
        }
        const QString suffix = QStringLiteral("(%1)").arg(group.groupNumber);
        const QString typed = group.name.endsWith(suffix) ? group.name.chopped(suffix.size()) : group.name;
        for (int k = 0; k < shares.at(i).size(); ++k) {
            PlanGroup share = group;
            share.channels = shares.at(i).at(k).first;
            share.recorder = shares.at(i).at(k).second;
            if (k > 0) {
                share.id = 0; // the document gives it one
                share.groupNumber = nextNumber++;
                share.name = typed + QStringLiteral("(%1)").arg(share.groupNumber);
            }
            spread.groups.append(share);
        }
    }
    return spread;
}

QString RecorderText::recorderName(int number)
{
    return tr("NVR-%1").arg(number);
}

QString RecorderText::breach(const QString &recorder, const Breach &breach)
{
    const auto mbps = [](double value) { return QString::number(qint64(std::ceil(value))); };
    switch (breach.kind) {
    case Breach::Channels:
        return tr("%1: %2 of %3 channels").arg(recorder).arg(int(breach.used)).arg(int(breach.limit));
    case Breach::Bandwidth:
        return tr("%1: %2 of %3 Mbps").arg(recorder, mbps(breach.used), mbps(breach.limit));
    case Breach::DriveSize:
        return tr("%1: %2 drives, a bay takes at most %3")
            .arg(recorder, DiskArrayText::driveSize(int(breach.used)), DiskArrayText::driveSize(int(breach.limit)));
    case Breach::Bays:
        return tr("%1: needs %n drive(s), has %2 bays", nullptr, int(breach.used))
            .arg(recorder)
            .arg(int(breach.limit));
    case Breach::Uplink:
        return tr("%1: uplink %2 % rule: %3 of %4 Mbps")
            .arg(recorder)
            .arg(RecorderLimitBounds::UplinkPercent)
            .arg(mbps(breach.used), mbps(breach.limit));
    }
    return {};
}

QString RecorderText::channels(const RecorderCheck &check, const RecorderLimits &limits)
{
    return QStringLiteral("%1 / %2").arg(check.channels).arg(limits.channels);
}

QString RecorderText::state(const RecorderCheck &check, const RecorderLimits &limits)
{
    return tr("%1 / %2 channels · %3 / %4 Mbps · %5 / %6 bays")
        .arg(check.channels)
        .arg(limits.channels)
        .arg(qint64(std::ceil(check.peakMbps)))
        .arg(limits.incomingMbps)
        .arg(check.bays)
        .arg(limits.driveBays);
}
