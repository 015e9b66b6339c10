#include "data/bitratetablefiles.h"

#include "data/devicerecords.h"
#include "data/localetextfile.h"
#include "platform/targetpath.h"

#include <QDir>

#include <algorithm>

QString bitrateTableFolder(int tableType)
{
    return OrvaneGUIToolkit::GetTargetPathFile(tableType == TableIPC ? QStringLiteral("IPCBitrate")
                                                                     : QStringLiteral("DVRBitrate"));
}

QFileInfoList listTableFiles(const QString &folder)
{
    QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Unsorted);
    // Exact order: "+" before "." as characters, whatever the locale collates.
    // Names equal but for case fall back to a case-sensitive comparison so the
    // order never depends on the file system's listing.
    std::sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int folded = QString::compare(a.fileName(), b.fileName(), Qt::CaseInsensitive);
        if (folded != 0)
            return folded < 0;
        return QString::compare(a.fileName(), b.fileName(), Qt::CaseSensitive) < 0;
    });
    return files;
}

bool readTableLines(const QString &path, QVector<TableLine> &rows)
{
    QStringList lines;
    if (!readLocaleTextLines(path, lines))
        return false;
    for (const QString &line : std::as_const(lines)) {
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < 2)
            continue;
        rows.append({fields.at(0), fields.at(1)});
    }
    return true;
}

bool readBitrateTable(const QString &path, BitrateTable &table)
{
    QVector<TableLine> rows;
    if (!readTableLines(path, rows))
        return false;
    table.reserve(table.size() + rows.size());
    for (const TableLine &row : std::as_const(rows))
        table.append({row.resolution, row.bitrate.toInt()});
    return true;
}

BitrateTable readTableForEncoding(const QString &folder, const QString &encoding)
{
    const QFileInfoList files = listTableFiles(folder);
    for (auto it = files.crbegin(); it != files.crend(); ++it) {
        if (it->completeBaseName() != encoding)
            continue;
        BitrateTable table;
        if (readBitrateTable(it->filePath(), table))
            return table;
    }
    return {};
}

int findBitrate(const BitrateTable &table, const QString &resolution)
{
    for (const ResolutionBitrate &row : table) {
        if (row.name == resolution)
            return row.bitrate;
    }
    return 0;
}

const BitrateTable &BitrateTablePass::table(int tableType, const QString &encoding)
{
    // Folders are told apart as bitrateTableFolder tells them.
    const QPair<int, QString> key(tableType == TableIPC ? TableIPC : TableDVR, encoding);
    auto it = m_tables.find(key);
    if (it == m_tables.end())
        it = m_tables.insert(key, readTableForEncoding(bitrateTableFolder(tableType), encoding));
    return it.value();
}
