#include "aptui/desktopurl.h"
#include "platform/atomicfilewriter.h"
#include "data/siteplanfile.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "sampleplan.h"
#include "dialoganswerer.h"
#include "filedialoganswerer.h"
#include "renamingtranslator.h"
#include "unwrittenpipe.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>

namespace {

void click(QWidget &parent, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
}

void typeInto(QWidget &parent, const char *name, const QString &text)
{
    auto *edit = child<QLineEdit>(parent, name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString plainText(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText().simplified();
}

// What a person sees of a plan: the rows' texts and both results.
QStringList shown(QWidget &window)
{
    QStringList texts;
    auto *rows = child<QListWidget>(window, "m_listWidgetDiskData");
    for (int i = 0; i < rows->count(); ++i) {
        // A row is built when it comes into view, as a person scrolls to it.
        rows->scrollToItem(rows->item(i));
        QCoreApplication::processEvents();
        QWidget &row = *rows->itemWidget(rows->item(i));
        for (const char *name : {"m_labelChannelGroupName", "m_labelDeviceCounts",
                                 "m_labelDeviceBitRate", "m_labelDeviceResolution", "m_labelEncodeType",
                                 "m_labelScenceName"})
            texts << child<QLabel>(row, name)->text();
    }
    for (const char *name : {"m_labelByDay", "m_labelByWeek", "m_labelByMonth", "m_labelDisplaySize"})
        texts << plainText(child<QLabel>(window, name));
    return texts;
}

} // namespace

class TestPlans final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roundTripThroughTheWindow_data();
    void roundTripThroughTheWindow();
    void unsavedChangesAsk_data();
    void unsavedChangesAsk();
    void refusedPlanLeavesTheWindow_data();
    void refusedPlanLeavesTheWindow();
    void sparesOfARaid0PlanAreDropped();
    void recordingSurvivesOtherEdits_data();
    void recordingSurvivesOtherEdits();
    void recentPlans();
    void exportReport_data();
    void exportReport();
    void failedWriteSaysWhereAndWhy_data();
    void failedWriteSaysWhereAndWhy();
    void printDialogCancelled();
    void handedOverPlanWaitsForAnOpenDialog();
    void undoAndRedoFromTheKeyboard();

private:
    std::unique_ptr<LarkspanMainPage> newWindow();
    // Closes the window without asking anything of the test.
    void closeWindow(std::unique_ptr<LarkspanMainPage> &window);
    QWidget &editor() const { return *m_window->findChild<QWidget *>("DeviceEditor"); }
    QWidget &calculator() const { return *m_window->findChild<QWidget *>("m_dataCalculatorPage"); }
    int rowCount() const { return m_window->findChild<QListWidget *>("m_listWidgetDiskData")->count(); }
    void addGroup(const QString &name, const QString &channels)
    {
        typeInto(editor(), "m_lineEditChannelName", name);
        typeInto(editor(), "m_lineEditChannelCounts", channels);
        click(editor(), "m_btnAddDevice");
    }
    // Saves through Ctrl+S, typed in an editor field; a plan without a file
    // gets `path` through the file dialog.
    void saveAs(const QString &path)
    {
        answerFileDialog(path, QFileInfo::exists(path));
        press(child<QLineEdit>(editor(), "m_lineEditChannelName"), Qt::Key_S, Qt::ControlModifier);
    }
    // A shortcut pressed in `target`, in the window that a person has active
    // (offscreen, the window is not activated again after a dialog).
    void press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(target, key, modifiers);
    }
    QString planFile(const char *name) const { return m_work.filePath(QLatin1String(name)); }

    QTemporaryDir m_data;
    QTemporaryDir m_work;
    std::unique_ptr<LarkspanMainPage> m_window;
};

