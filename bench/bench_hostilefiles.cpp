#include "app/configuremanager.h"
#include "data/bitrateconfigloader.h"
#include "data/localetextfile.h"
#include "data/scenefile.h"
#include "platform/targetpath.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The readers on the 64 KiB files that once made them take seconds (the fuzz
// findings keep them): each read must stay well under a second. Run with
// -median N to get medians.
class BenchHostileFiles final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void reader_data();
    void reader();

private:
    QTemporaryDir m_folder;
};

void BenchHostileFiles::initTestCase()
{
    QVERIFY(m_folder.isValid());
    OrvaneGUIToolkit::SetTargetPathOverride(m_folder.path());
}

void BenchHostileFiles::cleanupTestCase()
{
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
}

void BenchHostileFiles::reader_data()
{
    QTest::addColumn<QString>("findingFile"); // below fuzz/findings
    QTest::addColumn<QString>("fileName");   // the name it is read under

    QTest::newRow("Setup.xml with 16 000 settings") << "setup/slow-16k-settings.xml" << "Setup.xml";
    QTest::newRow("Setup.xml of 21 000 open tags") << "setup/slow-21k-open-tags.xml" << "Setup.xml";
    QTest::newRow("Setup.xml of open tags below an undeclared prefix")
        << "setup/slow-prefixed-21k-open-tags.xml" << "Setup.xml";
    QTest::newRow("XML tables nested 9 000 deep") << "xmltables/slow-9k-nested-elements.xml" << "Frame.xml";
    QTest::newRow("Scene.csv with 13 000 scenes") << "scenetable/slow-13k-scene-names.csv" << "Scene.csv";
    QTest::newRow("Scene.csv with 5 000 resolutions") << "scenetable/slow-5k-resolutions.csv" << "Scene.csv";
    QTest::newRow("scene import of 5 000 pictures") << "sceneimport/slow-5k-pictures.csv" << "import.csv";
}

void BenchHostileFiles::reader()
{
    QFETCH(QString, findingFile);
    QFETCH(QString, fileName);

    const QString path = m_folder.filePath(fileName);
    QFile::remove(path);
    QVERIFY(QFile::copy(QStringLiteral(LARKSPAN_SOURCE_DIR "/fuzz/findings/") + findingFile, path));

    if (fileName == QLatin1String("Setup.xml")) {
        apt::ConfigureManager settings;
        QBENCHMARK {
            settings.load(path);
        }
    } else if (fileName == QLatin1String("Frame.xml")) {
        QBENCHMARK {
            const BitrateConfigLoader loader;
        }
    } else if (fileName == QLatin1String("Scene.csv")) {
        const BitrateConfigLoader loader;
        QBENCHMARK {
            QVector<QString> scenes;
            loader.sceneNames(scenes);
            loader.sceneResolutions(QStringLiteral("A"));
        }
    } else {
        QBENCHMARK {
            QStringList lines;
            readLocaleTextLines(path, lines);
            findSceneFileProblem(lines);
            scenePicturePaths(lines);
        }
    }
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(BenchHostileFiles)
#include "bench_hostilefiles.moc"
