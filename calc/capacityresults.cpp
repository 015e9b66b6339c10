#include "calc/capacityresults.h"

#include <cmath>

namespace {

constexpr double kTBThreshold = 1000.0;
constexpr double kGBPerTB = 1000.0;
constexpr int kLargestTB = 50000;
constexpr int kLargestDays = 3650;
constexpr int kLargestWeeks = kLargestDays / 7;
constexpr int kLargestMonths = kLargestDays / 30;

QString moreThan(int figure)
{
    return QStringLiteral(">") + QString::number(figure);
}

} // namespace

DiskSizeText toDiskSizeResult(double diskSize)
{
    // Whole GB, rounded up. A size that is no number or below 0 is no result.
    const double gb = std::ceil(diskSize);
    if (!(gb >= 0.0))
        return {QStringLiteral("0"), QStringLiteral("GB")};
    if (gb <= kTBThreshold)
        return {QString::number(static_cast<int>(gb)), QStringLiteral("GB"), false, static_cast<qint64>(gb)};
    // Rounded up twice: the GB figure above, then the TB quotient. Past the
    // largest size shown (infinity included) the result says "more than".
    const double tb = std::ceil(gb / kGBPerTB);
    if (tb > kLargestTB)
        return {moreThan(kLargestTB), QStringLiteral("TB"), true};
    return {QString::number(static_cast<int>(tb)), QStringLiteral("TB"), false,
            static_cast<qint64>(tb) * static_cast<qint64>(kGBPerTB)};
}

RecordTimeText toRecordTimeResult(double recordHours, int hoursPerDay)
{
    const double days = recordHours / hoursPerDay;
    // Less than a whole day truncates to 0 days; a negative or undefined
    // period is no result.
    if (!(days > -1.0))
        return {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    if (days >= kLargestDays + 1.0)
        return {moreThan(kLargestDays), moreThan(kLargestWeeks), moreThan(kLargestMonths), true};
    const int day = static_cast<int>(days);
    const int week = static_cast<int>(days / 7.0);
    const int month = static_cast<int>(days / 30.0);
    return {QString::number(day), QString::number(week), QString::number(month)};
}
