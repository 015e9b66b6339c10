#include "data/siteplanfile.h"

#include "platform/atomicfilewriter.h"
#include "platform/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kFormat = QStringLiteral("larkspan-plan");

// Ranges a plan's values can have; anything beyond is a damaged file, not a plan.
constexpr int kMaxChannels = 1024;
constexpr double kMaxKbps = 10000000.0; // 10 Gbit/s for one channel
constexpr int kMaxFrameRateIndex = 999;

// A fixed key and the meaning it stands for.
struct Key
{
    const char *key;
    int value;
};

const Key kFrameStandards[] = {{"pal", FramePAL}, {"ntsc", FrameNTSC}};
const Key kDeviceTypes[] = {{"ipc", DeviceIndexIPC}, {"dvr", DeviceIndexDVR}};
const Key kRateModes[] = {{"fixed", RateFixed}, {"recommended", RateRecommended}};
const Key kDiskUnits[] = {{"GB", int(DiskUnit::GB)}, {"TB", int(DiskUnit::TB)}};
const Key kPeriodUnits[] = {{"day", int(PeriodUnit::Day)},
                            {"week", int(PeriodUnit::Week)},
                            {"month", int(PeriodUnit::Month)}};
const Key kShownResults[] = {{"time", 0}, {"size", 1}};
const Key kNeededBounds[] = {{"expected", 0}, {"highBound", 1}};
const Key kRecordingModes[] = {{"continuous", int(RecordingMode::Continuous)},
                                {"events", int(RecordingMode::Events)},
                                {"dualStream", int(RecordingMode::DualStream)}};
const Key kRateControls[] = {{"variable", int(RateControl::Variable)}, {"constant", int(RateControl::Constant)}};
const Key kNightScenes[] = {{"notSet", int(NightScene::NotSet)}, {"lit", int(NightScene::Lit)},
                            {"infrared", int(NightScene::Infrared)}};
const Key kRaidLevels[] = {{"single", int(RaidLevel::Single)}, {"raid0", int(RaidLevel::Raid0)},
                           {"raid1", int(RaidLevel::Raid1)},   {"raid5", int(RaidLevel::Raid5)},
                           {"raid6", int(RaidLevel::Raid6)},   {"raid10", int(RaidLevel::Raid10)},
                           {"raid50", int(RaidLevel::Raid50)}, {"raid60", int(RaidLevel::Raid60)}};

template <std::size_t N>
QString keyOf(const Key (&keys)[N], int value)
{
    for (const Key &key : keys) {
        if (key.value == value)
            return QLatin1String(key.key);
    }
    return QLatin1String(keys[0].key);
}

using PlanTextLimits::MaxFieldLength;
using PlanTextLimits::MaxNameLength;

// Why `text`, the value of `key` in `where`, cannot stand in a plan; empty
// when it can.
QString textProblem(const QString &where, const char *key, const QString &text, int maxLength)
{
    switch (planTextFault(text, maxLength)) {
    case PlanTextFault::None:
        return {};
    case PlanTextFault::TooLong:
        return SitePlanFile::tr("%1: \"%2\" is longer than %3 characters.")
            .arg(where, QLatin1String(key))
            .arg(maxLength);
    case PlanTextFault::ControlCharacter:
        return SitePlanFile::tr("%1: \"%2\" holds a control character.").arg(where, QLatin1String(key));
    case PlanTextFault::UnpairedSurrogate:
        return SitePlanFile::tr("%1: \"%2\" holds a broken character (half of a surrogate pair).")
            .arg(where, QLatin1String(key));
    }
    return {};
}

// Reads the values of one JSON object and keeps the first problem it meets,
// named with `where` (the plan, a group, the calculation).
class ObjectReader final
{
public:
    ObjectReader(const QJsonObject &object, QString where, QString *error)
        : m_object(object)
        , m_where(std::move(where))
        , m_error(error)
    {
    }

