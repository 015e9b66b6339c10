#include "data/scenefile.h"

#include "platform/regularfile.h"
#include "platform/writablepath.h"

#include <QFileInfo>
#include <QSet>

QString scenePictureFileName(const QString &recordedPath)
{
    const qsizetype cut = qMax(recordedPath.lastIndexOf(QLatin1Char('/')),
                               recordedPath.lastIndexOf(QLatin1Char('\\')));
    const QString name = recordedPath.mid(cut + 1);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    return name;
}

SceneFileProblem findSceneFileProblem(const QStringList &lines)
{
    // The first line is the header and is never interpreted.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QStringList fields = lines.at(i).split(QLatin1Char(','));
        const int line = int(i + 1);
        if (fields.size() < SceneFieldCount)
            return {SceneFileProblem::TooFewFields, line};
        bool isNumber = false;
        const int rate = fields.at(SceneRateField).toInt(&isNumber, 10);
        if (!isNumber || rate < 0)
            return {SceneFileProblem::BadRate, line};
    }
    return {};
}

QStringList scenePicturePaths(const QStringList &lines)
{
    QStringList paths;
    QSet<QString> seen;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(QLatin1Char(','));
        if (fields.size() < SceneFieldCount || seen.contains(fields.at(ScenePictureField)))
            continue;
        seen.insert(fields.at(ScenePictureField));
        paths.append(fields.at(ScenePictureField));
    }
    return paths;
}

QString sceneTableText(const QStringList &lines, const QString &header)
{
    QString text = header + QLatin1Char('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i).isEmpty())
            text += lines.at(i) + QLatin1Char('\n');
    }
    return text;
}

QString findScenePictureSource(const QString &recordedPath, const QString &tableFolder)
{
    const QString name = scenePictureFileName(recordedPath);
    if (name.isEmpty())
        return {};
    const QString folder = QLatin1String(ScenePictureFolder) + QLatin1Char('/');
    const QStringList candidates{
        recordedPath,
        tableFolder + QLatin1Char('/') + name,
        tableFolder + QLatin1Char('/') + folder + name,
        OrvaneGUIToolkit::GetReadablePathFile(folder + name),
    };
    for (const QString &candidate : candidates) {
        // A folder, pipe or device of that name is passed by: only a
        // regular file is read whole without blocking.
        if (fileKindOf(candidate) == FileKind::Regular)
            return candidate;
    }
    return {};
}
