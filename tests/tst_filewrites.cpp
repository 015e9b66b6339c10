#include "platform/atomicfilewriter.h"
#include "data/bitrateconfigloader.h"
#include "data/devicerecords.h"
#include "data/siteplanfile.h"
#include "data/xmlconfigfile.h"
#include "platform/cgenericds.h"
#include "platform/targetpath.h"

#include "datafixture.h"
#include "fullfilesystem.h"
#include "readonlyfolder.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Every writer of the model replaces its target whole or not at all: on a
// disk that fills up part-way, when the shared writer fails a write, in a
// folder it may not write, and when its source is gone or is a folder.
class TestFileWrites final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void writerReplacesWholeOrNothing_data();
    void writerReplacesWholeOrNothing();
    void failedSaveSaysWhereAndWhy_data();
    void failedSaveSaysWhereAndWhy();
    void staleTemporariesGo_data();
    void staleTemporariesGo();
    void replacedFileKeepsItsLinkAndPermissions();
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

SitePlan planOfRows()
{
    SitePlan plan;
    for (int i = 1; i <= RowCount; ++i) {
        PlanGroup group;
        group.name = QStringLiteral("R%1(%1)").arg(i);
        group.groupNumber = i;
        plan.groups.append(group);
    }
    return plan;
}

// The source that a writer reads: none for those that write what they hold.
QString sourceOf(const QString &writer)
{
    if (writer == QLatin1String("copy") || writer == QLatin1String("settings store"))
        return QStringLiteral("rows.xml");
    if (writer == QLatin1String("table conversion"))
        return QStringLiteral("rows.csv");
    return {};
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
    if (writer == QLatin1String("plan save")) {
        QString error;
        const bool saved = SitePlanFile::write(target, planOfRows(), &error);
        // A failed save says why.
        return saved || error.isEmpty();
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
    QTest::addColumn<QString>("fault");

    for (const char *writer : {"bytes", "copy", "XML table", "settings store", "table conversion", "plan save"}) {
        for (const char *fault : {"none", "failed write", "full disk", "read-only folder", "source missing",
                                  "source is a folder"}) {
            const bool sourceFault = QByteArray(fault).startsWith("source");
            if (sourceFault && sourceOf(QLatin1String(writer)).isEmpty())
                continue;
            // A program folder that cannot be written sends the conversion to
            // the user's data folder (tst_userdata).
            if (QByteArray(fault) == "read-only folder" && QByteArray(writer) == "table conversion")
                continue;
            QTest::addRow("%s, %s", writer, fault) << QString::fromLatin1(writer) << QString::fromLatin1(fault);
        }
    }
}

void TestFileWrites::writerReplacesWholeOrNothing()
{
    QFETCH(QString, writer);
    QFETCH(QString, fault);

    QTemporaryDir sources;
    QVERIFY(writeFixture(sources.path(), QStringLiteral("rows.xml"), xmlRows()));
    QVERIFY(writeFixture(sources.path(), QStringLiteral("rows.csv"), csvRows()));

    const QString source = sources.filePath(sourceOf(writer));
    if (fault.startsWith(QLatin1String("source")))
        QVERIFY(QFile::remove(source));
    if (fault == QLatin1String("source is a folder"))
        QVERIFY(QDir().mkpath(source));

    QTemporaryDir plainFolder;
    QString folder = plainFolder.path();
    std::unique_ptr<FullFileSystem> full;
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (fault == QLatin1String("full disk")) {
        full = std::make_unique<FullFileSystem>();
        if (!full->mounted())
            QSKIP(qPrintable(full->why()));
        folder = full->path();
        QVERIFY(full->put(QStringLiteral("DVRBitrateConfig.xml"), OldTarget));
    } else if (fault == QLatin1String("read-only folder")) {
        readOnly = std::make_unique<ReadOnlyFolder>(QMap<QString, QByteArray>{{"DVRBitrateConfig.xml", OldTarget}});
        if (!readOnly->isReadOnly())
            QSKIP(qPrintable(readOnly->why()));
        folder = readOnly->path();
    } else {
        QVERIFY(writeFixture(folder, QStringLiteral("DVRBitrateConfig.xml"), OldTarget));
    }
    if (fault == QLatin1String("failed write"))
        AtomicFileWriter::failWritesBeyondForTesting(100);

    const bool written = runWriter(writer, folder, sources.path());

    QCOMPARE(written, fault == QLatin1String("none"));
    const QByteArray after = readFixture(folder, QStringLiteral("DVRBitrateConfig.xml"));
    if (written)
        QVERIFY(after.size() > 8 * 1024 && after.endsWith("\n"));
    else
        QCOMPARE(after, OldTarget);
    // No temporary file is left behind.
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name)
                                    .filter(QRegularExpression(QStringLiteral("^[^.]")));
    QCOMPARE(entries, QStringList{QStringLiteral("DVRBitrateConfig.xml")});
}

