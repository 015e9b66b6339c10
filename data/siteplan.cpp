#include "data/siteplan.h"

#include "data/deviceinfomanager.h"

#include <tuple>

namespace {

auto fields(const PlanGroup &g)
{
    return std::tie(g.name, g.channels, g.deviceType, g.rateMode, g.resolution, g.frameRate,
                    g.frameRateIndex, g.encoding, g.scene, g.kbps, g.groupNumber, g.id, g.recording, g.recorder);
}

auto fields(const PlanCalculation &c)
{
    return std::tie(c.diskSize, c.diskUnit, c.timeHoursPerDay, c.saveTime, c.saveUnit,
                    c.sizeHoursPerDay, c.sizeShown, c.guaranteedRetention, c.diskArray);
}

auto fields(const PlanRecorder &r)
{
    return std::tie(r.id, r.name, r.profile, r.limits, r.diskArray, r.uplinkMbps);
}

} // namespace

bool operator==(const PlanRecorder &a, const PlanRecorder &b)
{
    return fields(a) == fields(b);
}

bool operator==(const PlanGroup &a, const PlanGroup &b)
{
    return fields(a) == fields(b);
}

bool operator==(const PlanCalculation &a, const PlanCalculation &b)
{
    return fields(a) == fields(b);
}

bool operator==(const SitePlan &a, const SitePlan &b)
{
    return a.frameStandard == b.frameStandard && a.calculation == b.calculation && a.groups == b.groups
           && a.recorders == b.recorders;
}

PlanTextFault planTextFault(const QString &text, int maxLength)
{
    if (text.size() > maxLength)
        return PlanTextFault::TooLong;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.category() == QChar::Other_Control)
            return PlanTextFault::ControlCharacter;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return PlanTextFault::UnpairedSurrogate;
    }
    return PlanTextFault::None;
}

QString withoutPlanTextFaults(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isSurrogate() && c.category() != QChar::Other_Control) {
            kept += c;
        }
    }
    return kept;
}

QString listedGroupName(const QString &typedName, int groupNumber)
{
    return typedName + QLatin1Char('(') + QString::number(groupNumber) + QLatin1Char(')');
}

QString typedGroupName(const QString &name, int groupNumber)
{
    const QString suffix = listedGroupName(QString(), groupNumber);
    return name.endsWith(suffix) ? name.chopped(suffix.size()) : name;
}

StructDeviceItem toDeviceItem(const PlanGroup &group)
{
    StructDeviceItem item;
    item.strDeviceType = DeviceInfoManager::deviceTypeName(group.deviceType);
    item.strChannelName = group.name;
    item.strScenceName = group.rateMode == RateRecommended ? group.scene : QString();
    item.strEncodeType = group.encoding;
    item.iChannelCounts = group.channels;
    item.strResolution = group.resolution;
    item.strFrameRate = group.rateMode == RateFixed ? group.frameRate : QString();
    item.dBitrate = group.kbps;
    item.iChannelGroupNumber = group.groupNumber;
    item.uGroupId = group.id;
    item.recording = group.recording;
    item.uRecorderId = group.recorder;
    return item;
}

PlanGroup toPlanGroup(const StructDeviceItem &item, const QStringList &frameRates)
{
    PlanGroup group;
    group.name = item.strChannelName;
    group.channels = item.iChannelCounts;
    group.deviceType = DeviceInfoManager::deviceTypeIndex(item.strDeviceType) == DeviceIndexDVR
                           ? DeviceIndexDVR
                           : DeviceIndexIPC;
    // The list tells the mode the same way: a scene name means a recommended rate.
    group.rateMode = item.strScenceName.isEmpty() ? RateFixed : RateRecommended;
    group.resolution = item.strResolution;
    group.encoding = item.strEncodeType;
    if (group.rateMode == RateFixed) {
        group.frameRate = item.strFrameRate;
        group.frameRateIndex = frameRates.indexOf(item.strFrameRate);
    } else {
        group.scene = item.strScenceName;
    }
    group.kbps = item.dBitrate;
    group.groupNumber = item.iChannelGroupNumber;
    group.id = item.uGroupId;
    group.recording = item.recording;
    group.recorder = item.uRecorderId;
    return group;
}

double totalKbps(const QVector<PlanGroup> &groups)
{
    double total = 0.0;
    for (const PlanGroup &group : groups)
        total += group.channels * group.kbps;
    return total;
}

bool operator==(const RecorderChoice &a, const RecorderChoice &b)
{
    return a.id == b.id && a.name == b.name;
}

QVector<RecorderChoice> recorderChoices(const SitePlan &plan)
{
    QVector<RecorderChoice> choices;
    choices.reserve(plan.recorders.size());
    for (const PlanRecorder &recorder : plan.recorders)
        choices.append({recorder.id, recorder.name});
    return choices;
}

QVector<RecorderChoice> otherRecorders(const QVector<RecorderChoice> &recorders, quint32 own)
{
    QVector<RecorderChoice> others;
    for (const RecorderChoice &recorder : recorders) {
        if (recorder.id != own)
            others.append(recorder);
    }
    return others;
}

namespace GroupDrag {

QByteArray encode(const QVector<quint32> &groups)
{
    QByteArray data;
    for (const quint32 group : groups)
        data += QByteArray::number(group) + '\n';
    return data;
}

QVector<quint32> decode(const QByteArray &data)
{
    QVector<quint32> groups;
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &line : lines) {
        bool ok = false;
        const quint32 id = line.trimmed().toUInt(&ok);
        if (ok && id != 0)
            groups.append(id);
    }
    return groups;
}

} // namespace GroupDrag
