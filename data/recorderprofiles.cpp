#include "data/recorderprofiles.h"

#include "data/siteplan.h"
#include "platform/atomicfilewriter.h"
#include "platform/regularfile.h"
#include "platform/writablepath.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

constexpr int kFieldCount = 5;
const char kHeader[] = "Name,Channels,Incoming Mbps,Drive bays,Largest drive (TB)";

// A whole number from `min` to `max`, digits only.
bool readWhole(const QString &field, int min, int max, int *out)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok, 10);
    if (!ok || value < min || value > max)
        return false;
    *out = value;
    return true;
}

// TB with at most three decimals, as whole GB from 1 to `maxGB`.
bool readTerabytes(const QString &field, int maxGB, int *gb)
{
    const QString text = field.trimmed();
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (text.isEmpty() || (point >= 0 && text.size() - point - 1 > 3))
        return false;
    bool ok = false;
    const double tb = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(tb))
        return false;
    const double value = std::round(tb * 1000.0);
    if (value < 1.0 || value > maxGB)
        return false;
    *gb = int(value);
    return true;
}

QString terabytesText(int gb)
{
    QString text = QString::number(gb / 1000);
    if (const int rest = gb % 1000) {
        text += QLatin1Char('.') + QStringLiteral("%1").arg(rest, 3, 10, QLatin1Char('0'));
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    return text;
}

} // namespace

bool operator==(const RecorderProfile &a, const RecorderProfile &b)
{
    return a.name == b.name && a.limits == b.limits;
}

QString RecorderProfileFile::nameProblem(const QString &name, const QVector<RecorderProfile> &profiles)
{
    if (name.trimmed().isEmpty())
        return tr("A profile needs a name.");
    if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"')))
        return tr("A profile's name may not hold a comma or a double quote.");
    switch (planTextFault(name, MaxNameLength)) {
    case PlanTextFault::None:
        break;
    case PlanTextFault::TooLong:
        return tr("A profile's name is at most %1 characters.").arg(MaxNameLength);
    case PlanTextFault::ControlCharacter:
    case PlanTextFault::UnpairedSurrogate:
        return tr("A profile's name may not hold a control character or a broken character.");
    }
    for (const RecorderProfile &profile : profiles) {
        if (profile.name == name)
            return tr("There is already a profile named \"%1\".").arg(name);
    }
    return {};
}

bool RecorderProfileFile::parse(const QByteArray &bytes, QVector<RecorderProfile> *profiles, QString *error)
{
    using namespace RecorderLimitBounds;
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter)) {
        *error = tr("The recorder profiles are not UTF-8 text.");
        return false;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    QVector<RecorderProfile> read;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const int number = int(i + 1);
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() != kFieldCount) {
            *error = tr("Line %1: a profile has %2 fields, not %3.").arg(number).arg(fields.size()).arg(kFieldCount);
            return false;
        }
        if (read.size() == MaxProfiles) {
            *error = tr("Line %1: more than %2 profiles.").arg(number).arg(MaxProfiles);
            return false;
        }
        RecorderProfile profile;
        profile.name = fields.at(0).trimmed();
        const QString problem = nameProblem(profile.name, read);
        RecorderLimits &limits = profile.limits;
        QString field;
        if (!problem.isEmpty())
            field = problem;
        else if (!readWhole(fields.at(1), 1, MaxChannels, &limits.channels))
            field = tr("the channels are not a whole number from 1 to %1.").arg(MaxChannels);
        else if (!readWhole(fields.at(2), 1, MaxIncomingMbps, &limits.incomingMbps))
            field = tr("the incoming Mbps are not a whole number from 1 to %1.").arg(MaxIncomingMbps);
        else if (!readWhole(fields.at(3), 1, MaxDriveBays, &limits.driveBays))
            field = tr("the drive bays are not a whole number from 1 to %1.").arg(MaxDriveBays);
        else if (!readTerabytes(fields.at(4), MaxDriveGB, &limits.largestDriveGB))
            field = tr("the largest drive is not a size from 0.001 to %1 TB with at most three decimals.")
                        .arg(MaxDriveGB / 1000);
        if (!field.isEmpty()) {
            *error = tr("Line %1: %2").arg(number).arg(field);
            return false;
        }
        read.append(profile);
    }
    *profiles = read;
    return true;
}

QByteArray RecorderProfileFile::toCsv(const QVector<RecorderProfile> &profiles)
{
    QByteArray bytes = QByteArray(kHeader) + '\n';
    for (const RecorderProfile &profile : profiles) {
        const RecorderLimits &limits = profile.limits;
        bytes += QStringLiteral("%1,%2,%3,%4,%5\n")
                     .arg(profile.name)
                     .arg(limits.channels)
                     .arg(limits.incomingMbps)
                     .arg(limits.driveBays)
                     .arg(terabytesText(limits.largestDriveGB))
                     .toUtf8();
    }
    return bytes;
}

bool RecorderProfileFile::read(const QString &path, QVector<RecorderProfile> *profiles, QString *error)
{
    QByteArray bytes;
    if (!readRegularFile(path, &bytes, MaxFileBytes + 1, error))
        return false;
    if (bytes.size() > MaxFileBytes) {
        *error = tr("The recorder profiles are larger than %1 MB.").arg(MaxFileBytes >> 20);
        return false;
    }
    return parse(bytes, profiles, error);
}

bool RecorderProfileFile::write(const QString &path, const QVector<RecorderProfile> &profiles, QString *error)
{
    // Never write what would not be read back; a name is said first, as the
    // line it would break would not show why.
    QVector<RecorderProfile> named;
    for (const RecorderProfile &profile : profiles) {
        *error = nameProblem(profile.name, named);
        if (!error->isEmpty())
            return false;
        named.append(profile);
    }
    const QByteArray bytes = toCsv(profiles);
    QVector<RecorderProfile> back;
    if (!parse(bytes, &back, error))
        return false;
    return writeFileAtomically(path, bytes, error);
}

bool RecorderProfileFile::load(QVector<RecorderProfile> *profiles, QString *error)
{
    return read(OrvaneGUIToolkit::GetReadablePathFile(QLatin1String(RecorderProfilesName)), profiles, error);
}

bool RecorderProfileFile::add(const RecorderProfile &profile, QString *error)
{
    QVector<RecorderProfile> profiles;
    if (!load(&profiles, error))
        return false;
    const QString target = OrvaneGUIToolkit::GetWritablePathFile(QLatin1String(RecorderProfilesName));
    if (target.isEmpty()) {
        *error = tr("There is no folder to keep your own profiles in.");
        return false;
    }
    profiles.append(profile);
    return write(target, profiles, error);
}
