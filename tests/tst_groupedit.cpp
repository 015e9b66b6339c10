#include "calc/recorderbar.h"
#include "data/bitratecalculator.h"
#include "data/sitedocument.h"
#include "data/siteplanfile.h"
#include "device/deviceeditor.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "dialoganswerer.h"
#include "sampleplan.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void replaceText(QLineEdit *field, const QString &typed)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
}

// One step a person takes in the dialog, written "what=value".
void perform(QDialog &dialog, const QString &step)
{
    const QString what = step.section(QLatin1Char('='), 0, 0);
    const QString value = step.section(QLatin1Char('='), 1);
    if (what == QLatin1String("type"))
        child<QComboBox>(dialog, "m_comboBoxDeviceType")->setCurrentIndex(value.toInt());
    else if (what == QLatin1String("frame"))
        child<QComboBox>(dialog, "m_comboxFrameRate")->setCurrentIndex(value.toInt());
    else if (what == QLatin1String("resolution"))
        child<QComboBox>(dialog, "m_comboBoxResolution")->setCurrentText(value);
    else if (what == QLatin1String("programRate"))
        child<DeviceEditor>(dialog, "DeviceEditor")->setScenceRecommandRateText(value);
    else if (what == QLatin1String("count"))
        replaceText(child<QLineEdit>(dialog, "m_lineEditChannelCounts"), value);
    else if (what == QLatin1String("name"))
        replaceText(child<QLineEdit>(dialog, "m_lineEditChannelName"), value);
    else if (what == QLatin1String("mode"))
        child<QComboBox>(dialog, "m_comboBoxRecordingMode")->setCurrentText(value);
    else if (what == QLatin1String("subResolution"))
        child<QComboBox>(dialog, "m_comboBoxSubResolution")->setCurrentText(value);
    else if (what == QLatin1String("subRate"))
        replaceText(child<QLineEdit>(dialog, "m_lineEditSubRate"), value);
    else if (what == QLatin1String("days"))
        replaceText(child<QLineEdit>(dialog, "m_lineEditRetention"), value);
    else if (what == QLatin1String("night"))
        child<QComboBox>(dialog, "m_comboBoxNight")->setCurrentText(value);
    else
        qFatal("unknown step %s", qPrintable(step));
}

void performAll(QDialog &dialog, const QStringList &steps)
{
    for (const QString &step : steps)
        perform(dialog, step);
}

// Ends the dialog the way a person does.
void close(QDialog &dialog, const QString &how)
{
    if (how == QLatin1String("Save"))
        QTest::mouseClick(child<QAbstractButton>(dialog, "btnConfirm"), Qt::LeftButton);
    else if (how == QLatin1String("Return"))
        QTest::keyClick(child<QLineEdit>(dialog, "m_lineEditChannelCounts"), Qt::Key_Return);
    else if (how == QLatin1String("Cancel"))
        QTest::mouseClick(child<QAbstractButton>(dialog, "btnCancel"), Qt::LeftButton);
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(child<QLineEdit>(dialog, "m_lineEditChannelName"), Qt::Key_Escape);
    else if (how == QLatin1String("title close"))
        QTest::mouseClick(child<QAbstractButton>(dialog, "btnClose"), Qt::LeftButton);
    else
        qFatal("unknown way %s", qPrintable(how));
}

// Two groups as the editor adds them: the first records on events for 14
// days under infrared light, the second as groups always have.
SitePlan twoGroups()
{
    SitePlan plan;
    plan.groups = {sampleGroup(QStringLiteral("Gate"), 4, 2048, 1), sampleGroup(QStringLiteral("Hall"), 2, 2048, 2)};
    plan.groups[0].id = 7;
    plan.groups[1].id = 8;
    plan.groups[0].recording.mode = RecordingMode::Events;
    plan.groups[0].recording.eventPercent = 30;
    plan.groups[0].recording.retentionDays = 14;
    plan.groups[0].recording.night = NightScene::Infrared;
    return plan;
}

