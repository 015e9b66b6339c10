#pragma once

#include "calc/capacityresults.h"

#include <QLocale>
#include <QString>

class BitrateCalculator;

// The inputs of the two calculations and the results they give for a total
// bitrate. The calculation page and the plan report both compute through
// these functions, with the formulas of a BitrateCalculator, so that a
// report and the screen cannot disagree.

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

// What a text in the disk-size field is, as a validator states it.
enum class DiskSizeTextState {
    Invalid,      // typing more cannot make it a size: refused
    Intermediate, // not a size yet ("", ".", "1,00", "7.5" GB): reads as 0
    Acceptable,
};

struct DiskSizeReading
{
    DiskSizeTextState state = DiskSizeTextState::Intermediate;
    double size = 0.0; // in the field's unit; 0 unless acceptable
};

// Reads the disk-size field's text in `unit`. Both the point and the
// locale's decimal separator separate the decimals; a GB figure with
// decimals is intermediate, as it is no whole number yet. The locale's
// group separator may group the whole part in threes ("12,500") when it is
// not a decimal separator itself; a leading plus sign is allowed.
DiskSizeReading readDiskSize(const QString &text, DiskUnit unit, const QLocale &locale);

// The field's text for a size: up to three decimals, trailing zeros
// dropped, the locale's decimal separator and no group separator.
QString diskSizeFieldText(double size, const QLocale &locale);

// Whether the field takes `size` in `unit` (a plan's figure): 0 to 50000,
// whole in GB, at most three decimals in TB.
bool isFieldDiskSize(double size, DiskUnit unit);

// `size` as the field holds it in `unit`: to the nearest thousandth of a TB,
// or the nearest whole GB (halves away from zero).
double fieldDiskSize(double size, DiskUnit unit);

enum class PeriodUnit {
    Day,
    Week,  // 7 days
    Month, // 30 days
};

// What a disk of `diskSize` in `unit` records at `totalBitrate` kbps and
// `hoursPerDay` hours a day. No bitrate or no hours give 0, 0 and 0.
RecordTimeText recordTimeResult(const BitrateCalculator &formulas, double totalBitrate,
                                double diskSize, DiskUnit unit, int hoursPerDay);

// Recording hours of `count` periods at `hoursPerDay` hours a day, in 32-bit
// integer arithmetic as the size formula takes them.
int recordHoursOf(int count, PeriodUnit unit, int hoursPerDay);

// The disk that `count` periods of `unit` need at `totalBitrate` kbps and
// `hoursPerDay` hours a day.
DiskSizeText diskSizeResult(const BitrateCalculator &formulas, double totalBitrate, int count,
                            PeriodUnit unit, int hoursPerDay);

// GB that `totalBitrate` kbps fill in one day of `hoursPerDay` hours, with
// the same reserve and size factors as the disk size.
double gigabytesPerDay(const BitrateCalculator &formulas, double totalBitrate, int hoursPerDay);
