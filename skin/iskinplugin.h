#pragma once

#include <QStringList>
#include <QtPlugin>

// Interface of a skin plug-in. Loading the plug-in's library registers its
// resources (images and style sheets); skinNames() tells which skins it holds.
class ISkinPlugin
{
public:
    virtual ~ISkinPlugin() = default;
    virtual QStringList skinNames() const = 0;
};

#define ISkinPlugin_iid "com.ISkinPlugin/1.1"
Q_DECLARE_INTERFACE(ISkinPlugin, ISkinPlugin_iid)
