#include "app/languagechoice.h"
#include "data/sitedocument.h"
#include "data/siteplanfile.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "dialoganswerer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// The window of the job.
QPointer<QWidget> theWindow;

// Every step goes to the widget with the keyboard focus, as keys do. When
// a dialog has closed, a window manager makes its window active again; the
// offscreen platform does not, so the test does it in its place.
QWidget *focus()
{
    if (!QApplication::activeWindow() && !QApplication::activeModalWidget() && theWindow) {
        theWindow->activateWindow();
        if (!QTest::qWaitForWindowActive(theWindow))
            qFatal("the window did not become active again");
    }
    QWidget *widget = QApplication::focusWidget();
    if (!widget)
        qFatal("no widget has the keyboard focus");
    return widget;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focus(), key, modifiers);
}

// Replaces the text of the focused field, as Ctrl+A and typing do.
void retype(const QString &text)
{
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus(), text);
}

// Presses `key` (Tab by default) until the focus is on a widget that
// `wanted` accepts; false after a round without one.
bool moveUntil(const std::function<bool(const QWidget *)> &wanted, Qt::Key key = Qt::Key_Tab)
{
    for (int i = 0; i < 120; ++i) {
        if (wanted(focus()))
            return true;
        press(key);
    }
    return false;
}

// The focus on the widget `name` inside the widget `within`.
auto named(const char *name, const char *within = nullptr)
{
    return [name, within](const QWidget *widget) {
        if (widget->objectName() != QLatin1String(name))
            return false;
        for (const QWidget *parent = widget->parentWidget(); within && parent; parent = parent->parentWidget()) {
            if (parent->objectName() == QLatin1String(within))
                return true;
        }
        return !within;
    };
}

bool isRow(const QWidget *widget)
{
    return widget->inherits("NM_Larkspan::DeviceItemWidget");
}

// The focus on the row of the group named `name`.
auto rowOf(const char *name)
{
    return [name](const QWidget *widget) {
        return isRow(widget) && widget->accessibleName().startsWith(QLatin1String(name));
    };
}

// Answers the next modal dialog with keys only, sent to its focus.
void answerWithKeys(std::function<void()> keys)
{
    answerNextDialog([keys = std::move(keys)](QDialog *dialog) {
        // Keys go to the dialog once the keyboard's focus is in it, which a
        // slow start (a file dialog reading its folder) can hold back after
        // the dialog shows.
        const auto holdsFocus = [dialog] {
            QWidget *widget = QApplication::focusWidget();
            return widget && (widget == dialog || dialog->isAncestorOf(widget));
        };
        for (int i = 0; i < 500 && !holdsFocus(); ++i)
            QTest::qWait(20);
        if (!holdsFocus())
            qFatal("the dialog never took the keyboard");
        keys();
    });
}

// Types `path` into the file dialog's focused name field and presses Return.
void answerFileDialogWithKeys(const QString &path, std::function<void()> then = {})
{
    answerWithKeys([path, then] {
        // The name field's completer lists the folder as it is read, at a
        // time of its own: where its list pops up, it takes the Return.
        if (auto *name = qobject_cast<QLineEdit *>(focus()))
            name->setCompleter(nullptr);
        retype(path);
        press(Qt::Key_Return);
        // The next dialog opens once the file dialog has returned.
        if (then)
            answerWithKeys(then);
    });
}

} // namespace

// A whole job with the keyboard only: every step is a key sent to the
// widget with the focus, and each dialog is answered with keys.
class TestKeyboardJob final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeJob();

private:
    QTemporaryDir m_data;
    QTemporaryDir m_work;
};

