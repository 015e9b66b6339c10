#include "app/languagechoice.h"
#include "calc/capacityresults.h"
#include "calc/recorderbar.h"
#include "calc/retention.h"
#include "data/siteplanfile.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "dialoganswerer.h"
#include "filedialoganswerer.h"
#include "sampleplan.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QWidgetAction>

#include <memory>

namespace {

QString plainText(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText().simplified();
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(QWidget &parent, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
}

// What the dialog showed and whether the window was dimmed behind it.
struct Seen
{
    QString title;
    QString text;
    QPoint position;
    QSize size;
    bool covered = false;
};

// A site of 16 channels at 4 Mbps and 8 at 2 Mbps on a 20 TB disk, kept
// for a week at 24 h.
SitePlan retentionPlan()
{
    SitePlan plan;
    PlanGroup gate;
    gate.name = QStringLiteral("Gate(1)");
    gate.groupNumber = 1;
    gate.channels = 16;
    gate.kbps = 4096;
    gate.resolution = QStringLiteral("1080P");
    gate.encoding = QStringLiteral("H.264");
    gate.frameRate = QStringLiteral("25");
    gate.frameRateIndex = 1;
    PlanGroup hall = gate;
    hall.name = QStringLiteral("Hall(2)");
    hall.groupNumber = 2;
    hall.channels = 8;
    hall.kbps = 2048;
    plan.groups = {gate, hall};
    plan.calculation.diskSize = 20;
    return plan;
}

} // namespace

Q_DECLARE_METATYPE(SitePlan)

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void placement_data();
    void placement();
    void startsEmptyAndUndimmed();
    void wholeCalculation();
    void figuresFollowThePlan_data();
    void figuresFollowThePlan();
    void guaranteedRetentionIsAStep();
    void recordersOnTheBar();
    void clearAsksFirst_data();
    void clearAsksFirst();
    void coverFollowsTheWindow();
    void keys_data();
    void keys();
    void menuOpensLeftOfCursor();
    void menuFromTheKeyboard_data();
    void menuFromTheKeyboard();
    void userHelpClosesMenuAndOpensNotice();
    void aboutPanelFromTheKeyboard_data();
    void aboutPanelFromTheKeyboard();
    void languageChoice_data();
    void languageChoice();
    void updateDialogRunsDimmed();
    void closing_data();
    void closing();

private:
    QWidget *cover() const { return m_window->findChild<QWidget *>("m_cover")->parentWidget(); }
    QWidget &editor() const { return *m_window->findChild<QWidget *>("DeviceEditor"); }
    QWidget &panel() const { return *m_window->findChild<QWidget *>("m_pCapacityCalculation"); }
    QListWidget *rows() const { return child<QListWidget>(panel(), "m_listWidgetDiskData"); }
    QString rowText(int row, const char *label) const
    {
        return child<QLabel>(*rows()->itemWidget(rows()->item(row)), label)->text();
    }
    // Answers the next dialog with `button` after noting what it showed.
    void answer(const char *button, Seen *seen)
    {
        answerNextDialog([this, button, seen](QDialog *dialog) {
            seen->title = dialog->windowTitle();
            if (auto *text = dialog->findChild<QLabel *>("m_labelTip"))
                seen->text = text->text();
            else if (auto *text = dialog->findChild<QLabel *>("m_labelNULL"))
                seen->text = text->text();
            seen->position = dialog->pos();
            seen->size = dialog->size();
            seen->covered = cover()->isVisible();
            QTest::mouseClick(child<QAbstractButton>(*dialog, button), Qt::LeftButton);
        });
    }

    QTemporaryDir m_data;
    QTemporaryDir m_work;
    std::unique_ptr<LarkspanMainPage> m_window;
};

