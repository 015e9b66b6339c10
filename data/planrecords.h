#pragma once

#include <QString>

// The records of a plan's calculation that the model's rules and files share:
// the units of the two calculations' inputs, the disk array the drives make,
// and how each group records and how long it keeps what it records. The rules on them live in calc/ (capacityinputs, diskarray); the
// plan file in data/ reads and writes them.

enum class DiskUnit {
    GB,
    TB, // 1 TB = 1000 GB
};

// The disk-size field: 0 to 50000, in TB with up to three decimals (whole
// GB) or in whole GB.
namespace DiskSizeLimits {
constexpr int Largest = 50000;
constexpr int TBDecimals = 3;
constexpr int Thousandths = 1000;
} // namespace DiskSizeLimits

// Whether the field takes `size` in `unit` (a plan's figure): 0 to 50000,
// whole in GB, at most three decimals in TB.
bool isFieldDiskSize(double size, DiskUnit unit);

// `size` as the field holds it in `unit`: to the nearest thousandth of a TB,
// or the nearest whole GB (halves away from zero).
double fieldDiskSize(double size, DiskUnit unit);

// The other inputs of the two calculations: the period (in days, weeks or
// months) and the recording hours of a day.
namespace CalculationLimits {
constexpr int MaxSaveTime = 365;
constexpr int MaxHoursPerDay = 24;
} // namespace CalculationLimits

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

// How a group records. Continuous recording writes its stream for every
// recording hour; on events (motion, alarms) it writes for a share of them.
// Dual stream records a sub-stream for every recording hour and the main
// stream on events, each with its own retention.
enum class RecordingMode {
    Continuous,
    Events,
    DualStream,
};

// A variable-rate stream writes more for a busy or dark scene and less for a
// still one; a constant-rate stream writes its set rate whatever the scene.
enum class RateControl {
    Variable,
    Constant,
};

// What the camera sees at night: not said, lit, or under its own infrared
// light, whose noise can double a variable-rate stream.
enum class NightScene {
    NotSet,
    Lit,
    Infrared,
};

namespace RecordingLimits {
constexpr int MinEventPercent = 1;
constexpr int MaxEventPercent = 100;
constexpr int MinRetentionDays = 1;
constexpr int MaxRetentionDays = 365;
} // namespace RecordingLimits

// A group's recording. The defaults record continuously at a variable rate
// and keep it for the site's period: today's figures, exactly.
struct GroupRecording
{
    RecordingMode mode = RecordingMode::Continuous;
    // Events and the main stream of dual stream: the share of the recording
    // hours it records, from 1 to 100.
    int eventPercent = 100;
    // Dual stream: the sub-stream's rate of one channel, and its resolution
    // as chosen.
    double subStreamKbps = 0.0;
    QString subStreamResolution;
    // Dual stream: days the sub-stream is kept; 0 keeps it as long as the
    // main stream.
    int subStreamRetentionDays = 0;
    RateControl control = RateControl::Variable;
    // Days this group must be kept; 0 keeps it for the site's period.
    int retentionDays = 0;
    NightScene night = NightScene::NotSet;
};
bool operator==(const GroupRecording &a, const GroupRecording &b);
bool operator!=(const GroupRecording &a, const GroupRecording &b);

// What keeps settings given for a group from being its recording: the
// event share outside 1-100, a retention of more than a year, or a dual
// stream without a sub-stream rate (up to the editor's highest rate).
enum class RecordingFault {
    None,
    EventPercent,
    RetentionDays,
    SubStreamKbps,
    SubStreamRetentionDays,
};
namespace RecordingLimits {
constexpr int MaxSubStreamKbps = 204800;
} // namespace RecordingLimits
RecordingFault recordingFault(const GroupRecording &recording);

// `recording` without what its mode does not use: continuous recording
// records every hour (100 %), and only dual stream has a sub-stream. So a
// group set back to continuous recording is a default group again.
GroupRecording withoutUnusedSettings(GroupRecording recording);

// What one recorder takes: channels, the incoming bandwidth of its cameras,
// drive bays and the largest drive a bay takes. The defaults are those of a
// common 32-channel recorder.
struct RecorderLimits
{
    int channels = 32;
    int incomingMbps = 256;
    int driveBays = 4;
    int largestDriveGB = 16000;
};
bool operator==(const RecorderLimits &a, const RecorderLimits &b);
inline bool operator!=(const RecorderLimits &a, const RecorderLimits &b) { return !(a == b); }

namespace RecorderLimitBounds {
constexpr int MaxChannels = 4096;
constexpr int MaxIncomingMbps = 100000;
constexpr int MaxDriveBays = DiskArrayLimits::MaxDrives;
constexpr int MaxDriveGB = DiskArrayLimits::MaxDriveGB;
// A camera network's uplink carries at most this share of its capacity, so
// that bursts and other traffic still pass.
constexpr int UplinkPercent = 70;
} // namespace RecorderLimitBounds
