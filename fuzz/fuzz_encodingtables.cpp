// The per-encoding table folders, read by the construction of a
// BitrateConfigLoader and, one file at a time, by the per-channel rule of
// BitrateCalculator. The input is split at form feeds into up to four files,
// which stand in both folders under names chosen to meet the folder rules:
// two files of one encoding that differ only in their extension (the later
// in listing order wins), an encoding that differs only in case, and one
// whose name sorts "+" before ".".
#include "fuzzsupport.h"

#include "data/bitratecalculator.h"
#include "data/bitrateconfigloader.h"
#include "data/devicerecords.h"

#include <QList>

#include <cmath>

namespace {

const char *const FileNames[] = {"H.264.csv", "H.264.txt", "h.264.csv", "H.264+.csv"};
constexpr int FileCount = int(sizeof FileNames / sizeof FileNames[0]);
// A table row is read for at most this many resolutions; each lookup through
// the calculator reads its table file again.
constexpr int LookedUp = 4;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = fuzzBytes(data, size).split('\f');
    for (const char *folder : {"IPCBitrate", "DVRBitrate"}) {
        removeFuzzFile(QLatin1String(folder));
        for (int i = 0; i < FileCount && i < parts.size(); ++i)
            writeFuzzFile(QLatin1String(folder) + QLatin1Char('/') + QLatin1String(FileNames[i]), parts.at(i));
    }

    BitrateConfigLoader loader;
    const QStringList encodings = loader.encodings();
    FUZZ_EXPECT(encodings.size() == qMin(FileCount, int(parts.size())));

    // The loader and the calculator read the same table by different roads:
    // both must find the same rate for every resolution of every encoding.
    BitrateCalculator calculator;
    for (const QString &encoding : encodings) {
        loader.setCurrentEncoding(encoding);
        calculator.setEncoding(encoding);
        QStringList resolutions;
        FUZZ_EXPECT(loader.resolutions(resolutions, TableIPC));
        for (int i = 0; i < resolutions.size() && i < LookedUp; ++i) {
            const QString &resolution = resolutions.at(i);
            FUZZ_EXPECT(calculator.bitrate(DeviceIndexIPC, resolution, 25.0)
                        == double(loader.bitrate(resolution, TableIPC)));
            // The recorder rule at the base rate is d / 5 + 4d / 5: d up to rounding.
            const double dvr = loader.bitrate(resolution, TableDVR);
            FUZZ_EXPECT(std::abs(calculator.bitrate(DeviceIndexDVR, resolution, 25.0) - dvr)
                        <= 1e-9 * qMax(1.0, std::abs(dvr)));
        }
    }
    return 0;
}
