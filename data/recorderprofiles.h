#pragma once

#include "data/planrecords.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// Classes of recorder with their typical limits, from which a site's
// recorders are made. The shipped file lies beside the program; where the
// program folder is not writable, profiles the user adds go to a copy in the
// user's data folder, which is then read instead.
constexpr char RecorderProfilesName[] = "RecorderProfiles.csv";

struct RecorderProfile
{
    QString name;
    RecorderLimits limits;
};
bool operator==(const RecorderProfile &a, const RecorderProfile &b);
inline bool operator!=(const RecorderProfile &a, const RecorderProfile &b) { return !(a == b); }

// The file: UTF-8 text, a header line, then one profile a line with five
// fields split at ",":
//   name, channels, incoming Mbps, drive bays, largest drive in TB
// A TB figure has at most three decimals (whole GB). A name is 1 to 64
// characters without a comma, a double quote or a control character, and no
// two profiles have the same name. Blank lines are passed by. A file that
// breaks any of this is refused whole, with the line and the field that
// break it, so that a recorder is never sized on half a table.
class RecorderProfileFile final
{
    Q_DECLARE_TR_FUNCTIONS(RecorderProfileFile)

public:
    static constexpr int MaxNameLength = 64;
    static constexpr int MaxProfiles = 1000;
    static constexpr qint64 MaxFileBytes = 1 << 20;

    static bool parse(const QByteArray &bytes, QVector<RecorderProfile> *profiles, QString *error);
    static QByteArray toCsv(const QVector<RecorderProfile> &profiles);
    // Why `name` cannot name a profile of `profiles`; empty when it can.
    static QString nameProblem(const QString &name, const QVector<RecorderProfile> &profiles);

    static bool read(const QString &path, QVector<RecorderProfile> *profiles, QString *error);
    // The profiles the program offers: the user's copy where there is one,
    // else the file beside the program.
    static bool load(QVector<RecorderProfile> *profiles, QString *error);
    // Adds `profile` to those offered, in the file that the program writes
    // (the user's copy, when the program folder is not writable).
    static bool add(const RecorderProfile &profile, QString *error);
    // Writes the file whole or leaves the old one as it was.
    static bool write(const QString &path, const QVector<RecorderProfile> &profiles, QString *error);
};
