#include "data/planrecords.h"

#include <cmath>

using namespace DiskSizeLimits;

bool operator==(const DiskArraySetup &a, const DiskArraySetup &b)
{
    return a.drives == b.drives && a.driveGB == b.driveGB && a.level == b.level
           && a.groups == b.groups && a.hotSpares == b.hotSpares && a.fillPercent == b.fillPercent;
}

bool operator!=(const DiskArraySetup &a, const DiskArraySetup &b)
{
    return !(a == b);
}

bool operator==(const GroupRecording &a, const GroupRecording &b)
{
    return a.mode == b.mode && a.eventPercent == b.eventPercent && a.subStreamKbps == b.subStreamKbps
           && a.subStreamResolution == b.subStreamResolution
           && a.subStreamRetentionDays == b.subStreamRetentionDays && a.control == b.control
           && a.retentionDays == b.retentionDays && a.night == b.night;
}

bool operator!=(const GroupRecording &a, const GroupRecording &b)
{
    return !(a == b);
}

RecordingFault recordingFault(const GroupRecording &recording)
{
    using namespace RecordingLimits;
    const auto isDays = [](int days) { return days == 0 || (days >= MinRetentionDays && days <= MaxRetentionDays); };
    if (recording.eventPercent < MinEventPercent || recording.eventPercent > MaxEventPercent)
        return RecordingFault::EventPercent;
    if (!isDays(recording.retentionDays))
        return RecordingFault::RetentionDays;
    if (recording.mode == RecordingMode::DualStream) {
        if (!(recording.subStreamKbps > 0 && recording.subStreamKbps <= MaxSubStreamKbps))
            return RecordingFault::SubStreamKbps;
        if (!isDays(recording.subStreamRetentionDays))
            return RecordingFault::SubStreamRetentionDays;
    }
    return RecordingFault::None;
}

GroupRecording withoutUnusedSettings(GroupRecording recording)
{
    if (recording.mode == RecordingMode::Continuous)
        recording.eventPercent = GroupRecording().eventPercent;
    if (recording.mode != RecordingMode::DualStream) {
        recording.subStreamKbps = 0.0;
        recording.subStreamResolution.clear();
        recording.subStreamRetentionDays = 0;
    }
    return recording;
}

bool isFieldDiskSize(double size, DiskUnit unit)
{
    if (!(size >= 0.0 && size <= Largest))
        return false;
    // A binary fraction is a little off the decimal it stands for (7.123).
    constexpr double kSlack = 1e-6;
    const double steps = unit == DiskUnit::TB ? size * Thousandths : size;
    return std::abs(steps - std::round(steps)) < kSlack;
}

double fieldDiskSize(double size, DiskUnit unit)
{
    if (unit == DiskUnit::GB)
        return std::round(size);
    return double(std::llround(size * Thousandths)) / Thousandths;
}

bool operator==(const RecorderLimits &a, const RecorderLimits &b)
{
    return a.channels == b.channels && a.incomingMbps == b.incomingMbps && a.driveBays == b.driveBays
           && a.largestDriveGB == b.largestDriveGB;
}
