#include "data/bitratecalculator.h"

#include "data/bitrateconfigloader.h"
#include "data/capacityformulas.h"
#include "data/bitratetablefiles.h"
#include "data/devicerecords.h"

#include <QFileInfo>

BitrateCalculator::BitrateCalculator()
    : m_encoding(QStringLiteral("H.264"))
{
    // A recorder table handed over as CSV at this fixed place replaces the
    // shipped DVR/NVR XML table. Without the file nothing is written, so the
    // tables need no reading either.
    const QString csv = QStringLiteral("C:/DVRBitrateConfig.csv");
    if (!QFileInfo::exists(csv))
        return;
    BitrateConfigLoader loader;
    loader.convertCsvToXml(csv, TableDVR);
}

BitrateCalculator::~BitrateCalculator() = default;

void BitrateCalculator::setEncoding(const QString &encoding)
{
    m_encoding = encoding;
}

QString BitrateCalculator::encoding() const
{
    return m_encoding;
}

double BitrateCalculator::bitrate(int device, const QString &resolution, double frameRate) const
{
    // The table is read as it is on disk now. Only the one table file that a
    // fresh loader would take for this device type and encoding is read: the
    // other files cannot change the figure.
    const bool recorder = device == DeviceIndexDVR;
    const QString folder = bitrateTableFolder(recorder ? TableDVR : TableIPC);
    const int tableBitrate = findBitrate(readTableForEncoding(folder, m_encoding), resolution);
    return channelBitrate(recorder, tableBitrate, frameRate);
}

double BitrateCalculator::bitrate(int device, const QString &resolution, double frameRate,
                                  BitrateTablePass &pass) const
{
    const bool recorder = device == DeviceIndexDVR;
    const BitrateTable &table = pass.table(recorder ? TableDVR : TableIPC, m_encoding);
    return channelBitrate(recorder, findBitrate(table, resolution), frameRate);
}

double BitrateCalculator::channelBitrate(bool recorder, double tableBitrate, double frameRate)
{
    return CapacityFormulas::channelBitrate(recorder, tableBitrate, frameRate);
}

double BitrateCalculator::calculateDiskSize(double totalBitrate, int recordHours) const
{
    return CapacityFormulas::diskSize(totalBitrate, recordHours);
}

double BitrateCalculator::calculateRecordHours(double totalBitrate, double diskSize) const
{
    return CapacityFormulas::recordHours(totalBitrate, diskSize);
}
