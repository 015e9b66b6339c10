#include "data/updatedialog.h"
#include "platform/targetpath.h"

#include "datafixture.h"
#include "filedialoganswerer.h"

#include <QDir>
#include <QLabel>
#include <QLocalServer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray TemplateBytes =
    "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
    "Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n"
    "Hospital,H.264,1080P,2048,D:\\secne\\hospital2.png\n"
    "\n";

const QByteArray Header = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";

QStringList folderEntries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

} // namespace

class TestUpdateDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cancelledFileDialogClearsStatus_data();
    void cancelledFileDialogClearsStatus();
    void exportProposesTemplateInHomeFolder();
    void exportWritesTemplate_data();
    void exportWritesTemplate();
    void exportThatCannotWriteReportsFailure();
    void importReplacesSceneAndCopiesPictures_data();
    void importReplacesSceneAndCopiesPictures();
    void failedImportKeepsOldSceneFile();
    void importingSceneFileItselfKeepsIt();
    void pictureImportedOntoItselfSurvives();

private:
    QString appPath(const QString &name) const { return m_root->path() + "/app/" + name; }
    QString userPath(const QString &name) const { return m_root->path() + "/user/" + name; }
    QString statusText() const { return m_dialog->findChild<QLabel *>("m_tipText")->text(); }
    void press(const char *button)
    {
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    }
    void exportTo(const QString &path, bool confirmOverwrite = false)
    {
        answerFileDialog(path, confirmOverwrite);
        press("m_btnExport");
    }
    void importFrom(const QString &path)
    {
        answerFileDialog(path);
        press("m_btnImport");
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<UpdateDialog> m_dialog;
    QString m_previousCurrent;
};

void TestUpdateDialog::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir(m_root->path()).mkpath("app"));
    QVERIFY(QDir(m_root->path()).mkpath("user"));
    OrvaneGUIToolkit::SetTargetPathOverride(m_root->path() + "/app");
    // Relative picture paths in a scene file are read from here.
    m_previousCurrent = QDir::currentPath();
    QDir::setCurrent(m_root->path() + "/user");
    m_dialog = std::make_unique<UpdateDialog>();
    m_dialog->show();
}

void TestUpdateDialog::cleanup()
{
    m_dialog.reset();
    QDir::setCurrent(m_previousCurrent);
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    m_root.reset();
}

void TestUpdateDialog::cancelledFileDialogClearsStatus_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("export cancelled") << QByteArray("m_btnExport");
    QTest::newRow("import cancelled") << QByteArray("m_btnImport");
}

void TestUpdateDialog::cancelledFileDialogClearsStatus()
{
    QFETCH(QByteArray, button);
    exportTo(userPath("Template.csv"));
    QCOMPARE(statusText(), QStringLiteral("Export Success."));

    answerFileDialog(QString());
    press(button.constData());
    QCOMPARE(statusText(), QString());
    QVERIFY(m_dialog->findChild<QLabel *>("m_tipIcon")->pixmap().isNull());
}

void TestUpdateDialog::exportProposesTemplateInHomeFolder()
{
    QString proposed;
    answerNextDialog([&proposed](QDialog *dialog) {
        proposed = static_cast<QFileDialog *>(dialog)->selectedFiles().value(0);
        dialog->reject();
    });
    press("m_btnExport");
    QCOMPARE(proposed, QDir::homePath() + "/Template.csv");
}

void TestUpdateDialog::exportWritesTemplate_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::newRow("new file") << QByteArray();
    QTest::newRow("existing longer file replaced whole")
        << QByteArray(TemplateBytes.size() * 3, 'x');
}

void TestUpdateDialog::exportWritesTemplate()
{
    QFETCH(QByteArray, existing);
    if (!existing.isEmpty())
        QVERIFY(writeFixture(m_root->path(), "user/Template.csv", existing));

    exportTo(userPath("Template.csv"), !existing.isEmpty());
    QCOMPARE(statusText(), QStringLiteral("Export Success."));
    QCOMPARE(readFixture(m_root->path(), "user/Template.csv"), TemplateBytes);
    QCOMPARE(folderEntries(m_root->path() + "/user"), QStringList{"Template.csv"});
}

void TestUpdateDialog::exportThatCannotWriteReportsFailure()
{
    exportTo(userPath("missing/Template.csv"));
    QCOMPARE(statusText(), QStringLiteral("Export Failure."));
    QVERIFY(!QFileInfo::exists(userPath("missing")));
}