void TestKeyboardJob::initTestCase()
{
    QVERIFY(copyFixtureTree(shippedDataDir(), m_data.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(m_data.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_work.filePath(QStringLiteral("settings")));
    apt::LanguageChoice::storeChoice(apt::LanguageChoice::English);
    QDir::setCurrent(m_work.path());
}

void TestKeyboardJob::wholeJob()
{
    LarkspanMainPage window;
    window.connectPages();
    window.setGeometry(0, 0, 1366, 728);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    theWindow = &window;

    // The keyboard starts in the channel name field.
    QCOMPARE(focus()->objectName(), QStringLiteral("m_lineEditChannelName"));

    // Three groups: a name, Tab, a count, Return adds; Shift+Tab goes back.
    const QList<std::pair<QString, QString>> groups = {{"Gate", "4"}, {"Hall", "8"}, {"Yard", "2"}};
    for (const auto &[name, count] : groups) {
        QVERIFY(moveUntil(named("m_lineEditChannelName", "DeviceEditor"), Qt::Key_Backtab));
        retype(name);
        press(Qt::Key_Tab);
        QCOMPARE(focus()->objectName(), QStringLiteral("m_lineEditChannelCounts"));
        retype(count);
        press(Qt::Key_Return);
    }
    QCOMPARE(window.document().plan().groups.size(), 3);

    // One round of Tab from the channel name reads the window as it is
    // laid out: the editor, the list's header and rows, the calculation,
    // the title bar, and round to the editor's frame standard.
    QVERIFY(moveUntil(named("m_lineEditChannelName", "DeviceEditor"), Qt::Key_Backtab));
    QStringList round;
    for (const QWidget *start = focus(); round.size() < 200;) {
        round << (isRow(focus()) ? focus()->accessibleName() : focus()->objectName());
        press(Qt::Key_Tab);
        if (focus() == start)
            break;
    }
    const QStringList reading = {"m_lineEditChannelName", "m_lineEditChannelCounts", "m_btnAddDevice", "m_btnClear",
                                 "Gate(1)", "Hall(2)", "Yard(3)", "m_btnDiskArray", "m_lineEditGT",
                                 "m_btnSystemMenu", "m_btnClose"};
    for (int i = 1; i < reading.size(); ++i)
        QVERIFY2(round.indexOf(reading.at(i - 1)) < round.indexOf(reading.at(i)), qPrintable(round.join(u' ')));
    QCOMPARE(round.mid(round.size() - 2), QStringList({"m_btnON", "m_btnOFF"}));

    // Tab from "+ Add" reaches the list; Return on Hall's row edits it:
    // ten channels, saved with Return.
    QVERIFY(moveUntil(named("m_btnAddDevice")));
    QVERIFY(moveUntil(rowOf("Hall")));
    answerWithKeys([] {
        QVERIFY(moveUntil(named("m_lineEditChannelCounts")));
        retype(QStringLiteral("10"));
        press(Qt::Key_Return);
    });
    press(Qt::Key_Return);
    QCOMPARE(window.document().plan().groups.at(1).channels, 10);
    QVERIFY(rowOf("Hall")(focus())); // the keyboard is back on the edited row

    // NTSC from the editor's switch, with Space.
    QVERIFY(moveUntil(named("m_btnOFF", "PalNtscSwitch")));
    press(Qt::Key_Space);
    QCOMPARE(window.document().plan().frameStandard, int(FrameNTSC));

    // The size page and back to the time page, with Space on the tabs.
    QVERIFY(moveUntil(named("m_btnOFF", "m_topTabBar")));
    press(Qt::Key_Space);
    auto *pages = child<QWidget>(window, "m_tabWidgetSections");
    QVERIFY(child<QWidget>(*pages, "m_tabWidgetSectionsPage2")->isVisible());
    press(Qt::Key_Backtab);
    QCOMPARE(focus()->objectName(), QStringLiteral("m_btnON"));
    press(Qt::Key_Space);
    QVERIFY(child<QWidget>(*pages, "m_tabWidgetSectionsPage1")->isVisible());

    // A disk of 16 TB typed, then the disk array dialog accepted with Return.
    QVERIFY(moveUntil(named("m_lineEditGT")));
    retype(QStringLiteral("16"));
    QCOMPARE(window.document().plan().calculation.diskSize, 16.0);
    QVERIFY(moveUntil(named("m_btnDiskArray"), Qt::Key_Backtab));
    bool arrayAnswered = false;
    answerWithKeys([&arrayAnswered] {
        QVERIFY(moveUntil(named("btnConfirm")));
        press(Qt::Key_Return);
        arrayAnswered = true;
    });
    press(Qt::Key_Space);
    QVERIFY(arrayAnswered);
    const double arrayDisk = window.document().plan().calculation.diskSize;
    QVERIFY(arrayDisk > 0);

    // F10 opens the menu; the arrows walk to "Export Report..." and Return
    // asks for the file, then the notice closes with Escape.
    const QString report = m_work.filePath(QStringLiteral("site.pdf"));
    press(Qt::Key_F10);
    auto *menu = child<QMenu>(window, "aboutMenu");
    QVERIFY(menu->isVisible());
    for (int i = 0; i < 20 && menu->activeAction()->text() != QLatin1String("Export Report..."); ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    QCOMPARE(menu->activeAction()->text(), QStringLiteral("Export Report..."));
    answerFileDialogWithKeys(report, [] { press(Qt::Key_Escape); });
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(QFileInfo(report).size() > 0);
    QVERIFY(!QApplication::activeModalWidget());

    // Delete on Yard's row deletes it, in one step that Undo takes back.
    QVERIFY(moveUntil(rowOf("Yard")));
    press(Qt::Key_Delete);
    QCOMPARE(window.document().plan().groups.size(), 2);
    QVERIFY(isRow(focus())); // on the row above
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.document().plan().groups.size(), 3);
    press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.document().plan().groups.size(), 2);

    // Ctrl+S asks where the new plan goes.
    const QString planPath = m_work.filePath(QStringLiteral("site.larkspan"));
    answerFileDialogWithKeys(planPath);
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window.planPath(), planPath);
    QVERIFY(!window.isPlanModified());

    // What the page shows and what the file holds: Gate's 4 and Hall's 10
    // channels at NTSC's frame rate, on the array's disk.
    QVERIFY(child<QLabel>(window, "m_labelSiteSummary")->text().startsWith(QLatin1String("14 channel")));
    SitePlan saved;
    QString error;
    QVERIFY2(SitePlanFile::read(planPath, &saved, &error), qPrintable(error));
    QCOMPARE(saved.groups.size(), 2);
    QVERIFY(saved.groups.at(0).name.startsWith(QLatin1String("Gate")));
    QCOMPARE(saved.groups.at(0).channels, 4);
    QVERIFY(saved.groups.at(1).name.startsWith(QLatin1String("Hall")));
    QCOMPARE(saved.groups.at(1).channels, 10);
    QCOMPARE(saved.frameStandard, int(FrameNTSC));
    QCOMPARE(saved.groups.at(0).frameRate, QStringLiteral("30"));
    QCOMPARE(saved.calculation.diskSize, arrayDisk);
}

QTEST_MAIN(TestKeyboardJob)
#include "tst_keyboardjob.moc"