    bool text(const char *key, QString *out, int maxLength = MaxFieldLength)
    {
        const QJsonValue value = find(key);
        if (value.isUndefined())
            return false;
        if (!value.isString())
            return fail(SitePlanFile::tr("%1: \"%2\" is not text.").arg(m_where, QLatin1String(key)));
        const QString found = value.toString();
        const QString problem = textProblem(m_where, key, found, maxLength);
        if (!problem.isEmpty())
            return fail(problem);
        *out = found;
        return true;
    }

    bool integer(const char *key, int min, int max, int *out)
    {
        const QJsonValue value = find(key);
        if (value.isUndefined())
            return false;
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || number != std::floor(number) || number < min || number > max) {
            return fail(SitePlanFile::tr("%1: \"%2\" is not a whole number from %3 to %4.")
                            .arg(m_where, QLatin1String(key))
                            .arg(min)
                            .arg(max));
        }
        *out = static_cast<int>(number);
        return true;
    }

    bool number(const char *key, double max, double *out)
    {
        const QJsonValue value = find(key);
        if (value.isUndefined())
            return false;
        const double number = value.toDouble(-1.0);
        if (!value.isDouble() || !(number >= 0.0 && number <= max)) {
            return fail(SitePlanFile::tr("%1: \"%2\" is not a number from 0 to %3.")
                            .arg(m_where, QLatin1String(key))
                            .arg(max, 0, 'f', 0));
        }
        *out = number;
        return true;
    }

    template <std::size_t N>
    bool choice(const char *key, const Key (&keys)[N], int *out)
    {
        QString found;
        if (!text(key, &found))
            return false;
        QStringList allowed;
        for (const Key &entry : keys) {
            if (found == QLatin1String(entry.key)) {
                *out = entry.value;
                return true;
            }
            allowed << QLatin1Char('"') + QLatin1String(entry.key) + QLatin1Char('"');
        }
        return fail(SitePlanFile::tr("%1: \"%2\" is \"%3\", which is none of %4.")
                        .arg(m_where, QLatin1String(key), found, allowed.join(QStringLiteral(", "))));
    }

    bool fail(const QString &message)
    {
        *m_error = message;
        return false;
    }

private:
    QJsonValue find(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            fail(SitePlanFile::tr("%1: \"%2\" is missing.").arg(m_where, QLatin1String(key)));
        return value;
    }

    QJsonObject m_object;
    QString m_where;
    QString *m_error;
};

bool readGroup(const QJsonValue &value, int position, PlanGroup *group, QString *error)
{
    const QString where = SitePlanFile::tr("Group %1").arg(position);
    if (!value.isObject()) {
        *error = SitePlanFile::tr("%1 is not a group.").arg(where);
        return false;
    }
    ObjectReader in(value.toObject(), where, error);
    if (!(in.text("name", &group->name, MaxNameLength)
          && in.integer("channels", 0, kMaxChannels, &group->channels)
          && in.choice("deviceType", kDeviceTypes, &group->deviceType)
          && in.choice("rateMode", kRateModes, &group->rateMode)
          && in.text("resolution", &group->resolution) && in.text("frameRate", &group->frameRate)
          && in.integer("frameRateIndex", -1, kMaxFrameRateIndex, &group->frameRateIndex)
          && in.text("encoding", &group->encoding) && in.text("scene", &group->scene)
          && in.number("kbps", kMaxKbps, &group->kbps)
          && in.integer("groupNumber", 1, SitePlanFile::MaxGroups, &group->groupNumber))) {
        return false;
    }
    // The list tells a recommended rate by its scene name alone.
    if (group->rateMode == RateRecommended && group->scene.isEmpty())
        return in.fail(SitePlanFile::tr("%1: a recommended rate names no scene.").arg(where));
    return true;
}

