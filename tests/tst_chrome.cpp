#include "aptui/basedialog.h"
#include "aptui/basetitle.h"
#include "aptui/desktopurl.h"
#include "aptui/filenotice.h"
#include "aptui/windowtitle.h"

#include "dialoganswerer.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QAbstractButton *button(QWidget *parent, const char *objectName)
{
    return parent->findChild<QAbstractButton *>(QLatin1String(objectName));
}

QLabel *defaultLabel(aptui::BaseDialog &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("m_labelNULL"));
}

// A frameless top-level window with the main window's title bar.
struct TitledWindow
{
    QWidget window;
    aptui::WindowTitle *title;

    TitledWindow()
        : title(new aptui::WindowTitle(&window))
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(title);
        layout->addStretch();
        window.setGeometry(100, 100, 640, 400);
        window.show();
    }
};

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void titleButtonsFollowFlags();
    void dialogResults_data();
    void dialogResults();
    void confirmWithoutAcceptingKeepsDialogOpen();
    void defaultConnectionsAreNeverDoubled();
    void removedCloseConnectionLeavesDialogOpen();
    void defaultTextForms_data();
    void defaultTextForms();
    void contentWidgetReplacesDefaultText();
    void fixedSizeLeavesRoomForBars();
    void noticesCloseWithReturnAndEscape_data();
    void noticesCloseWithReturnAndEscape();
    void fileNoticeOpensFileOrFolder_data();
    void fileNoticeOpensFileOrFolder();
    void dialogStaysAWindow_data();
    void dialogStaysAWindow();
    void titleMaximisesAndRestores();
    void titleDoubleClickMaximisesAndRestores();
    void dialogTitleDoubleClickFollowsMaximiseButton_data();
    void dialogTitleDoubleClickFollowsMaximiseButton();
    void titleCloseAsksWindowToClose();
    void titleDragMovesWindow();
};

void TestChrome::titleButtonsFollowFlags()
{
    aptui::BaseTitle title(false, true, false, true, false);
    title.show();
    QVERIFY(!button(&title, "btnApp")->isVisible());
    QVERIFY(button(&title, "btnOption")->isVisible());
    QVERIFY(!button(&title, "btnMin")->isEnabled());
    QVERIFY(button(&title, "btnMax")->isEnabled());
    title.setCloseButtonShow(true);
    QVERIFY(button(&title, "btnClose")->isVisible());
    QVERIFY(button(&title, "btnClose")->isEnabled());

    QSignalSpy option(&title, &aptui::BaseTitle::signalOptionButtonClicked);
    QTest::mouseClick(button(&title, "btnOption"), Qt::LeftButton);
    QCOMPARE(option.count(), 1);
}

void TestChrome::dialogResults_data()
{
    QTest::addColumn<QByteArray>("press");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("signal");

    QTest::newRow("Confirm gives 1") << QByteArray("btnConfirm") << 1
                                     << QByteArray(SIGNAL(signalConfirmButtonClicked()));
    QTest::newRow("Cancel gives 0") << QByteArray("btnCancel") << 0
                                    << QByteArray(SIGNAL(signalCancelButtonClicked()));
    QTest::newRow("title close gives 0") << QByteArray("btnClose") << 0
                                         << QByteArray(SIGNAL(signalCloseButtonClicked()));
}

