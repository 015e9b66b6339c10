#pragma once

#include "data/planrecords.h"

#include <QMap>
#include <QString>

// The plain records that travel by value between the editor, the device list,
// its rows and the scene selector. They are complete, default-constructible
// and copyable types, deliberately not registered with the meta-type system:
// every connection that carries them is direct, within the GUI thread.

// One channel group as composed in the editor and stored in the device list.
// The rate mode is told by which of strScenceName (recommended rate) and
// strFrameRate (fixed rate) is empty.
struct StructDeviceItem
{
    QString strDeviceType;   // "IPC" or "DVR/NVR" as displayed (possibly translated)
    QString strChannelName;  // typed name followed by "(<group number>)"
    QString strReserved;     // always empty
    bool bReserved = false;  // always false
    QString strScenceName;   // recommended rate only
    QString strEncodeType;
    int iChannelCounts = 0;
    QString strResolution;
    QString strFrameRate;    // fixed rate only
    double dBitrate = 0.0;   // kbps of one channel
    int iChannelGroupNumber = 0;
    // The group's identity in its plan (0 for a group the editor just
    // composed) and how it records: carried through the list untouched, so
    // that the plan the list gives back keeps them.
    quint32 uGroupId = 0;
    GroupRecording recording;
    quint32 uRecorderId = 0; // the recorder that records it; 0 without recorders
};

// One entry of a device type list; iTypeId is stored as the combo item's
// data under Qt::UserRole.
struct StructDeviceType
{
    int iTypeId = 0;
    QString strTypeName;
};

// One entry of the scene selector; iScenceType is the 0-based position of
// the scene in the scene name list, and entry 0 starts selected.
struct SCENCE_ITEM
{
    int iScenceType = 0;
    QString strScenceName;
};

// Resolution id to display text, walked in ascending key order.
using DeviceResolutionMap = QMap<int, QString>;

// The device list's groups under the 64-bit keys it assigns itself.
using DeviceListStore = QMap<long long, StructDeviceItem>;

// Position in the editor's device type list; the bitrate calculator treats
// every value other than DeviceIndexDVR like DeviceIndexIPC.
enum DeviceTypeIndex {
    DeviceIndexIPC = 0,
    DeviceIndexDVR = 1,
};

// Device type as the table loader and DeviceInfoManager take it; the loader
// treats every value other than TableIPC like TableDVR.
enum TableDeviceType {
    TableIPC = 1,
    TableDVR = 2,
};

// Every non-zero value means NTSC.
enum FrameStandard {
    FramePAL = 0,
    FrameNTSC = 1,
};

enum RateMode {
    RateFixed = 0,       // radio "Fixed Rate", the default
    RateRecommended = 1, // radio "VarRate": recommended rate by scene
};
