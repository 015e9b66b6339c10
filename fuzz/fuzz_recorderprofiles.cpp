// The recorder profiles reader (RecorderProfileFile::parse), a pure function
// of the file's bytes. A refused file leaves the caller's profiles as they
// were and says why in a short message; an accepted one holds profiles within
// every bound that write out and read back as the same profiles.
#include "fuzzsupport.h"

#include "data/recorderprofiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QVector<RecorderProfile> before{{QStringLiteral("kept"), {}}};
    QVector<RecorderProfile> profiles = before;
    QString error;
    if (!RecorderProfileFile::parse(fuzzBytes(data, size), &profiles, &error)) {
        FUZZ_EXPECT(!error.isEmpty());
        FUZZ_EXPECT(error.size() < 1000);
        FUZZ_EXPECT(profiles == before);
        return 0;
    }
    FUZZ_EXPECT(profiles.size() <= RecorderProfileFile::MaxProfiles);
    for (const RecorderProfile &profile : profiles) {
        const RecorderLimits &limits = profile.limits;
        FUZZ_EXPECT(limits.channels >= 1 && limits.driveBays >= 1 && limits.incomingMbps >= 1
                    && limits.largestDriveGB >= 1);
    }
    QVector<RecorderProfile> back;
    FUZZ_EXPECT(RecorderProfileFile::parse(RecorderProfileFile::toCsv(profiles), &back, &error));
    FUZZ_EXPECT(back == profiles);
    return 0;
}