// How a group records, a section that plans saved before it lack: the group
// then records continuously for the site's period.
bool readGroupRecording(const QJsonObject &object, int position, GroupRecording *recording, QString *error)
{
    const QJsonValue value = object.value(QLatin1String("recording"));
    if (value.isUndefined())
        return true;
    const QString where = SitePlanFile::tr("Group %1, recording").arg(position);
    if (!value.isObject()) {
        *error = SitePlanFile::tr("%1 is not a section of values.").arg(where);
        return false;
    }
    using namespace RecordingLimits;
    ObjectReader in(value.toObject(), where, error);
    GroupRecording read;
    int mode = 0;
    int control = 0;
    int night = 0;
    if (!(in.choice("mode", kRecordingModes, &mode)
          && in.integer("eventPercent", MinEventPercent, MaxEventPercent, &read.eventPercent)
          && in.number("subStreamKbps", kMaxKbps, &read.subStreamKbps)
          && in.text("subStreamResolution", &read.subStreamResolution)
          && in.integer("subStreamRetentionDays", 0, MaxRetentionDays, &read.subStreamRetentionDays)
          && in.choice("rateControl", kRateControls, &control)
          && in.integer("retentionDays", 0, MaxRetentionDays, &read.retentionDays)
          && in.choice("night", kNightScenes, &night))) {
        return false;
    }
    read.mode = RecordingMode(mode);
    read.control = RateControl(control);
    read.night = NightScene(night);
    *recording = read;
    return true;
}

// A group's identity, which plans saved before there were identities lack.
bool readGroupId(const QJsonObject &object, int position, QSet<quint32> *ids, quint32 *id, QString *error)
{
    if (!object.contains(QLatin1String("id")))
        return true;
    const QString where = SitePlanFile::tr("Group %1").arg(position);
    int number = 0;
    if (!ObjectReader(object, where, error).integer("id", 1, std::numeric_limits<int>::max(), &number))
        return false;
    if (ids->contains(quint32(number))) {
        *error = SitePlanFile::tr("%1: identity %2 is used twice.").arg(where).arg(number);
        return false;
    }
    ids->insert(quint32(number));
    *id = quint32(number);
    return true;
}

bool readCalculation(const QJsonValue &value, PlanCalculation *calculation, QString *error)
{
    const QString where = SitePlanFile::tr("Calculation");
    if (!value.isObject()) {
        *error = SitePlanFile::tr("The calculation inputs are missing.");
        return false;
    }
    const QJsonObject object = value.toObject();
    ObjectReader in(object, where, error);
    int diskUnit = 0;
    int saveUnit = 0;
    int shown = 0;
    if (!(in.number("diskSize", DiskSizeLimits::Largest, &calculation->diskSize)
          && in.choice("diskUnit", kDiskUnits, &diskUnit)
          && in.integer("timeHoursPerDay", 0, CalculationLimits::MaxHoursPerDay, &calculation->timeHoursPerDay)
          && in.integer("saveTime", 0, CalculationLimits::MaxSaveTime, &calculation->saveTime)
          && in.choice("saveUnit", kPeriodUnits, &saveUnit)
          && in.integer("sizeHoursPerDay", 0, CalculationLimits::MaxHoursPerDay, &calculation->sizeHoursPerDay)
          && in.choice("shownResult", kShownResults, &shown))) {
        return false;
    }
    calculation->diskUnit = DiskUnit(diskUnit);
    // The field's decimals: none in GB, three in TB.
    if (!isFieldDiskSize(calculation->diskSize, calculation->diskUnit)) {
        return in.fail(calculation->diskUnit == DiskUnit::GB
                           ? SitePlanFile::tr("%1: \"diskSize\" is not a whole number of GB.").arg(where)
                           : SitePlanFile::tr("%1: \"diskSize\" has more than three decimals of a TB.")
                                 .arg(where));
    }
    calculation->diskSize = fieldDiskSize(calculation->diskSize, calculation->diskUnit);
    calculation->saveUnit = PeriodUnit(saveUnit);
    calculation->sizeShown = shown == 1;
    // Written only when the needed disk is at the high bound.
    if (object.contains(QLatin1String("neededAt"))) {
        int bound = 0;
        if (!in.choice("neededAt", kNeededBounds, &bound))
            return false;
        calculation->guaranteedRetention = bound == 1;
    }
    return true;
}