// The two groups on a site of three recorders: Gate on NVR-1, Hall on NVR-2.
SitePlan threeRecorders()
{
    SitePlan plan = twoGroups();
    for (quint32 id = 1; id <= 3; ++id) {
        plan.recorders.append({id, QStringLiteral("NVR-%1").arg(id), QString(), {32, 256, 4, 16000},
                               {4, 8000, RaidLevel::Raid5}, 0});
    }
    plan.groups[0].recorder = 1;
    plan.groups[1].recorder = 2;
    return plan;
}

// Answers the popup menu that opens while it lives, the way a person would.
class PopupAnswerer final
{
public:
    explicit PopupAnswerer(std::function<void(QMenu *)> answer)
    {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this, answer = std::move(answer)] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu || m_answered)
                return;
            m_answered = true;
            answer(menu);
            // A menu the answer left open would keep the test waiting.
            while (QWidget *open = QApplication::activePopupWidget())
                open->close();
        });
        m_poll.start(20);
    }
    bool answered() const { return m_answered; }

private:
    QTimer m_poll;
    bool m_answered = false;
};

// Opens a row's menu the way named: a right click on one of its labels, the
// menu key (which the window system turns into a context menu event for the
// focused row), or Shift+F10. Where "Move to" opens, chooses its `pick`th
// recorder by keyboard. Returns the recorders offered; `opened` tells
// whether a menu opened at all.
QStringList moveByMenu(QWidget *row, const QString &how, int pick, bool *opened)
{
    QStringList offered;
    PopupAnswerer answerer([&offered, pick](QMenu *menu) {
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Right);
        auto *moveTo = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (moveTo == menu || moveTo->title() != QLatin1String("Move to"))
            return;
        for (const QAction *action : moveTo->actions())
            offered << action->text();
        for (int i = 0; i < pick; ++i)
            QTest::keyClick(moveTo, Qt::Key_Down);
        QTest::keyClick(moveTo, Qt::Key_Return);
    });
    if (how == QLatin1String("right click")) {
        auto *label = child<QLabel>(*row, "m_labelDeviceCounts");
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4), label->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(label, &click);
    } else if (how == QLatin1String("menu key")) {
        row->setFocus();
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), row->mapToGlobal(QPoint()));
        QApplication::sendEvent(row, &key);
    } else {
        row->setFocus();
        QTest::keyClick(row, Qt::Key_F10, Qt::ShiftModifier);
    }
    *opened = answerer.answered();
    return offered;
}

} // namespace

class TestGroupEdit final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsShowTheRecording();
    void opening_data();
    void opening();
    void closing_data();
    void closing();
    void refusedInputKeepsTheDialogOpen_data();
    void refusedInputKeepsTheDialogOpen();
    void moveToMenu_data();
    void moveToMenu();
    void recorderInTheDialog_data();
    void recorderInTheDialog();
    void addedGroupMoves_data();
    void addedGroupMoves();

private:
    void openSite(const SitePlan &plan);
    RecorderBar *bar() const { return m_window->findChild<RecorderBar *>(QStringLiteral("m_recorderBar")); }
    int listed() const { return child<QListWidget>(*m_window, "m_listWidgetDiskData")->count(); }
    void undo();
    QWidget *row(int index) const;
    // Opens group `index` the way named, and has `answer` act in the dialog.
    void edit(int index, const QString &how, std::function<void(QDialog &)> answer);
    void press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers);

    QTemporaryDir m_data;
    QTemporaryDir m_work;
    std::unique_ptr<LarkspanMainPage> m_window;
    SitePlan m_opened;
};

