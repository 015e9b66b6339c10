#include "calc/capacityinputs.h"

#include "data/capacityformulas.h"

namespace {

// A total below this in absolute value means there is nothing to record.
constexpr double kZeroBitrate = 1e-06;

bool isZeroBitrate(double totalBitrate)
{
    return -kZeroBitrate < totalBitrate && totalBitrate < kZeroBitrate;
}

} // namespace

RecordTimeText recordTimeResult(double totalBitrate, double diskSize, DiskUnit unit, int hoursPerDay)
{
    const RecordTimeText none{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    const double diskSizeGB = unit == DiskUnit::TB ? diskSize * 1000.0 : diskSize;
    if (isZeroBitrate(totalBitrate) || hoursPerDay == 0)
        return none;
    return toRecordTimeResult(CapacityFormulas::recordHours(totalBitrate, diskSizeGB), hoursPerDay);
}

int recordHoursOf(int count, PeriodUnit unit, int hoursPerDay)
{
    switch (unit) {
    case PeriodUnit::Day:
        return count * hoursPerDay;
    case PeriodUnit::Week:
        return count * 7 * hoursPerDay;
    case PeriodUnit::Month:
        break;
    }
    return count * 30 * hoursPerDay;
}

DiskSizeText diskSizeResult(double totalBitrate, int count, PeriodUnit unit, int hoursPerDay)
{
    // Tested apart, as the time is: a total just above 0 would round up to 1 GB.
    if (isZeroBitrate(totalBitrate))
        return toDiskSizeResult(0.0);
    return toDiskSizeResult(
        CapacityFormulas::diskSize(totalBitrate, recordHoursOf(count, unit, hoursPerDay)));
}

double gigabytesPerDay(double totalBitrate, int hoursPerDay)
{
    return CapacityFormulas::diskSize(totalBitrate, hoursPerDay);
}