void TestPlans::initTestCase()
{
    QVERIFY(copyFixtureTree(shippedDataDir(), m_data.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(m_data.path());
    // The recent plans go to the user's settings: here, a folder of the test.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       m_work.filePath(QStringLiteral("settings")));
    QDir::setCurrent(m_work.path());
}

std::unique_ptr<LarkspanMainPage> TestPlans::newWindow()
{
    auto window = std::make_unique<LarkspanMainPage>();
    window->connectPages();
    window->setGeometry(100, 50, 1280, 768);
    window->show();
    return window;
}

void TestPlans::init()
{
    m_window = newWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestPlans::closeWindow(std::unique_ptr<LarkspanMainPage> &window)
{
    if (window && window->isVisible()) {
        answerNextDialog([&window](QDialog *dialog) {
            click(*dialog, window->isPlanModified() ? "btnDontSave" : "btnConfirm");
        });
        window->close();
    }
    window.reset();
}

void TestPlans::cleanup()
{
    closeWindow(m_window);
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Larkspan", "Larkspan").clear();
}

void TestPlans::roundTripThroughTheWindow_data()
{
    QTest::addColumn<bool>("ntsc");
    QTest::addColumn<bool>("openedRenamed");

    QTest::newRow("PAL, opened in the same language") << false << false;
    QTest::newRow("NTSC, opened in the same language") << true << false;
    QTest::newRow("PAL, opened with renamed device types") << false << true;
    QTest::newRow("NTSC, opened with renamed device types") << true << true;
}

void TestPlans::roundTripThroughTheWindow()
{
    QFETCH(bool, ntsc);
    QFETCH(bool, openedRenamed);

    if (ntsc)
        click(editor(), "m_btnOFF");
    addGroup(QStringLiteral("Gone"), QStringLiteral("1"));
    addGroup(QStringLiteral("Gate"), QStringLiteral("2"));
    // A DVR/NVR group at a rate typed by hand, and a scene's recommended rate.
    child<QComboBox>(editor(), "m_comboBoxDeviceType")->setCurrentIndex(1);
    typeInto(editor(), "m_lineEditScenceRecommandRate", QStringLiteral("1234"));
    addGroup(QStringLiteral("Recorder"), QStringLiteral("16"));
    click(editor(), "m_radioButtonVarRate");
    addGroup(QStringLiteral("Office"), QStringLiteral("3"));
    // Group 1 goes: the plan holds numbers 2, 3 and 4.
    auto *rows = child<QListWidget>(*m_window, "m_listWidgetDiskData");
    QTest::mouseClick(child<QToolButton>(*rows->itemWidget(rows->item(0)), "m_btnDelete"),
                      Qt::LeftButton);

    typeInto(calculator(), "m_lineEditGT", QStringLiteral("123"));
    click(calculator(), "m_radioBtnGB");
    click(calculator(), "m_btnOFF");
    typeInto(calculator(), "m_lineEditSaveTime", QStringLiteral("5"));
    click(calculator(), "m_radioBtnDay");
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled* - Larkspan"));

    const QString path = planFile("site.larkspan");
    saveAs(path);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("site - Larkspan"));
    QVERIFY(!m_window->isPlanModified());
    const QByteArray saved = SitePlanFile::toJson(m_window->currentPlan());
    const QStringList seen = shown(*m_window);
    closeWindow(m_window);

    RenamingTranslator translator;
    if (openedRenamed)
        QCoreApplication::installTranslator(&translator);
    m_window = newWindow();
    QVERIFY(m_window->openPlan(path));
    QCOMPARE(SitePlanFile::toJson(m_window->currentPlan()), saved);
    QStringList seenAfter = shown(*m_window);
    if (openedRenamed)
        QCOMPARE(seenAfter.size(), seen.size()); // the rows name the types in the other language
    else
        QCOMPARE(seenAfter, seen);
    // The shipped scene is shown in the window's language, its buttons too;
    // the plan keeps the table's name (the JSON above).
    const QString office = openedRenamed ? QStringLiteral("办公室") : QStringLiteral("Office");
    QVERIFY(seenAfter.contains(QStringLiteral("Scene Type : ") + office));
    QStringList buttons;
    for (const QAbstractButton *button : child<QWidget>(editor(), "m_listWidgetScences")
                                              ->findChildren<QAbstractButton *>())
        buttons << button->text();
    QVERIFY2(buttons.contains(office), qPrintable(buttons.join(QLatin1Char(','))));
    QCOMPARE(seenAfter.mid(seenAfter.size() - 4), seen.mid(seen.size() - 4));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("site - Larkspan"));
    QVERIFY(!m_window->isPlanModified());

    // The freed number goes to the next group.
    click(editor(), "m_radioButtonFixedRate");
    addGroup(QStringLiteral("New"), QStringLiteral("1"));
    QCOMPARE(m_window->currentPlan().groups.constLast().name, QStringLiteral("New(1)"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("site* - Larkspan"));
    QCoreApplication::removeTranslator(&translator);
}

void TestPlans::unsavedChangesAsk_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("rowsAfter");    // -1: the window closed
    QTest::addColumn<int>("groupsInFile"); // of the plan saved before the change

    QTest::newRow("New, Cancel keeps the plan") << "new" << QByteArray("btnCancel") << 2 << 1;
    QTest::newRow("New, title close keeps the plan") << "new" << QByteArray("btnClose") << 2 << 1;
    QTest::newRow("New, Don't Save drops the change") << "new" << QByteArray("btnDontSave") << 0 << 1;
    QTest::newRow("New, Save saves first") << "new" << QByteArray("btnConfirm") << 0 << 2;
    QTest::newRow("Open, Cancel keeps the plan") << "open" << QByteArray("btnCancel") << 2 << 1;
    QTest::newRow("Open, Don't Save opens") << "open" << QByteArray("btnDontSave") << 3 << 1;
    QTest::newRow("dropped plan, Save saves first") << "drop" << QByteArray("btnConfirm") << 3 << 2;
    QTest::newRow("handed over, Cancel keeps the plan") << "handover" << QByteArray("btnCancel") << 2 << 1;
    QTest::newRow("handed over, Don't Save opens") << "handover" << QByteArray("btnDontSave") << 3 << 1;
    QTest::newRow("closing, Cancel keeps the window") << "close" << QByteArray("btnCancel") << 2 << 1;
    QTest::newRow("closing, Don't Save closes") << "close" << QByteArray("btnDontSave") << -1 << 1;
    QTest::newRow("closing, Save saves and closes") << "close" << QByteArray("btnConfirm") << -1 << 2;
}

void TestPlans::unsavedChangesAsk()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, answer);
    QFETCH(int, rowsAfter);
    QFETCH(int, groupsInFile);

    // Another plan of three groups to open.
    const QString other = planFile("other.larkspan");
    for (int i = 0; i < 3; ++i)
        addGroup(QStringLiteral("Other"), QStringLiteral("1"));
    saveAs(other);
    QVERIFY(QFileInfo::exists(other));
    press(m_window.get(), Qt::Key_N, Qt::ControlModifier); // saved: nothing to ask
    QCOMPARE(rowCount(), 0);

    const QString path = planFile("asked.larkspan");
    addGroup(QStringLiteral("Kept"), QStringLiteral("1"));
    saveAs(path);
    addGroup(QStringLiteral("Unsaved"), QStringLiteral("1"));
    QVERIFY(m_window->isPlanModified());

    QString question;
    bool covered = false;
    QWidget *cover = m_window->findChild<QWidget *>("m_cover")->parentWidget();
    answerNextDialog([&](QDialog *dialog) {
        question = child<QLabel>(*dialog, "m_labelNULL")->text();
        covered = cover->isVisible();
        // Open asks for the file once the changes are dealt with.
        if (action == QLatin1String("open") && answer == "btnDontSave")
            answerFileDialog(other);
        click(*dialog, answer.constData());
    });
    if (action == QLatin1String("new")) {
        press(m_window.get(), Qt::Key_N, Qt::ControlModifier);
    } else if (action == QLatin1String("open")) {
        press(m_window.get(), Qt::Key_O, Qt::ControlModifier);
    } else if (action == QLatin1String("drop")) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &drop);
    } else if (action == QLatin1String("handover")) {
        m_window->openHandedOverPlan(other);
    } else {
        m_window->close();
    }

    QVERIFY2(question.contains(QLatin1String("\"asked\"")), qPrintable(question));
    QVERIFY(covered);
    QVERIFY(!cover->isVisible());
    QCOMPARE(m_window->isVisible() ? rowCount() : -1, rowsAfter);
    SitePlan onDisk;
    QString error;
    QVERIFY(SitePlanFile::read(path, &onDisk, &error));
    QCOMPARE(onDisk.groups.size(), groupsInFile);
    if (rowsAfter == 3)
        QCOMPARE(m_window->planPath(), QFileInfo(other).absoluteFilePath());
}