// The ranges of the array's inputs; whether the level takes the count is
// for the array rules to say, as they do when the user enters it.
// `where` names a recorder's array; empty, the site's.
bool readDiskArray(const QJsonValue &value, DiskArraySetup *array, QString *error, const QString &where = {})
{
    if (value.isUndefined())
        return true;
    if (!value.isObject()) {
        *error = where.isEmpty() ? SitePlanFile::tr("The disk array is not a section of values.")
                                 : SitePlanFile::tr("%1 is not a section of values.").arg(where);
        return false;
    }
    using namespace DiskArrayLimits;
    ObjectReader in(value.toObject(), where.isEmpty() ? SitePlanFile::tr("Disk array") : where, error);
    int level = 0;
    if (!(in.integer("drives", 0, MaxDrives, &array->drives)
          && in.integer("driveSizeGB", 0, MaxDriveGB, &array->driveGB)
          && in.choice("level", kRaidLevels, &level)
          && in.integer("groups", MinGroups, MaxGroups, &array->groups)
          && in.integer("hotSpares", 0, MaxDrives, &array->hotSpares)
          && in.integer("fillPercent", 1, 100, &array->fillPercent))) {
        return false;
    }
    array->level = RaidLevel(level);
    return true;
}

QJsonObject diskArrayObject(const DiskArraySetup &array)
{
    return {
        {QStringLiteral("drives"), array.drives},
        {QStringLiteral("driveSizeGB"), array.driveGB},
        {QStringLiteral("level"), keyOf(kRaidLevels, int(array.level))},
        {QStringLiteral("groups"), array.groups},
        {QStringLiteral("hotSpares"), array.hotSpares},
        {QStringLiteral("fillPercent"), array.fillPercent},
    };
}

// The site's recorders, which plans of a single recorder lack.
bool readRecorders(const QJsonValue &value, QVector<PlanRecorder> *recorders, QString *error)
{
    if (value.isUndefined())
        return true;
    if (!value.isArray()) {
        *error = SitePlanFile::tr("The plan's recorders are not a list.");
        return false;
    }
    const QJsonArray list = value.toArray();
    if (list.size() > PlanRecorderLimits::MaxRecorders) {
        *error = SitePlanFile::tr("The plan holds %1 recorders; a plan holds at most %2.")
                     .arg(list.size())
                     .arg(PlanRecorderLimits::MaxRecorders);
        return false;
    }
    using namespace RecorderLimitBounds;
    QSet<quint32> ids;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = SitePlanFile::tr("Recorder %1").arg(i + 1);
        if (!list.at(i).isObject()) {
            *error = SitePlanFile::tr("%1 is not a section of values.").arg(where);
            return false;
        }
        const QJsonObject object = list.at(i).toObject();
        ObjectReader in(object, where, error);
        PlanRecorder recorder;
        RecorderLimits &limits = recorder.limits;
        int id = 0;
        if (!(in.integer("id", 1, std::numeric_limits<int>::max(), &id) && in.text("name", &recorder.name)
              && in.text("profile", &recorder.profile)
              && in.integer("channels", 1, MaxChannels, &limits.channels)
              && in.integer("incomingMbps", 1, MaxIncomingMbps, &limits.incomingMbps)
              && in.integer("driveBays", 1, MaxDriveBays, &limits.driveBays)
              && in.integer("largestDriveGB", 1, MaxDriveGB, &limits.largestDriveGB)
              && in.integer("uplinkMbps", 0, PlanRecorderLimits::MaxUplinkMbps, &recorder.uplinkMbps))) {
            return false;
        }
        if (recorder.name.trimmed().isEmpty())
            return in.fail(SitePlanFile::tr("%1: \"name\" is empty.").arg(where));
        if (ids.contains(quint32(id)))
            return in.fail(SitePlanFile::tr("%1: identity %2 is used twice.").arg(where).arg(id));
        ids.insert(quint32(id));
        recorder.id = quint32(id);
        const QJsonValue array = object.value(QLatin1String("diskArray"));
        if (array.isUndefined())
            return in.fail(SitePlanFile::tr("%1: \"%2\" is missing.").arg(where, QLatin1String("diskArray")));
        if (!readDiskArray(array, &recorder.diskArray, error, SitePlanFile::tr("%1, disk array").arg(where)))
            return false;
        recorders->append(recorder);
    }
    return true;
}

