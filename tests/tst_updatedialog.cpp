#include "data/updatedialog.h"
#include "platform/targetpath.h"

#include "datafixture.h"
#include "filedialoganswerer.h"
#include "fullfilesystem.h"
#include "readonlyfolder.h"

#include "platform/atomicfilewriter.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket file at `path`: something a file dialog lists but no one can read.
bool makeSocketFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(native.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd); // the file stays
    return bound;
}

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

const QString Imported = QStringLiteral("Import Success, Restart Software to Work.");

// A picture the image reader takes; noise keeps it larger than a few KiB.
bool writePicture(const QString &path, int side = 16)
{
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator random{quint32(side)};
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, random.generate());
    }
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "PNG");
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    void exportProposesFileInHomeFolder_data();
    void exportProposesFileInHomeFolder();
    void exportWritesTemplate_data();
    void exportWritesTemplate();
    void exportThatCannotWriteReportsFailure();
    void exportWritesSceneTableInUse_data();
    void exportWritesSceneTableInUse();
    void importReplacesSceneAndCopiesPictures_data();
    void importReplacesSceneAndCopiesPictures();
    void unusableSceneFileIsRefused_data();
    void unusableSceneFileIsRefused();
    void unusablePicturesAreNamedAndSkipped_data();
    void unusablePicturesAreNamedAndSkipped();
    void failedWritesKeepOldFiles_data();
    void failedWritesKeepOldFiles();
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
    AtomicFileWriter::failWritesBeyondForTesting(-1);
    QDir::setCurrent(m_previousCurrent);
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    m_root.reset();
}

void TestUpdateDialog::cancelledFileDialogClearsStatus_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("export cancelled") << QByteArray("m_btnExport");
    QTest::newRow("import cancelled") << QByteArray("m_btnImport");
    QTest::newRow("table export cancelled") << QByteArray("m_btnExportTable");
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

void TestUpdateDialog::exportProposesFileInHomeFolder_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("template") << QByteArray("m_btnExport") << "Template.csv";
    QTest::newRow("scene table") << QByteArray("m_btnExportTable") << "Scene.csv";
}

void TestUpdateDialog::exportProposesFileInHomeFolder()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, name);
    QString proposed;
    answerNextDialog([&proposed](QDialog *dialog) {
        proposed = static_cast<QFileDialog *>(dialog)->selectedFiles().value(0);
        dialog->reject();
    });
    press(button.constData());
    QCOMPARE(proposed, QDir::homePath() + "/" + name);
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

void TestUpdateDialog::exportWritesSceneTableInUse_data()
{
    QTest::addColumn<QByteArray>("table"); // null: none
    QTest::addColumn<QByteArray>("exported");
    QTest::addColumn<QString>("status");

    QTest::newRow("the table in use with the template's header")
        << QByteArray("Scene\r\nBank,H.264,720P,1024,D:\\Larkspan\\ScenePicture\\bank.png\r\n\r\n")
        << Header + "Bank,H.264,720P,1024,D:\\Larkspan\\ScenePicture\\bank.png\n" << "Export Success.";
    QTest::newRow("no table to export") << QByteArray() << QByteArray() << "Export Failure.";
}

void TestUpdateDialog::exportWritesSceneTableInUse()
{
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, exported);
    QFETCH(QString, status);
    if (!table.isNull())
        QVERIFY(writeFixture(m_root->path(), "app/Scene.csv", table));

    answerFileDialog(userPath("Scene.csv"));
    press("m_btnExportTable");

    QCOMPARE(statusText(), status);
    QCOMPARE(readFixture(m_root->path(), "user/Scene.csv"), exported);
}

