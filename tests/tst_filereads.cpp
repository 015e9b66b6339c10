#include "platform/atomicfilewriter.h"
#include "data/localetextfile.h"
#include "platform/regularfile.h"
#include "data/xmlconfigfile.h"
#include "platform/cfile.h"
#include "platform/cgenericds.h"

#include "datafixture.h"
#include "unwrittenpipe.h"

#include <QTemporaryDir>
#include <QTest>

// Every reader of a file that a user can name or replace (the tables,
// Frame.xml, Scene.csv, Setup.xml, the style sheets, the source of a copy
// into the user's folder) reads regular files only: a pipe would block the
// window in the open call, a device might never end.
class TestFileReads final : public QObject
{
    Q_OBJECT

private slots:
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
};

namespace {

// Runs one reader on `path`; true when it took the file as read.
bool runReader(const QString &reader, const QString &path, const QString &folder)
{
    if (reader == QLatin1String("XML table"))
        return XmlConfigFile().load(path);
    if (reader == QLatin1String("text lines")) {
        QStringList lines;
        return readLocaleTextLines(path, lines);
    }
    if (reader == QLatin1String("settings store"))
        return OrvaneGUIToolkit::CGenericDS().LoadXML(path);
    if (reader == QLatin1String("style sheet"))
        return !OrvaneGUIToolkit::CFile::ReadAll(path).isEmpty();
    if (reader == QLatin1String("copy source"))
        return copyFileAtomically(path, folder + QStringLiteral("/copy.xml"));
    QByteArray bytes;
    return readRegularFile(path, &bytes);
}

} // namespace

void TestFileReads::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");

    for (const char *reader : {"XML table", "text lines", "settings store", "style sheet", "copy source",
                               "bytes"}) {
        QTest::addRow("%s, regular file", reader) << reader << "regular" << true;
        QTest::addRow("%s, link to a regular file", reader) << reader << "link" << true;
        QTest::addRow("%s, pipe", reader) << reader << "pipe" << false;
        QTest::addRow("%s, device", reader) << reader << "device" << false;
        QTest::addRow("%s, folder", reader) << reader << "folder" << false;
    }
}

void TestFileReads::onlyRegularFilesAreRead()
{
    QFETCH(QString, reader);
    QFETCH(QString, kind);
    QFETCH(bool, read);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Setup.xml"));
    const QByteArray xml = "<Setup><Translator><Value>0</Value></Translator></Setup>\n";
    std::unique_ptr<UnwrittenPipe> pipe;
    if (kind == QLatin1String("regular")) {
        QVERIFY(writeFixture(folder.path(), QStringLiteral("Setup.xml"), xml));
    } else if (kind == QLatin1String("link")) {
        QVERIFY(writeFixture(folder.path(), QStringLiteral("real.xml"), xml));
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("real.xml")), path));
    } else if (kind == QLatin1String("pipe")) {
        pipe = std::make_unique<UnwrittenPipe>(path);
        QVERIFY(pipe->made());
    } else if (kind == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
    } else {
        QVERIFY(QDir().mkpath(path));
    }

    bool taken = false;
    if (pipe)
        QVERIFY2(pipe->readReturns([&] { taken = runReader(reader, path, folder.path()); }), "blocked");
    else
        taken = runReader(reader, path, folder.path());
    QCOMPARE(taken, read);
}

QTEST_GUILESS_MAIN(TestFileReads)
#include "tst_filereads.moc"
