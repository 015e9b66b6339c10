#include "data/recentplans.h"

#include <QFileInfo>
#include <QSettings>

namespace apt::RecentPlans {

namespace {

const QString kKey = QStringLiteral("recentPlans");

QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"),
                     QStringLiteral("Larkspan"));
}

} // namespace

QStringList withPlanFirst(const QStringList &list, const QString &path)
{
    const QString plan = QFileInfo(path).absoluteFilePath();
    QStringList result{plan};
    for (const QString &entry : list) {
        if (result.size() >= MaxPlans)
            break;
        if (QFileInfo(entry).absoluteFilePath() != plan)
            result << entry;
    }
    return result;
}

QStringList plans()
{
    QStringList existing;
    for (const QString &path : userSettings().value(kKey).toStringList()) {
        if (QFileInfo(path).isFile())
            existing << path;
    }
    return existing.mid(0, MaxPlans);
}

void remember(const QString &path)
{
    userSettings().setValue(kKey, withPlanFirst(plans(), path));
}

} // namespace apt::RecentPlans
