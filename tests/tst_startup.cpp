#include "app/handover.h"
#include "app/startupsteps.h"
#include "app/toolsapplication.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/qtlocalpeer.h"
#include "platform/targetpath.h"
#include "skin/iskinplugin.h"

#include "datafixture.h"
#include "dialoganswerer.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

QStringList capturedMessages;

void captureMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    capturedMessages << message;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

void copyFile(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QVERIFY2(QFile::copy(from, to), qPrintable(from + QStringLiteral(" -> ") + to));
}

class FontChangeCounter : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationFontChange || event->type() == QEvent::FontChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

class Thrower : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("delivery failed");
        return QObject::event(event);
    }
};

struct DialogSeen
{
    QString title;
    QString objectName;
    QString text;
    QSize size;
    bool bottomVisible = true;
};

DialogSeen describe(QDialog *dialog)
{
    DialogSeen seen;
    seen.title = dialog->windowTitle();
    seen.objectName = dialog->objectName();
    if (auto *label = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL")))
        seen.text = label->text();
    seen.size = dialog->size();
    if (auto *bottom = dialog->findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom")))
        seen.bottomVisible = bottom->isVisible();
    return seen;
}

void click(QDialog *dialog, const char *objectName)
{
    auto *button = dialog->findChild<QAbstractButton *>(QLatin1String(objectName));
    QVERIFY2(button && button->isVisible(), objectName);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void skinSearch_data();
    void skinSearch();
    void skinSearchInMissingFolder();
    void styleSheetAssembly();
    void screenCheck_data();
    void screenCheck();
    void fontForLanguage_data();
    void fontForLanguage();

    void applicationFontChangeIsConsumed();
    void tooltipShowsOwnText_data();
    void tooltipShowsOwnText();
    void exceptionDuringDeliveryIsCaught();

    void secondInstanceIsRefused();
    void diagnosticsFollowLoggingRules_data();
    void diagnosticsFollowLoggingRules();
    void smallScreenAsks_data();
    void smallScreenAsks();
    void laterStartBringsTheWindowForward();
    void simultaneousStartsHandOverEveryPlan();

private:
    QTemporaryDir m_skins;
};

void TestStartup::initTestCase()
{
    // Files that are not skins come first, so the search must pass them by.
    const QString folder = m_skins.path();
    writeFile(folder + QStringLiteral("/a-readme.txt"), "not a library");
    writeFile(folder + QStringLiteral("/b-broken.so"), QByteArray("\x7f" "ELF broken", 11));
    copyFile(QStringLiteral(TEST_PLUGIN_NOT_A_SKIN), folder + QStringLiteral("/c-notaskin.so"));
    copyFile(QStringLiteral(TEST_PLUGIN_MULTI), folder + QStringLiteral("/d-multi.so"));
    copyFile(QStringLiteral(TEST_PLUGIN_COMMON), folder + QStringLiteral("/E-common.so"));
    QDir(folder).mkdir(QStringLiteral("f-folder.so"));
}

void TestStartup::cleanup()
{
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    QLoggingCategory::setFilterRules(QString());
}

void TestStartup::skinSearch_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("offered");

    QTest::newRow("second name of a plug-in with several") << "Desert" << QStringList{"Ocean", "Desert"};
    QTest::newRow("first name of a plug-in with several") << "Ocean" << QStringList{"Ocean", "Desert"};
    QTest::newRow("CommonSkin") << "CommonSkin" << QStringList{"CommonSkin"};
    QTest::newRow("lower-case commonskin matches nothing") << "commonskin" << QStringList();
    QTest::newRow("case differs in one letter") << "ocean" << QStringList();
    QTest::newRow("unknown name") << "Midnight" << QStringList();
    QTest::newRow("empty name") << "" << QStringList();
    QTest::newRow("null name") << QString() << QStringList();
}

void TestStartup::skinSearch()
{
    QFETCH(QString, name);
    QFETCH(QStringList, offered);

    QObject *plugin = apt::findSkinPlugin(name, m_skins.path());
    if (offered.isEmpty()) {
        QVERIFY(!plugin);
        return;
    }
    QVERIFY(plugin);
    auto *skin = qobject_cast<ISkinPlugin *>(plugin);
    QVERIFY(skin);
    QCOMPARE(skin->skinNames(), offered);
}

void TestStartup::skinSearchInMissingFolder()
{
    QVERIFY(!apt::findSkinPlugin(QStringLiteral("CommonSkin"), m_skins.filePath(QStringLiteral("none"))));
}

void TestStartup::styleSheetAssembly()
{
    QTemporaryDir dir;
    const QString sheets = dir.filePath(QStringLiteral("toolkit"));
    writeFile(sheets + QStringLiteral("/b.qss"), "B{}");
    writeFile(sheets + QStringLiteral("/MacSpecial.qss"), "MAC{}");
    writeFile(sheets + QStringLiteral("/A.qss"), "A{}");
    writeFile(sheets + QStringLiteral("/c.QSS"), "C{}");
    writeFile(sheets + QStringLiteral("/sub/z.qss"), "Z{}");
    writeFile(dir.filePath(QStringLiteral("app.qss")), "APP{}");

    const QString sheet = apt::assembleStyleSheet(sheets, QStringLiteral("MacSpecial.qss"),
                                                  dir.filePath(QStringLiteral("app.qss")));
    QVERIFY(!sheet.contains(QStringLiteral("MAC{}")));
    QVERIFY(!sheet.contains(QStringLiteral("Z{}")));
    const qsizetype a = sheet.indexOf(QStringLiteral("A{}"));
    const qsizetype b = sheet.indexOf(QStringLiteral("B{}"));
    const qsizetype c = sheet.indexOf(QStringLiteral("C{}"));
    const qsizetype app = sheet.indexOf(QStringLiteral("APP{}"));
    QVERIFY(a >= 0 && a < b && b < c && c < app);

    // Without any sheets the application gets an empty style, not a failure.
    QVERIFY(apt::assembleStyleSheet(dir.filePath(QStringLiteral("none")), QStringLiteral("MacSpecial.qss"),
                                    dir.filePath(QStringLiteral("none.qss")))
                .trimmed()
                .isEmpty());
}

void TestStartup::screenCheck_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<bool>("acceptable");

    QTest::newRow("800 x 600") << QList<QRect>{{0, 0, 800, 600}} << false;
    QTest::newRow("1024 x 768") << QList<QRect>{{0, 0, 1024, 768}} << true;
    QTest::newRow("1023 x 768") << QList<QRect>{{0, 0, 1023, 768}} << false;
    QTest::newRow("1024 x 767") << QList<QRect>{{0, 0, 1024, 767}} << false;
    QTest::newRow("1280 x 720 with 800 x 600 to its right")
        << QList<QRect>{{0, 0, 1280, 720}, {1280, 0, 800, 600}} << false;
    QTest::newRow("1280 x 720 with 800 x 600 below it")
        << QList<QRect>{{0, 0, 1280, 720}, {0, 720, 800, 600}} << true;
    QTest::newRow("narrow tall and wide short screens")
        << QList<QRect>{{0, 0, 600, 900}, {600, 0, 900, 500}} << true;
    QTest::newRow("no screen") << QList<QRect>{} << false;
}

