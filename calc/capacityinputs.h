#pragma once

#include "calc/capacityresults.h"
#include "data/planrecords.h"

#include <QLocale>
#include <QString>

// The inputs of the two calculations and the results they give for a total
// bitrate. The calculation page and the plan report both compute through
// these functions, so that a report and the screen cannot disagree. A total
// bitrate of (nearly) 0 is no result: 0 days, 0 GB.

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

// What a disk of `diskSize` in `unit` records at `totalBitrate` kbps and
// `hoursPerDay` hours a day. No bitrate or no hours give 0, 0 and 0.
RecordTimeText recordTimeResult(double totalBitrate, double diskSize, DiskUnit unit, int hoursPerDay);

// Recording hours of `count` periods at `hoursPerDay` hours a day, in 32-bit
// integer arithmetic as the size formula takes them.
int recordHoursOf(int count, PeriodUnit unit, int hoursPerDay);

// The disk that `count` periods of `unit` need at `totalBitrate` kbps and
// `hoursPerDay` hours a day.
DiskSizeText diskSizeResult(double totalBitrate, int count, PeriodUnit unit, int hoursPerDay);

// GB that `totalBitrate` kbps fill in one day of `hoursPerDay` hours, with
// the same reserve and size factors as the disk size.
double gigabytesPerDay(double totalBitrate, int hoursPerDay);