// A site of two recorders: choosing one shows its groups and its drives, an
// added group goes on it, and a spreading is one step.
void TestMainWindow::recordersOnTheBar()
{
    SitePlan site;
    for (int i = 1; i <= 3; ++i) {
        PlanGroup g = sampleGroup(QStringLiteral("G%1").arg(i), 4, 2048, i);
        g.id = quint32(i);
        g.recorder = i == 1 ? 1 : 2;
        site.groups.append(g);
    }
    site.recorders = {{1, QStringLiteral("A"), QString(), {32, 256, 4, 16000}, {4, 8000, RaidLevel::Raid5}, 0},
                      {2, QStringLiteral("B"), QString(), {6, 256, 4, 16000}, {3, 4000, RaidLevel::Raid5}, 0}};
    const QString path = m_work.filePath(QStringLiteral("recorders.larkspan"));
    QString error;
    QVERIFY2(SitePlanFile::write(path, site, &error), qPrintable(error));
    QVERIFY(m_window->openPlan(path));
    QCOMPARE(rows()->count(), 3);
    // B's eight channels over its six: said first on the verdict line.
    auto *verdict = child<QLabel>(panel(), "m_labelVerdict");
    QCOMPARE(verdict->text(), QStringLiteral("B: 8 of 6 channels"));
    QCOMPARE(verdict->property("verdict").toString(), QStringLiteral("short"));

    auto *bar = m_window->findChild<RecorderBar *>(QStringLiteral("m_recorderBar"));
    bar->setCurrent(2);
    QCOMPARE(rows()->count(), 2);
    QVERIFY(!child<QWidget>(editor(), "PalNtscSwitch")->isEnabled());
    auto *disk = child<QLineEdit>(panel(), "m_lineEditGT");
    QVERIFY(disk->isReadOnly());
    QCOMPARE(disk->text(), QStringLiteral("8")); // two data drives of 4 TB

    child<QLineEdit>(editor(), "m_lineEditChannelName")->setText(QStringLiteral("Yard"));
    click(editor(), "m_btnAddDevice");
    const SitePlan &plan = m_window->document().plan();
    QCOMPARE(plan.groups.size(), 4);
    QCOMPARE(plan.groups.last().recorder, 2u);
    QCOMPARE(plan.groups.last().groupNumber, 4); // no number of the other recorder's
    QCOMPARE(plan.groups.first().recorder, 1u);
    QCOMPARE(plan.calculation.diskSize, site.calculation.diskSize);

    bar->setCurrent(0);
    QCOMPARE(rows()->count(), 4);
    QVERIFY(child<QWidget>(editor(), "PalNtscSwitch")->isEnabled());
    QVERIFY(!disk->isReadOnly());

    Seen seen;
    answer("btnConfirm", &seen);
    bar->findChild<QAction *>(QStringLiteral("spreadGroupsAction"))->trigger();
    QCOMPARE(seen.title, QStringLiteral("Spread groups"));
    QCOMPARE(m_window->document().plan().recorders.size(), 1); // 16 channels on one 32-channel recorder
    QVERIFY(!verdict->text().startsWith(QLatin1String("B:")));
    QCOMPARE(m_window->document().plan().recorders.first().profile, QStringLiteral("32-channel recorder"));
    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->shortcut() == QKeySequence::Undo)
            action->trigger();
    }
    QCOMPARE(m_window->document().plan().recorders.size(), 2);
}

void TestMainWindow::initTestCase()
{
    QVERIFY(copyFixtureTree(shippedDataDir(), m_data.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(m_data.path());
    // The windows are English, whatever the system's language; the choice
    // that the menu stores goes to a folder of the test.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_work.filePath(QStringLiteral("settings")));
    apt::LanguageChoice::storeChoice(apt::LanguageChoice::English);
    // No user manual here: help ends in the notice.
    QDir::setCurrent(m_work.path());
}

void TestMainWindow::init()
{
    m_window = std::make_unique<LarkspanMainPage>();
    m_window->connectPages();
    m_window->setGeometry(100, 50, 1280, 768);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    // Closing asks; the test is done with the window and drops its changes.
    Seen seen;
    answer(m_window->isPlanModified() ? "btnDontSave" : "btnConfirm", &seen);
    m_window->close();
    m_window.reset();
}

void TestMainWindow::placement_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("atOrigin");

    QTest::newRow("1920 x 1040 scales to 768 high") << QRect(0, 0, 1920, 1040) << QSize(1417, 768) << false;
    QTest::newRow("1366 x 728 filled at the origin") << QRect(0, 0, 1366, 728) << QSize(1366, 728) << true;
    QTest::newRow("1024 x 728 filled at the origin") << QRect(0, 0, 1024, 728) << QSize(1024, 728) << true;
    QTest::newRow("1280 x 984 truncates the width") << QRect(0, 0, 1280, 984) << QSize(999, 768) << false;
    QTest::newRow("exactly 768 high kept") << QRect(0, 0, 1024, 768) << QSize(1024, 768) << false;
    QTest::newRow("task bar at the top counts only its size")
        << QRect(0, 40, 1920, 1040) << QSize(1417, 768) << false;
}

void TestMainWindow::placement()
{
    QFETCH(QRect, available);
    QFETCH(QSize, size);
    QFETCH(bool, atOrigin);

    const MainWindowPlacement placement = mainWindowPlacement(available);
    QCOMPARE(placement.size, size);
    QCOMPARE(placement.moveToOrigin, atOrigin);
}

void TestMainWindow::startsEmptyAndUndimmed()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Larkspan"));
    QCOMPARE(child<QLabel>(*m_window, "m_labelTitle")->text(), QStringLiteral("Larkspan"));
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(child<QLabel>(panel(), "m_labeNullTip")->isVisible());
    QVERIFY(!child<QWidget>(panel(), "m_deviceAddPage")->isVisible());
    QVERIFY(!cover()->isVisible());
    QVERIFY(child<QWidget>(*m_window, "scrollAreaWidgetContents")->isAncestorOf(&editor()));
}

