// The XML bitrate tables and the frame-rate file, read by the construction of
// a BitrateConfigLoader over the program folder. The input stands as all
// three files at once, so that one input reaches the table item reader and
// the frame-rate reader alike.
#include "fuzzsupport.h"

#include "data/bitrateconfigloader.h"
#include "data/devicerecords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    for (const char *name : {"IPCBitrateConfig.xml", "DVRBitrateConfig.xml", "Frame.xml"})
        writeFuzzFile(QLatin1String(name), bytes);

    const BitrateConfigLoader loader;
    QStringList resolutions;
    FUZZ_EXPECT(loader.resolutions(resolutions, TableIPC));
    FUZZ_EXPECT(loader.resolutions(resolutions, TableDVR));
    // Without per-encoding table folders the tables read here are replaced by
    // empty ones; only the frame rates stay.
    FUZZ_EXPECT(resolutions.isEmpty());
    const QStringList pal = loader.frameRates(FramePAL);
    const QStringList ntsc = loader.frameRates(FrameNTSC);
    Q_UNUSED(pal)
    Q_UNUSED(ntsc)
    return 0;
}