void TestPlans::refusedPlanLeavesTheWindow_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    QTest::newRow("not a plan") << QByteArray("Name,Channels\n") << "not a Larkspan plan";
    QTest::newRow("newer version") << QByteArray(R"({"format":"larkspan-plan","version":7})")
                                   << "newer Larkspan";
    QTest::newRow("a folder") << QByteArray() << "is a folder";
    QTest::newRow("a pipe") << QByteArray() << "is not a plan but a pipe";
    QTest::newRow("a name over its bound")
        << QByteArray(R"({"format":"larkspan-plan","version":1,"frameStandard":"pal","groups":[{"name":")")
               + QByteArray(300, 'N') + R"("}]})"
        << "Group 1: \"name\" is longer than 256 characters.";
}

void TestPlans::refusedPlanLeavesTheWindow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    const QString path = planFile("refused.larkspan");
    std::unique_ptr<UnwrittenPipe> pipe;
    if (message.contains(QLatin1String("folder")))
        QVERIFY(QDir().mkpath(path));
    else if (message.contains(QLatin1String("pipe")))
        pipe = std::make_unique<UnwrittenPipe>(path);
    else
        QVERIFY(writeFixture(m_work.path(), QStringLiteral("refused.larkspan"), bytes));
    addGroup(QStringLiteral("Mine"), QStringLiteral("4"));
    saveAs(planFile("mine.larkspan"));
    const QByteArray before = SitePlanFile::toJson(m_window->currentPlan());

    QString notice;
    answerNextDialog([&notice](QDialog *dialog) {
        notice = child<QLabel>(*dialog, "m_labelNULL")->text();
        click(*dialog, "btnClose");
    });
    bool opened = true;
    if (pipe)
        QVERIFY2(pipe->readReturns([&] { opened = m_window->openPlan(path); }), "blocked");
    else
        opened = m_window->openPlan(path);
    QVERIFY(!opened);

    QVERIFY2(notice.contains(message), qPrintable(notice));
    QCOMPARE(SitePlanFile::toJson(m_window->currentPlan()), before);
    QCOMPARE(m_window->planPath(), QFileInfo(planFile("mine.larkspan")).absoluteFilePath());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("mine - Larkspan"));
    QDir(path).removeRecursively();
    QFile::remove(path);
}