void TestChrome::dialogResults()
{
    QFETCH(QByteArray, press);
    QFETCH(int, result);
    QFETCH(QByteArray, signal);

    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    QSignalSpy spy(&dialog, signal.constData());
    answerNextDialog([press](QDialog *shown) {
        QTest::mouseClick(button(shown, press.constData()), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(spy.count(), 1);
    QVERIFY(!dialog.isVisible());
}

void TestChrome::confirmWithoutAcceptingKeepsDialogOpen()
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    dialog.setEnableDefaultConnections(true, true, true, false, true);
    QSignalSpy confirmed(&dialog, &aptui::BaseDialog::signalConfirmButtonClicked);

    bool stillOpen = false;
    answerNextDialog([&stillOpen](QDialog *shown) {
        QTest::mouseClick(button(shown, "btnConfirm"), Qt::LeftButton);
        stillOpen = shown->isVisible();
        QTest::mouseClick(button(shown, "btnCancel"), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), 0);
    QVERIFY(stillOpen);
    QCOMPARE(confirmed.count(), 1);
}

void TestChrome::defaultConnectionsAreNeverDoubled()
{
    // The maximise connection toggles: made twice, one click would maximise
    // and restore again.
    aptui::BaseDialog dialog(false, false, true, true, true, true, true);
    dialog.setEnableDefaultConnections(true, true, true, true, true);
    dialog.setEnableDefaultConnections(true, true, true, true, true);
    dialog.setGeometry(50, 50, 300, 200);
    dialog.show();
    QTest::mouseClick(button(&dialog, "btnMax"), Qt::LeftButton);
    QVERIFY(OrvaneGUIToolkit::CWidgetSizeFactory::IsMaximized(&dialog));
    QTest::mouseClick(button(&dialog, "btnMax"), Qt::LeftButton);
    QVERIFY(!OrvaneGUIToolkit::CWidgetSizeFactory::IsMaximized(&dialog));
    QCOMPARE(dialog.geometry(), QRect(50, 50, 300, 200));
}

void TestChrome::removedCloseConnectionLeavesDialogOpen()
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    dialog.setEnableDefaultConnections(true, true, false, true, true);
    dialog.show();
    QSignalSpy closeClicked(&dialog, &aptui::BaseDialog::signalCloseButtonClicked);
    QTest::mouseClick(button(&dialog, "btnClose"), Qt::LeftButton);
    QCOMPARE(closeClicked.count(), 1);
    QVERIFY(dialog.isVisible());

    dialog.setEnableDefaultConnections(true, true, true, true, true);
    QTest::mouseClick(button(&dialog, "btnClose"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void TestChrome::defaultTextForms_data()
{
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << -1 << false << QStringLiteral("Saved.");
    QTest::newRow("12 pt") << 12 << false
                           << QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                                             "font-size:12pt;\">Saved.</span></p></body></html>");
    QTest::newRow("12 pt bold") << 12 << true
                                << QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                                                  "font-size:12pt; font-weight:600;\">Saved.</span></p>"
                                                  "</body></html>");
}

void TestChrome::defaultTextForms()
{
    QFETCH(int, fontSize);
    QFETCH(bool, bold);
    QFETCH(QString, expected);

    aptui::BaseDialog dialog(false, false, false, false, true, false, false);
    if (fontSize < 0)
        dialog.setDefaultText(QStringLiteral("Saved."));
    else
        dialog.setDefaultText(QStringLiteral("Saved."), fontSize, bold);
    QCOMPARE(defaultLabel(dialog)->text(), expected);
    QVERIFY(defaultLabel(dialog)->alignment() & Qt::AlignHCenter);
    QVERIFY(defaultLabel(dialog)->wordWrap());
}

void TestChrome::contentWidgetReplacesDefaultText()
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    auto *content = new QLabel(QStringLiteral("mine"));
    dialog.setContentWidget(content);
    QVERIFY(!defaultLabel(dialog));
    dialog.setDefaultText(QStringLiteral("ignored"));
    dialog.setDefaultText(QStringLiteral("ignored"), 12, true);
    QCOMPARE(content->text(), QStringLiteral("mine"));
    QCOMPARE(content->parentWidget(), dialog.findChild<QWidget *>(QStringLiteral("mainBorder")));
}

void TestChrome::fixedSizeLeavesRoomForBars()
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    dialog.setDialogFixedSize(400, 300);
    QCOMPARE(dialog.minimumSize(), QSize(400, 300));
    QCOMPARE(dialog.maximumSize(), QSize(400, 300));

    auto *border = dialog.findChild<QWidget *>(QStringLiteral("mainBorder"));
    auto *title = dialog.findChild<aptui::BaseTitle *>();
    auto *bottom = dialog.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"));
    dialog.show();
    QCOMPARE(title->height() + border->height() + bottom->height(), 300);
    QCOMPARE(border->width(), 400);

    // A hidden bottom bar still counts: the content area keeps its height.
    const int content = border->height();
    dialog.setBottomVisible(false);
    dialog.setDialogFixedSize(400, 300);
    QCOMPARE(border->maximumHeight(), content);
}

void TestChrome::noticesCloseWithReturnAndEscape_data()
{
    QTest::addColumn<QString>("dialog"); // "notice", "file notice" or "question"
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("result"); // of exec(); -1: still open

    const int none = Qt::NoModifier;
    QTest::newRow("notice, Return") << "notice" << int(Qt::Key_Return) << none << 0;
    QTest::newRow("notice, keypad Enter") << "notice" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 0;
    QTest::newRow("notice, Escape") << "notice" << int(Qt::Key_Escape) << none << 0;
    QTest::newRow("notice, Ctrl+Return is no answer") << "notice" << int(Qt::Key_Return)
                                                      << int(Qt::ControlModifier) << -1;
    QTest::newRow("file notice, Return while Open has the focus")
        << "file notice" << int(Qt::Key_Return) << none << 0;
    QTest::newRow("file notice, Escape") << "file notice" << int(Qt::Key_Escape) << none << 0;
    QTest::newRow("question: Return is left to Confirm") << "question" << int(Qt::Key_Return) << none << 1;
}

void TestChrome::noticesCloseWithReturnAndEscape()
{
    QFETCH(QString, dialog);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, result);

    QList<QUrl> opened;
    aptui::setDesktopUrlOpenerForTesting([&opened](const QUrl &url) {
        opened.append(url);
        return true;
    });
    int answered = -2;
    answerNextDialog([&](QDialog *shown) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : shown;
        if (auto *open = shown->findChild<QPushButton *>(QStringLiteral("btnOpenFile"))) {
            open->setFocus();
            target = open;
        }
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        answered = shown->isVisible() ? -1 : shown->result();
        if (shown->isVisible())
            shown->done(5);
    });
    if (dialog == QLatin1String("notice")) {
        aptui::execNotice(QStringLiteral("Hint"), QStringLiteral("Saved."));
    } else if (dialog == QLatin1String("file notice")) {
        aptui::FileNotice notice(QStringLiteral("Hint"), QStringLiteral("Saved."), QStringLiteral("/tmp/a.pdf"),
                                 aptui::FileNotice::OpenFileButton | aptui::FileNotice::OpenFolderButton);
        notice.exec();
    } else {
        aptui::BaseDialog question(false, false, false, false, true, true, true);
        question.exec();
    }
    aptui::setDesktopUrlOpenerForTesting({});

    QCOMPARE(answered, result);
    QCOMPARE(opened, QList<QUrl>());
}

