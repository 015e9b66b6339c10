#pragma once

#include <QString>

class BitrateTablePass;

// The small calculator that the device editor, the device list and the
// calculation page each own: the per-channel bitrate of a device type,
// resolution, encoding and frame rate, and the two capacity formulas (which
// forward to CapacityFormulas, where code that needs no tables takes them).
// Constructing one converts the recorder table handed over as CSV, when
// there is one: code that must write nothing uses CapacityFormulas instead.
//
// Every bitrate is in kbps; disk sizes are decimal GB (1 TB = 1000 GB).
class BitrateCalculator final
{
public:
    BitrateCalculator();
    ~BitrateCalculator();

    void setEncoding(const QString &encoding);
    QString encoding() const;

    // kbps of one channel; `device` is a DeviceTypeIndex (0 IPC, 1 DVR/NVR).
    // The table is read from disk for this computation.
    double bitrate(int device, const QString &resolution, double frameRate) const;
    // The same figure, from the table as `pass` holds it.
    double bitrate(int device, const QString &resolution, double frameRate,
                   BitrateTablePass &pass) const;

    // GB that `totalBitrate` kbps fill in `recordHours` hours.
    double calculateDiskSize(double totalBitrate, int recordHours) const;
    // Hours that `diskSize` GB hold at `totalBitrate` kbps.
    double calculateRecordHours(double totalBitrate, double diskSize) const;

private:
    Q_DISABLE_COPY_MOVE(BitrateCalculator)

    // The per-channel rule on table value `tableBitrate` at `frameRate`.
    static double channelBitrate(bool recorder, double tableBitrate, double frameRate);

    QString m_encoding;
};