void TestUpdateDialog::importReplacesSceneAndCopiesPictures_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QStringList>("userPictures");
    QTest::addColumn<bool>("pictureFolderExists");
    QTest::addColumn<QStringList>("copiedPictures");
    QTest::addColumn<QString>("status");

    QTest::newRow("windows path copied by its file name")
        << Header + "Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n"
        << QStringList{"D:\\secne\\hospital1.png"} << true << QStringList{"hospital1.png"} << Imported;
    QTest::newRow("drive path of another computer: the picture in ScenePicture beside the table")
        << Header + "Bank,H.264,720P,1024,C:\\Larkspan\\ScenePicture\\bank.png\n"
        << QStringList{"ScenePicture/bank.png"} << true << QStringList{"bank.png"} << Imported;
    QTest::newRow("relative path read from the working folder, each picture once")
        << Header + "Office,H.264,720P,896,pics/office.png\r\n\r\nOffice,H.265,720P,512,pics/lobby.png\r\n"
                    "Office,H.265,1080P,1024,pics/lobby.png\r\n"
        << QStringList{"pics/office.png", "pics/lobby.png"} << true
        << QStringList{"lobby.png", "office.png"} << Imported;
    QTest::newRow("missing picture folder is made")
        << Header + "Office,H.264,720P,896,pics/office.png\n"
        << QStringList{"pics/office.png"} << false << QStringList{"office.png"} << Imported;
    QTest::newRow("header only: a table without scenes")
        << Header << QStringList() << true << QStringList() << Imported;
    QTest::newRow("fields naming no file are skipped")
        << Header + "A,H.264,720P,1,pics/\nB,H.264,720P,1,pics/.\nC,H.264,720P,1,pics\\..\n"
        << QStringList{"pics/office.png"} << true << QStringList() << Imported;
    QTest::newRow("bare '..', '.' and empty names copy nothing")
        << Header + "A,H.264,720P,1,..\nB,H.264,720P,1,.\nC,H.264,720P,1,\n"
        << QStringList{"pics/office.png"} << true << QStringList() << Imported;
    // @USER@ stands for the absolute path of the working folder.
    QTest::newRow("absolute and climbing paths land by name in the picture folder")
        << Header + "A,H.264,720P,1,@USER@/pics/a.png\nB,H.264,720P,1,../user/pics/b.png\n"
        << QStringList{"pics/a.png", "pics/b.png"} << true << QStringList{"a.png", "b.png"} << Imported;
    QTest::newRow("missing pictures are named")
        << Header + "Office,H.264,720P,896,pics/none.png\nOffice,H.265,720P,512,pics/office.png\n"
        << QStringList{"pics/office.png"} << true << QStringList{"office.png"}
        << Imported + "\nPictures not copied: none.png";
    QTest::newRow("more than three missing pictures are counted")
        << Header + "A,H.264,720P,1,a.png\nB,H.264,720P,1,b.png\nC,H.264,720P,1,c.png\n"
                    "D,H.264,720P,1,d.png\nE,H.264,720P,1,e.png\n"
        << QStringList() << true << QStringList()
        << Imported + "\nPictures not copied: a.png, b.png, c.png and 2 more";
    QTest::newRow("exported template imports without its example pictures")
        << TemplateBytes << QStringList() << false << QStringList()
        << Imported + "\nPictures not copied: hospital1.png, hospital2.png";
}

void TestUpdateDialog::importReplacesSceneAndCopiesPictures()
{
    QFETCH(QByteArray, scene);
    QFETCH(QStringList, userPictures);
    QFETCH(bool, pictureFolderExists);
    QFETCH(QStringList, copiedPictures);
    QFETCH(QString, status);
    scene.replace("@USER@", QFile::encodeName(m_root->path() + "/user"));

    const QByteArray old = "Scene\nOld,H.264,720P,1,old.png\n";
    QVERIFY(writeFixture(m_root->path(), "app/Scene.csv", old));
    if (pictureFolderExists)
        QVERIFY(QDir(m_root->path()).mkpath("app/ScenePicture"));
    for (const QString &picture : userPictures)
        QVERIFY(writePicture(userPath(picture)));
    QVERIFY(writeFixture(m_root->path(), "user/new.csv", scene));

    importFrom(userPath("new.csv"));

    QCOMPARE(statusText(), status);
    QCOMPARE(readFixture(m_root->path(), "app/Scene.csv"), scene);
    QCOMPARE(readFixture(m_root->path(), "app/Scene.csv.bak"), old);
    QCOMPARE(folderEntries(appPath("ScenePicture")), copiedPictures);
    QCOMPARE(folderEntries(appPath("")), (QStringList{"Scene.csv", "Scene.csv.bak", "ScenePicture"}));
    // Nothing lands beside the program folder.
    QCOMPARE(folderEntries(m_root->path()), (QStringList{"app", "user"}));
    for (const QString &picture : copiedPictures) {
        const auto source = std::find_if(userPictures.cbegin(), userPictures.cend(),
                                         [&picture](const QString &p) { return p.endsWith(picture); });
        QCOMPARE(bytesOf(appPath("ScenePicture/" + picture)), bytesOf(userPath(*source)));
    }
}