void TestGroupEdit::initTestCase()
{
    QVERIFY(copyFixtureTree(shippedDataDir(), m_data.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(m_data.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_work.filePath(QStringLiteral("settings")));
}

void TestGroupEdit::init()
{
    m_window = std::make_unique<LarkspanMainPage>();
    m_window->connectPages();
    m_window->setGeometry(100, 50, 1280, 768);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    openSite(twoGroups());
}

void TestGroupEdit::openSite(const SitePlan &plan)
{
    const QString path = m_work.filePath(QStringLiteral("site.larkspan"));
    QString error;
    QVERIFY2(SitePlanFile::write(path, plan, &error), qPrintable(error));
    QVERIFY(m_window->openPlan(path));
    m_opened = m_window->currentPlan();
}

void TestGroupEdit::undo()
{
    press(child<QListWidget>(*m_window, "m_listWidgetDiskData"), Qt::Key_Z, Qt::ControlModifier);
}

void TestGroupEdit::cleanup()
{
    answerNextDialog([](QDialog *dialog) {
        QAbstractButton *dontSave = dialog->findChild<QAbstractButton *>(QStringLiteral("btnDontSave"));
        QTest::mouseClick(dontSave ? dontSave : child<QAbstractButton>(*dialog, "btnConfirm"), Qt::LeftButton);
    });
    m_window->close();
    m_window.reset();
}

QWidget *TestGroupEdit::row(int index) const
{
    auto *rows = child<QListWidget>(*m_window, "m_listWidgetDiskData");
    rows->scrollToItem(rows->item(index));
    QCoreApplication::processEvents();
    return rows->itemWidget(rows->item(index));
}

void TestGroupEdit::edit(int index, const QString &how, std::function<void(QDialog &)> answer)
{
    bool answered = false;
    answerNextDialog([&answered, answer](QDialog *dialog) {
        answered = true;
        answer(*dialog);
    });
    QWidget *target = row(index);
    if (how == QLatin1String("double click")) {
        QTest::mouseDClick(child<QLabel>(*target, "m_labelDeviceCounts"), Qt::LeftButton);
    } else if (how == QLatin1String("Enter")) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    } else if (how == QLatin1String("Return")) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
    } else {
        // The pencil shows on the focused row.
        target->setFocus();
        auto *pencil = child<QToolButton>(*target, "m_btnEdit");
        QVERIFY(pencil->isVisible());
        QCOMPARE(pencil->toolTip(), QStringLiteral("Edit group"));
        QTest::mouseClick(pencil, Qt::LeftButton);
    }
    QVERIFY(answered);
}

void TestGroupEdit::press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(target, key, modifiers);
}

// A list at rest looks as it always has: a default group shows nothing more,
// and no row shows its pencil.
void TestGroupEdit::rowsShowTheRecording()
{
    auto *recorded = child<QLabel>(*row(0), "m_labelRecording");
    QVERIFY(recorded->isVisible());
    QCOMPARE(recorded->toolTip(), QStringLiteral("Events 30 % \u00b7 14 day(s) \u00b7 IR night"));
    QVERIFY(!child<QLabel>(*row(1), "m_labelRecording")->isVisible());
    QVERIFY(!child<QToolButton>(*row(1), "m_btnEdit")->isVisible());
}

void TestGroupEdit::opening_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("double click") << "double click";
    QTest::newRow("Enter on the focused row") << "Enter";
    QTest::newRow("Return on the focused row") << "Return";
    QTest::newRow("the pencil") << "pencil";
}

// The dialog shows the group as listed, with the name field ready to type.
void TestGroupEdit::opening()
{
    QFETCH(QString, how);

    QString title;
    QString focus;
    QStringList shown;
    edit(0, how, [&](QDialog &dialog) {
        title = dialog.windowTitle();
        focus = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        shown << child<QLineEdit>(dialog, "m_lineEditChannelName")->text()
              << child<QLineEdit>(dialog, "m_lineEditChannelCounts")->text()
              << child<QLineEdit>(dialog, "m_lineEditScenceRecommandRate")->text()
              << child<QComboBox>(dialog, "m_comboBoxRecordingMode")->currentText()
              << child<QLineEdit>(dialog, "m_lineEditRetention")->text()
              << child<QComboBox>(dialog, "m_comboBoxNight")->currentText();
        QVERIFY(!child<QWidget>(dialog, "m_btnAddDevice")->isVisible());
        QVERIFY(!child<QWidget>(dialog, "PalNtscSwitch")->isVisible());
        QVERIFY(!child<QWidget>(dialog, "m_lineEditSubRate")->isVisible());
        // A site without recorders offers none.
        QVERIFY(!child<QWidget>(dialog, "m_comboBoxRecorder")->isVisible());
        close(dialog, QStringLiteral("Escape"));
    });
    QCOMPARE(title, QStringLiteral("Edit Group"));
    QCOMPARE(focus, QStringLiteral("m_lineEditChannelName"));
    QCOMPARE(shown, (QStringList{"Gate", "4", "2048", "Events", "14", "Infrared"}));
    QVERIFY(m_window->currentPlan() == m_opened);
}

