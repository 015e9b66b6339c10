#pragma once

#include <QString>

// The texts that the calculation page emits for its two results.
struct DiskSizeText
{
    QString size; // whole number
    QString unit; // "GB" or "TB"
};

struct RecordTimeText
{
    QString day;
    QString week;
    QString month;
};

// A computed size in GB as the size result shows it.
DiskSizeText toDiskSizeResult(double diskSize);
// Computed recording hours at `hoursPerDay` (not 0) hours a day as whole
// days, weeks and months.
RecordTimeText toRecordTimeResult(double recordHours, int hoursPerDay);
