// The scene table "Scene.csv" and the scene lookups of BitrateConfigLoader,
// which read it anew on every call. The editor asks for the lists and rates
// of the scene it shows; here that is the first and the last scene, and a
// name that the table does not hold.
#include "fuzzsupport.h"

#include "data/bitrateconfigloader.h"
#include "data/scenefile.h"

#include <QSet>

namespace {

// A picture path is empty or a file directly inside the picture folder.
bool isInsidePictureFolder(const QString &picture)
{
    if (picture.isEmpty())
        return true;
    const QString folder = fuzzFile(QLatin1String(ScenePictureFolder)) + QLatin1Char('/');
    if (!picture.startsWith(folder))
        return false;
    const QString name = picture.mid(folder.size());
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && name != QLatin1String(".") && name != QLatin1String("..");
}

void lookUp(const BitrateConfigLoader &loader, const QString &scene)
{
    const QStringList resolutions = loader.sceneResolutions(scene);
    const QString resolution = resolutions.value(0);
    const QStringList encodings = loader.sceneEncodings(scene, resolution);
    const QString encoding = encodings.value(0);
    loader.sceneRecommendedBitrate(scene, encoding, resolution);
    FUZZ_EXPECT(isInsidePictureFolder(loader.scenePicture(scene, encoding, resolution)));
    FUZZ_EXPECT(isInsidePictureFolder(loader.scenePicture(scene, QString(), QString())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    writeFuzzFile(QLatin1String(SceneTableName), fuzzBytes(data, size));

    const BitrateConfigLoader loader;
    QVector<QString> scenes;
    FUZZ_EXPECT(loader.sceneNames(scenes));
    FUZZ_EXPECT(QSet<QString>(scenes.cbegin(), scenes.cend()).size() == scenes.size());
    if (!scenes.isEmpty()) {
        lookUp(loader, scenes.first());
        lookUp(loader, scenes.last());
    }
    lookUp(loader, QStringLiteral("no such scene"));
    return 0;
}