void TestMainWindow::wholeCalculation()
{
    // A fixed-rate group of two 2048 kbps channels: 4096 kbps in all.
    typeInto(child<QLineEdit>(editor(), "m_lineEditChannelName"), "Gate");
    typeInto(child<QLineEdit>(editor(), "m_lineEditChannelCounts"), "2");
    typeInto(child<QLineEdit>(editor(), "m_lineEditScenceRecommandRate"), "2048");
    click(editor(), "m_btnAddDevice");

    QVERIFY(!child<QLabel>(panel(), "m_labeNullTip")->isVisible());
    QCOMPARE(rows()->count(), 1);
    QCOMPARE(plainText(child<QLabel>(panel(), "m_labelByDay")), QStringLiteral("88"));
    QCOMPARE(plainText(child<QLabel>(panel(), "m_labelByWeek")), QStringLiteral("12"));
    QCOMPARE(plainText(child<QLabel>(panel(), "m_labelByMonth")), QStringLiteral("2"));
    QWidget &calculator = *child<QWidget>(panel(), "m_dataCalculatorPage");
    click(calculator, "m_btnOFF");
    QLabel *size = child<QLabel>(panel(), "m_labelDisplaySize");
    QCOMPARE(plainText(size), QStringLiteral("319 GB"));

    // A recommended-rate group of the first scene adds to the total.
    click(editor(), "m_radioButtonVarRate");
    const QString sceneRate = child<QLineEdit>(editor(), "m_lineEditScenceRecommandRate")->text();
    QVERIFY(sceneRate.toInt() > 0);
    typeInto(child<QLineEdit>(editor(), "m_lineEditChannelCounts"), "64");
    click(editor(), "m_btnAddDevice");
    QCOMPARE(rows()->count(), 2);
    QCOMPARE(rowText(1, "m_labelDeviceBitRate"), "Variable Rate : " + sceneRate + " kbps");
    QCOMPARE(rowText(1, "m_labelScenceName"), QStringLiteral("Scene Type : Office"));
    QVERIFY(plainText(size) != QStringLiteral("319 GB"));

    // NTSC moves the fixed group from 25 to 30 frames per second and back.
    click(editor(), "m_btnOFF");
    QCOMPARE(rowText(0, "m_labelDeviceResolution"), QStringLiteral("Frame Rate : 30"));
    click(editor(), "m_btnON");
    QCOMPARE(rowText(0, "m_labelDeviceResolution"), QStringLiteral("Frame Rate : 25"));

    // Deleting the scene group leaves the first group's result.
    QTest::mouseClick(child<QToolButton>(*rows()->itemWidget(rows()->item(1)), "m_btnDelete"),
                      Qt::LeftButton);
    QCOMPARE(rows()->count(), 1);
    QCOMPARE(plainText(size), QStringLiteral("319 GB"));
}

