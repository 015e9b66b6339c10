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