void TestUpdateDialog::importReplacesSceneAndCopiesPictures_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QStringList>("userPictures");
    QTest::addColumn<bool>("pictureFolderExists");
    QTest::addColumn<QStringList>("copiedPictures");

    QTest::newRow("windows path copied by its file name")
        << Header + "Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n"
        << QStringList{"D:\\secne\\hospital1.png"} << true << QStringList{"hospital1.png"};
    QTest::newRow("relative path read from the working folder")
        << Header + "Office,H.264,720P,896,pics/office.png\r\n\r\nOffice,H.265,720P,512,pics/lobby.png\r\n"
        << QStringList{"pics/office.png", "pics/lobby.png"} << true
        << QStringList{"lobby.png", "office.png"};
    QTest::newRow("missing picture folder is made")
        << Header + "Office,H.264,720P,896,pics/office.png\n"
        << QStringList{"pics/office.png"} << false << QStringList{"office.png"};
    QTest::newRow("short rows still imported, their pictures skipped")
        << Header + "Office,H.264,720P,pics/office.png\nOffice\n"
        << QStringList{"pics/office.png"} << true << QStringList();
    QTest::newRow("fields naming no file are skipped")
        << Header + "A,H.264,720P,1,pics/\nB,H.264,720P,1,pics/.\nC,H.264,720P,1,pics\\..\n"
        << QStringList{"pics/office.png"} << true << QStringList();
    QTest::newRow("missing pictures do not fail the import")
        << Header + "Office,H.264,720P,896,pics/none.png\nOffice,H.265,720P,512,pics/office.png\n"
        << QStringList{"pics/office.png"} << true << QStringList{"office.png"};
    QTest::newRow("exported template imports without its example pictures")
        << TemplateBytes << QStringList() << false << QStringList();
}

void TestUpdateDialog::importReplacesSceneAndCopiesPictures()
{
    QFETCH(QByteArray, scene);
    QFETCH(QStringList, userPictures);
    QFETCH(bool, pictureFolderExists);
    QFETCH(QStringList, copiedPictures);

    QVERIFY(writeFixture(m_root->path(), "app/Scene.csv", "Scene\nOld,H.264,720P,1,old.png\n"));
    if (pictureFolderExists)
        QVERIFY(QDir(m_root->path()).mkpath("app/ScenePicture"));
    for (const QString &picture : userPictures)
        QVERIFY(writeFixture(m_root->path(), "user/" + picture, picture.toUtf8()));
    QVERIFY(writeFixture(m_root->path(), "user/new.csv", scene));

    importFrom(userPath("new.csv"));

    QCOMPARE(statusText(), QStringLiteral("Import Success, Restart Software to Work."));
    QCOMPARE(readFixture(m_root->path(), "app/Scene.csv"), scene);
    QCOMPARE(folderEntries(appPath("ScenePicture")), copiedPictures);
    QCOMPARE(folderEntries(appPath("")), (QStringList{"Scene.csv", "ScenePicture"}));
    for (const QString &picture : copiedPictures) {
        const auto source = std::find_if(userPictures.cbegin(), userPictures.cend(),
                                         [&picture](const QString &p) { return p.endsWith(picture); });
        QCOMPARE(readFixture(m_root->path(), "app/ScenePicture/" + picture), source->toUtf8());
    }
}

void TestUpdateDialog::failedImportKeepsOldSceneFile()
{
    const QByteArray old = Header + "Old,H.264,720P,1,old.png\n";
    QVERIFY(writeFixture(m_root->path(), "app/Scene.csv", old));
    // A socket exists and can be chosen, but cannot be opened for reading.
    QLocalServer unreadable;
    QVERIFY(unreadable.listen(userPath("scene.csv")));

    importFrom(userPath("scene.csv"));

    QCOMPARE(statusText(), QStringLiteral("Import Failure."));
    QCOMPARE(readFixture(m_root->path(), "app/Scene.csv"), old);
}

void TestUpdateDialog::importingSceneFileItselfKeepsIt()
{
    const QByteArray scene = Header + "Office,H.264,720P,896,office.png\n";
    QVERIFY(writeFixture(m_root->path(), "app/Scene.csv", scene));

    importFrom(appPath("Scene.csv"));

    QCOMPARE(statusText(), QStringLiteral("Import Success, Restart Software to Work."));
    QCOMPARE(readFixture(m_root->path(), "app/Scene.csv"), scene);
}

void TestUpdateDialog::pictureImportedOntoItselfSurvives()
{
    QVERIFY(writeFixture(m_root->path(), "app/ScenePicture/office.png", "picture"));
    QVERIFY(writeFixture(m_root->path(), "user/new.csv",
                         Header + "Office,H.264,720P,896,ScenePicture/office.png\n"));
    QDir::setCurrent(appPath(""));

    importFrom(userPath("new.csv"));

    QCOMPARE(statusText(), QStringLiteral("Import Success, Restart Software to Work."));
    QCOMPARE(readFixture(m_root->path(), "app/ScenePicture/office.png"), QByteArray("picture"));
}

QTEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
