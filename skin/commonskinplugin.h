#pragma once

#include "skin/iskinplugin.h"

#include <QObject>

// The default skin. Its resources (style sheets and images) are compiled into
// this library and registered as soon as the library is loaded, so the object
// itself only has to tell which skin it is.
class CommonSkinPlugin final : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISkinPlugin_iid)
    Q_INTERFACES(ISkinPlugin)
    Q_DISABLE_COPY_MOVE(CommonSkinPlugin)

public:
    explicit CommonSkinPlugin(QObject *parent = nullptr);

    QStringList skinNames() const override;
};
