#pragma once

#include "data/bitratetablefiles.h"
#include "data/xmlconfigfile.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads the bitrate tables, the frame-rate lists and the per-encoding tables
// beside the executable when constructed, and answers lookups on them. The
// scene lookups read "Scene.csv" anew on every call and cache nothing. The
// files the program may write (the XML tables, the scene table and its
// pictures) are read where GetReadablePathFile finds them.
//
// `type` arguments are TableDeviceType values (1 IPC, anything else DVR/NVR);
// `standard` arguments are FrameStandard values (0 PAL, anything else NTSC).
class BitrateConfigLoader final : public XmlConfigFile
{
public:
    BitrateConfigLoader();

    // Appends the resolution names of the type's table for "H.264", in table
    // order; false only while the loader is not yet loaded.
    bool resolutions(QStringList &out, int type) const;
    QStringList frameRates(int standard) const;
    // Encodings found in the IPC table folder, in listing order.
    QStringList encodings() const;

    // kbps of the first row named `resolution` (case-sensitive) in the type's
    // table for the current encoding; 0 when there is none.
    int bitrate(const QString &resolution, int type) const;
    void setCurrentEncoding(const QString &name);
    QString currentEncoding() const { return m_currentEncoding; }

    // Replaces the type's XML table by the rows of a CSV file
    // (resolution,bitrate per line). The target must already exist; on every
    // failure it is left unchanged.
    bool convertCsvToXml(const QString &csvPath, int type);

    // Scene lookups. The out-parameter forms append to `out`; they answer
    // false when "Scene.csv" does not open or a record with fewer than five
    // fields ends the scan (what was appended before it stays).
    bool sceneNames(QVector<QString> &out) const;
    bool sceneResolutions(const QString &scene, QStringList &out) const;
    bool sceneEncodings(const QString &scene, const QString &resolution, QStringList &out) const;
    QStringList sceneResolutions(const QString &scene) const;
    QStringList sceneEncodings(const QString &scene, const QString &resolution) const;
    // Column 3 of the first matching record; -1 when there is none.
    int sceneRecommendedBitrate(const QString &scene, const QString &encoding,
                                const QString &resolution) const;
    // Picture of the first matching record, else of the scene's last record;
    // empty when the scene has none or the record names no file. Whether the
    // picture exists is not tested.
    QString scenePicture(const QString &scene, const QString &encoding,
                         const QString &resolution) const;

private:
    Q_DISABLE_COPY_MOVE(BitrateConfigLoader)

    void readXmlTables();
    void readEncodingFolders();

    bool m_loaded = false;
    BitrateTable m_dvrTable;
    BitrateTable m_ipcTable;
    QStringList m_ntscFrameRates;
    QStringList m_palFrameRates;
    QString m_ipcXmlPath;
    QString m_dvrXmlPath;
    QString m_framePath;
    QString m_scenePath;
    QString m_ipcCsvPath; // resolved and kept; nothing reads it
    QMap<QString, BitrateTable> m_ipcTables;
    QMap<QString, BitrateTable> m_dvrTables;
    QStringList m_encodings;
    QString m_currentEncoding;
};
