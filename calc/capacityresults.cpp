#include "calc/capacityresults.h"

#include <cmath>

namespace {

constexpr int kTBThreshold = 1000;
constexpr double kGBPerTB = 1000.0;
constexpr int kLargestTB = 50000;
constexpr long long kLargestDays = 3650;

// Truncation toward zero to 32 bits; a value that does not fit (or is not a
// number) answers -1, which every caller treats as out of range.
int truncateToInt(double value)
{
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return -1;
    return static_cast<int>(value);
}

} // namespace

DiskSizeText toDiskSizeResult(double diskSize)
{
    const DiskSizeText outOfRange{QStringLiteral("0"), QStringLiteral("GB")};

    const int gb = truncateToInt(std::ceil(diskSize));
    if (gb <= kTBThreshold) {
        if (gb < 0)
            return outOfRange;
        return {QString::number(gb), QStringLiteral("GB")};
    }
    // Rounded up twice: the GB figure above, then the TB quotient.
    const int tb = truncateToInt(std::ceil(gb / kGBPerTB));
    if (tb > kLargestTB || tb < 0)
        return outOfRange;
    return {QString::number(tb), QStringLiteral("TB")};
}

RecordTimeText toRecordTimeResult(double recordHours, int hoursPerDay)
{
    const RecordTimeText outOfRange{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};

    const double days = recordHours / hoursPerDay;
    // Range first: the narrower truncations below are only defined for
    // values that fit.
    if (!(days > -1.0 && days < static_cast<double>(kLargestDays + 1)))
        return outOfRange;
    const long long day = static_cast<long long>(days);
    const int week = static_cast<int>(days / 7.0);
    const int month = static_cast<int>(days / 30.0);
    return {QString::number(day), QString::number(week), QString::number(month)};
}
