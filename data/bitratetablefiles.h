#pragma once

#include <QFileInfoList>
#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

// One row of a bitrate table.
struct ResolutionBitrate
{
    QString name;
    int bitrate = 0; // kbps
};

using BitrateTable = QVector<ResolutionBitrate>;

// The per-encoding table folders: every plain file is the table of the
// encoding named by its file name up to the last dot.

// The folder beside the executable that holds the per-encoding tables of a
// TableDeviceType (1 IPC, anything else DVR/NVR).
QString bitrateTableFolder(int tableType);

// Plain files of `folder` ordered by whole file name ignoring case; empty
// when the folder is missing.
QFileInfoList listTableFiles(const QString &folder);

// Resolution and bitrate texts of one line of a table or conversion CSV.
struct TableLine
{
    QString resolution;
    QString bitrate;
};

// Lines of a "resolution,bitrate[,...]" file without header, in file order.
// Empty lines and lines without a comma are skipped: they have no bitrate
// field. False when the file does not open.
bool readTableLines(const QString &path, QVector<TableLine> &rows);

// Rows of one table file read as above; a bitrate that is not a number
// gives 0.
bool readBitrateTable(const QString &path, BitrateTable &table);

// The table that a full reading of `folder` keeps for `encoding`: that of
// the last file in listing order with that base name which opened. Empty
// when there is none.
BitrateTable readTableForEncoding(const QString &folder, const QString &encoding);

// kbps of the first row with exactly that name; 0 when there is none.
int findBitrate(const BitrateTable &table, const QString &resolution);

// The per-encoding tables of one pass over many groups (a frame-standard
// conversion, say): each table is read from disk the first time the pass
// asks for it and kept until the object goes, so that a pass reads every
// table once, as the files stand at the moment of the user's action.
class BitrateTablePass final
{
public:
    BitrateTablePass() = default;

    // The table that readTableForEncoding gives for the folder of a
    // TableDeviceType and an encoding.
    const BitrateTable &table(int tableType, const QString &encoding);

private:
    Q_DISABLE_COPY_MOVE(BitrateTablePass)

    QHash<QPair<int, QString>, BitrateTable> m_tables;
};