// A plan put on the window shows the figures of each group's recording: the
// results, their ranges, the site's totals and the verdict, as the model
// gives them for the plan.
void TestMainWindow::figuresFollowThePlan_data()
{
    QTest::addColumn<SitePlan>("plan");
    QTest::addColumn<bool>("asTheTotal"); // the result of the total bitrate alone
    QTest::addColumn<QString>("state");

    const SitePlan plan = retentionPlan();
    QTest::newRow("defaults: the figures of the total") << plan << true << "holds";
    SitePlan events = plan;
    events.groups[0].recording.mode = RecordingMode::Events;
    events.groups[0].recording.eventPercent = 30;
    QTest::newRow("events: more days") << events << false << "holds";
    SitePlan month = plan;
    month.calculation.saveTime = 2;
    month.calculation.saveUnit = PeriodUnit::Month;
    QTest::newRow("short of two months") << month << true << "short";
    SitePlan size = plan;
    size.calculation.sizeShown = true;
    QTest::newRow("size shown") << size << true << "holds";
    size.calculation.guaranteedRetention = true;
    QTest::newRow("size for the high bound") << size << false << "holds";
}

void TestMainWindow::figuresFollowThePlan()
{
    QFETCH(SitePlan, plan);
    QFETCH(bool, asTheTotal);
    QFETCH(QString, state);

    const QString path = m_work.filePath(QStringLiteral("figures.larkspan"));
    QString error;
    QVERIFY2(SitePlanFile::write(path, plan, &error), qPrintable(error));
    QVERIFY(m_window->openPlan(path));

    const QVector<RetentionGroup> groups = retentionGroups(plan.groups);
    const PlanCalculation &c = plan.calculation;
    const PlanRetention figures = planRetention(plan);
    double total = 0;
    for (const RetentionGroup &group : groups)
        total += group.channels * group.kbps;
    if (c.sizeShown) {
        const DiskSizeText size =
            diskSizeResult(groups, c.saveTime, c.saveUnit, c.sizeHoursPerDay, c.guaranteedRetention);
        const DiskSizeText ofTotal = diskSizeResult(total, c.saveTime, c.saveUnit, c.sizeHoursPerDay);
        QCOMPARE(plainText(child<QLabel>(panel(), "m_labelDisplaySize")), size.size + ' ' + size.unit);
        QCOMPARE(size.gigabytes == ofTotal.gigabytes, asTheTotal);
        QCOMPARE(size.gigabytes, toDiskSizeResult(figures.shownNeededGB).gigabytes);
        QCOMPARE(child<QLabel>(panel(), "m_labelSizeRange")->text(), RetentionText::size(figures.neededGB));
    } else {
        const RecordTimeText time = recordTimeResult(groups, c.diskSize, c.diskUnit, c.timeHoursPerDay);
        const RecordTimeText ofTotal = recordTimeResult(total, c.diskSize, c.diskUnit, c.timeHoursPerDay);
        QCOMPARE(plainText(child<QLabel>(panel(), "m_labelByDay")), time.day);
        QCOMPARE(time.day == ofTotal.day, asTheTotal);
        QCOMPARE(child<QLabel>(panel(), "m_labelDayRange")->text(), RetentionText::days(figures.diskDays.days));
    }
    QCOMPARE(child<QLabel>(panel(), "m_labelSiteSummary")->text(), RetentionText::summary(figures.totals));
    auto *verdict = child<QLabel>(panel(), "m_labelVerdict");
    QCOMPARE(verdict->text(), RetentionText::verdict(figures.verdict));
    QCOMPARE(verdict->property("verdict").toString(), state);
    QVERIFY(!child<QLabel>(panel(), "m_labelVerdictIcon")->pixmap().isNull());

    // Without groups there is nothing to sum up or judge.
    Seen seen;
    answer("btnConfirm", &seen);
    click(panel(), "m_btnClear");
    QVERIFY(child<QLabel>(panel(), "m_labelSiteSummary")->text().isEmpty());
    QVERIFY(verdict->text().isEmpty());
    QVERIFY(child<QLabel>(panel(), "m_labelDayRange")->text().isEmpty());
}

