// The ".larkspan" plan reader (SitePlanFile::fromJson), a pure function of
// the file's bytes. A refused file leaves the caller's plan as it was and says
// why; an accepted one keeps every text within its bound, without control
// characters or unpaired surrogates, and saves to a file that opens again as
// the same plan.
#include "fuzzsupport.h"

#include "data/siteplanfile.h"

namespace {

SitePlan callersPlan()
{
    SitePlan plan;
    PlanGroup group;
    group.name = QStringLiteral("Gate(1)");
    group.channels = 4;
    group.resolution = QStringLiteral("1080P");
    group.frameRate = QStringLiteral("25");
    group.frameRateIndex = 1;
    group.encoding = QStringLiteral("H.264");
    group.kbps = 2048.0;
    group.groupNumber = 1;
    plan.groups.append(group);
    return plan;
}

bool keepsTextLimits(const SitePlan &plan)
{
    using namespace PlanTextLimits;
    for (const PlanGroup &group : plan.groups) {
        if (planTextFault(group.name, MaxNameLength) != PlanTextFault::None)
            return false;
        for (const QString *field : {&group.resolution, &group.frameRate, &group.encoding, &group.scene}) {
            if (planTextFault(*field, MaxFieldLength) != PlanTextFault::None)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const SitePlan before = callersPlan();
    const QByteArray beforeJson = SitePlanFile::toJson(before);
    SitePlan plan = before;
    QString error;
    if (!SitePlanFile::fromJson(fuzzBytes(data, size), &plan, &error)) {
        FUZZ_EXPECT(!error.isEmpty());
        // The message names the problem; it never repeats a long text.
        FUZZ_EXPECT(error.size() < 1000);
        FUZZ_EXPECT(SitePlanFile::toJson(plan) == beforeJson);
        return 0;
    }

    FUZZ_EXPECT(keepsTextLimits(plan));
    const QByteArray saved = SitePlanFile::toJson(plan);
    SitePlan reopened;
    QString reopenError;
    FUZZ_EXPECT(SitePlanFile::fromJson(saved, &reopened, &reopenError));
    FUZZ_EXPECT(SitePlanFile::toJson(reopened) == saved);
    return 0;
}