void TestStartup::screenCheck()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(bool, acceptable);
    QCOMPARE(apt::screensAcceptable(screens), acceptable);
}

void TestStartup::fontForLanguage_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("family");

    QTest::newRow("English") << 0 << "Microsoft YaHei";
    QTest::newRow("Chinese") << 1 << "Microsoft YaHei";
    QTest::newRow("9") << 9 << "Batang";
    QTest::newRow("10") << 10 << "Tahoma";
    QTest::newRow("11") << 11 << "Microsoft YaHei";
}

void TestStartup::fontForLanguage()
{
    QFETCH(int, code);
    QFETCH(QString, family);
    QCOMPARE(apt::applicationFontFamily(code), family);
}

void TestStartup::applicationFontChangeIsConsumed()
{
    FontChangeCounter widget;
    QEvent change(QEvent::ApplicationFontChange);
    QVERIFY(QApplication::sendEvent(&widget, &change));
    QCOMPARE(widget.changes, 0);
}

void TestStartup::tooltipShowsOwnText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("shown");

    QTest::newRow("push button shows its text") << "button" << "Add";
    QTest::newRow("label shows its text") << "label" << "Channel Name :";
    QTest::newRow("combo box shows its current text") << "combo" << "DVR/NVR";
    QTest::newRow("line edit keeps its tooltip") << "lineedit" << "tip";
    QTest::newRow("icon button without text keeps its tooltip") << "toolbutton" << "tip";
}

void TestStartup::tooltipShowsOwnText()
{
    QFETCH(QString, kind);
    QFETCH(QString, shown);

    std::unique_ptr<QWidget> widget;
    if (kind == QLatin1String("button")) {
        widget = std::make_unique<QPushButton>(QStringLiteral("Add"));
    } else if (kind == QLatin1String("label")) {
        widget = std::make_unique<QLabel>(QStringLiteral("Channel Name :"));
    } else if (kind == QLatin1String("combo")) {
        auto combo = std::make_unique<QComboBox>();
        combo->addItems({QStringLiteral("IPC"), QStringLiteral("DVR/NVR")});
        combo->setCurrentIndex(1);
        widget = std::move(combo);
    } else if (kind == QLatin1String("lineedit")) {
        widget = std::make_unique<QLineEdit>(QStringLiteral("typed"));
    } else {
        widget = std::make_unique<QToolButton>();
    }
    widget->setToolTip(QStringLiteral("tip"));
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));

    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget.get(), &help);
    QTRY_COMPARE(QToolTip::text(), shown);
}