void TestUpdateDialog::unusableSceneFileIsRefused_data()
{
    // Null: a socket stands where the file is chosen; "gone": the file goes
    // between the choice and the import.
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QString>("status");

    const QByteArray good = "Office,H.264,720P,896,office.png\n";
    QTest::newRow("stray one-field line")
        << Header + good + "Office\n" + good << "Import Failure.\nLine 3 has fewer than five fields.";
    QTest::newRow("non-numeric rate")
        << Header + "Office,H.264,720P,fast,office.png\n"
        << "Import Failure.\nLine 2 has no whole, non-negative rate.";
    QTest::newRow("a socket cannot be read") << QByteArray() << "Import Failure.";
    QTest::newRow("a file gone once chosen") << QByteArray("gone") << "Import Failure.";
}

void TestUpdateDialog::unusableSceneFileIsRefused()
{
    QFETCH(QByteArray, scene);
    QFETCH(QString, status);

    const QByteArray old = Header + "Old,H.264,720P,1,old.png\n";
    QVERIFY(writeFixture(m_root->path(), "app/Scene.csv", old));
    QVERIFY(writePicture(userPath("office.png")));
    if (scene.isNull())
        QVERIFY(makeSocketFile(userPath("scene.csv")));
    else
        QVERIFY(writeFixture(m_root->path(), "user/scene.csv", scene));

    if (scene == "gone") {
        answerNextDialog([this](QDialog *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(userPath("scene.csv"));
            dialog->accept();
            QFile::remove(userPath("scene.csv"));
        });
        press("m_btnImport");
    } else {
        importFrom(userPath("scene.csv"));
    }

    QCOMPARE(statusText(), status);
    QCOMPARE(folderEntries(appPath("")), QStringList{"Scene.csv"});
    QCOMPARE(readFixture(m_root->path(), "app/Scene.csv"), old);
}

void TestUpdateDialog::unusablePicturesAreNamedAndSkipped_data()
{
    QTest::addColumn<QString>("kind");

    QTest::newRow("text file named as a picture") << "text";
    QTest::newRow("pipe, which would block the window") << "pipe";
    QTest::newRow("endless device") << "device";
    QTest::newRow("folder") << "folder";
}

void TestUpdateDialog::unusablePicturesAreNamedAndSkipped()
{
    QFETCH(QString, kind);

    QString source = userPath("pic.png");
    if (kind == QLatin1String("text"))
        QVERIFY(writeFixture(m_root->path(), "user/pic.png", "not a picture"));
    else if (kind == QLatin1String("pipe"))
        QVERIFY(::mkfifo(QFile::encodeName(source).constData(), 0600) == 0);
    else if (kind == QLatin1String("device"))
        source = "/dev/zero";
    else
        QVERIFY(QDir().mkpath(source));
    const QString name = QFileInfo(source).fileName();
    QVERIFY(writeFixture(m_root->path(), "user/new.csv",
                         Header + "Office,H.264,720P,896," + source.toUtf8() + "\n"));

    importFrom(userPath("new.csv"));

    QCOMPARE(statusText(), Imported + "\nPictures not copied: " + name);
    QCOMPARE(folderEntries(appPath("ScenePicture")), QStringList());
}

void TestUpdateDialog::failedWritesKeepOldFiles_data()
{
    QTest::addColumn<QString>("file");  // what the action writes
    QTest::addColumn<QString>("fault"); // "failed write", "full disk" or "read-only folder"
    QTest::addColumn<QString>("status");

    for (const char *fault : {"failed write", "full disk", "read-only folder"}) {
        QTest::addRow("template export, %s", fault) << "template" << fault << "Export Failure.";
        // A program folder that cannot be written sends the scene table to
        // the user's data folder (tst_userdata).
        if (QByteArray(fault) != "read-only folder")
            QTest::addRow("scene table, %s", fault) << "scene table" << fault << "Import Failure.";
        QTest::addRow("picture over an old one, %s", fault)
            << "picture" << fault << Imported + "\nPictures not copied: office.png";
    }
}

