#pragma once

#include "calc/capacityinputs.h"
#include "data/planrecords.h"
#include "data/sitedocument.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// Disk arrays: the capacity that a set of drives gives for recordings, and
// the smallest set that holds a given capacity. Sizes are decimal, as drive
// makers state them (1 TB = 1000 GB). A drive's size is held in whole GB and
// capacities in hundredths of a GB, so that the arithmetic is exact: three
// 1.2 TB drives are 3600 GB, not 3599.9999.
//
// The levels and their limits (drives besides the hot spares):
//   single drives (JBOD)  1 or more; every drive holds data
//   RAID 0                2 or more; every drive holds data
//   RAID 1                a mirrored pair: exactly 2, one holds data
//                         (more drives mirrored in pairs are RAID 10)
//   RAID 5                3 to 32; one drive's worth of parity
//   RAID 6                4 to 32; two drives' worth of parity
//   RAID 10               an even number from 4; half hold data
//   RAID 50, RAID 60      2 to 16 equal groups striped together, each a
//                         RAID 5 set (3 to 32 drives) or a RAID 6 set (4 to 32)
// An array holds at most 64 drives, hot spares included: what a recorder
// with its disk shelves holds. Hot spares hold no data; they stand by for a
// failed drive to be rebuilt onto, so single drives and RAID 0, which keep no
// copy to rebuild from, take none. Usable capacity is data drives x drive
// size x fill limit (1 to 100 %).

// Why a set is not possible; each is about one input.
enum class DiskArrayFault {
    NoDrives,         // drives
    TooManyDrives,    // drives: more than 64 in all
    TooFewDrives,     // drives: fewer than the level takes besides the spares
    TooManyInSet,     // drives: a RAID 5 or 6 set of more than 32
    NotAPair,         // drives: RAID 1 of other than 2
    OddDrives,        // drives: RAID 10 of an odd number
    NoDriveSize,      // drive size
    DriveTooLarge,    // drive size: above 200 TB
    GroupsOutOfRange, // groups: RAID 50 or 60 of fewer than 2 or more than 16
    UnevenGroups,     // groups: the drives do not split into equal groups
    SparesOutOfRange, // hot spares: negative, or leaving no drive for the array
    SparesNotRebuilt, // hot spares: single drives and RAID 0 rebuild nothing onto one
    FillOutOfRange,   // fill limit: outside 1 to 100 %
};

enum class DiskArrayInput { Drives, DriveSize, Groups, HotSpares, FillLimit };
DiskArrayInput faultInput(DiskArrayFault fault);

struct DiskArrayCapacity
{
    QVector<DiskArrayFault> faults; // empty for a possible set, at most one per input
    int dataDrives = 0;
    int redundantDrives = 0;  // parity, or mirror copies
    qint64 usableCentiGB = 0; // data drives x drive GB x fill percent

    bool isPossible() const { return faults.isEmpty(); }
};

// What the set gives. A set that is not possible has no drives and no capacity.
DiskArrayCapacity diskArrayCapacity(const DiskArraySetup &setup);

// Whether the level rebuilds a failed drive onto a hot spare.
bool takesHotSpares(RaidLevel level);

// A set saved before single drives and RAID 0 refused hot spares: the spares
// leave the drive count, so that the drives holding data, and with them the
// capacity, stay as they were saved. Returns how many spares were dropped.
int dropUnusableSpares(DiskArraySetup *setup);
// The same for a plan just opened, as a correction of its document; the
// text that says so, or empty when nothing was dropped.
QString dropUnusableSpares(SiteDocument *document);

// The smallest set with the drive size, level, groups, hot spares and fill
// limit of `given` (its drive count is not used) whose usable capacity holds
// `neededGB`.
struct DrivesNeeded
{
    enum Outcome {
        Found,
        BeyondLimits, // no set of the level holds it; `array` is the largest
        Impossible,   // no set of the level is possible with those inputs
    };
    Outcome outcome = Impossible;
    DiskArraySetup array;
    DiskArrayCapacity capacity; // of `array`; with Impossible, the faults of `given`
};
DrivesNeeded drivesNeeded(qint64 neededGB, const DiskArraySetup &given);

// What goes into the disk-size field for a usable capacity, never more than
// it: from 1 TB on, TB with up to three decimals (whole GB); below, whole GB.
// A fraction of a GB is rounded down.
struct DiskSizeEntry
{
    double size = 0.0; // in `unit`, as the field takes it
    DiskUnit unit = DiskUnit::GB;
    bool roundedDown = false;
};
DiskSizeEntry diskSizeEntry(qint64 usableCentiGB);

// The texts that show a set, in the interface language.
class DiskArrayText final
{
    Q_DECLARE_TR_FUNCTIONS(DiskArrayText)

public:
    static QString levelName(RaidLevel level);
    // "8 TB", "1.2 TB": a drive as its maker states it.
    static QString driveSize(int driveGB);
    // "43.2 TB", or "330.33 GB" below 1 TB; never rounded up.
    static QString capacity(qint64 centiGB);
    // Why the set is refused, said next to the input it is about.
    static QString fault(DiskArrayFault fault, const DiskArraySetup &setup);
    // What dropUnusableSpares did to a set of `level`.
    static QString sparesDropped(int spares, RaidLevel level);
    // "6 × 8 TB in RAID 5" and its breakdown "(5 data + 1 parity)".
    static QString drives(const DiskArraySetup &setup);
    static QString breakdown(const DiskArraySetup &setup, const DiskArrayCapacity &capacity);
    // "5 data drives × 8 TB × 90 % = 36 TB".
    static QString usableSum(const DiskArraySetup &setup, const DiskArrayCapacity &capacity);
    // The drives for a needed size, or why there are none, as one line and
    // the part of it that may go to a second line.
    struct Line
    {
        QString head;
        QString tail;
    };
    static Line drivesNeeded(const DrivesNeeded &needed, qint64 neededGB);
};