// The recorder that records a group: one of the plan's, named by its
// identity, when the plan has recorders; none otherwise.
bool readGroupRecorder(const QJsonObject &object, int position, const QVector<PlanRecorder> &recorders,
                       quint32 *recorder, QString *error)
{
    const QString where = SitePlanFile::tr("Group %1").arg(position);
    const bool named = object.contains(QLatin1String("recorder"));
    if (recorders.isEmpty()) {
        if (named)
            *error = SitePlanFile::tr("%1: \"recorder\" names a recorder, but the plan has none.").arg(where);
        return !named;
    }
    int id = 0;
    if (!ObjectReader(object, where, error).integer("recorder", 1, std::numeric_limits<int>::max(), &id))
        return false;
    const bool known = std::any_of(recorders.cbegin(), recorders.cend(),
                                   [id](const PlanRecorder &r) { return r.id == quint32(id); });
    if (!known) {
        *error = SitePlanFile::tr("%1: \"recorder\" is %2, which is no recorder of the plan.").arg(where).arg(id);
        return false;
    }
    *recorder = quint32(id);
    return true;
}

// The first text of `plan` that the reader would refuse, as the reader says it.
QString planTextProblem(const SitePlan &plan)
{
    for (qsizetype i = 0; i < plan.groups.size(); ++i) {
        const PlanGroup &group = plan.groups.at(i);
        const QString where = SitePlanFile::tr("Group %1").arg(i + 1);
        const struct
        {
            const char *key;
            const QString &text;
            int maxLength;
        } texts[] = {{"name", group.name, MaxNameLength},
                     {"resolution", group.resolution, MaxFieldLength},
                     {"frameRate", group.frameRate, MaxFieldLength},
                     {"encoding", group.encoding, MaxFieldLength},
                     {"scene", group.scene, MaxFieldLength},
                     {"subStreamResolution", group.recording.subStreamResolution, MaxFieldLength}};
        for (const auto &entry : texts) {
            const QString problem = textProblem(where, entry.key, entry.text, entry.maxLength);
            if (!problem.isEmpty())
                return problem;
        }
    }
    for (qsizetype i = 0; i < plan.recorders.size(); ++i) {
        const PlanRecorder &recorder = plan.recorders.at(i);
        const QString where = SitePlanFile::tr("Recorder %1").arg(i + 1);
        for (const auto &[key, text] : {std::pair{"name", &recorder.name}, std::pair{"profile", &recorder.profile}}) {
            const QString problem = textProblem(where, key, *text, MaxFieldLength);
            if (!problem.isEmpty())
                return problem;
        }
    }
    return {};
}

} // namespace

