#pragma once

// The records of a plan's calculation that the model's rules and files share:
// the units of the two calculations' inputs and the disk array the drives
// make. The rules on them live in calc/ (capacityinputs, diskarray); the
// plan file in data/ reads and writes them.

enum class DiskUnit {
    GB,
    TB, // 1 TB = 1000 GB
};

enum class PeriodUnit {
    Day,
    Week,  // 7 days
    Month, // 30 days
};

enum class RaidLevel {
    Single,
    Raid0,
    Raid1,
    Raid5,
    Raid6,
    Raid10,
    Raid50,
    Raid60,
};

namespace DiskArrayLimits {
constexpr int MaxDrives = 64;      // in all, hot spares included
constexpr int MaxSetDrives = 32;   // in a RAID 5 or 6 set, or one group of RAID 50 or 60
constexpr int MinGroups = 2;
constexpr int MaxGroups = 16;
constexpr int MaxDriveGB = 200000; // 200 TB
// So a group of RAID 50 or 60 never holds more drives than a set may.
static_assert(MaxSetDrives * MinGroups >= MaxDrives);
} // namespace DiskArrayLimits

struct DiskArraySetup
{
    int drives = 4; // in all, hot spares included
    int driveGB = 8000;
    RaidLevel level = RaidLevel::Raid5;
    int groups = 2; // RAID 50 and 60 only
    int hotSpares = 0;
    int fillPercent = 100;
};
bool operator==(const DiskArraySetup &a, const DiskArraySetup &b);
bool operator!=(const DiskArraySetup &a, const DiskArraySetup &b);
