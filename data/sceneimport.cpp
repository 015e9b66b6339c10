#include "data/sceneimport.h"

#include "data/localetextfile.h"
#include "platform/atomicfilewriter.h"
#include "platform/regularfile.h"
#include "platform/writablepath.h"

#include <QDir>
#include <QFileInfo>
#include <QTextCodec>

SceneImport importSceneTable(const QString &fileName,
                             const std::function<bool(const QString &path)> &isPicture)
{
    SceneImport result;
    QByteArray bytes;
    if (!readRegularFile(fileName, &bytes))
        return result;
    const QStringList lines = localeTextLines(bytes);
    result.problem = findSceneFileProblem(lines);
    if (result.problem.kind != SceneFileProblem::None) {
        result.outcome = SceneImport::Refused;
        return result;
    }

    // The picture folder is made before the scene file is touched, and the
    // table in use is kept as a backup before it is replaced, so that a
    // failure on the way leaves the old table in place. An installed program
    // reads the shipped table until the first import, which it then backs up
    // into the user's folder.
    const QString pictureFolder =
        OrvaneGUIToolkit::GetWritablePathFile(QLatin1String(ScenePictureFolder));
    const QString target = OrvaneGUIToolkit::GetWritablePathFile(QLatin1String(SceneTableName));
    const QString current = OrvaneGUIToolkit::GetReadablePathFile(QLatin1String(SceneTableName));
    if (target.isEmpty() || !QDir().mkpath(pictureFolder)
        || (QFileInfo::exists(current) && !copyFileAtomically(current, target + QStringLiteral(".bak")))
        || !writeFileAtomically(target, bytes)) {
        result.outcome = SceneImport::NotWritten;
        return result;
    }

    result.outcome = SceneImport::Imported;
    const QString tableFolder = QFileInfo(fileName).absolutePath();
    const QStringList pictures = scenePicturePaths(lines);
    for (const QString &recorded : pictures) {
        const QString name = scenePictureFileName(recorded);
        if (name.isEmpty())
            continue;
        const QString source = findScenePictureSource(recorded, tableFolder);
        if (source.isEmpty() || !isPicture(source)
            || !copyFileAtomically(source, pictureFolder + QLatin1Char('/') + name))
            result.picturesNotCopied.append(name);
    }
    return result;
}

bool exportSceneTable(const QString &fileName, const QString &header)
{
    QStringList lines;
    if (!readLocaleTextLines(OrvaneGUIToolkit::GetReadablePathFile(QLatin1String(SceneTableName)), lines))
        return false;
    const QByteArray bytes = QTextCodec::codecForLocale()->fromUnicode(sceneTableText(lines, header));
    return writeFileAtomically(fileName, bytes);
}