void TestPlans::sparesOfARaid0PlanAreDropped()
{
    // A plan saved while RAID 0 still took hot spares: 4 drives and a spare.
    SitePlan saved;
    saved.calculation.diskArray = {5, 8000, RaidLevel::Raid0, 2, 1, 100};
    const QString path = planFile("spares.larkspan");
    QString error;
    QVERIFY2(SitePlanFile::write(path, saved, &error), qPrintable(error));

    QString notice;
    answerNextDialog([&notice](QDialog *dialog) {
        notice = child<QLabel>(*dialog, "m_labelNULL")->text();
        click(*dialog, "btnClose");
    });
    QVERIFY(m_window->openPlan(path));

    QCOMPARE(m_window->currentPlan().calculation.diskArray,
             (DiskArraySetup{4, 8000, RaidLevel::Raid0, 2, 0, 100}));
    QVERIFY2(notice.contains(QLatin1String("1 hot spare(s) were dropped")), qPrintable(notice));
    // The window differs from the file until it is saved.
    QCOMPARE(m_window->windowTitle(), QStringLiteral("spares* - Larkspan"));
}

void TestPlans::recordingSurvivesOtherEdits_data()
{
    QTest::addColumn<QString>("edit");

    QTest::newRow("a group added") << "add";
    QTest::newRow("another group deleted") << "delete";
    QTest::newRow("the disk size typed") << "size";
    QTest::newRow("the frame standard switched") << "ntsc";
}

// The pages show an opened plan; the plan the next edit hands the document
// is theirs, so what a group records must travel with its row.
void TestPlans::recordingSurvivesOtherEdits()
{
    QFETCH(QString, edit);

    const SitePlan sample = samplePlan();
    const QString path = planFile("recordings.larkspan");
    QString error;
    QVERIFY2(SitePlanFile::write(path, sample, &error), qPrintable(error));
    QVERIFY(m_window->openPlan(path));
    const SitePlan opened = m_window->currentPlan();

    if (edit == QLatin1String("add")) {
        addGroup(QStringLiteral("New"), QStringLiteral("1"));
    } else if (edit == QLatin1String("delete")) {
        auto *rows = child<QListWidget>(*m_window, "m_listWidgetDiskData");
        rows->scrollToItem(rows->item(2));
        QCoreApplication::processEvents();
        QTest::mouseClick(child<QToolButton>(*rows->itemWidget(rows->item(2)), "m_btnDelete"),
                          Qt::LeftButton);
    } else if (edit == QLatin1String("size")) {
        typeInto(calculator(), "m_lineEditGT", QStringLiteral("12"));
    } else {
        click(editor(), "m_btnOFF");
    }
    QVERIFY(m_window->isPlanModified());

    const SitePlan edited = m_window->currentPlan();
    for (const PlanGroup &before : opened.groups) {
        const auto after = std::find_if(edited.groups.cbegin(), edited.groups.cend(),
                                        [&before](const PlanGroup &g) { return g.name == before.name; });
        if (edit == QLatin1String("delete") && before.name == sample.groups.at(2).name) {
            QVERIFY(after == edited.groups.cend());
            continue;
        }
        QVERIFY2(after != edited.groups.cend(), qPrintable(before.name));
        QCOMPARE(after->recording, before.recording);
        QCOMPARE(after->id, before.id);
    }
    QCOMPARE(opened.groups.at(0).recording, sample.groups.at(0).recording);
    QCOMPARE(opened.groups.at(1).recording, sample.groups.at(1).recording);
}