void TestChrome::fileNoticeOpensFileOrFolder_data()
{
    QTest::addColumn<QByteArray>("press");
    QTest::addColumn<bool>("desktopOpens");
    QTest::addColumn<QString>("asked"); // the path the desktop is asked to open
    QTest::addColumn<QString>("text");  // the notice's text afterwards; empty: it closed

    const QString file = QStringLiteral("/srv/reports/Riverside Depot.pdf");
    QTest::newRow("Open opens the file and closes") << QByteArray("btnOpenFile") << true << file << QString();
    QTest::newRow("Open Folder opens its folder and closes")
        << QByteArray("btnOpenFolder") << true << "/srv/reports" << QString();
    QTest::newRow("nothing opens the file: the notice stays and says so")
        << QByteArray("btnOpenFile") << false << file << "Saved.\nNo program could open the file.";
    QTest::newRow("nothing opens the folder: the notice stays and says so")
        << QByteArray("btnOpenFolder") << false << "/srv/reports" << "Saved.\nNo program could open the folder.";
}

void TestChrome::fileNoticeOpensFileOrFolder()
{
    QFETCH(QByteArray, press);
    QFETCH(bool, desktopOpens);
    QFETCH(QString, asked);
    QFETCH(QString, text);

    QList<QUrl> opened;
    aptui::setDesktopUrlOpenerForTesting([&](const QUrl &url) {
        opened.append(url);
        return desktopOpens;
    });
    aptui::FileNotice notice(QStringLiteral("Hint"), QStringLiteral("Saved."),
                             QStringLiteral("/srv/reports/Riverside Depot.pdf"),
                             aptui::FileNotice::OpenFileButton | aptui::FileNotice::OpenFolderButton);
    notice.show();
    QTest::mouseClick(button(&notice, press.constData()), Qt::LeftButton);
    aptui::setDesktopUrlOpenerForTesting({});

    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(asked)});
    QCOMPARE(notice.isVisible(), !text.isEmpty());
    if (!text.isEmpty())
        QCOMPARE(defaultLabel(notice)->text(), text);
    QCOMPARE(notice.objectName(), QStringLiteral("APP_WARNINGDLG"));
}

