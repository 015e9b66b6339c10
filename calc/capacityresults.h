#pragma once

#include <QString>

// The texts that the calculation page emits for its two results. A figure
// past what the result boxes show (or past the integer range) is shown as
// "more than" the largest figure they show, ">50000" TB or ">3650" days,
// and flagged, so that code building on a result can tell that its figure
// is only a lower bound.
struct DiskSizeText
{
    QString size; // whole number, or ">50000"
    QString unit; // "GB" or "TB"
    bool moreThan = false;
    qint64 gigabytes = 0; // the size shown, in GB (a TB figure times 1000); 0 with moreThan
};

struct RecordTimeText
{
    QString day;
    QString week;
    QString month;
    bool moreThan = false;
};

// A computed size in GB as the size result shows it.
DiskSizeText toDiskSizeResult(double diskSize);
// Computed recording hours at `hoursPerDay` (not 0) hours a day as whole
// days, weeks and months.
RecordTimeText toRecordTimeResult(double recordHours, int hoursPerDay);
