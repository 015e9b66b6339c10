// Started by tst_install from inside an installed program folder, where it
// stands for the installed executable: it starts the way the program does
// (same application object, library path and main window) and checks, as
// far as a person would see it, what an installed start needs. The language
// the interface must show comes in PROBE_LANGUAGE ("en" or "zh"); with
// PROBE_QT_CATALOGUES=missing, Qt's own Chinese catalogues are not installed.
#include "app/toolsapplication.h"
#include "data/bitrateconfigloader.h"
#include "data/updatedialog.h"
#include "mainwindow/larkspanmainpage.h"

#include "filedialoganswerer.h"

#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList messages;

void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages.append(message);
}

bool chinese()
{
    return qEnvironmentVariable("PROBE_LANGUAGE") == QLatin1String("zh");
}

// Whether Qt's own catalogues (a recommended package) are installed.
bool qtCatalogues()
{
    return qEnvironmentVariable("PROBE_QT_CATALOGUES") != QLatin1String("missing");
}

} // namespace

// Stands for the desktop's handler of local files.
class UrlRecorder final : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class InstallProbe final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void startsWithSkinAndTexts();
    void f1OpensTheManualBesideTheProgram();
    void importsScene();
    void readsImportedScene();

private:
    std::unique_ptr<LarkspanMainPage> m_window;
};

void InstallProbe::initTestCase()
{
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    const bool started = qobject_cast<apt::ToolsApplication *>(qApp)->init();
    qInstallMessageHandler(previous);
    QVERIFY2(started, qPrintable(messages.join(QLatin1Char('\n'))));

    m_window = std::make_unique<LarkspanMainPage>();
    m_window->connectPages();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void InstallProbe::cleanupTestCase()
{
    // Closing would ask for a confirmation; the window simply goes.
    m_window.reset();
}

void InstallProbe::startsWithSkinAndTexts()
{
    QVERIFY2(messages.contains(QStringLiteral("[Tool]LoadSkin = CommonSkin Success")),
             qPrintable(messages.join(QLatin1Char('\n'))));
    QVERIFY(QStyleFactory::keys().contains(QStringLiteral("CommonStyle")));
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("BaseDialog")));
    QVERIFY(!qApp->windowIcon().isNull());

    auto *add = m_window->findChild<QPushButton *>(QStringLiteral("m_btnAddDevice"));
    QVERIFY(add);
    QCOMPARE(add->text(), chinese() ? QStringLiteral("+ 添加") : QStringLiteral("+ Add"));
    // Qt's own catalogue, for the standard dialogs; without it they stay English.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
             chinese() && qtCatalogues() ? QStringLiteral("取消") : QStringLiteral("Cancel"));
}

void InstallProbe::f1OpensTheManualBesideTheProgram()
{
    UrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    const QString manual = QCoreApplication::applicationDirPath()
                           + (chinese() ? QStringLiteral("/Larkspan用户使用手册.pdf")
                                        : QStringLiteral("/Larkspan User Manual.pdf"));
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(manual)});
    QVERIFY(QFileInfo(manual).isFile());
}

void InstallProbe::importsScene()
{
    QTemporaryDir source;
    const QString picture = source.filePath(QStringLiteral("probe.png"));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(picture));
    const QString table = source.filePath(QStringLiteral("scenes.csv"));
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Scene,Encoding,Resolution,Rate,Picture\nProbe,H.264,1080P,3072," + picture.toUtf8() + "\n");
    file.close();

    UpdateDialog dialog;
    dialog.show();
    answerFileDialog(table);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("m_btnImport")), Qt::LeftButton);
    const QString status = dialog.findChild<QLabel *>(QStringLiteral("m_tipText"))->text();
    QCOMPARE(status, QStringLiteral("Import Success, Restart Software to Work."));
}

void InstallProbe::readsImportedScene()
{
    BitrateConfigLoader loader;
    QVector<QString> scenes;
    QVERIFY(loader.sceneNames(scenes));
    QCOMPARE(scenes, QVector<QString>{QStringLiteral("Probe")});
    QCOMPARE(loader.sceneRecommendedBitrate(QStringLiteral("Probe"), QStringLiteral("H.264"),
                                            QStringLiteral("1080P")),
             3072);
    const QString picture = loader.scenePicture(QStringLiteral("Probe"), QStringLiteral("H.264"),
                                                QStringLiteral("1080P"));
    QVERIFY2(QImage(picture).size() == QSize(8, 8), qPrintable(picture));
}

int main(int argc, char *argv[])
{
    // The start-up lines tell whether the skin was found.
    QLoggingCategory::setFilterRules(QStringLiteral("larkspan.startup=true"));
    // What the program's main does before its window.
    apt::ToolsApplication app(argc, argv, QStringLiteral("Larkspan"));
    app.setApplicationName(QStringLiteral("Larkspan"));
    app.addLibraryPath(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins"));

    InstallProbe probe;
    return QTest::qExec(&probe, argc, argv);
}

#include "installprobe.moc"
