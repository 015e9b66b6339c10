#include "data/capacityformulas.h"

#include <cmath>

namespace {

// Frame rate the tables are written for, under PAL and NTSC alike.
constexpr int kBaseFrameRate = 25;

constexpr double kSecondsPerHour = 3600.0;
constexpr double kKbitPerGB = 8000000.0;
constexpr double kReserveFactor = 1.0030090270812437; // nearest double to 1 / 0.997
constexpr double kSizeFactor = 1.024;

} // namespace

namespace CapacityFormulas {

double channelBitrate(bool recorder, double tableBitrate, double frameRate)
{
    const double d = tableBitrate;
    const double f = frameRate;

    if (recorder)
        return d / 5.0 + (f * 4.0 * d) / (kBaseFrameRate * 5);

    if (f >= 10)
        return d * f / kBaseFrameRate;
    if (f >= 1)
        return (d * 10.0 / kBaseFrameRate) * std::pow(0.9, 10 - f);
    return (d * 10.0 / kBaseFrameRate) * std::pow(0.9, 9);
}

double diskSize(double totalBitrate, int hours)
{
    // The order of the operations is part of the result: reordering changes
    // the last bits, which ceil can turn into a whole GB.
    const double a = totalBitrate * kSecondsPerHour;
    const double b = static_cast<double>(hours) * a;
    const double c = b * kReserveFactor;
    const double d = c / kKbitPerGB;
    return d * kSizeFactor;
}

double recordHours(double totalBitrate, double diskSize)
{
    const double gbPerHour = totalBitrate * kSecondsPerHour / kKbitPerGB * kReserveFactor
                             * kSizeFactor;
    return diskSize / gbPerHour;
}

} // namespace CapacityFormulas