void TestGroupEdit::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("deviceType");

    const QStringList changes{"name=North gate", "count=6", "mode=Dual stream", "subResolution=720P",
                              "days=30", "night=Not set"};
    QTest::newRow("Save") << "Save" << changes << true << int(DeviceIndexIPC);
    QTest::newRow("Return in a field saves") << "Return" << changes << true << int(DeviceIndexIPC);
    QTest::newRow("Save, made a recorder's group: its tables")
        << "Save" << QStringList{"name=North gate", "count=6", "mode=Dual stream", "subResolution=720P", "days=30",
                       "night=Not set", "frame=10", "type=1", "resolution=1080P"} << true << int(DeviceIndexDVR);
    QTest::newRow("Cancel") << "Cancel" << changes << false << 0;
    QTest::newRow("Escape") << "Escape" << changes << false << 0;
    QTest::newRow("the title's close") << "title close" << changes << false << 0;
    QTest::newRow("Save unchanged is no step") << "Save" << QStringList{} << false << 0;
}

// Save replaces the group where it is, with its number and identity, as one
// step that undo takes back whole; any other way out changes nothing.
void TestGroupEdit::closing()
{
    QFETCH(QString, how);
    QFETCH(QStringList, steps);
    QFETCH(bool, saved);
    QFETCH(int, deviceType);

    edit(0, QStringLiteral("double click"), [&](QDialog &dialog) {
        performAll(dialog, steps);
        close(dialog, how);
    });

    const SitePlan after = m_window->currentPlan();
    QCOMPARE(m_window->isPlanModified(), saved);
    if (!saved) {
        QVERIFY(after == m_opened);
        return;
    }
    QCOMPARE(after.groups.size(), 2);
    const PlanGroup &group = after.groups.at(0);
    QCOMPARE(group.name, QStringLiteral("North gate(1)"));
    QCOMPARE(group.groupNumber, 1);
    QCOMPARE(group.id, m_opened.groups.at(0).id);
    QCOMPARE(group.channels, 6);
    QCOMPARE(group.deviceType, deviceType);
    BitrateCalculator table;
    table.setEncoding(QStringLiteral("H.264"));
    // The recorder's group was set to 10 fps, where the two types' rules differ.
    const double fps = deviceType == DeviceIndexIPC ? 25 : 10;
    const auto tableRate = [&table, deviceType, fps](const char *resolution) {
        return double(static_cast<long long>(table.bitrate(deviceType, QLatin1String(resolution), fps)));
    };
    // A group of the same type keeps its agreed rate; another type's table
    // gives the rate anew, as in the editor.
    QCOMPARE(group.kbps, deviceType == DeviceIndexIPC ? 2048.0 : tableRate("1080P"));
    GroupRecording recording{RecordingMode::DualStream, 30, 0, QStringLiteral("720P"), 0,
                             RateControl::Variable, 30, NightScene::NotSet};
    recording.subStreamKbps = tableRate("720P");
    QVERIFY(recording.subStreamKbps > 0);
    QVERIFY(group.recording == recording);
    QVERIFY(after.groups.at(1) == m_opened.groups.at(1));
    // The list and its total follow.
    QCOMPARE(child<QLabel>(*row(0), "m_labelDeviceCounts")->text(), QStringLiteral("Counts : 6"));
    QVERIFY(child<QLabel>(*row(0), "m_labelRecording")->toolTip().startsWith(QLatin1String("Dual stream")));

    QWidget *list = child<QListWidget>(*m_window, "m_listWidgetDiskData");
    press(list, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(m_window->currentPlan() == m_opened);
    QVERIFY(!m_window->isPlanModified());
    QCOMPARE(child<QLabel>(*row(0), "m_labelDeviceCounts")->text(), QStringLiteral("Counts : 4"));
    press(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(m_window->currentPlan() == after);
}

void TestGroupEdit::refusedInputKeepsTheDialogOpen_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("notice");

    const QString noChannels = QStringLiteral("Enter a channel count of at least 1.");
    QTest::newRow("no channel count") << QStringList{"count="} << noChannels;
    QTest::newRow("0 channels") << QStringList{"count=0"} << noChannels;
    QTest::newRow("an unknown rate (a scene gone from the table)")
        << QStringList{"programRate=-1"}
        << "The rate of this group is unknown, so it was not saved. After a scene import, restart the "
           "software first.";
    QTest::newRow("a retention beyond a year")
        << QStringList{"days=400"}
        << "Enter the days to keep the group from 1 to 365, or leave them empty for the site's period.";
    QTest::newRow("a dual stream without a sub-stream rate")
        << QStringList{"mode=Dual stream", "subRate="} << "Enter the sub-stream's rate, from 1 to 204800 kbps.";
}

void TestGroupEdit::refusedInputKeepsTheDialogOpen()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, notice);

    QString shown;
    bool stillOpen = false;
    edit(0, QStringLiteral("pencil"), [&](QDialog &dialog) {
        performAll(dialog, steps);
        answerNextDialog([&shown](QDialog *hint) {
            shown = child<QLabel>(*hint, "m_labelNULL")->text();
            QTest::mouseClick(child<QAbstractButton>(*hint, "btnClose"), Qt::LeftButton);
        });
        close(dialog, QStringLiteral("Save"));
        stillOpen = dialog.isVisible();
        close(dialog, QStringLiteral("Cancel"));
    });
    QCOMPARE(shown, notice);
    QVERIFY(stillOpen);
    QVERIFY(m_window->currentPlan() == m_opened);
}

