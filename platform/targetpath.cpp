#include "platform/targetpath.h"

#include <QCoreApplication>
#include <QDir>

namespace OrvaneGUIToolkit {

namespace {

QString &targetPathOverride()
{
    static QString path;
    return path;
}

QString withTrailingSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

QString GetTargetPath()
{
    const QString &override = targetPathOverride();
    if (!override.isEmpty())
        return withTrailingSlash(QDir::fromNativeSeparators(override));
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

QString GetTargetPathFile(const QString &name)
{
    return GetTargetPath() + name;
}

void SetTargetPathOverride(const QString &directory)
{
    targetPathOverride() = directory;
}

} // namespace OrvaneGUIToolkit
