#include "data/bitrateconfigloader.h"

#include "data/bitratetablefiles.h"
#include "data/devicerecords.h"
#include "data/localetextfile.h"
#include "data/scenefile.h"
#include "platform/targetpath.h"
#include "platform/writablepath.h"

#include <QFileInfo>
#include <QSet>

using OrvaneGUIToolkit::GetReadablePathFile;
using OrvaneGUIToolkit::GetTargetPathFile;

namespace {

const QString kDefaultEncoding = QStringLiteral("H.264");

// The XML table of a TableDeviceType (1 IPC, anything else DVR/NVR). The
// program may rewrite it, so it is read where GetReadablePathFile says.
QString xmlTableName(int type)
{
    return type == TableIPC ? QStringLiteral("IPCBitrateConfig.xml")
                            : QStringLiteral("DVRBitrateConfig.xml");
}

void readXmlItems(const XmlConfigFile &root, BitrateTable &table)
{
    const QVector<XmlConfigFile> items = root.children();
    for (const XmlConfigFile &item : items) {
        table.append({item.firstByTagName(QStringLiteral("Resolution")).text(),
                      item.firstByTagName(QStringLiteral("Bitrate")).text().toInt()});
    }
}

QStringList readFrameEntries(const XmlConfigFile &standard)
{
    QStringList entries;
    const QVector<XmlConfigFile> children = standard.children();
    for (const XmlConfigFile &entry : children)
        entries.append(entry.text());
    return entries;
}

enum class SceneScan { NotOpened, Finished, ShortRecord, Stopped };

// Calls `visit` with the fields of every non-empty line after the header
// until it answers false. Fields are taken as they stand: no trimming, no
// quoting.
template<typename Visit>
SceneScan scanSceneFile(const QString &path, bool stopAtShortRecord, Visit visit)
{
    QStringList lines;
    if (!readLocaleTextLines(path, lines))
        return SceneScan::NotOpened;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QStringList fields = lines.at(i).split(QLatin1Char(','));
        if (stopAtShortRecord && fields.size() < SceneFieldCount)
            return SceneScan::ShortRecord;
        if (!visit(fields))
            return SceneScan::Stopped;
    }
    return SceneScan::Finished;
}

// The picture folder holds the file under its own name whatever path the
// record was written with; a field that names no file gives no picture. An
// imported picture is looked up first where the import put it.
QString scenePicturePath(const QString &recordedPath)
{
    const QString name = scenePictureFileName(recordedPath);
    if (name.isEmpty())
        return {};
    return GetReadablePathFile(QLatin1String(ScenePictureFolder) + QLatin1Char('/') + name);
}

// Appends to a list the values it does not hold yet. A set beside the list
// keeps a table of thousands of distinct names linear.
template<typename List>
class DistinctAppender final
{
public:
    explicit DistinctAppender(List &list)
        : m_list(list)
        , m_seen(list.cbegin(), list.cend())
    {
    }

    void append(const QString &value)
    {
        if (m_seen.contains(value))
            return;
        m_seen.insert(value);
        m_list.append(value);
    }

private:
    List &m_list;
    QSet<QString> m_seen;
};

} // namespace


BitrateConfigLoader::BitrateConfigLoader()
{
    m_ipcXmlPath = GetReadablePathFile(xmlTableName(TableIPC));
    m_dvrXmlPath = GetReadablePathFile(xmlTableName(TableDVR));
    m_framePath = GetTargetPathFile(QStringLiteral("Frame.xml"));
    m_scenePath = GetReadablePathFile(QLatin1String(SceneTableName));
    m_ipcCsvPath = GetTargetPathFile(QStringLiteral("IPCBitrateConfig.csv"));
    m_currentEncoding = kDefaultEncoding;

    readXmlTables();
    readEncodingFolders();

    // The per-encoding tables always win over the XML tables read above.
    m_ipcTable = m_ipcTables.value(m_currentEncoding);
    m_dvrTable = m_dvrTables.value(m_currentEncoding);
    m_loaded = true;
}

void BitrateConfigLoader::readXmlTables()
{
    m_ipcTable.clear();
    m_dvrTable.clear();
    m_ntscFrameRates.clear();

    // Without the IPC table the DVR/NVR table is not read; both are replaced
    // by the per-encoding tables anyway. The frame rates are read whatever
    // the tables: without them no fixed rate can be chosen.
    if (load(m_ipcXmlPath)) {
        readXmlItems(*this, m_ipcTable);
        if (load(m_dvrXmlPath))
            readXmlItems(*this, m_dvrTable);
    }

    if (load(m_framePath)) {
        m_ntscFrameRates += readFrameEntries(firstByTagName(QStringLiteral("NTSC")));
        m_palFrameRates += readFrameEntries(firstByTagName(QStringLiteral("PAL")));
    }
}

void BitrateConfigLoader::readEncodingFolders()
{
    const auto readFolder = [](const QString &folder, QMap<QString, BitrateTable> &tables,
                               QStringList *encodings) {
        const QFileInfoList files = listTableFiles(folder);
        for (const QFileInfo &info : files) {
            BitrateTable table;
            if (!readBitrateTable(info.filePath(), table))
                continue;
            tables.insert(info.completeBaseName(), table);
            if (encodings)
                encodings->append(info.completeBaseName());
        }
    };
    readFolder(bitrateTableFolder(TableIPC), m_ipcTables, &m_encodings);
    readFolder(bitrateTableFolder(TableDVR), m_dvrTables, nullptr);
}

