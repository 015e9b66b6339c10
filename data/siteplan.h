#pragma once

#include "calc/capacityinputs.h"
#include "calc/diskarray.h"
#include "data/devicerecords.h"

#include <QString>
#include <QStringList>
#include <QVector>

// A site plan: everything the window shows that the installer agreed on, as
// a document. Device types, rate modes and units are held as meanings, not
// display texts, so that a plan saved in one interface language opens in
// another.

// One channel group, in list order.
struct PlanGroup
{
    QString name;               // as listed, with its "(group number)" suffix
    int channels = 0;
    int deviceType = DeviceIndexIPC; // DeviceTypeIndex
    int rateMode = RateFixed;        // RateMode
    QString resolution;
    QString frameRate;          // fixed rate only
    int frameRateIndex = -1;    // in the standard's frame-rate list; -1 when not listed
    QString encoding;
    QString scene;              // recommended rate only
    double kbps = 0.0;          // per channel, as agreed: never recomputed
    int groupNumber = 0;
};

// The inputs of the two calculations, and which result is shown.
struct PlanCalculation
{
    double diskSize = 4; // whole GB, or TB with up to three decimals
    DiskUnit diskUnit = DiskUnit::TB;
    int timeHoursPerDay = 24;
    int saveTime = 1;
    PeriodUnit saveUnit = PeriodUnit::Week;
    int sizeHoursPerDay = 24;
    bool sizeShown = false; // "Calculate Size" rather than "Calculate Time"
    // The drives last set for the disk size, and for the drives that the
    // needed size takes.
    DiskArraySetup diskArray;
};

struct SitePlan
{
    int frameStandard = FramePAL; // FrameStandard
    QVector<PlanGroup> groups;
    PlanCalculation calculation;
};

// The group as the device list keeps it. The device type becomes the display
// text of the current interface language.
StructDeviceItem toDeviceItem(const PlanGroup &group);

// The group a listed record stands for. `frameRates` is the frame-rate list
// of the plan's standard, where the frame rate's index is looked up; a type
// text that names no type counts as IPC, as the bitrate rule treats it.
PlanGroup toPlanGroup(const StructDeviceItem &item, const QStringList &frameRates);

// Sum of channels x per-channel kbps over the groups.
double totalKbps(const QVector<PlanGroup> &groups);
