#pragma once

#include "calc/capacityresults.h"
#include "data/planrecords.h"

// The inputs of the two calculations and the results they give for a total
// bitrate. The calculation page and the plan report both compute through
// these functions, so that a report and the screen cannot disagree. A total
// bitrate of (nearly) 0 is no result: 0 days, 0 GB.

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
