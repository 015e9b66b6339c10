// The CSV-to-XML conversion of a recorder table
// (BitrateConfigLoader::convertCsvToXml). A conversion that succeeds writes
// a table that reads back as the CSV's rows; one that fails leaves the old
// table byte for byte.
#include "fuzzsupport.h"

#include "data/bitrateconfigloader.h"
#include "data/bitratetablefiles.h"
#include "data/devicerecords.h"
#include "data/xmlconfigfile.h"

#include <QFile>

namespace {

const QByteArray OldTable = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<ConfigList><ConfigItem><Resolution>old</Resolution>"
                            "<Bitrate>1</Bitrate></ConfigItem></ConfigList>\n";

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString csv = fuzzFile(QStringLiteral("input.csv"));
    const QString table = fuzzFile(QStringLiteral("DVRBitrateConfig.xml"));
    writeFuzzFile(QStringLiteral("input.csv"), fuzzBytes(data, size));
    writeFuzzFile(QStringLiteral("DVRBitrateConfig.xml"), OldTable);
    writeFuzzFile(QStringLiteral("IPCBitrateConfig.xml"), OldTable);

    BitrateConfigLoader loader;
    if (!loader.convertCsvToXml(csv, TableDVR)) {
        FUZZ_EXPECT(bytesOf(table) == OldTable);
        return 0;
    }

    QVector<TableLine> rows;
    FUZZ_EXPECT(readTableLines(csv, rows));
    XmlConfigFile written;
    FUZZ_EXPECT(written.load(table));
    const QVector<XmlConfigFile> items = written.children();
    qsizetype item = 0;
    for (const TableLine &row : std::as_const(rows)) {
        if (row.resolution.isEmpty())
            continue;
        FUZZ_EXPECT(item < items.size());
        FUZZ_EXPECT(items.at(item).firstByTagName(QStringLiteral("Resolution")).text() == row.resolution);
        FUZZ_EXPECT(items.at(item).firstByTagName(QStringLiteral("Bitrate")).text() == row.bitrate);
        ++item;
    }
    FUZZ_EXPECT(item == items.size());
    return 0;
}
