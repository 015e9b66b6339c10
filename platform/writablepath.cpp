#include "platform/writablepath.h"

#include "platform/targetpath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace OrvaneGUIToolkit {

namespace {

// The user's copy of `name` in `location` when the program folder is not
// writable and the copy exists; else the file beside the executable.
QString preferUserCopy(QStandardPaths::StandardLocation location, const QString &name)
{
    if (!IsTargetPathWritable()) {
        const QString folder = QStandardPaths::writableLocation(location);
        const QString copy = folder + QLatin1Char('/') + name;
        if (!folder.isEmpty() && QFileInfo(copy).isFile())
            return copy;
    }
    return GetTargetPathFile(name);
}

} // namespace

QString InstalledTreeMarker()
{
    return QStringLiteral(LARKSPAN_INSTALLED_MARKER);
}

bool IsTargetPathWritable()
{
    return !QFileInfo::exists(GetTargetPathFile(InstalledTreeMarker()))
           && QFileInfo(GetTargetPath()).isWritable();
}

QString GetWritablePath()
{
    if (IsTargetPathWritable())
        return GetTargetPath();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return folder + QLatin1Char('/');
}

QString GetWritablePathFile(const QString &name)
{
    const QString folder = GetWritablePath();
    return folder.isEmpty() ? QString() : folder + name;
}

QString GetReadablePathFile(const QString &name)
{
    return preferUserCopy(QStandardPaths::AppDataLocation, name);
}

QString GetSettingsPathFile(const QString &name)
{
    return preferUserCopy(QStandardPaths::AppConfigLocation, name);
}

} // namespace OrvaneGUIToolkit