void TestPlans::recentPlans()
{
    addGroup(QStringLiteral("A"), QStringLiteral("1"));
    saveAs(planFile("first.larkspan"));
    answerFileDialog(planFile("second.larkspan"));
    press(m_window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);

    auto recent = [this] {
        click(*m_window, "m_btnSystemMenu");
        auto *menu = child<QMenu>(*m_window, "aboutMenu");
        QStringList names;
        for (QAction *action : child<QMenu>(*m_window, "recentPlansMenu")->actions())
            names << action->text();
        menu->close();
        return names;
    };
    QCOMPARE(recent(), (QStringList{"second", "first"}));
    QVERIFY(QFile::remove(planFile("second.larkspan")));
    QCOMPARE(recent(), QStringList{"first"});
}

void TestPlans::exportReport_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("press"); // in the notice that says where it went; empty: Escape
    QTest::addColumn<QString>("asked");    // opened by the desktop; empty: the folder

    QTest::newRow("CSV by its name, opened") << "report.csv" << "report.csv" << QByteArray("\xEF\xBB\xBF")
                                             << QByteArray("btnOpenFile") << "report.csv";
    QTest::newRow("PDF by its name, its folder opened")
        << "report.pdf" << "report.pdf" << QByteArray("%PDF") << QByteArray("btnOpenFolder") << "";
    QTest::newRow("no type: the chosen filter's, notice closed")
        << "report" << "report.pdf" << QByteArray("%PDF") << QByteArray() << QString();
}

void TestPlans::exportReport()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, press);
    QFETCH(QString, asked);

    addGroup(QStringLiteral("Gate"), QStringLiteral("2"));
    click(*m_window, "m_btnSystemMenu");
    auto *menu = child<QMenu>(*m_window, "aboutMenu");
    QAction *exportAction = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QLatin1String("Export Report..."))
            exportAction = action;
    }
    QVERIFY(exportAction);
    QList<QUrl> opened;
    aptui::setDesktopUrlOpenerForTesting([&opened](const QUrl &url) {
        opened.append(url);
        return true;
    });
    QString noticeText;
    bool dimmed = false;
    answerFileDialog(m_work.filePath(typed), false, [&](QDialog *notice) {
        noticeText = notice->findChild<QLabel *>("m_labelNULL")->text();
        dimmed = m_window->findChild<QWidget *>("m_cover")->parentWidget()->isVisible();
        if (press.isEmpty())
            QTest::keyClick(notice, Qt::Key_Escape);
        else
            QTest::mouseClick(notice->findChild<QPushButton *>(press), Qt::LeftButton);
    });
    menu->close();
    exportAction->trigger();
    aptui::setDesktopUrlOpenerForTesting({});

    const QByteArray bytes = readFixture(m_work.path(), written);
    QVERIFY(bytes.startsWith(start));
    QVERIFY(bytes.contains(start == "%PDF" ? QByteArray("/FontFile") : QByteArray("Gate(1)")));
    QCOMPARE(noticeText, "Report saved to " + QDir::toNativeSeparators(m_work.filePath(written)));
    QVERIFY(dimmed);
    QCOMPARE(opened, press.isEmpty() ? QList<QUrl>()
                                     : QList<QUrl>{QUrl::fromLocalFile(asked.isEmpty() ? m_work.path()
                                                                                       : m_work.filePath(asked))});
    QFile::remove(m_work.filePath(written));
}

// A save or an export that meets a full disk says which file, in which
// folder, and why; nothing is left in the folder.
void TestPlans::failedWriteSaysWhereAndWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");

    QTest::newRow("save") << "full.larkspan" << "The plan could not be saved as \"full.larkspan\"";
    QTest::newRow("PDF export") << "full.pdf" << "The report could not be written as \"full.pdf\"";
    QTest::newRow("CSV export") << "full.csv" << "The report could not be written as \"full.csv\"";
}