void TestUpdateDialog::failedWritesKeepOldFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, fault);
    QFETCH(QString, status);

    // The scene table and the template are small, the picture is not: a
    // picture row lets the table through and fails the picture.
    const bool picture = file == QLatin1String("picture");
    const bool scene = file == QLatin1String("scene table");
    const QString name = picture ? "ScenePicture/office.png" : scene ? "Scene.csv" : "Template.csv";
    const QByteArray oldScene = Header + "Old,H.264,720P,1,old.png\n";
    const QByteArray old = scene ? oldScene : QByteArray("old");
    std::unique_ptr<FullFileSystem> full;
    std::unique_ptr<ReadOnlyFolder> readOnly;
    QString folder = appPath("");
    QString target = folder + name;
    if (fault == QLatin1String("full disk")) {
        full = std::make_unique<FullFileSystem>(picture ? 12 * 1024 : 0);
        if (!full->mounted())
            QSKIP(qPrintable(full->why()));
        folder = full->path() + QLatin1Char('/');
        target = folder + name;
        OrvaneGUIToolkit::SetTargetPathOverride(full->path());
        QVERIFY(full->put("Scene.csv", oldScene));
        QVERIFY(QDir().mkpath(folder + "ScenePicture"));
        QVERIFY(full->put(name, old));
    } else if (fault == QLatin1String("read-only folder")) {
        // The template's folder, or the picture folder, holds the old file
        // and cannot be written.
        const QString fileName = QFileInfo(name).fileName();
        readOnly = std::make_unique<ReadOnlyFolder>(QMap<QString, QByteArray>{{fileName, old}});
        if (!readOnly->isReadOnly())
            QSKIP(qPrintable(readOnly->why()));
        target = readOnly->filePath(fileName);
        QVERIFY(writeFixture(folder, "Scene.csv", oldScene));
        if (picture)
            QVERIFY(QFile::link(readOnly->path(), folder + "ScenePicture"));
    } else {
        QVERIFY(QDir().mkpath(folder + "ScenePicture"));
        QVERIFY(writeFixture(folder, "Scene.csv", oldScene));
        QVERIFY(writeFixture(folder, name, old));
        AtomicFileWriter::failWritesBeyondForTesting(picture ? 1000 : 50);
    }
    QVERIFY(writePicture(userPath("office.png"), 64));
    const QByteArray newScene = Header + "Office,H.264,720P,896,office.png\n";
    QVERIFY(writeFixture(m_root->path(), "user/new.csv", newScene));

    if (file == QLatin1String("template"))
        exportTo(target, true);
    else
        importFrom(userPath("new.csv"));
    AtomicFileWriter::failWritesBeyondForTesting(-1);

    QCOMPARE(statusText(), status);
    QCOMPARE(bytesOf(target), old);
    QCOMPARE(bytesOf(folder + "Scene.csv"), picture ? newScene : oldScene);
    // Only the files that were there, and the backup of a replaced table.
    QStringList left = picture ? QStringList{"Scene.csv", "Scene.csv.bak"} : QStringList{"Scene.csv"};
    if (file == QLatin1String("template") && !readOnly)
        left.append("Template.csv");
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), left);
    if (readOnly)
        QCOMPARE(readOnly->entries(), QStringList{QFileInfo(target).fileName()});
}

void TestUpdateDialog::importingSceneFileItselfKeepsIt()
{
    const QByteArray scene = Header + "Office,H.264,720P,896,\n";
    QVERIFY(writeFixture(m_root->path(), "app/Scene.csv", scene));

    importFrom(appPath("Scene.csv"));

    QCOMPARE(statusText(), Imported);
    QCOMPARE(readFixture(m_root->path(), "app/Scene.csv"), scene);
}

void TestUpdateDialog::pictureImportedOntoItselfSurvives()
{
    QVERIFY(writePicture(appPath("ScenePicture/office.png")));
    const QByteArray picture = bytesOf(appPath("ScenePicture/office.png"));
    QVERIFY(writeFixture(m_root->path(), "user/new.csv",
                         Header + "Office,H.264,720P,896,ScenePicture/office.png\n"));
    QDir::setCurrent(appPath(""));

    importFrom(userPath("new.csv"));

    QCOMPARE(statusText(), Imported);
    QCOMPARE(bytesOf(appPath("ScenePicture/office.png")), picture);
}

QTEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
