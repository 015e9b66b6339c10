#pragma once

#include "datafixture.h"

#include <QColor>
#include <QImage>
#include <QString>

// A small data set for the device editor and device list: per-encoding
// tables for both device types, both frame-rate lists, a scene table with
// two scenes and their pictures.
//
// IPC resolutions (H.264 table order): 1080P, 720P, D1.
// DVR/NVR resolutions: 1080P, 960H.
// The NTSC list writes numbers into the four fractional slots (index 18 to
// 21), so that a test can tell the index rule from the text.
namespace DeviceTables {

inline QByteArray frameXml()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FrameRate>\n"
           "<PAL><F>50</F><F>25</F><F>24</F><F>22</F><F>20</F><F>18</F><F>16</F><F>15</F>"
           "<F>14</F><F>12</F><F>10</F><F>8</F><F>6</F><F>5</F><F>4</F><F>3</F><F>2</F><F>1</F>"
           "<F>1/2</F><F>1/4</F><F>1/8</F><F>1/16</F></PAL>\n"
           "<NTSC><F>60</F><F>30</F><F>28</F><F>26</F><F>24</F><F>22</F><F>20</F><F>18</F>"
           "<F>16</F><F>15</F><F>12</F><F>10</F><F>8</F><F>6</F><F>4</F><F>3</F><F>2</F><F>1</F>"
           "<F>9</F><F>8</F><F>7</F><F>6</F></NTSC>\n</FrameRate>\n";
}

inline QByteArray sceneCsv()
{
    return "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
           "Hospital,H.264,1080P,2000,D:\\secne\\hospital.png\n"
           "Hospital,H.265,1080P,1000,D:\\secne\\hospital.png\n"
           "Hospital,H.265,720P,600,D:\\secne\\hospital.png\n"
           "Street,H.265,4MP,3000,D:\\secne\\street.png\n"
           "Street,H.264,4MP,4100,D:\\secne\\street.png\n"
           "Street,H.264,720P,1500,D:\\secne\\street.png\n";
}

inline bool writePicture(const QString &root, const QString &name, const QColor &colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    return QDir().mkpath(root + QStringLiteral("/ScenePicture"))
           && image.save(root + QStringLiteral("/ScenePicture/") + name);
}

// Writes the tables below `root`; without `withScenes` there is no scene
// table, so the editor offers no recommended rate.
inline bool write(const QString &root, bool withScenes = true)
{
    const QByteArray emptyTable = "<?xml version=\"1.0\"?>\n<ConfigList/>\n";
    bool ok = writeFixture(root, QStringLiteral("IPCBitrateConfig.xml"), emptyTable)
              && writeFixture(root, QStringLiteral("DVRBitrateConfig.xml"), emptyTable)
              && writeFixture(root, QStringLiteral("Frame.xml"), frameXml())
              && writeFixture(root, QStringLiteral("IPCBitrate/H.264.csv"), "1080P,2048\n720P,1024\nD1,512\n")
              && writeFixture(root, QStringLiteral("IPCBitrate/H.264+.csv"), "1080P,1536\n720P,768\nD1,384\n")
              && writeFixture(root, QStringLiteral("IPCBitrate/H.265.csv"), "1080P,1024\n720P,512\nD1,256\n")
              && writeFixture(root, QStringLiteral("IPCBitrate/Smart H.264.csv"), "1080P,1200\n720P,600\nD1,300\n")
              && writeFixture(root, QStringLiteral("DVRBitrate/H.264.csv"), "1080P,2048\n960H,1000\n")
              && writeFixture(root, QStringLiteral("DVRBitrate/H.264+.csv"), "1080P,1600\n960H,800\n")
              && writeFixture(root, QStringLiteral("DVRBitrate/H.265.csv"), "1080P,1024\n960H,500\n")
              && writeFixture(root, QStringLiteral("DVRBitrate/Smart H.264.csv"), "1080P,1300\n960H,650\n");
    if (withScenes) {
        ok = ok && writeFixture(root, QStringLiteral("Scene.csv"), sceneCsv())
             && writePicture(root, QStringLiteral("hospital.png"), Qt::red)
             && writePicture(root, QStringLiteral("street.png"), Qt::blue);
    }
    return ok;
}

} // namespace DeviceTables