// The check box is one of the plan's inputs: a step that undo takes back.
void TestMainWindow::guaranteedRetentionIsAStep()
{
    const QString path = m_work.filePath(QStringLiteral("guaranteed.larkspan"));
    QString error;
    SitePlan plan = retentionPlan();
    plan.calculation.sizeShown = true;
    QVERIFY2(SitePlanFile::write(path, plan, &error), qPrintable(error));
    QVERIFY(m_window->openPlan(path));
    auto *size = child<QLabel>(panel(), "m_labelDisplaySize");
    const QString expected = plainText(size);

    auto *guaranteed = child<QCheckBox>(panel(), "m_checkBoxGuaranteed");
    QVERIFY(!guaranteed->isChecked());
    guaranteed->click();
    QVERIFY(m_window->currentPlan().calculation.guaranteedRetention);
    QVERIFY(m_window->isPlanModified());
    const DiskSizeText high = toDiskSizeResult(planRetention(m_window->currentPlan()).neededGB.high);
    QCOMPARE(plainText(size), high.size + ' ' + high.unit);

    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->shortcut() == QKeySequence::Undo)
            action->trigger();
    }
    QVERIFY(!guaranteed->isChecked());
    QVERIFY(!m_window->isPlanModified());
    QCOMPARE(plainText(size), expected);
}

void TestMainWindow::clearAsksFirst_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("rowsLeft");

    QTest::newRow("Cancel keeps the groups") << QByteArray("btnCancel") << 2;
    QTest::newRow("title close keeps the groups") << QByteArray("btnClose") << 2;
    QTest::newRow("Confirm clears the groups") << QByteArray("btnConfirm") << 0;
    QTest::newRow("Return at once keeps the groups") << QByteArray("Return") << 2;
}

void TestMainWindow::clearAsksFirst()
{
    QFETCH(QByteArray, button);
    QFETCH(int, rowsLeft);

    click(editor(), "m_btnAddDevice");
    click(editor(), "m_btnAddDevice");
    Seen seen;
    if (button == "Return") {
        answerNextDialog([&seen, this](QDialog *dialog) {
            seen.text = child<QLabel>(*dialog, "m_labelTip")->text();
            seen.covered = cover()->isVisible();
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
        });
    } else {
        answer(button.constData(), &seen);
    }
    click(panel(), "m_btnClear");

    QCOMPARE(seen.text, QStringLiteral("Clear all the channels?"));
    QVERIFY(seen.covered);
    QVERIFY(!cover()->isVisible());
    QCOMPARE(rows()->count(), rowsLeft);
    QVERIFY(child<QWidget>(panel(), "m_deviceAddPage")->isVisible());
}

void TestMainWindow::coverFollowsTheWindow()
{
    auto *list = qobject_cast<QObject *>(child<QWidget>(panel(), "m_deviceAddPage"));
    QMetaObject::invokeMethod(list, "signalCover");
    QVERIFY(cover()->isVisible());
    m_window->resize(1500, 900);
    QCOMPARE(cover()->geometry(), QRect(0, 0, 1500, 900));
    QMetaObject::invokeMethod(list, "signalDisvocer");
    QVERIFY(!cover()->isVisible());
}

void TestMainWindow::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("help");

    QTest::newRow("F1 asks for help") << int(Qt::Key_F1) << true;
    QTest::newRow("F2 does nothing") << int(Qt::Key_F2) << false;
    QTest::newRow("Escape does nothing") << int(Qt::Key_Escape) << false;
}

void TestMainWindow::keys()
{
    QFETCH(int, key);
    QFETCH(bool, help);

    QSignalSpy helpAsked(m_window.get(), &LarkspanMainPage::signalGetHelp);
    Seen seen;
    if (help)
        answer("btnClose", &seen);
    QTest::keyClick(m_window.get(), Qt::Key(key));

    QCOMPARE(helpAsked.count(), help ? 1 : 0);
    QCOMPARE(seen.text, help ? QStringLiteral("No user manual found.") : QString());
    QCOMPARE(seen.covered, help);
    QVERIFY(!cover()->isVisible());
    QVERIFY(m_window->isVisible());
}

void TestMainWindow::menuOpensLeftOfCursor()
{
    QCursor::setPos(400, 200);
    click(*m_window, "m_btnSystemMenu");
    auto *menu = child<QMenu>(*m_window, "aboutMenu");
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(400 - 149, 200));
    // The plan actions above, the about panel last.
    QVERIFY(qobject_cast<QWidgetAction *>(menu->actions().constLast()));
    menu->close();
}