bool BitrateConfigLoader::resolutions(QStringList &out, int type) const
{
    if (!m_loaded)
        return false;
    const BitrateTable &table = type == TableIPC ? m_ipcTable : m_dvrTable;
    for (const ResolutionBitrate &row : table)
        out.append(row.name);
    return true;
}

QStringList BitrateConfigLoader::frameRates(int standard) const
{
    return standard != FramePAL ? m_ntscFrameRates : m_palFrameRates;
}

QStringList BitrateConfigLoader::encodings() const
{
    return m_encodings;
}

int BitrateConfigLoader::bitrate(const QString &resolution, int type) const
{
    const QMap<QString, BitrateTable> &tables = type == TableIPC ? m_ipcTables : m_dvrTables;
    return findBitrate(tables.value(m_currentEncoding), resolution);
}

void BitrateConfigLoader::setCurrentEncoding(const QString &name)
{
    m_currentEncoding = name;
}

bool BitrateConfigLoader::convertCsvToXml(const QString &csvPath, int type)
{
    QVector<TableLine> rows;
    if (!readTableLines(csvPath, rows))
        return false;
    if (rows.isEmpty())
        return false;

    // The table as it is read now is replaced, wherever the program writes.
    if (!load(type == TableIPC ? m_ipcXmlPath : m_dvrXmlPath))
        return false;

    createDocument(QStringLiteral("ConfigList"));
    for (const TableLine &row : std::as_const(rows)) {
        if (row.resolution.isEmpty())
            continue;
        XmlConfigFile item = appendChild(QStringLiteral("ConfigItem"));
        item.appendChild(QStringLiteral("Resolution")).setText(row.resolution);
        // The text as read, not re-formatted.
        item.appendChild(QStringLiteral("Bitrate")).setText(row.bitrate);
    }
    return save(OrvaneGUIToolkit::GetWritablePathFile(xmlTableName(type)));
}

bool BitrateConfigLoader::sceneNames(QVector<QString> &out) const
{
    DistinctAppender<QVector<QString>> names(out);
    const SceneScan scan = scanSceneFile(m_scenePath, false, [&names](const QStringList &fields) {
        names.append(fields.at(0));
        return true;
    });
    return scan != SceneScan::NotOpened;
}

bool BitrateConfigLoader::sceneResolutions(const QString &scene, QStringList &out) const
{
    DistinctAppender<QStringList> resolutions(out);
    const SceneScan scan = scanSceneFile(m_scenePath, true, [&](const QStringList &fields) {
        if (fields.at(0) == scene)
            resolutions.append(fields.at(2));
        return true;
    });
    return scan == SceneScan::Finished;
}

bool BitrateConfigLoader::sceneEncodings(const QString &scene, const QString &resolution,
                                         QStringList &out) const
{
    DistinctAppender<QStringList> encodings(out);
    const SceneScan scan = scanSceneFile(m_scenePath, true, [&](const QStringList &fields) {
        if (fields.at(0) == scene && fields.at(2) == resolution)
            encodings.append(fields.at(1));
        return true;
    });
    return scan == SceneScan::Finished;
}

QStringList BitrateConfigLoader::sceneResolutions(const QString &scene) const
{
    QStringList resolutions;
    sceneResolutions(scene, resolutions);
    return resolutions;
}

QStringList BitrateConfigLoader::sceneEncodings(const QString &scene,
                                                const QString &resolution) const
{
    QStringList encodings;
    sceneEncodings(scene, resolution, encodings);
    return encodings;
}

int BitrateConfigLoader::sceneRecommendedBitrate(const QString &scene, const QString &encoding,
                                                 const QString &resolution) const
{
    int recommended = -1;
    const SceneScan scan = scanSceneFile(m_scenePath, true, [&](const QStringList &fields) {
        if (fields.at(0) != scene || fields.at(1) != encoding || fields.at(2) != resolution)
            return true;
        recommended = fields.at(SceneRateField).toInt();
        return false;
    });
    return scan == SceneScan::Stopped ? recommended : -1;
}

QString BitrateConfigLoader::scenePicture(const QString &scene, const QString &encoding,
                                          const QString &resolution) const
{
    // The recorded paths are kept as they stand and only the one returned is
    // looked up: finding where a picture is read asks the file system.
    QString picture;
    QString fallback;
    const SceneScan scan = scanSceneFile(m_scenePath, true, [&](const QStringList &fields) {
        if (fields.at(0) != scene)
            return true;
        if (fields.at(1) == encoding && fields.at(2) == resolution) {
            picture = fields.at(ScenePictureField);
            return false;
        }
        fallback = fields.at(ScenePictureField);
        return true;
    });
    switch (scan) {
    case SceneScan::Stopped:
        return scenePicturePath(picture);
    case SceneScan::Finished:
        return scenePicturePath(fallback);
    case SceneScan::NotOpened:
    case SceneScan::ShortRecord:
        break;
    }
    return {};
}
