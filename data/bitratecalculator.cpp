#include "data/bitratecalculator.h"

#include "data/bitrateconfigloader.h"
#include "data/bitratetablefiles.h"
#include "data/devicerecords.h"

#include <QFileInfo>

#include <cmath>

namespace {

// Frame rate the tables are written for, under PAL and NTSC alike.
constexpr int kBaseFrameRate = 25;

constexpr double kSecondsPerHour = 3600.0;
constexpr double kKbitPerGB = 8000000.0;
constexpr double kReserveFactor = 1.0030090270812437; // nearest double to 1 / 0.997
constexpr double kSizeFactor = 1.024;

} // namespace

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

double BitrateCalculator::calculateDiskSize(double totalBitrate, int recordHours) const
{
    // The order of the operations is part of the result: reordering changes
    // the last bits, which ceil can turn into a whole GB.
    const double a = totalBitrate * kSecondsPerHour;
    const double b = static_cast<double>(recordHours) * a;
    const double c = b * kReserveFactor;
    const double d = c / kKbitPerGB;
    return d * kSizeFactor;
}

double BitrateCalculator::calculateRecordHours(double totalBitrate, double diskSize) const
{
    const double gbPerHour = totalBitrate * kSecondsPerHour / kKbitPerGB * kReserveFactor
                             * kSizeFactor;
    return diskSize / gbPerHour;
}