void TestStartup::exceptionDuringDeliveryIsCaught()
{
    Thrower thrower;
    QEvent event(QEvent::User);
    QVERIFY(!QApplication::sendEvent(&thrower, &event));
}

void TestStartup::secondInstanceIsRefused()
{
    auto *app = qobject_cast<apt::ToolsApplication *>(qApp);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Setup.xml")),
              "<Setup><Skin><Value>NoSuchSkin</Value></Skin></Setup>");
    OrvaneGUIToolkit::SetTargetPathOverride(dir.path());

    // Another instance of the same id already holds the lock, and answers
    // from its own thread's event loop.
    QThread thread;
    auto *running = new SharedTools::QtLocalPeer(app->id());
    running->moveToThread(&thread);
    connect(&thread, &QThread::finished, running, &QObject::deleteLater);
    thread.start();
    const auto stop = qScopeGuard([&thread] {
        thread.quit();
        thread.wait();
    });
    bool holds = false;
    QMetaObject::invokeMethod(
        running, [running, &holds] { holds = !running->isClient(); }, Qt::BlockingQueuedConnection);
    QVERIFY(holds);
    QStringList handed;
    QObject receiver;
    connect(running, &SharedTools::QtLocalPeer::messageReceived, &receiver,
            [&handed](const QString &message) { handed << message; });

    DialogSeen seen;
    answerNextDialog([&seen](QDialog *dialog) {
        seen = describe(dialog);
        click(dialog, "btnClose");
    });
    QLoggingCategory::setFilterRules(QStringLiteral("larkspan.startup=true"));
    capturedMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    const bool started = app->init();
    qInstallMessageHandler(previous);

    QVERIFY(!started);
    // The running window was asked to come to the front, and nothing else.
    QTRY_COMPARE(handed, QStringList{apt::HandOver::activation()});
    QCOMPARE(seen.objectName, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(seen.title, QStringLiteral("Hint"));
    QCOMPARE(seen.text, QStringLiteral("Larkspan is already running."));
    QCOMPARE(seen.size, QSize(400, 256));
    QVERIFY(!seen.bottomVisible);
    QVERIFY(capturedMessages.contains(QStringLiteral("[Tool]LoadSkin = NoSuchSkin failed")));
    QVERIFY(capturedMessages.contains(
        QStringLiteral("[ToolsApplication::loadStyle]The CommonStyle does not exist.")));
}

void TestStartup::diagnosticsFollowLoggingRules_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QStringList>("lines");

    const QString skin = QStringLiteral("[Tool]LoadSkin = NoSuchSkin failed");
    const QString style = QStringLiteral("[ToolsApplication::loadStyle]The CommonStyle does not exist.");
    QTest::newRow("silent by default") << QString() << QStringList();
    QTest::newRow("category on") << "larkspan.startup=true" << QStringList{skin, style};
    QTest::newRow("warnings only") << "larkspan.startup.warning=true" << QStringList{skin};
    QTest::newRow("everything else on") << "*=true\nlarkspan.startup=false" << QStringList();
}

// The start-up lines go through the logging category "larkspan.startup",
// which an ordinary start leaves silent.
void TestStartup::diagnosticsFollowLoggingRules()
{
    QFETCH(QString, rules);
    QFETCH(QStringList, lines);

    auto *app = qobject_cast<apt::ToolsApplication *>(qApp);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Setup.xml")),
              "<Setup><Skin><Value>NoSuchSkin</Value></Skin></Setup>");
    OrvaneGUIToolkit::SetTargetPathOverride(dir.path());
    // Another instance holds the lock, so start-up stops after the look.
    SharedTools::QtLocalPeer running(app->id());
    answerNextDialog([](QDialog *dialog) { click(dialog, "btnClose"); });

    QLoggingCategory::setFilterRules(rules);
    capturedMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    QVERIFY(!app->init());
    qInstallMessageHandler(previous);

    QStringList seen;
    for (const QString &message : std::as_const(capturedMessages)) {
        if (message.startsWith(QLatin1Char('[')))
            seen.append(message);
    }
    QCOMPARE(seen, lines);
}

void TestStartup::smallScreenAsks_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("started");

    QTest::newRow("Confirm starts") << QByteArray("btnConfirm") << true;
    QTest::newRow("Cancel declines") << QByteArray("btnCancel") << false;
    QTest::newRow("closing declines") << QByteArray("btnClose") << false;
}