void TestGroupEdit::moveToMenu_data()
{
    QTest::addColumn<bool>("recorders");
    QTest::addColumn<quint32>("shown");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("listedAfter");

    QTest::newRow("right click, the site shown") << true << 0u << "right click" << 2;
    QTest::newRow("menu key, NVR-1 shown: the group leaves the list") << true << 1u << "menu key" << 0;
    QTest::newRow("Shift+F10") << true << 0u << "Shift+F10" << 2;
    QTest::newRow("no recorders: no menu") << false << 0u << "right click" << 2;
    QTest::newRow("no recorders: no menu from the keyboard") << false << 0u << "Shift+F10" << 2;
}

// A row's menu offers the recorders other than its group's and moves the
// group to the one chosen, as one step; all of it by keyboard.
void TestGroupEdit::moveToMenu()
{
    QFETCH(bool, recorders);
    QFETCH(quint32, shown);
    QFETCH(QString, how);
    QFETCH(int, listedAfter);

    if (recorders)
        openSite(threeRecorders());
    bar()->setCurrent(shown);
    bool opened = false;
    const QStringList offered = moveByMenu(row(0), how, 1, &opened);
    QCOMPARE(opened, recorders);
    QCOMPARE(listed(), listedAfter);
    if (!recorders) {
        QVERIFY(m_window->currentPlan() == m_opened);
        return;
    }
    QCOMPARE(offered, (QStringList{"NVR-2", "NVR-3"}));
    SitePlan moved = m_opened;
    moved.groups[0].recorder = 3;
    QVERIFY(m_window->currentPlan() == moved);
    undo();
    QVERIFY(m_window->currentPlan() == m_opened);
    QCOMPARE(listed(), shown ? 1 : 2);
}

