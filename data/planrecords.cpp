#include "data/planrecords.h"

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