void TestStartup::smallScreenAsks()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, started);

    // The offscreen screen is 800 x 600; the staged folder holds the real
    // settings, skin and style.
    auto *app = qobject_cast<apt::ToolsApplication *>(qApp);
    OrvaneGUIToolkit::SetTargetPathOverride(QStringLiteral(LARKSPAN_STAGE_DIR));
    app->addLibraryPath(QStringLiteral(LARKSPAN_STAGE_DIR "/plugins"));

    DialogSeen seen;
    answerNextDialog([&seen, answer](QDialog *dialog) {
        seen = describe(dialog);
        QVERIFY(seen.bottomVisible);
        click(dialog, answer.constData());
    });
    QLoggingCategory::setFilterRules(QStringLiteral("larkspan.startup=true"));
    capturedMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    const bool result = app->init();
    qInstallMessageHandler(previous);

    QCOMPARE(result, started);
    QCOMPARE(seen.objectName, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(seen.text,
             QStringLiteral("Display resolution less than 1024*768,are you sure to start the program?"));
    QVERIFY(capturedMessages.contains(QStringLiteral("[Tool]LoadSkin = CommonSkin Success")));
    QVERIFY(!capturedMessages.contains(
        QStringLiteral("[ToolsApplication::loadStyle]The CommonStyle does not exist.")));
    QVERIFY(QStyleFactory::keys().contains(QStringLiteral("CommonStyle")));
    QVERIFY(app->styleSheet().contains(QStringLiteral("BaseDialog")));
    // On the confirmed small-screen path the icon is left alone.
    QVERIFY(app->windowIcon().isNull());
}

// The running window, minimized behind another, comes to the front when a
// later start asks; no plan is opened.
void TestStartup::laterStartBringsTheWindowForward()
{
    auto *app = qobject_cast<apt::ToolsApplication *>(qApp);
    QTemporaryDir data;
    QVERIFY(copyFixtureTree(shippedDataDir(), data.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(data.path());
    QVERIFY(!app->isRunning());

    LarkspanMainPage window;
    window.connectPages();
    apt::HandOver::connectWindow(app, &window);
    window.setGeometry(100, 50, 1280, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());

    bool sent = false;
    std::thread later([&sent, id = app->id()] {
        SharedTools::QtLocalPeer peer(id);
        sent = peer.sendMessage(apt::HandOver::activation(), 3000);
    });
    {
        const auto joined = qScopeGuard([&later] { later.join(); });
        QTRY_VERIFY(!window.isMinimized());
        QTRY_VERIFY(window.isActiveWindow());
    }
    QVERIFY(sent);
    QCOMPARE(window.planPath(), QString());
}

// A file manager that opens many plans at once starts the program once per
// plan. The first start holds the lock; each later one hands its plan over
// and ends with status 0. Here the test holds the lock and is as busy at first
// as a program that is still opening its window, so the later starts queue up.
void TestStartup::simultaneousStartsHandOverEveryPlan()
{
    constexpr int starts = 50;
    QTemporaryDir runtime;
    QTemporaryDir plans;
    SharedTools::QtLocalPeer holder(QStringLiteral("Larkspan"), nullptr, runtime.path());
    QVERIFY(!holder.isClient());
    QStringList opened;
    connect(&holder, &SharedTools::QtLocalPeer::messageReceived, &holder, [&opened](const QString &plan) {
        opened << plan;
        // About as long as opening a small plan takes.
        QThread::msleep(10);
    });

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    std::vector<std::unique_ptr<QProcess>> processes;
    QStringList handed;
    for (int i = 0; i < starts; ++i) {
        handed << plans.filePath(QStringLiteral("site %1.larkspan").arg(i));
        auto &process = processes.emplace_back(std::make_unique<QProcess>());
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(LARKSPAN_STAGE_DIR "/larkspan"), {handed.last()});
    }
    for (const auto &process : processes)
        QVERIFY(process->waitForStarted());
    QThread::msleep(1000);

    const auto allEnded = [&processes] {
        return std::all_of(processes.begin(), processes.end(),
                           [](const auto &process) { return process->state() == QProcess::NotRunning; });
    };
    for (const QDeadlineTimer deadline(30000); !allEnded() && !deadline.hasExpired();)
        QTest::qWait(50);
    for (const auto &process : processes) {
        QCOMPARE(process->state(), QProcess::NotRunning);
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }
    opened.sort();
    handed.sort();
    QCOMPARE(opened, handed);
}

int main(int argc, char *argv[])
{
    // A private lock directory, so that a running Larkspan does not count.
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    apt::ToolsApplication app(argc, argv, QStringLiteral("Larkspan"));
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