QByteArray SitePlanFile::toJson(const SitePlan &plan)
{
    QJsonArray groups;
    for (const PlanGroup &group : plan.groups) {
        QJsonObject object{
            {QStringLiteral("name"), group.name},
            {QStringLiteral("channels"), group.channels},
            {QStringLiteral("deviceType"), keyOf(kDeviceTypes, group.deviceType)},
            {QStringLiteral("rateMode"), keyOf(kRateModes, group.rateMode)},
            {QStringLiteral("resolution"), group.resolution},
            {QStringLiteral("frameRate"), group.frameRate},
            {QStringLiteral("frameRateIndex"), group.frameRateIndex},
            {QStringLiteral("encoding"), group.encoding},
            {QStringLiteral("scene"), group.scene},
            {QStringLiteral("kbps"), group.kbps},
            {QStringLiteral("groupNumber"), group.groupNumber},
        };
        // The identity that other records of the plan refer to; a group that
        // has none yet is given one when the plan is opened.
        if (group.id != 0)
            object.insert(QStringLiteral("id"), qint64(group.id));
        if (group.recorder != 0)
            object.insert(QStringLiteral("recorder"), qint64(group.recorder));
        // Written only where it is not the default, so that a plan that uses
        // none of it reads in a version that knows none of it.
        const GroupRecording &recording = group.recording;
        if (recording != GroupRecording()) {
            object.insert(QStringLiteral("recording"),
                          QJsonObject{
                              {QStringLiteral("mode"), keyOf(kRecordingModes, int(recording.mode))},
                              {QStringLiteral("eventPercent"), recording.eventPercent},
                              {QStringLiteral("subStreamKbps"), recording.subStreamKbps},
                              {QStringLiteral("subStreamResolution"), recording.subStreamResolution},
                              {QStringLiteral("subStreamRetentionDays"), recording.subStreamRetentionDays},
                              {QStringLiteral("rateControl"), keyOf(kRateControls, int(recording.control))},
                              {QStringLiteral("retentionDays"), recording.retentionDays},
                              {QStringLiteral("night"), keyOf(kNightScenes, int(recording.night))},
                          });
        }
        groups.append(object);
    }
    const PlanCalculation &calculation = plan.calculation;
    QJsonObject inputs{
        {QStringLiteral("diskSize"), calculation.diskSize},
        {QStringLiteral("diskUnit"), keyOf(kDiskUnits, int(calculation.diskUnit))},
        {QStringLiteral("timeHoursPerDay"), calculation.timeHoursPerDay},
        {QStringLiteral("saveTime"), calculation.saveTime},
        {QStringLiteral("saveUnit"), keyOf(kPeriodUnits, int(calculation.saveUnit))},
        {QStringLiteral("sizeHoursPerDay"), calculation.sizeHoursPerDay},
        {QStringLiteral("shownResult"), keyOf(kShownResults, calculation.sizeShown ? 1 : 0)},
    };
    // Written only when the needed disk is at the high bound.
    if (calculation.guaranteedRetention)
        inputs.insert(QStringLiteral("neededAt"), keyOf(kNeededBounds, 1));
    QJsonObject root{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("version"), Version},
        {QStringLiteral("frameStandard"),
         keyOf(kFrameStandards, plan.frameStandard ? FrameNTSC : FramePAL)},
        {QStringLiteral("groups"), groups},
        {QStringLiteral("calculation"), inputs},
        {QStringLiteral("diskArray"), diskArrayObject(calculation.diskArray)},
    };
    // Written only for a site of several recorders (or one with limits).
    if (!plan.recorders.isEmpty()) {
        QJsonArray recorders;
        for (const PlanRecorder &recorder : plan.recorders) {
            const RecorderLimits &limits = recorder.limits;
            recorders.append(QJsonObject{
                {QStringLiteral("id"), qint64(recorder.id)},
                {QStringLiteral("name"), recorder.name},
                {QStringLiteral("profile"), recorder.profile},
                {QStringLiteral("channels"), limits.channels},
                {QStringLiteral("incomingMbps"), limits.incomingMbps},
                {QStringLiteral("driveBays"), limits.driveBays},
                {QStringLiteral("largestDriveGB"), limits.largestDriveGB},
                {QStringLiteral("uplinkMbps"), recorder.uplinkMbps},
                {QStringLiteral("diskArray"), diskArrayObject(recorder.diskArray)},
            });
        }
        root.insert(QStringLiteral("recorders"), recorders);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool SitePlanFile::fromJson(const QByteArray &bytes, SitePlan *plan, QString *error)
{
    if (bytes.trimmed().isEmpty()) {
        *error = tr("The file is empty.");
        return false;
    }
    if (bytes.size() > MaxFileBytes) {
        *error = tr("The file is too large for a plan (more than %1 MB).").arg(MaxFileBytes >> 20);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        // A plan that starts like one but does not parse was cut short or damaged.
        if (bytes.trimmed().startsWith('{')) {
            *error = tr("The plan is damaged or cut short: %1 at character %2.")
                         .arg(parseError.errorString())
                         .arg(parseError.offset);
        } else {
            *error = tr("The file is not a Larkspan plan.");
        }
        return false;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != kFormat) {
        *error = tr("The file is not a Larkspan plan.");
        return false;
    }

    SitePlan read;
    ObjectReader in(root, tr("Plan"), error);
    int version = 0;
    if (!in.integer("version", 1, INT_MAX, &version))
        return false;
    if (version > Version) {
        *error = tr("The plan was saved by a newer Larkspan (plan version %1); this version opens plans "
                    "up to version %2.")
                     .arg(version)
                     .arg(Version);
        return false;
    }
    if (!in.choice("frameStandard", kFrameStandards, &read.frameStandard))
        return false;

    const QJsonValue groups = root.value(QLatin1String("groups"));
    if (!groups.isArray()) {
        *error = tr("The plan has no list of groups.");
        return false;
    }
    const QJsonArray groupArray = groups.toArray();
    if (groupArray.size() > MaxGroups) {
        *error = tr("The plan holds %1 groups; a plan holds at most %2.")
                     .arg(groupArray.size())
                     .arg(MaxGroups);
        return false;
    }
    if (!readRecorders(root.value(QLatin1String("recorders")), &read.recorders, error))
        return false;
    read.groups.reserve(groupArray.size());
    QSet<int> numbers;
    QSet<quint32> ids;
    for (qsizetype i = 0; i < groupArray.size(); ++i) {
        PlanGroup group;
        if (!readGroup(groupArray.at(i), int(i + 1), &group, error))
            return false;
        // The editor hands each number to one group only.
        if (numbers.contains(group.groupNumber)) {
            *error = tr("Group %1: group number %2 is used twice.").arg(i + 1).arg(group.groupNumber);
            return false;
        }
        numbers.insert(group.groupNumber);
        if (!readGroupId(groupArray.at(i).toObject(), int(i + 1), &ids, &group.id, error)
            || !readGroupRecording(groupArray.at(i).toObject(), int(i + 1), &group.recording, error)
            || !readGroupRecorder(groupArray.at(i).toObject(), int(i + 1), read.recorders, &group.recorder, error))
            return false;
        read.groups.append(group);
    }
    if (!readCalculation(root.value(QLatin1String("calculation")), &read.calculation, error)
        || !readDiskArray(root.value(QLatin1String("diskArray")), &read.calculation.diskArray, error))
        return false;

    *plan = read;
    return true;
}

bool SitePlanFile::read(const QString &path, SitePlan *plan, QString *error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        *error = tr("\"%1\" is a folder, not a plan.").arg(info.fileName());
        return false;
    }
    if (!info.exists()) {
        *error = tr("\"%1\" does not exist.").arg(info.fileName());
        return false;
    }
    // Checked before opening: opening a pipe would wait for a writer.
    if (fileKindOf(path) != FileKind::Regular) {
        *error = tr("\"%1\" is not a plan but a pipe, a device or a socket.").arg(info.fileName());
        return false;
    }
    if (info.size() > MaxFileBytes) {
        *error = tr("The file is too large for a plan (more than %1 MB).").arg(MaxFileBytes >> 20);
        return false;
    }
    // Read no more than the limit, also when the file grew since it was measured.
    QByteArray bytes;
    QString reason;
    if (!readRegularFile(path, &bytes, MaxFileBytes + 1, &reason)) {
        *error = tr("\"%1\" cannot be read: %2").arg(info.fileName(), reason);
        return false;
    }
    return fromJson(bytes, plan, error);
}

bool SitePlanFile::write(const QString &path, const SitePlan &plan, QString *error)
{
    // A plan is never written that would not open again.
    QString reason = planTextProblem(plan);
    if (reason.isEmpty() && writeFileAtomically(path, toJson(plan), &reason))
        return true;
    const QFileInfo info(path);
    *error = tr("The plan could not be saved as \"%1\" in the folder \"%2\": %3")
                 .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), reason);
    return false;
}