void TestGroupEdit::recorderInTheDialog_data()
{
    QTest::addColumn<quint32>("shown");
    QTest::addColumn<int>("downs"); // Key_Down presses on the recorder list
    QTest::addColumn<quint32>("recorder");
    QTest::addColumn<int>("listedAfter");

    QTest::newRow("the site shown: NVR-3") << 0u << 2 << 3u << 2;
    QTest::newRow("NVR-1 shown: NVR-2, and the group leaves the list") << 1u << 1 << 2u << 0;
    QTest::newRow("its own kept: no step") << 0u << 0 << 1u << 2;
}

// The dialog offers the site's recorders with the group's own chosen; Save
// moves the group with the rest of the edit, as one step.
void TestGroupEdit::recorderInTheDialog()
{
    QFETCH(quint32, shown);
    QFETCH(int, downs);
    QFETCH(quint32, recorder);
    QFETCH(int, listedAfter);

    openSite(threeRecorders());
    bar()->setCurrent(shown);
    QStringList offered;
    edit(0, QStringLiteral("Enter"), [&](QDialog &dialog) {
        auto *recorders = child<QComboBox>(dialog, "m_comboBoxRecorder");
        QVERIFY(recorders->isVisible());
        for (int i = 0; i < recorders->count(); ++i)
            offered << recorders->itemText(i);
        offered << recorders->currentText();
        recorders->setFocus();
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(recorders, Qt::Key_Down);
        close(dialog, QStringLiteral("Save"));
    });
    QCOMPARE(offered, (QStringList{"NVR-1", "NVR-2", "NVR-3", "NVR-1"}));
    SitePlan moved = m_opened;
    moved.groups[0].recorder = recorder;
    QVERIFY(m_window->currentPlan() == moved);
    QCOMPARE(m_window->isPlanModified(), recorder != 1);
    QCOMPARE(listed(), listedAfter);
    if (recorder == 1)
        return;
    undo();
    QVERIFY(m_window->currentPlan() == m_opened);
}

void TestGroupEdit::addedGroupMoves_data()
{
    QTest::addColumn<quint32>("shown");

    QTest::newRow("the site shown") << 0u;
    QTest::newRow("NVR-2 shown") << 2u;
}

// A group just added takes its identity and recorder from the plan; its menu
// moves it, and it stays the group it was.
void TestGroupEdit::addedGroupMoves()
{
    openSite(threeRecorders());
    QFETCH(quint32, shown);
    bar()->setCurrent(shown);
    QWidget *editor = m_window->findChild<QWidget *>(QStringLiteral("DeviceEditor"));
    child<QLineEdit>(*editor, "m_lineEditChannelName")->setText(QStringLiteral("Yard"));
    QTest::mouseClick(child<QAbstractButton>(*editor, "m_btnAddDevice"), Qt::LeftButton);
    const SitePlan added = m_window->currentPlan();
    QCOMPARE(added.groups.size(), 3);
    const PlanGroup yard = added.groups.last();
    QVERIFY(yard.id != 0);
    QCOMPARE(yard.recorder, shown ? shown : 1u);
    // An input changed afterwards changes that input alone.
    auto *hours = child<QSpinBox>(*m_window, "m_spinBoxTime");
    hours->setValue(hours->value() == 12 ? 13 : 12);
    const SitePlan typed = m_window->currentPlan();
    QVERIFY(typed.calculation != added.calculation);
    QVERIFY(typed.groups == added.groups);

    bool opened = false;
    const QStringList offered = moveByMenu(row(listed() - 1), QStringLiteral("Shift+F10"), 0, &opened);
    QVERIFY(opened);
    QCOMPARE(offered, shown ? (QStringList{"NVR-1", "NVR-3"}) : (QStringList{"NVR-2", "NVR-3"}));
    SitePlan moved = typed;
    moved.groups.last().recorder = shown ? 1 : 2;
    QVERIFY(m_window->currentPlan() == moved);
}

QTEST_MAIN(TestGroupEdit)
#include "tst_groupedit.moc"