void TestPlans::failedWriteSaysWhereAndWhy()
{
    QFETCH(QString, name);
    QFETCH(QString, notice);

    addGroup(QStringLiteral("Gate"), QStringLiteral("2"));
    QString shownNotice;
    // The notice comes after the file dialog, which another answerer takes.
    std::function<void()> answerNotice = [&] {
        answerNextDialog([&](QDialog *dialog) {
            if (qobject_cast<QFileDialog *>(dialog)) {
                answerNotice();
                return;
            }
            shownNotice = child<QLabel>(*dialog, "m_labelNULL")->text();
            click(*dialog, "btnClose");
        });
    };
    answerNotice();
    AtomicFileWriter::failWritesBeyondForTesting(10);
    if (name.endsWith(QLatin1String(".larkspan"))) {
        saveAs(m_work.filePath(name));
    } else {
        answerFileDialog(m_work.filePath(name));
        QMetaObject::invokeMethod(m_window.get(), "onExportReport");
    }
    AtomicFileWriter::failWritesBeyondForTesting(-1);

    const QString expected = notice + QStringLiteral(" in the folder \"%1\": No space left on device")
                                          .arg(QDir::toNativeSeparators(m_work.path()));
    QCOMPARE(shownNotice, expected);
    QVERIFY(!QFileInfo::exists(m_work.filePath(name)));
}

void TestPlans::printDialogCancelled()
{
    bool asked = false;
    answerNextDialog([&asked](QDialog *dialog) {
        asked = true;
        dialog->reject();
    });
    press(m_window.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(asked);
    QVERIFY(!m_window->findChild<QWidget *>("m_cover")->parentWidget()->isVisible());
}

void TestPlans::handedOverPlanWaitsForAnOpenDialog()
{
    SitePlan plan;
    plan.groups.resize(2);
    plan.groups[0].groupNumber = 1;
    plan.groups[1].groupNumber = 2;
    const QString path = planFile("handed.larkspan");
    QString error;
    QVERIFY(SitePlanFile::write(path, plan, &error));

    int rowsWhileAsked = -1;
    answerNextDialog([&](QDialog *dialog) {
        m_window->openHandedOverPlan(path);
        rowsWhileAsked = rowCount();
        dialog->reject();
    });
    press(m_window.get(), Qt::Key_P, Qt::ControlModifier);

    QCOMPARE(rowsWhileAsked, 0);
    QTRY_COMPARE(rowCount(), 2);
    QCOMPARE(m_window->planPath(), QFileInfo(path).absoluteFilePath());
}

// Every edit on the pages is a step that the window's keys undo and redo,
// with the pages, the title and the menu following the document.
void TestPlans::undoAndRedoFromTheKeyboard()
{
    auto *diskSize = child<QLineEdit>(calculator(), "m_lineEditGT");
    const QString sizeBefore = diskSize->text();
    addGroup(QStringLiteral("Gate"), QStringLiteral("4"));
    addGroup(QStringLiteral("Hall"), QStringLiteral("2"));
    typeInto(calculator(), "m_lineEditGT", QStringLiteral("12"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled* - Larkspan"));

    QAction *undo = nullptr;
    QAction *redo = nullptr;
    for (QAction *action : child<QMenu>(*m_window, "aboutMenu")->actions()) {
        if (action->shortcut() == QKeySequence::Undo)
            undo = action;
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
            redo = action;
    }
    QVERIFY(undo && redo);
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    QWidget *list = child<QListWidget>(*m_window, "m_listWidgetDiskData");
    press(list, Qt::Key_Z, Qt::ControlModifier); // the typed size, whole
    QCOMPARE(diskSize->text(), sizeBefore);
    QCOMPARE(rowCount(), 2);
    press(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rowCount(), 1);
    QVERIFY(redo->isEnabled());
    press(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(rowCount(), 2);
    QCOMPARE(m_window->currentPlan().groups.constLast().name, QStringLiteral("Hall(2)"));
    press(list, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(diskSize->text(), QStringLiteral("12"));
    QVERIFY(!redo->isEnabled());

    for (int i = 0; i < 3; ++i)
        press(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rowCount(), 0);
    QVERIFY(!undo->isEnabled());
    // Back at the plan the window started with: nothing to save.
    QVERIFY(!m_window->isPlanModified());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Larkspan"));
    // The numbers came back with the groups: the next group is 1 again.
    addGroup(QStringLiteral("Yard"), QStringLiteral("1"));
    QCOMPARE(m_window->currentPlan().groups.constLast().name, QStringLiteral("Yard(1)"));
}

QTEST_MAIN(TestPlans)
#include "tst_plans.moc"
