#include "data/scenenames.h"

#include <QCoreApplication>

namespace SceneNames {

namespace {

// The scenes of the shipped Scene.csv.
const char *const kShippedScenes[] = {
    QT_TRANSLATE_NOOP("SceneNames", "Bank"),
    QT_TRANSLATE_NOOP("SceneNames", "Hospital"),
    QT_TRANSLATE_NOOP("SceneNames", "Office"),
    QT_TRANSLATE_NOOP("SceneNames", "Parking Lot"),
    QT_TRANSLATE_NOOP("SceneNames", "School"),
    QT_TRANSLATE_NOOP("SceneNames", "Street"),
    QT_TRANSLATE_NOOP("SceneNames", "Supermarket"),
    QT_TRANSLATE_NOOP("SceneNames", "Warehouse"),
};

} // namespace

QString displayName(const QString &name)
{
    // Only the shipped names have translations; any other name is the
    // user's own and stands as typed.
    for (const char *shipped : kShippedScenes) {
        if (name == QLatin1String(shipped))
            return QCoreApplication::translate("SceneNames", shipped);
    }
    return name;
}

} // namespace SceneNames
