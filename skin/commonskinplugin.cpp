#include "skin/commonskinplugin.h"

CommonSkinPlugin::CommonSkinPlugin(QObject *parent)
    : QObject(parent)
{
}

QStringList CommonSkinPlugin::skinNames() const
{
    return {QStringLiteral("CommonSkin")};
}