// The reason of a failed save, in the user's terms, and where it was: the
// shared writer's reason, and the plan's message with its folder.
void TestFileWrites::failedSaveSaysWhereAndWhy_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("disk full part-way") << "full disk" << "No space left on device";
    QTest::newRow("failed write") << "failed write" << "No space left on device";
    QTest::newRow("folder missing") << "folder missing" << "No such folder";
    QTest::newRow("folder is a file") << "folder is a file" << "Not a folder";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << (::geteuid() == 0 ? "The folder is on a read-only disk"
                                                           : "No permission to write in this folder");
}

void TestFileWrites::failedSaveSaysWhereAndWhy()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);

    QTemporaryDir plainFolder;
    QString folder = plainFolder.path();
    std::unique_ptr<FullFileSystem> full;
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (fault == QLatin1String("full disk")) {
        full = std::make_unique<FullFileSystem>();
        if (!full->mounted())
            QSKIP(qPrintable(full->why()));
        folder = full->path();
    } else if (fault == QLatin1String("read-only folder")) {
        readOnly = std::make_unique<ReadOnlyFolder>();
        if (!readOnly->isReadOnly())
            QSKIP(qPrintable(readOnly->why()));
        folder = readOnly->path();
    } else if (fault == QLatin1String("folder missing")) {
        folder += QStringLiteral("/gone");
    } else if (fault == QLatin1String("folder is a file")) {
        QVERIFY(writeFixture(folder, QStringLiteral("file"), "x"));
        folder += QStringLiteral("/file");
    } else {
        AtomicFileWriter::failWritesBeyondForTesting(100);
    }

    QString bytesError;
    QVERIFY(!writeFileAtomically(folder + QStringLiteral("/rows.xml"), xmlRows(), &bytesError));
    QCOMPARE(bytesError, reason);

    QString planError;
    QVERIFY(!SitePlanFile::write(folder + QStringLiteral("/site.larkspan"), planOfRows(), &planError));
    QCOMPARE(planError, QStringLiteral("The plan could not be saved as \"site.larkspan\" in the folder \"%1\": %2")
                            .arg(QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath()), reason));
}

// A write removes the temporary files that an earlier write of the same
// target left when it was killed (where the file system has no unnamed
// temporary files) once they are a minute old, and nothing else.
void TestFileWrites::staleTemporariesGo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("removed");

    QTest::newRow("own temporary, old") << "site.larkspan.larkspan-save.Ab12Z9" << 120 << true;
    QTest::newRow("renamed copy, old") << "site.larkspan.larkspan-save" << 61 << true;
    QTest::newRow("own temporary, fresh") << "site.larkspan.larkspan-save.Ab12Z9" << 10 << false;
    QTest::newRow("another plan's temporary") << "other.larkspan.larkspan-save.Ab12Z9" << 120 << false;
    QTest::newRow("a name like the plan's") << "site.larkspan.backup" << 120 << false;
    QTest::newRow("seven letters") << "site.larkspan.larkspan-save.Ab12Z9x" << 120 << false;
    QTest::newRow("more after the name") << "site.larkspan.larkspan-save.Ab12Z9.txt" << 120 << false;
    QTest::newRow("a folder of that name") << "site.larkspan.larkspan-save.Folder" << 120 << false;
}

void TestFileWrites::staleTemporariesGo()
{
    QFETCH(QString, name);
    QFETCH(int, ageSeconds);
    QFETCH(bool, removed);

    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (name.endsWith(QLatin1String("Folder"))) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QVERIFY(writeFixture(folder.path(), name, "cut"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
    }

    QString error;
    QVERIFY2(SitePlanFile::write(folder.filePath(QStringLiteral("site.larkspan")), planOfRows(), &error),
             qPrintable(error));
    QCOMPARE(!QFileInfo::exists(path), removed);
    QStringList expected{QStringLiteral("site.larkspan")};
    if (!removed)
        expected << name;
    expected.sort();
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
             expected);
}

// The write replaces what a link names and keeps the link, and the new file
// has the old one's permissions.
void TestFileWrites::replacedFileKeepsItsLinkAndPermissions()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("real")));
    const QString target = folder.filePath(QStringLiteral("real/site.larkspan"));
    const QString link = folder.filePath(QStringLiteral("site.larkspan"));
    QVERIFY(writeFixture(folder.path(), QStringLiteral("real/site.larkspan"), OldTarget));
    const QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QVERIFY(QFile::setPermissions(target, permissions));
    QVERIFY(QFile::link(target, link));

    QString error;
    QVERIFY2(SitePlanFile::write(link, planOfRows(), &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(readFixture(folder.path(), QStringLiteral("real/site.larkspan")).contains("R200(200)"));
    // Owner, group and others; the "user" flags repeat those that apply to this process.
    const QFileDevice::Permissions modeBits(0x7000 | 0x0077);
    QCOMPARE(QFile::permissions(target) & modeBits, permissions);
    QCOMPARE(QDir(folder.filePath(QStringLiteral("real"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("site.larkspan")});
}

QTEST_GUILESS_MAIN(TestFileWrites)
#include "tst_filewrites.moc"
