#include "style/commonstyleplugin.h"

#include "style/commonstyle.h"

CommonStylePlugin::CommonStylePlugin(QObject *parent)
    : QStylePlugin(parent)
{
}

QStyle *CommonStylePlugin::create(const QString &key)
{
    // QStyleFactory hands over the key in lower case.
    if (key.compare(QLatin1String("CommonStyle"), Qt::CaseInsensitive) == 0)
        return new CommonStyle;
    return nullptr;
}
