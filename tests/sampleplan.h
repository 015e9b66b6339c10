#pragma once

#include "data/siteplan.h"

#include <QString>

// The sample plans that the tests, the fuzz targets and the benchmarks share.

// A group as the editor adds it with a fixed rate: IPC, 1080P at 25 fps in
// H.264, `kbps` a channel, named "<name>(<number>)".
inline PlanGroup sampleGroup(const QString &name, int channels, double kbps, int number)
{
    PlanGroup group;
    group.name = name + QStringLiteral("(%1)").arg(number);
    group.channels = channels;
    group.resolution = QStringLiteral("1080P");
    group.frameRate = QStringLiteral("25");
    group.frameRateIndex = 1;
    group.encoding = QStringLiteral("H.264");
    group.kbps = kbps;
    group.groupNumber = number;
    return group;
}

// Every field away from its default, so that a field a reader or writer
// forgets shows: quotes and a comma, Chinese, an empty name, both device
// types and rate modes, a frame rate that no list holds, decimals, identities
// (and a group saved before there were any), recording on events and dual
// stream (and a group that records as plans before recording settings),
// GB and months, the size shown, and a RAID 60 array with a hot spare.
inline SitePlan samplePlan(int frameStandard = FramePAL)
{
    SitePlan plan;
    plan.frameStandard = frameStandard;
    auto group = [](const QString &name, int channels, int type, int mode, const QString &resolution,
                    const QString &frameRate, int frameIndex, const QString &encoding, const QString &scene,
                    double kbps, int number) {
        return PlanGroup{name, channels, type, mode, resolution, frameRate, frameIndex,
                         encoding, scene, kbps, number};
    };
    plan.groups = {
        group(QStringLiteral("Gate, \"north\"(3)"), 8, DeviceIndexIPC, RateFixed, QStringLiteral("1080P"),
              QStringLiteral("1/2"), 18, QStringLiteral("H.265"), QString(), 1234.5678, 3),
        group(QStringLiteral("大堂(1)"), 1024, DeviceIndexDVR, RateRecommended, QStringLiteral("4MP"),
              QString(), -1, QStringLiteral("Smart H.264"), QStringLiteral("Office"), 204800, 1),
        group(QStringLiteral("(2)"), 0, DeviceIndexIPC, RateFixed, QStringLiteral("720P"),
              QStringLiteral("30"), 1, QStringLiteral("H.264"), QString(), 0.1, 2),
    };
    plan.groups[0].id = 5;
    plan.groups[2].id = 70000;
    plan.groups[0].recording = {RecordingMode::Events, 30, 0.0, QString(), 0, RateControl::Variable, 14,
                                NightScene::Infrared};
    plan.groups[1].recording = {RecordingMode::DualStream, 25, 512.5, QStringLiteral("D1"), 90,
                                RateControl::Constant, 0, NightScene::Lit};
    plan.recorders = {
        {1, QStringLiteral("NVR-1"), QStringLiteral("32-channel recorder"), {32, 256, 4, 16000},
         DiskArraySetup{4, 16000, RaidLevel::Raid5, 2, 0, 100}, 0},
        {70000, QStringLiteral("北门, \"gate\""), QString(), {4096, 100000, 64, 200000},
         DiskArraySetup{2, 12000, RaidLevel::Raid1, 2, 0, 90}, 1000000},
    };
    plan.groups[0].recorder = 70000;
    plan.groups[1].recorder = 1;
    plan.groups[2].recorder = 1;
    plan.calculation = {123, DiskUnit::GB, 7, 365, PeriodUnit::Month, 13, true, true,
                        DiskArraySetup{13, 1200, RaidLevel::Raid60, 3, 1, 85}};
    return plan;
}

// A large site: `count` groups of both device types and rate modes, three
// resolutions and eight rates.
inline SitePlan manyGroupsPlan(int count)
{
    static const QString resolutions[] = {QStringLiteral("4MP"), QStringLiteral("1080P"),
                                          QStringLiteral("720P")};
    SitePlan plan;
    for (int i = 0; i < count; ++i) {
        PlanGroup group;
        group.name = QStringLiteral("Camera %1(%1)").arg(i + 1);
        group.channels = 1 + i % 16;
        group.deviceType = i % 3 == 0 ? DeviceIndexDVR : DeviceIndexIPC;
        group.rateMode = i % 5 == 0 ? RateRecommended : RateFixed;
        group.resolution = resolutions[i % 3];
        if (group.rateMode == RateFixed) {
            group.frameRate = QStringLiteral("25");
            group.frameRateIndex = 1;
        } else {
            group.scene = QStringLiteral("Warehouse");
        }
        group.encoding = QStringLiteral("H.264");
        group.kbps = 1024 + 512 * (i % 8);
        group.groupNumber = i + 1;
        plan.groups.append(group);
    }
    return plan;
}