void TestChrome::dialogStaysAWindow_data()
{
    QTest::addColumn<bool>("parented");
    QTest::newRow("without parent") << false;
    QTest::newRow("with a parent") << true;
}

void TestChrome::dialogStaysAWindow()
{
    QFETCH(bool, parented);
    QWidget owner;
    aptui::BaseDialog dialog(false, false, false, false, true, true, true, parented ? &owner : nullptr);
    // A frameless dialog must still be its own window, never a child painted
    // inside its parent.
    QVERIFY(dialog.isWindow());
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog.windowType() == Qt::Dialog, parented);
}

void TestChrome::titleMaximisesAndRestores()
{
    TitledWindow titled;
    QVERIFY(QTest::qWaitForWindowExposed(&titled.window));
    const QRect normal = titled.window.geometry();

    QTest::mouseClick(button(titled.title, "m_btnMaximize"), Qt::LeftButton);
    // The click is handled first; the window changes afterwards.
    QTRY_VERIFY(button(titled.title, "m_btnResore"));
    QVERIFY(!button(titled.title, "m_btnMaximize"));
    QVERIFY(OrvaneGUIToolkit::CWidgetSizeFactory::IsMaximized(&titled.window));

    QTest::mouseClick(button(titled.title, "m_btnResore"), Qt::LeftButton);
    QTRY_VERIFY(button(titled.title, "m_btnMaximize"));
    QVERIFY(!OrvaneGUIToolkit::CWidgetSizeFactory::IsMaximized(&titled.window));
    QTRY_COMPARE(titled.window.geometry(), normal);
}

void TestChrome::titleDoubleClickMaximisesAndRestores()
{
    TitledWindow titled;
    QVERIFY(QTest::qWaitForWindowExposed(&titled.window));
    QSignalSpy changed(titled.title, &OrvaneGUIToolkit::CFancyTitle::SignalWndSizeStatusChanged);

    QTest::mouseDClick(titled.title, Qt::LeftButton, {}, QPoint(200, 10));
    QVERIFY(button(titled.title, "m_btnResore"));
    QCOMPARE(changed.count(), 1);

    QTest::mouseDClick(titled.title, Qt::RightButton, {}, QPoint(200, 10));
    QVERIFY(button(titled.title, "m_btnResore"));

    QTest::mouseDClick(titled.title, Qt::LeftButton, {}, QPoint(200, 10));
    QVERIFY(button(titled.title, "m_btnMaximize"));
    QCOMPARE(changed.count(), 2);
}

void TestChrome::dialogTitleDoubleClickFollowsMaximiseButton_data()
{
    QTest::addColumn<bool>("maxButton");
    QTest::newRow("no maximise button: the size stays") << false;
    QTest::newRow("maximise button: the dialog maximises") << true;
}

void TestChrome::dialogTitleDoubleClickFollowsMaximiseButton()
{
    QFETCH(bool, maxButton);

    aptui::BaseDialog dialog(false, false, false, maxButton, true, true, true);
    dialog.setGeometry(100, 100, 350, 220);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseDClick(dialog.findChild<aptui::BaseTitle *>(), Qt::LeftButton, {}, QPoint(100, 10));

    QCOMPARE(dialog.size() != QSize(350, 220), maxButton);
    QCOMPARE(OrvaneGUIToolkit::CWidgetSizeFactory::IsMaximized(&dialog), maxButton);
}

void TestChrome::titleCloseAsksWindowToClose()
{
    TitledWindow titled;
    QSignalSpy closing(titled.title, &aptui::WindowTitle::signalCloseApp);
    QTest::mouseClick(button(titled.title, "m_btnClose"), Qt::LeftButton);
    QVERIFY(!titled.window.isVisible());
    QCOMPARE(closing.count(), 1);
}

void TestChrome::titleDragMovesWindow()
{
    TitledWindow titled;
    QVERIFY(QTest::qWaitForWindowExposed(&titled.window));
    const QPoint start = titled.window.pos();

    QTest::mousePress(titled.title, Qt::LeftButton, {}, QPoint(300, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(340, 30), titled.title->mapToGlobal(QPointF(340, 30)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(titled.title, &move);
    QTest::mouseRelease(titled.title, Qt::LeftButton, {}, QPoint(340, 30));

    QCOMPARE(titled.window.pos(), start + QPoint(40, 20));
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
