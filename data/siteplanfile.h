#pragma once

#include "data/siteplan.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The plan file: one JSON object with a format marker, a version number, the
// frame standard, the groups in list order, the calculation inputs and the
// disk array. Every kind and unit is written as a fixed key, never as a
// display text. The disk array is a section of its own that a file may lack
// (files saved before there were arrays): the array then has its defaults.
//
// Reading is strict: a value of the wrong type, out of its range or missing
// refuses the whole file with a message that names the problem, and the
// caller's plan stays as it was. Every text is bounded by PlanTextLimits and
// holds no control character and no unpaired surrogate; a plan that breaks
// either is refused when read and is not written. Only a regular file is
// read. Unknown keys and sections of this version are
// passed over, so that later versions can add sections; a newer version is
// refused.
class SitePlanFile final
{
    Q_DECLARE_TR_FUNCTIONS(SitePlanFile)

public:
    static constexpr int Version = 1;
    // Far above a plan of 10 000 groups (about 4 MB); a larger file is refused
    // before it is read.
    static constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
    static constexpr int MaxGroups = 100000;

    static QByteArray toJson(const SitePlan &plan);
    // Parses `bytes` into `plan`. On failure `plan` is untouched and `error`
    // says what is wrong.
    static bool fromJson(const QByteArray &bytes, SitePlan *plan, QString *error);

    static bool read(const QString &path, SitePlan *plan, QString *error);
    // Replaces the file only by a complete plan; on failure the old file
    // stays whole and `error` names the file, its folder and why.
    static bool write(const QString &path, const SitePlan &plan, QString *error);
};