void TestMainWindow::menuFromTheKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("fromAField"); // the focus in the channel name

    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << true;
    QTest::newRow("Alt+Space") << int(Qt::Key_Space) << int(Qt::AltModifier) << true;
    QTest::newRow("Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier) << false;
}

// The menu opens from the keyboard with an entry active, so that Export
// Report, the recent plans and About have a keyboard path.
void TestMainWindow::menuFromTheKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, fromAField);

    QWidget *target = m_window.get();
    if (fromAField) {
        target = child<QLineEdit>(editor(), "m_lineEditChannelName");
        target->setFocus();
    }
    auto *menu = child<QMenu>(*m_window, "aboutMenu");
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(menu->isVisible());
    QVERIFY(menu->activeAction());
    QCOMPARE(menu->activeAction(), menu->actions().constFirst());
    menu->close();
}

void TestMainWindow::aboutPanelFromTheKeyboard_data()
{
    QTest::addColumn<QList<int>>("keys"); // after F10
    QTest::addColumn<QString>("opened");  // the dialog's title, empty for none

    QTest::newRow("Up reaches the panel, Return: User Help")
        << QList<int>{Qt::Key_Up, Qt::Key_Return} << "Hint";
    QTest::newRow("Space: User Help") << QList<int>{Qt::Key_Up, Qt::Key_Space} << "Hint";
    QTest::newRow("Right, Return: Update Scence")
        << QList<int>{Qt::Key_Up, Qt::Key_Right, Qt::Key_Return} << "Update Data";
    QTest::newRow("Right, Left, Return: User Help")
        << QList<int>{Qt::Key_Up, Qt::Key_Right, Qt::Key_Left, Qt::Key_Return} << "Hint";
    QTest::newRow("Up again leaves the panel: Space presses nothing")
        << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Space} << QString();
}

// The about panel at the foot of the menu has a keyboard path to each of
// its buttons.
void TestMainWindow::aboutPanelFromTheKeyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, opened);

    auto *menu = child<QMenu>(*m_window, "aboutMenu");
    QTest::keyClick(m_window.get(), Qt::Key_F10);
    QVERIFY(menu->isVisible());
    // Without a dialog to answer, one that opened would hang the test until
    // its time limit.
    auto title = std::make_shared<QString>();
    if (!opened.isEmpty()) {
        answerNextDialog([title](QDialog *dialog) {
            *title = dialog->windowTitle();
            dialog->reject();
        });
    }
    for (const int key : keys) {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target && menu->isAncestorOf(target) ? target : static_cast<QWidget *>(menu), Qt::Key(key));
    }
    QTRY_COMPARE(*title, opened);
    menu->close();
}

void TestMainWindow::userHelpClosesMenuAndOpensNotice()
{
    click(*m_window, "m_btnSystemMenu");
    auto *menu = child<QMenu>(*m_window, "aboutMenu");
    QWidget *about = qobject_cast<QWidgetAction *>(menu->actions().constLast())->defaultWidget();
    Seen seen;
    answer("btnClose", &seen);
    click(*about, "aboutbtn1");

    QCOMPARE(seen.text, QStringLiteral("No user manual found."));
    QVERIFY(seen.covered);
    QVERIFY(!menu->isVisible());
    QVERIFY(!cover()->isVisible());
}

void TestMainWindow::languageChoice_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("notice");

    QTest::newRow("Chinese in the English window: kept, until the next start")
        << "languageChinese" << int(apt::LanguageChoice::Chinese)
        << "The language changes when Larkspan starts again.";
    QTest::newRow("English in the English window: kept, nothing to wait for")
        << "languageEnglish" << int(apt::LanguageChoice::English) << QString();
}

