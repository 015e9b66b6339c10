#pragma once

#include <QString>
#include <QStringList>

// The plans last opened or saved, newest first, kept in the user's own
// settings (the settings file beside the executable is never written).
namespace apt::RecentPlans {

constexpr int MaxPlans = 8;

// `list` with `path` moved to the front, at most MaxPlans long; paths are
// compared as absolute, cleaned paths.
QStringList withPlanFirst(const QStringList &list, const QString &path);

// The stored plans that still exist.
QStringList plans();
void remember(const QString &path);

} // namespace apt::RecentPlans
