#include "app/startupsteps.h"

#include "platform/stylelook.h"
#include "skin/iskinplugin.h"

#include <QDir>
#include <QPluginLoader>

namespace apt {

namespace {

QStringList plainFilesIgnoringCase(const QString &directory)
{
    return QDir(directory).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace

QObject *findSkinPlugin(const QString &skinName, const QString &folder)
{
    if (skinName.isNull())
        return nullptr;

    for (const QString &entry : plainFilesIgnoringCase(folder)) {
        QPluginLoader loader(QDir::cleanPath(folder + QLatin1Char('/') + entry));
        // instance() loads the library when it is not loaded yet; a file that
        // is not a plug-in (or a broken one) gives nullptr and is skipped.
        QObject *root = loader.instance();
        if (!root)
            continue;
        const auto *skin = qobject_cast<ISkinPlugin *>(root);
        if (skin && skin->skinNames().contains(skinName, Qt::CaseSensitive))
            return root;
    }
    return nullptr;
}

QString assembleStyleSheet(const QString &toolkitDirectory, const QString &leftOut,
                           const QString &applicationSheet)
{
    return StyleLook::joinSheets(toolkitDirectory, leftOut, applicationSheet);
}

QString applicationFontFamily(int languageCode)
{
    switch (languageCode) {
    case 10:
        return QStringLiteral("Tahoma");
    case 9:
        return QStringLiteral("Batang");
    default:
        return QStringLiteral("Microsoft YaHei");
    }
}

bool screensAcceptable(const QList<QRect> &screenGeometries)
{
    bool wideEnough = false;
    bool tallEnough = false;
    for (const QRect &geometry : screenGeometries) {
        wideEnough = wideEnough || geometry.right() + 1 >= 1024;
        tallEnough = tallEnough || geometry.bottom() + 1 >= 768;
    }
    return wideEnough && tallEnough;
}

} // namespace apt