void TestMainWindow::languageChoice()
{
    QFETCH(QString, entry);
    QFETCH(int, stored);
    QFETCH(QString, notice);

    click(*m_window, "m_btnSystemMenu");
    auto *menu = child<QMenu>(*m_window, "aboutMenu");
    auto *languages = child<QMenu>(*m_window, "languageMenu");
    QCOMPARE(languages->menuAction()->text(), QStringLiteral("Language"));
    menu->setActiveAction(languages->menuAction());
    QTRY_VERIFY(languages->isVisible());
    QStringList names;
    QStringList checked;
    for (const QAction *action : languages->actions()) {
        names << action->text();
        if (action->isChecked())
            checked << action->text();
    }
    QCOMPARE(names, (QStringList{"English", "中文"}));
    QCOMPARE(checked, QStringList{"English"});

    auto *action = languages->findChild<QAction *>(entry);
    QVERIFY(action);
    // A notice runs its own event loop within the click; the guard ends the
    // timer when none ran.
    QString shown;
    QObject guard;
    QTimer::singleShot(200, &guard, [&shown] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = child<QLabel>(*dialog, "m_labelNULL")->text();
        QTest::mouseClick(child<QAbstractButton>(*dialog, "btnClose"), Qt::LeftButton);
    });
    QTest::mouseClick(languages, Qt::LeftButton, {}, languages->actionGeometry(action).center());

    QCOMPARE(shown, notice);
    QVERIFY(!menu->isVisible());
    QCOMPARE(apt::LanguageChoice::storedChoice(), stored);
    QVERIFY(action->isChecked());
    // The next window starts in the language chosen.
    QCOMPARE(apt::LanguageChoice::startupLanguage(), stored);
    apt::LanguageChoice::storeChoice(apt::LanguageChoice::English);
}

void TestMainWindow::updateDialogRunsDimmed()
{
    // The import writes here, not into the data the window was built from.
    QTemporaryDir target;
    OrvaneGUIToolkit::SetTargetPathOverride(target.path());
    const QString exported = m_work.path() + "/Template.csv";

    click(*m_window, "m_btnSystemMenu");
    auto *menu = child<QMenu>(*m_window, "aboutMenu");
    QWidget *about = qobject_cast<QWidgetAction *>(menu->actions().constLast())->defaultWidget();
    Seen seen;
    QString exportStatus;
    QString importStatus;
    QRect coverDuringResize;
    answerNextDialog([&](QDialog *dialog) {
        seen.title = dialog->windowTitle();
        seen.position = dialog->pos();
        seen.covered = cover()->isVisible();
        m_window->resize(1400, 800);
        coverDuringResize = cover()->geometry();

        answerFileDialog(exported);
        click(*dialog, "m_btnExport");
        exportStatus = child<QLabel>(*dialog, "m_tipText")->text();
        answerFileDialog(exported);
        click(*dialog, "m_btnImport");
        importStatus = child<QLabel>(*dialog, "m_tipText")->text();
        click(*dialog, "btnConfirm");
    });
    click(*about, "aboutbtn2");
    OrvaneGUIToolkit::SetTargetPathOverride(m_data.path());

    QCOMPARE(seen.title, QStringLiteral("Update Data"));
    QVERIFY(!menu->isVisible());
    QVERIFY(seen.covered);
    QCOMPARE(seen.position, QPoint(100 + (1280 - 400) / 2, 50 + (768 - 300) / 2));
    QCOMPARE(coverDuringResize, QRect(0, 0, 1400, 800));
    QCOMPARE(exportStatus, QStringLiteral("Export Success."));
    QCOMPARE(importStatus, QStringLiteral("Import Success, Restart Software to Work.\n"
                                          "Pictures not copied: hospital1.png, hospital2.png"));
    QCOMPARE(readFixture(target.path(), "Scene.csv"), readFixture(m_work.path(), "Template.csv"));
    QVERIFY(QFileInfo(target.path() + "/ScenePicture").isDir());
    QVERIFY(!cover()->isVisible());
}

void TestMainWindow::closing_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Cancel keeps the window") << QByteArray("btnCancel") << false;
    QTest::newRow("title close keeps the window") << QByteArray("btnClose") << false;
    QTest::newRow("Confirm closes the window") << QByteArray("btnConfirm") << true;
}

void TestMainWindow::closing()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, closes);

    Seen seen;
    answer(button.constData(), &seen);
    click(*m_window, "m_btnClose");

    QCOMPARE(seen.title, QStringLiteral("Exit"));
    QCOMPARE(seen.text, QStringLiteral("Exit the Larkspan software?"));
    QCOMPARE(seen.size, QSize(350, 220));
    QCOMPARE(seen.position, QPoint(100 + (1280 - 350) / 2, 50 + (768 - 220) / 2));
    QVERIFY(seen.covered);
    QCOMPARE(m_window->isVisible(), !closes);
    QVERIFY(!cover()->isVisible());
    if (closes)
        m_window->show();
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
