#include "calc/capacityinputs.h"

#include "data/bitratecalculator.h"

namespace {

// A total below this in absolute value means there is nothing to record.
constexpr double kZeroBitrate = 1e-06;

bool isZeroBitrate(double totalBitrate)
{
    return -kZeroBitrate < totalBitrate && totalBitrate < kZeroBitrate;
}

} // namespace

RecordTimeText recordTimeResult(const BitrateCalculator &formulas, double totalBitrate,
                                double diskSize, DiskUnit unit, int hoursPerDay)
{
    const RecordTimeText none{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    const double diskSizeGB = unit == DiskUnit::TB ? diskSize * 1000.0 : diskSize;
    if (isZeroBitrate(totalBitrate) || hoursPerDay == 0)
        return none;
    return toRecordTimeResult(formulas.calculateRecordHours(totalBitrate, diskSizeGB), hoursPerDay);
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

DiskSizeText diskSizeResult(const BitrateCalculator &formulas, double totalBitrate, int count,
                            PeriodUnit unit, int hoursPerDay)
{
    // A zero bitrate needs no test of its own: it gives a size of 0 GB.
    return toDiskSizeResult(
        formulas.calculateDiskSize(totalBitrate, recordHoursOf(count, unit, hoursPerDay)));
}

double gigabytesPerDay(const BitrateCalculator &formulas, double totalBitrate, int hoursPerDay)
{
    return formulas.calculateDiskSize(totalBitrate, hoursPerDay);
}
