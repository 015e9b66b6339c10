#pragma once

#include "data/siteplan.h"

// A site of a thousand groups with every kind of recording: both rate modes,
// four encodings, continuous, event and dual-stream recording, constant and
// variable rates, groups and sub-streams with days of their own, infrared
// nights. Its disk is the capacity of its array, 48 TB, kept for 30 days.
inline SitePlan thousandGroups()
{
    static const char *const encodings[] = {"H.264", "H.265", "Smart H.264", "H.265+"};
    SitePlan plan;
    for (int i = 0; i < 1000; ++i) {
        PlanGroup group;
        group.channels = 1 + i % 16;
        group.kbps = 1024 + 512 * (i % 8);
        group.rateMode = i % 5 == 0 ? RateRecommended : RateFixed;
        group.encoding = QLatin1String(encodings[i % 4]);
        GroupRecording &recording = group.recording;
        recording.mode = RecordingMode(i % 3);
        recording.eventPercent = 10 + i % 90;
        recording.subStreamKbps = 512;
        recording.subStreamRetentionDays = i % 7 == 0 ? 90 : 0;
        recording.control = i % 4 == 0 ? RateControl::Constant : RateControl::Variable;
        recording.retentionDays = i % 11 == 0 ? 14 : 0;
        recording.night = i % 2 ? NightScene::Infrared : NightScene::NotSet;
        plan.groups.append(group);
    }
    plan.calculation.diskSize = 48;
    plan.calculation.saveTime = 30;
    plan.calculation.saveUnit = PeriodUnit::Day;
    // The disk is the array's capacity, so that the verdict looks for drives.
    plan.calculation.diskArray = DiskArraySetup{8, 8000, RaidLevel::Raid6, 2, 0, 100};
    return plan;
}
