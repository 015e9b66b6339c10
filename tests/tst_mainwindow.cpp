#include "app/languagechoice.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "dialoganswerer.h"
#include "filedialoganswerer.h"

#include <QApplication>
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

} // namespace

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
    void clearAsksFirst_data();
    void clearAsksFirst();
    void coverFollowsTheWindow();
    void keys_data();
    void keys();
    void menuOpensLeftOfCursor();
    void userHelpClosesMenuAndOpensNotice();
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

void TestMainWindow::clearAsksFirst_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("rowsLeft");

    QTest::newRow("Cancel keeps the groups") << QByteArray("btnCancel") << 2;
    QTest::newRow("title close keeps the groups") << QByteArray("btnClose") << 2;
    QTest::newRow("Confirm clears the groups") << QByteArray("btnConfirm") << 0;
}

void TestMainWindow::clearAsksFirst()
{
    QFETCH(QByteArray, button);
    QFETCH(int, rowsLeft);

    click(editor(), "m_btnAddDevice");
    click(editor(), "m_btnAddDevice");
    Seen seen;
    answer(button.constData(), &seen);
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
