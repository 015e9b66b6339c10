// The ".larkspan" plan reader (SitePlanFile::fromJson), a pure function of
// the file's bytes. A refused file leaves the caller's plan as it was and says
// why; an accepted one keeps every text within its bound, without control
// characters or unpaired surrogates, and saves to a file that opens again as
// the same plan.
#include "fuzzsupport.h"

#include "data/siteplanfile.h"
#include "tests/sampleplan.h"

namespace {

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
    SitePlan before;
    before.groups = {sampleGroup(QStringLiteral("Gate"), 4, 2048.0, 1)};
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
