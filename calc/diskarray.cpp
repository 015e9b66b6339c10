#include "calc/diskarray.h"

#include <QStringList>

#include <utility>

namespace {

using namespace DiskArrayLimits;

constexpr qint64 kCentiGBPerGB = 100;
constexpr qint64 kCentiGBPerTB = 100000;
// A thousandth of a TB, the disk-size field's finest step, is a GB.
static_assert(DiskSizeLimits::Thousandths * kCentiGBPerGB == kCentiGBPerTB);
// The largest array goes into the disk-size field whole.
static_assert(qint64(MaxDrives) * MaxDriveGB <= qint64(DiskSizeLimits::Largest) * 1000);

bool isGrouped(RaidLevel level)
{
    return level == RaidLevel::Raid50 || level == RaidLevel::Raid60;
}

// Parity drives of one RAID 5 or 6 set, or of each group of RAID 50 or 60.
int parityPerSet(RaidLevel level)
{
    return level == RaidLevel::Raid6 || level == RaidLevel::Raid60 ? 2 : 1;
}

// The fewest drives, besides the hot spares, that the level takes.
int fewestDrives(RaidLevel level, int groups)
{
    switch (level) {
    case RaidLevel::Single:
        return 1;
    case RaidLevel::Raid0:
    case RaidLevel::Raid1:
        return 2;
    case RaidLevel::Raid5:
        return 3;
    case RaidLevel::Raid6:
    case RaidLevel::Raid10:
        return 4;
    case RaidLevel::Raid50:
    case RaidLevel::Raid60:
        break;
    }
    return (parityPerSet(level) + 2) * groups;
}

// The level's rule on the drives besides the hot spares; data and redundant
// drives when the rule holds.
bool applyLevel(const DiskArraySetup &setup, int arrayDrives, DiskArrayCapacity *capacity)
{
    auto refuse = [capacity](DiskArrayFault fault) {
        capacity->faults.append(fault);
        return false;
    };
    const RaidLevel level = setup.level;
    if (level == RaidLevel::Raid1 && arrayDrives != 2)
        return refuse(DiskArrayFault::NotAPair);
    if (arrayDrives < fewestDrives(level, setup.groups))
        return refuse(DiskArrayFault::TooFewDrives);
    int redundant = 0;
    switch (level) {
    case RaidLevel::Single:
    case RaidLevel::Raid0:
        break;
    case RaidLevel::Raid1:
    case RaidLevel::Raid10:
        if (arrayDrives % 2 != 0)
            return refuse(DiskArrayFault::OddDrives);
        redundant = arrayDrives / 2;
        break;
    case RaidLevel::Raid5:
    case RaidLevel::Raid6:
        if (arrayDrives > MaxSetDrives)
            return refuse(DiskArrayFault::TooManyInSet);
        redundant = parityPerSet(level);
        break;
    case RaidLevel::Raid50:
    case RaidLevel::Raid60:
        // Two groups of 32 already fill an array, so no group grows past a set's limit.
        if (arrayDrives % setup.groups != 0)
            return refuse(DiskArrayFault::UnevenGroups);
        redundant = parityPerSet(level) * setup.groups;
        break;
    }
    capacity->redundantDrives = redundant;
    capacity->dataDrives = arrayDrives - redundant;
    return true;
}

// value / 10^decimals with the trailing zeros of the fraction dropped, from
// whole numbers, so that no rounding can show more than there is.
QString fixedPoint(qint64 value, int decimals)
{
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    QString text = QString::number(value / scale);
    QString fraction = QString::number(qAbs(value % scale)).rightJustified(decimals, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return text;
}

} // namespace

DiskArrayInput faultInput(DiskArrayFault fault)
{
    switch (fault) {
    case DiskArrayFault::NoDriveSize:
    case DiskArrayFault::DriveTooLarge:
        return DiskArrayInput::DriveSize;
    case DiskArrayFault::GroupsOutOfRange:
    case DiskArrayFault::UnevenGroups:
        return DiskArrayInput::Groups;
    case DiskArrayFault::SparesOutOfRange:
    case DiskArrayFault::SparesNotRebuilt:
        return DiskArrayInput::HotSpares;
    case DiskArrayFault::FillOutOfRange:
        return DiskArrayInput::FillLimit;
    default:
        break;
    }
    return DiskArrayInput::Drives;
}

DiskArrayCapacity diskArrayCapacity(const DiskArraySetup &setup)
{
    DiskArrayCapacity capacity;
    QVector<DiskArrayFault> &faults = capacity.faults;
    if (setup.drives <= 0)
        faults.append(DiskArrayFault::NoDrives);
    else if (setup.drives > MaxDrives)
        faults.append(DiskArrayFault::TooManyDrives);
    if (setup.driveGB <= 0)
        faults.append(DiskArrayFault::NoDriveSize);
    else if (setup.driveGB > MaxDriveGB)
        faults.append(DiskArrayFault::DriveTooLarge);
    if (setup.fillPercent < 1 || setup.fillPercent > 100)
        faults.append(DiskArrayFault::FillOutOfRange);
    if (isGrouped(setup.level) && (setup.groups < MinGroups || setup.groups > MaxGroups))
        faults.append(DiskArrayFault::GroupsOutOfRange);
    if (setup.hotSpares < 0 || (setup.drives > 0 && setup.hotSpares >= setup.drives))
        faults.append(DiskArrayFault::SparesOutOfRange);
    else if (setup.hotSpares > 0 && !takesHotSpares(setup.level))
        faults.append(DiskArrayFault::SparesNotRebuilt);
    // The level's rule is about the drive count and the groups, and is said
    // only when those inputs are sound on their own.
    for (const DiskArrayFault fault : std::as_const(faults)) {
        const DiskArrayInput input = faultInput(fault);
        if (input == DiskArrayInput::Drives || input == DiskArrayInput::Groups
            || input == DiskArrayInput::HotSpares)
            return capacity;
    }
    if (!applyLevel(setup, setup.drives - setup.hotSpares, &capacity) || !faults.isEmpty()) {
        capacity.dataDrives = 0;
        capacity.redundantDrives = 0;
        return capacity;
    }
    capacity.usableCentiGB = qint64(capacity.dataDrives) * setup.driveGB * setup.fillPercent;
    return capacity;
}

bool takesHotSpares(RaidLevel level)
{
    return level != RaidLevel::Single && level != RaidLevel::Raid0;
}

int dropUnusableSpares(DiskArraySetup *setup)
{
    if (takesHotSpares(setup->level) || setup->hotSpares <= 0)
        return 0;
    const int dropped = setup->hotSpares;
    setup->drives = qMax(setup->drives - dropped, 0);
    setup->hotSpares = 0;
    return dropped;
}

QString dropUnusableSpares(SiteDocument *document)
{
    PlanCalculation calculation = document->plan().calculation;
    const RaidLevel level = calculation.diskArray.level;
    const int dropped = dropUnusableSpares(&calculation.diskArray);
    if (dropped == 0)
        return {};
    document->correct(calculation);
    return DiskArrayText::sparesDropped(dropped, level);
}

DrivesNeeded drivesNeeded(qint64 neededGB, const DiskArraySetup &given)
{
    DrivesNeeded needed;
    DiskArraySetup candidate = given;
    // A few dozen counts at most: trying each keeps the search under the very
    // rules that judge a set the user enters.
    for (int drives = 1; drives <= MaxDrives; ++drives) {
        candidate.drives = drives;
        const DiskArrayCapacity capacity = diskArrayCapacity(candidate);
        if (!capacity.isPossible())
            continue;
        needed.array = candidate;
        needed.capacity = capacity;
        needed.outcome = DrivesNeeded::BeyondLimits;
        if (capacity.usableCentiGB >= neededGB * kCentiGBPerGB) {
            needed.outcome = DrivesNeeded::Found;
            return needed;
        }
    }
    if (needed.outcome == DrivesNeeded::Impossible) {
        // The largest count says why, for every count fails alike.
        needed.array = candidate;
        needed.capacity = diskArrayCapacity(candidate);
    }
    return needed;
}

DiskSizeEntry diskSizeEntry(qint64 usableCentiGB)
{
    const qint64 centiGB = qMax<qint64>(usableCentiGB, 0);
    const qint64 wholeGB = centiGB / kCentiGBPerGB;
    const bool fractionOfGB = centiGB % kCentiGBPerGB != 0;
    if (centiGB < kCentiGBPerTB)
        return {double(wholeGB), DiskUnit::GB, fractionOfGB};
    // Whole GB are thousandths of a TB: exact in the field.
    const qint64 largest = qint64(DiskSizeLimits::Largest) * DiskSizeLimits::Thousandths;
    if (wholeGB > largest)
        return {double(DiskSizeLimits::Largest), DiskUnit::TB, true};
    return {double(wholeGB) / DiskSizeLimits::Thousandths, DiskUnit::TB, fractionOfGB};
}

QString DiskArrayText::levelName(RaidLevel level)
{
    switch (level) {
    case RaidLevel::Single:
        return tr("Single drives (JBOD)");
    case RaidLevel::Raid0:
        return QStringLiteral("RAID 0");
    case RaidLevel::Raid1:
        return QStringLiteral("RAID 1");
    case RaidLevel::Raid5:
        return QStringLiteral("RAID 5");
    case RaidLevel::Raid6:
        return QStringLiteral("RAID 6");
    case RaidLevel::Raid10:
        return QStringLiteral("RAID 10");
    case RaidLevel::Raid50:
        return QStringLiteral("RAID 50");
    case RaidLevel::Raid60:
        break;
    }
    return QStringLiteral("RAID 60");
}

QString DiskArrayText::driveSize(int driveGB)
{
    return fixedPoint(driveGB, 3) + QStringLiteral(" TB");
}

QString DiskArrayText::capacity(qint64 centiGB)
{
    if (centiGB >= kCentiGBPerTB)
        return fixedPoint(centiGB / kCentiGBPerGB, 3) + QStringLiteral(" TB");
    return fixedPoint(centiGB, 2) + QStringLiteral(" GB");
}

QString DiskArrayText::fault(DiskArrayFault fault, const DiskArraySetup &setup)
{
    const QString level = levelName(setup.level);
    switch (fault) {
    case DiskArrayFault::NoDrives:
        return tr("An array takes at least one drive.");
    case DiskArrayFault::TooManyDrives:
        return tr("At most %1 drives, hot spares included.").arg(MaxDrives);
    case DiskArrayFault::TooFewDrives:
        if (isGrouped(setup.level)) {
            return tr("%1 takes at least %2 drives in each of %3 groups: %4 besides the hot spares.")
                .arg(level)
                .arg(fewestDrives(setup.level, 1))
                .arg(setup.groups)
                .arg(fewestDrives(setup.level, setup.groups));
        }
        return tr("%1 takes at least %2 drives besides the hot spares.")
            .arg(level)
            .arg(fewestDrives(setup.level, setup.groups));
    case DiskArrayFault::TooManyInSet:
        return tr("A %1 set takes at most %2 drives: choose %3 for more.")
            .arg(level)
            .arg(MaxSetDrives)
            .arg(levelName(setup.level == RaidLevel::Raid5 ? RaidLevel::Raid50 : RaidLevel::Raid60));
    case DiskArrayFault::NotAPair:
        return tr("RAID 1 mirrors a pair: 2 drives besides the hot spares (RAID 10 mirrors more).");
    case DiskArrayFault::OddDrives:
        return tr("RAID 10 mirrors pairs: an even number of drives besides the hot spares.");
    case DiskArrayFault::NoDriveSize:
        return tr("Enter the size of one drive, above 0 TB.");
    case DiskArrayFault::DriveTooLarge:
        return tr("At most %1 a drive.").arg(driveSize(MaxDriveGB));
    case DiskArrayFault::GroupsOutOfRange:
        return tr("From %1 to %2 groups.").arg(MinGroups).arg(MaxGroups);
    case DiskArrayFault::UnevenGroups:
        return tr("%1 drives besides the hot spares do not split into %2 equal groups.")
            .arg(setup.drives - setup.hotSpares)
            .arg(setup.groups);
    case DiskArrayFault::SparesOutOfRange:
        return tr("Fewer hot spares than drives: the array needs drives of its own.");
    case DiskArrayFault::SparesNotRebuilt:
        return tr("%1 keeps no copy to rebuild onto a hot spare: take none.").arg(level);
    case DiskArrayFault::FillOutOfRange:
        break;
    }
    return tr("From 1 to 100 %.");
}

QString DiskArrayText::sparesDropped(int spares, RaidLevel level)
{
    return tr("The disk array's %n hot spare(s) were dropped: %1 keeps no copy to rebuild onto a "
              "spare. The drives that hold data are as they were.",
              nullptr, spares)
        .arg(levelName(level));
}

QString DiskArrayText::drives(const DiskArraySetup &setup)
{
    if (setup.level == RaidLevel::Single)
        return tr("%1 × %2 as single drives").arg(setup.drives).arg(driveSize(setup.driveGB));
    return tr("%1 × %2 in %3").arg(setup.drives).arg(driveSize(setup.driveGB), levelName(setup.level));
}

QString DiskArrayText::breakdown(const DiskArraySetup &setup, const DiskArrayCapacity &capacity)
{
    QStringList parts{tr("%1 data").arg(capacity.dataDrives)};
    if (setup.level == RaidLevel::Raid1 || setup.level == RaidLevel::Raid10)
        parts << tr("%1 mirror").arg(capacity.redundantDrives);
    else if (capacity.redundantDrives > 0)
        parts << tr("%1 parity").arg(capacity.redundantDrives);
    QString text = parts.join(QStringLiteral(" + "));
    if (isGrouped(setup.level))
        text = tr("%1 groups: %2").arg(setup.groups).arg(text);
    if (setup.hotSpares > 0)
        text += QStringLiteral(" + ") + tr("%n hot spare(s)", nullptr, setup.hotSpares);
    if (setup.fillPercent < 100)
        text = tr("%1; filled to %2 %").arg(text).arg(setup.fillPercent);
    return tr("(%1)").arg(text);
}

QString DiskArrayText::usableSum(const DiskArraySetup &setup, const DiskArrayCapacity &capacity)
{
    return tr("%n data drive(s) × %1 × %2 % = %3", nullptr, capacity.dataDrives)
        .arg(driveSize(setup.driveGB))
        .arg(setup.fillPercent)
        .arg(DiskArrayText::capacity(capacity.usableCentiGB));
}

DiskArrayText::Line DiskArrayText::drivesNeeded(const DrivesNeeded &needed, qint64 neededGB)
{
    const DiskArraySetup &array = needed.array;
    switch (needed.outcome) {
    case DrivesNeeded::Found:
        return {drives(array), breakdown(array, needed.capacity)};
    case DrivesNeeded::BeyondLimits:
        return {tr("No %1 array of %2 drives holds %3")
                    .arg(levelName(array.level), driveSize(array.driveGB), capacity(neededGB * kCentiGBPerGB)),
                tr("(the largest, %1 drives, holds %2)")
                    .arg(array.drives)
                    .arg(capacity(needed.capacity.usableCentiGB))};
    case DrivesNeeded::Impossible:
        break;
    }
    const QString why = needed.capacity.faults.isEmpty()
                            ? QString()
                            : fault(needed.capacity.faults.constFirst(), array);
    return {tr("No %1 array is possible").arg(levelName(array.level)), tr("(%1)").arg(why)};
}
