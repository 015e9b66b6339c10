#include "data/atomicfilewriter.h"
#include "data/bitrateconfigloader.h"
#include "data/devicerecords.h"
#include "data/xmlconfigfile.h"
#include "platform/cgenericds.h"
#include "platform/targetpath.h"

#include "datafixture.h"
#include "fullfilesystem.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Every writer of the model replaces its target whole or not at all: on a
// disk that fills up part-way, and when the shared writer fails a write.
class TestFileWrites final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void writerReplacesWholeOrNothing_data();
    void writerReplacesWholeOrNothing();
};

namespace {

const QByteArray OldTarget = "<ConfigList><ConfigItem><Resolution>old</Resolution>"
                             "<Bitrate>1</Bitrate></ConfigItem></ConfigList>\n";
// Written files are larger than the room a full disk leaves (8 KiB) and
// smaller than QSaveFile's 16 KiB buffer, where a cut used to go unnoticed.
constexpr int RowCount = 200;

QByteArray csvRows()
{
    QByteArray csv;
    for (int i = 0; i < RowCount; ++i)
        csv += "R" + QByteArray::number(i) + ",2048\n";
    return csv;
}

QByteArray xmlRows()
{
    QByteArray xml = "<ConfigList>";
    for (int i = 0; i < RowCount; ++i)
        xml += "<ConfigItem><Resolution>R" + QByteArray::number(i) + "</Resolution></ConfigItem>";
    return xml + "</ConfigList>\n";
}

// Runs one writer onto `folder`/DVRBitrateConfig.xml; `sources` holds its inputs.
bool runWriter(const QString &writer, const QString &folder, const QString &sources)
{
    const QString target = folder + QStringLiteral("/DVRBitrateConfig.xml");
    if (writer == QLatin1String("bytes"))
        return writeFileAtomically(target, xmlRows());
    if (writer == QLatin1String("copy"))
        return copyFileAtomically(sources + QStringLiteral("/rows.xml"), target);
    if (writer == QLatin1String("XML table")) {
        XmlConfigFile document;
        document.createDocument(QStringLiteral("ConfigList"));
        for (int i = 0; i < RowCount; ++i)
            document.appendChild(QStringLiteral("ConfigItem")).appendChild(QStringLiteral("Bitrate")).setText(QStringLiteral("64"));
        return document.save(target);
    }
    if (writer == QLatin1String("settings store")) {
        OrvaneGUIToolkit::CGenericDS store;
        return store.LoadXML(sources + QStringLiteral("/rows.xml")) && store.SaveXML(target);
    }
    // The table conversion writes beside the executable.
    OrvaneGUIToolkit::SetTargetPathOverride(folder);
    BitrateConfigLoader loader;
    return loader.convertCsvToXml(sources + QStringLiteral("/rows.csv"), TableDVR);
}

} // namespace

void TestFileWrites::cleanup()
{
    AtomicFileWriter::failWritesBeyondForTesting(-1);
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
}

void TestFileWrites::writerReplacesWholeOrNothing_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("fault"); // "none", "failed write" or "full disk"

    for (const char *writer : {"bytes", "copy", "XML table", "settings store", "table conversion"}) {
        for (const char *fault : {"none", "failed write", "full disk"})
            QTest::addRow("%s, %s", writer, fault) << QString::fromLatin1(writer) << QString::fromLatin1(fault);
    }
}

void TestFileWrites::writerReplacesWholeOrNothing()
{
    QFETCH(QString, writer);
    QFETCH(QString, fault);

    QTemporaryDir sources;
    QVERIFY(writeFixture(sources.path(), QStringLiteral("rows.xml"), xmlRows()));
    QVERIFY(writeFixture(sources.path(), QStringLiteral("rows.csv"), csvRows()));

    QTemporaryDir plainFolder;
    QString folder = plainFolder.path();
    std::unique_ptr<FullFileSystem> full;
    if (fault == QLatin1String("full disk")) {
        full = std::make_unique<FullFileSystem>();
        if (!full->mounted())
            QSKIP(qPrintable(full->why()));
        folder = full->path();
        QVERIFY(full->put(QStringLiteral("DVRBitrateConfig.xml"), OldTarget));
    } else {
        QVERIFY(writeFixture(folder, QStringLiteral("DVRBitrateConfig.xml"), OldTarget));
    }
    if (fault == QLatin1String("failed write"))
        AtomicFileWriter::failWritesBeyondForTesting(100);

    const bool written = runWriter(writer, folder, sources.path());

    QCOMPARE(written, fault == QLatin1String("none"));
    const QByteArray after = readFixture(folder, QStringLiteral("DVRBitrateConfig.xml"));
    if (written)
        QVERIFY(after.size() > 8 * 1024 && after.endsWith(">\n"));
    else
        QCOMPARE(after, OldTarget);
    // No temporary file is left behind.
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name)
                                    .filter(QRegularExpression(QStringLiteral("^[^.]")));
    QCOMPARE(entries, QStringList{QStringLiteral("DVRBitrateConfig.xml")});
}

QTEST_GUILESS_MAIN(TestFileWrites)
#include "tst_filewrites.moc"
