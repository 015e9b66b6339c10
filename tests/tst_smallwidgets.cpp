#include "aptui/coverwidget.h"
#include "aptui/focusmark.h"
#include "aptui/label.h"
#include "aptui/lineeditinterger.h"
#include "aptui/menu.h"
#include "aptui/switch.h"
#include "aptui/tipdialog.h"
#include "aptui/widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Records the switch's four signals in the order they come.
struct SwitchLog
{
    explicit SwitchLog(aptui::Switch *sw)
    {
        QObject::connect(sw, &aptui::Switch::checkedChanged, sw,
                         [this](const QString &state) { entries << QStringLiteral("checkedChanged(%1)").arg(state); });
        QObject::connect(sw, &aptui::Switch::signalSwitch, sw, [this](bool on) {
            entries << QStringLiteral("signalSwitch(%1)").arg(on ? "true" : "false");
        });
        QObject::connect(sw, &aptui::Switch::signalON, sw, [this] { entries << QStringLiteral("signalON"); });
        QObject::connect(sw, &aptui::Switch::signalOFF, sw, [this] { entries << QStringLiteral("signalOFF"); });
    }
    QStringList entries;
};

const QStringList kSwitchedOn{"checkedChanged(ON)", "signalSwitch(true)", "signalON"};
const QStringList kSwitchedOff{"checkedChanged(OFF)", "signalSwitch(false)", "signalOFF"};

QPushButton *switchButton(const aptui::Switch &sw, const char *name)
{
    return sw.findChild<QPushButton *>(QLatin1String(name));
}

std::unique_ptr<QWidget> makeWidget(const QString &className)
{
    if (className == QLatin1String("aptui::Switch"))
        return std::make_unique<aptui::Switch>();
    if (className == QLatin1String("aptui::Widget"))
        return std::make_unique<aptui::Widget>();
    if (className == QLatin1String("aptui::CoverWidget"))
        return std::make_unique<aptui::CoverWidget>();
    if (className == QLatin1String("aptui::Label"))
        return std::make_unique<aptui::Label>(QStringLiteral("text"));
    if (className == QLatin1String("aptui::LineEditInterger"))
        return std::make_unique<aptui::LineEditInterger>();
    return nullptr;
}

void sendPointerEvent(QWidget *widget, const QString &kind)
{
    const QPointF at(5, 5);
    if (kind == QLatin1String("press") || kind == QLatin1String("double click")) {
        const auto type = kind == QLatin1String("press") ? QEvent::MouseButtonPress : QEvent::MouseButtonDblClick;
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    } else if (kind == QLatin1String("enter")) {
        QEnterEvent event(at, at, widget->mapToGlobal(at));
        QCoreApplication::sendEvent(widget, &event);
    } else {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &event);
    }
}

// Runs `dialog` modally and answers it from the event loop by clicking the
// button `buttonName`; a dialog that is still open after five seconds is
// rejected so that the test cannot hang.
int execAndClick(QDialog &dialog, const QString &buttonName)
{
    QTimer::singleShot(0, &dialog, [&dialog, buttonName] {
        auto *button = dialog.findChild<QAbstractButton *>(buttonName);
        if (button && QApplication::activeModalWidget() == &dialog)
            QTest::mouseClick(button, Qt::LeftButton);
    });
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.exec();
}

} // namespace

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void typeSelectorsReachEachClass_data();
    void typeSelectorsReachEachClass();

    void switchStartsAsConstructed_data();
    void switchStartsAsConstructed();
    void switchWritingCheckedProperty_data();
    void switchWritingCheckedProperty();
    void switchPressingButtons_data();
    void switchPressingButtons();
    void switchSlotsAndSetters();
    void switchRestylesOnChange();
    void switchButtonsFollowItsHeight();

    void pointerSignals_data();
    void pointerSignals();
    void widgetPaintsStyleSheetBackground();
    void coverFillsItself();
    void labelJoinsTextAndPunctuation_data();
    void labelJoinsTextAndPunctuation();

    void menuDeclinesSystemShadow();
    void menuSubmenusAreOfItsKind();

    void tipDialogResult_data();
    void tipDialogResult();
    void tipDialogContent();
    void tipDialogTextStaysCentred();

    void focusMarkFollowsTheKeyboard_data();
    void focusMarkFollowsTheKeyboard();
};

void TestSmallWidgets::typeSelectorsReachEachClass_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("Switch") << "aptui::Switch";
    QTest::newRow("Widget") << "aptui::Widget";
    QTest::newRow("CoverWidget") << "aptui::CoverWidget";
    QTest::newRow("Label") << "aptui::Label";
    QTest::newRow("LineEditInterger") << "aptui::LineEditInterger";
}

void TestSmallWidgets::typeSelectorsReachEachClass()
{
    QFETCH(QString, className);
    const std::unique_ptr<QWidget> widget = makeWidget(className);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);

    // Style sheets name the class with "--" for "::".
    QString selector = className;
    selector.replace(QLatin1String("::"), QLatin1String("--"));
    widget->setStyleSheet(selector + QStringLiteral(" { color: #123456; }"));
    widget->ensurePolished();
    QCOMPARE(widget->palette().color(QPalette::WindowText), QColor(0x12, 0x34, 0x56));
}

void TestSmallWidgets::switchStartsAsConstructed_data()
{
    QTest::addColumn<bool>("useDefault");
    QTest::addColumn<bool>("on");
    QTest::newRow("form constructor starts ON") << true << true;
    QTest::newRow("constructed ON") << false << true;
    QTest::newRow("constructed OFF shows OFF") << false << false;
}

void TestSmallWidgets::switchStartsAsConstructed()
{
    QFETCH(bool, useDefault);
    QFETCH(bool, on);
    const auto sw = useDefault ? std::make_unique<aptui::Switch>() : std::make_unique<aptui::Switch>(on);
    QCOMPARE(sw->objectName(), QStringLiteral("Switcher"));
    QCOMPARE(sw->size(), QSize(150, 23));
    QCOMPARE(sw->property("checked").toString(), on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    QCOMPARE(switchButton(*sw, "m_btnON")->isChecked(), on);
    QCOMPARE(switchButton(*sw, "m_btnOFF")->isChecked(), !on);
    QCOMPARE(switchButton(*sw, "m_btnON")->text(), QStringLiteral("ON"));
    QCOMPARE(switchButton(*sw, "m_btnOFF")->text(), QStringLiteral("OFF"));
}

void TestSmallWidgets::switchWritingCheckedProperty_data()
{
    QTest::addColumn<bool>("startOn");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("expectedLog");

    QTest::newRow("lower-case on switches ON") << false << "on" << kSwitchedOn;
    QTest::newRow("mixed-case On switches ON") << false << "On" << kSwitchedOn;
    QTest::newRow("ON on an ON switch emits nothing") << true << "ON" << QStringList();
    QTest::newRow("OFF switches OFF") << true << "OFF" << kSwitchedOff;
    QTest::newRow("any other text switches OFF") << true << "yes" << kSwitchedOff;
    QTest::newRow("empty text switches OFF") << true << "" << kSwitchedOff;
    QTest::newRow("ON with a space is not ON") << true << "ON " << kSwitchedOff;
    QTest::newRow("off on an OFF switch emits nothing") << false << "off" << QStringList();
}

void TestSmallWidgets::switchWritingCheckedProperty()
{
    QFETCH(bool, startOn);
    QFETCH(QString, written);
    QFETCH(QStringList, expectedLog);

    aptui::Switch sw(startOn);
    SwitchLog log(&sw);
    QVERIFY(sw.setProperty("checked", written));
    QCOMPARE(log.entries, expectedLog);

    const bool on = written.toUpper() == QLatin1String("ON");
    QCOMPARE(sw.property("checked").toString(), on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    QCOMPARE(switchButton(sw, "m_btnON")->isChecked(), on);
    QCOMPARE(switchButton(sw, "m_btnOFF")->isChecked(), !on);
}

void TestSmallWidgets::switchPressingButtons_data()
{
    QTest::addColumn<bool>("startOn");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<bool>("endsOn");

    QTest::newRow("OFF on an ON switch") << true << "m_btnOFF" << kSwitchedOff << false;
    QTest::newRow("ON on an OFF switch") << false << "m_btnON" << kSwitchedOn << true;
    QTest::newRow("the selected ON again") << true << "m_btnON" << QStringList() << true;
    QTest::newRow("the selected OFF again") << false << "m_btnOFF" << QStringList() << false;
}

void TestSmallWidgets::switchPressingButtons()
{
    QFETCH(bool, startOn);
    QFETCH(QString, pressed);
    QFETCH(QStringList, expectedLog);
    QFETCH(bool, endsOn);

    aptui::Switch sw(startOn);
    sw.show();
    SwitchLog log(&sw);
    QTest::mouseClick(sw.findChild<QPushButton *>(pressed), Qt::LeftButton);
    QCOMPARE(log.entries, expectedLog);
    QCOMPARE(sw.isOn(), endsOn);
    // A click on the selected side unchecks it for a moment; it must end checked.
    QCOMPARE(switchButton(sw, "m_btnON")->isChecked(), endsOn);
    QCOMPARE(switchButton(sw, "m_btnOFF")->isChecked(), !endsOn);
}

void TestSmallWidgets::switchSlotsAndSetters()
{
    aptui::Switch sw;
    SwitchLog log(&sw);
    sw.setSwitch(true);
    QCOMPARE(log.entries, QStringList());
    QVERIFY(switchButton(sw, "m_btnON")->isChecked());

    sw.switchOff();
    QCOMPARE(log.entries, kSwitchedOff);
    log.entries.clear();
    sw.switchOff();
    QCOMPARE(log.entries, QStringList());
    sw.switchOn();
    QCOMPARE(log.entries, kSwitchedOn);

    sw.setOnText(QStringLiteral("PAL"));
    sw.setOffText(QStringLiteral("NTSC"));
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::red);
    sw.setOnIcon(QIcon(pixmap), 24);
    sw.setOffIcon(QIcon(pixmap), 16);
    QCOMPARE(switchButton(sw, "m_btnON")->text(), QStringLiteral("PAL"));
    QCOMPARE(switchButton(sw, "m_btnOFF")->text(), QStringLiteral("NTSC"));
    QCOMPARE(switchButton(sw, "m_btnON")->iconSize(), QSize(24, 24));
    QCOMPARE(switchButton(sw, "m_btnOFF")->iconSize(), QSize(16, 16));
    QVERIFY(!switchButton(sw, "m_btnOFF")->icon().isNull());
}

void TestSmallWidgets::switchRestylesOnChange()
{
    aptui::Switch sw;
    sw.setStyleSheet(QStringLiteral("aptui--Switch[checked=\"ON\"] QPushButton { color: #00aa00; }"
                                    "aptui--Switch[checked=\"OFF\"] QPushButton { color: #aa0000; }"));
    sw.show();
    QPushButton *on = switchButton(sw, "m_btnON");
    QCOMPARE(on->palette().color(QPalette::ButtonText), QColor(0x00, 0xaa, 0x00));

    QTest::mouseClick(switchButton(sw, "m_btnOFF"), Qt::LeftButton);
    QCOMPARE(on->palette().color(QPalette::ButtonText), QColor(0xaa, 0x00, 0x00));

    sw.setProperty("checked", QStringLiteral("on"));
    QCOMPARE(on->palette().color(QPalette::ButtonText), QColor(0x00, 0xaa, 0x00));
}

void TestSmallWidgets::switchButtonsFollowItsHeight()
{
    aptui::Switch sw;
    sw.show();
    sw.resize(200, 35);
    QCoreApplication::processEvents();
    QCOMPARE(switchButton(sw, "m_btnON")->height(), 35);
    QCOMPARE(switchButton(sw, "m_btnOFF")->height(), 35);
    QCOMPARE(switchButton(sw, "m_btnOFF")->maximumHeight(), 35);
}

void TestSmallWidgets::pointerSignals_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QByteArray>("signal");

    QTest::newRow("Widget: press") << "aptui::Widget" << "press" << QByteArray(SIGNAL(signalMouseClicked()));
    QTest::newRow("Widget: double click") << "aptui::Widget" << "double click"
                                          << QByteArray(SIGNAL(signalDoubleClicked()));
    QTest::newRow("Widget: enter") << "aptui::Widget" << "enter" << QByteArray(SIGNAL(signalMouseEnter()));
    QTest::newRow("Widget: leave") << "aptui::Widget" << "leave" << QByteArray(SIGNAL(signalMouseLeave()));
    QTest::newRow("Cover: press") << "aptui::CoverWidget" << "press" << QByteArray(SIGNAL(signalMouseClicked()));
    QTest::newRow("Label: press") << "aptui::Label" << "press" << QByteArray(SIGNAL(SignalMouseClicked()));
    QTest::newRow("Label: double click") << "aptui::Label" << "double click"
                                         << QByteArray(SIGNAL(SignalDoubleClicked()));
    QTest::newRow("Label: enter") << "aptui::Label" << "enter" << QByteArray(SIGNAL(SignalMouseEnter()));
    QTest::newRow("Label: leave") << "aptui::Label" << "leave" << QByteArray(SIGNAL(SignalMouseLeave()));
}

void TestSmallWidgets::pointerSignals()
{
    QFETCH(QString, className);
    QFETCH(QString, event);
    QFETCH(QByteArray, signal);

    const std::unique_ptr<QWidget> widget = makeWidget(className);
    QVERIFY(widget);
    widget->resize(40, 20);
    widget->show();

    // Every pointer signal of the class, so that only the expected one fires.
    const QList<QByteArray> all = className == QLatin1String("aptui::Label")
        ? QList<QByteArray>{SIGNAL(SignalMouseClicked()), SIGNAL(SignalDoubleClicked()),
                            SIGNAL(SignalMouseEnter()), SIGNAL(SignalMouseLeave())}
        : QList<QByteArray>{SIGNAL(signalMouseClicked()), SIGNAL(signalDoubleClicked()),
                            SIGNAL(signalMouseEnter()), SIGNAL(signalMouseLeave())};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const QByteArray &name : all)
        spies.push_back(std::make_unique<QSignalSpy>(widget.get(), name.constData()));

    sendPointerEvent(widget.get(), event);
    for (int i = 0; i < all.size(); ++i)
        QCOMPARE(spies[std::size_t(i)]->count(), all.at(i) == signal ? 1 : 0);
}

void TestSmallWidgets::widgetPaintsStyleSheetBackground()
{
    aptui::Widget widget;
    widget.setStyleSheet(QStringLiteral("aptui--Widget { background-color: #00ff00; }"));
    widget.resize(20, 20);
    const QImage image = widget.grab().toImage();
    QCOMPARE(image.pixelColor(10, 10), QColor(0x00, 0xff, 0x00));
}

void TestSmallWidgets::coverFillsItself()
{
    aptui::CoverWidget cover;
    QVERIFY(cover.testAttribute(Qt::WA_TranslucentBackground));
    cover.resize(300, 200);
    cover.show();
    QCoreApplication::processEvents();
    const auto *inner = cover.findChild<QWidget *>(QStringLiteral("m_cover"));
    QVERIFY(inner);
    QCOMPARE(inner->geometry(), cover.rect());
}

void TestSmallWidgets::labelJoinsTextAndPunctuation_data()
{
    QTest::addColumn<QString>("constructedWith");
    QTest::addColumn<QString>("strText");
    QTest::addColumn<QString>("strPunctuation");
    QTest::addColumn<QString>("shown");

    QTest::newRow("name and colon") << "" << "Name" << ":" << "Name:";
    QTest::newRow("punctuation only, text from the constructor") << "Channels" << QString() << "?" << "Channels?";
    QTest::newRow("text only") << "" << "Bitrate" << QString() << "Bitrate";
}

void TestSmallWidgets::labelJoinsTextAndPunctuation()
{
    QFETCH(QString, constructedWith);
    QFETCH(QString, strText);
    QFETCH(QString, strPunctuation);
    QFETCH(QString, shown);

    aptui::Label label(constructedWith);
    QCOMPARE(label.property("strText").toString(), constructedWith);
    // Punctuation first, so that setting the text afterwards must keep it.
    if (!strPunctuation.isNull())
        label.setProperty("strPunctuation", strPunctuation);
    if (!strText.isNull())
        label.setProperty("strText", strText);
    QCOMPARE(label.text(), shown);
}

void TestSmallWidgets::menuDeclinesSystemShadow()
{
    aptui::Menu menu(QStringLiteral("About"));
    QCOMPARE(QString::fromLatin1(menu.metaObject()->className()), QStringLiteral("aptui::Menu"));
    QCOMPARE(menu.objectName(), QStringLiteral("Menu"));
    QCOMPARE(menu.title(), QStringLiteral("About"));
    QVERIFY(menu.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(menu.windowType(), Qt::Popup);
    QVERIFY(menu.windowFlags().testFlag(Qt::FramelessWindowHint));

    menu.addAction(QStringLiteral("Help"));
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QVERIFY(menu.windowHandle());
#ifndef Q_OS_WIN
    QVERIFY(menu.windowHandle()->flags().testFlag(Qt::NoDropShadowWindowHint));
#endif
    QVERIFY(menu.windowHandle()->flags().testFlag(Qt::FramelessWindowHint));
    menu.close();
}

void TestSmallWidgets::menuSubmenusAreOfItsKind()
{
    aptui::Menu menu;
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::blue);

    aptui::Menu *plain = menu.addMenu(QStringLiteral("Language"));
    aptui::Menu *withIcon = menu.addMenu(QIcon(pixmap), QStringLiteral("Skin"));
    QMenu foreign(QStringLiteral("Other"));
    QAction *foreignAction = menu.addMenu(&foreign);

    QCOMPARE(plain->parent(), &menu);
    QCOMPARE(plain->title(), QStringLiteral("Language"));
    QCOMPARE(withIcon->title(), QStringLiteral("Skin"));
    QVERIFY(!withIcon->icon().isNull());
    QCOMPARE(menu.actions(), (QList<QAction *>{plain->menuAction(), withIcon->menuAction(), foreignAction}));
    QCOMPARE(foreignAction->menu(), &foreign);
    QCOMPARE(withIcon->objectName(), QStringLiteral("Menu"));
}

void TestSmallWidgets::tipDialogResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("Confirm") << "btnConfirm" << 1;
    QTest::newRow("Cancel") << "btnCancel" << 0;
    QTest::newRow("title bar close") << "btnClose" << 0;
}

void TestSmallWidgets::tipDialogResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);

    NM_Larkspan::TipDialog dialog;
    dialog.resize(350, 220);
    dialog.setTitle(QStringLiteral("Exit"));
    dialog.setText(QStringLiteral("Exit the Larkspan software?"));
    QCOMPARE(execAndClick(dialog, button), result);
    QVERIFY(!dialog.isVisible());
}

void TestSmallWidgets::tipDialogContent()
{
    NM_Larkspan::TipDialog dialog;
    // No meta-object of its own: it is seen as the base dialog.
    QCOMPARE(QString::fromLatin1(dialog.metaObject()->className()), QStringLiteral("aptui::BaseDialog"));

    const auto *tip = dialog.findChild<QLabel *>(QStringLiteral("m_labelTip"));
    QVERIFY(tip);
    QCOMPARE(tip->text(), QStringLiteral("sure"));
    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("TipDialog")));
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("m_labelNULL")));
    dialog.setText(QStringLiteral("Clear all the channels?"));
    QCOMPARE(tip->text(), QStringLiteral("Clear all the channels?"));

    dialog.setTitle(QStringLiteral("Clear"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Clear"));

    dialog.show();
    // Only the close button on the title bar; Confirm and Cancel below.
    const QStringList shown{"btnClose", "btnConfirm", "btnCancel"};
    for (const char *name : {"btnApp", "btnOption", "btnMin", "btnMax", "btnClose", "btnConfirm", "btnCancel"}) {
        const auto *button = dialog.findChild<QAbstractButton *>(QLatin1String(name));
        QVERIFY2(button, name);
        QVERIFY2(button->isVisible() == shown.contains(QLatin1String(name)), name);
    }
}

void TestSmallWidgets::tipDialogTextStaysCentred()
{
    NM_Larkspan::TipDialog dialog;
    dialog.setText(QStringLiteral("Exit the Larkspan software?"));
    dialog.resize(350, 220);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const auto *tip = dialog.findChild<QLabel *>(QStringLiteral("m_labelTip"));
    const auto *content = dialog.findChild<QWidget *>(QStringLiteral("TipDialog"));
    QVERIFY(tip && content);
    QCOMPARE(tip->alignment(), Qt::AlignCenter);

    // The text is drawn in the middle of the label, so the label's centre
    // must be the content area's centre.
    const QPoint tipCentre = tip->mapTo(&dialog, tip->rect().center());
    const QPoint contentCentre = content->mapTo(&dialog, content->rect().center());
    QVERIFY2(qAbs(tipCentre.x() - contentCentre.x()) <= 1, qPrintable(QString::number(tipCentre.x())));
    QVERIFY2(qAbs(tipCentre.y() - contentCentre.y()) <= 1, qPrintable(QString::number(tipCentre.y())));
    QVERIFY(qAbs(contentCentre.x() - dialog.width() / 2) <= 1);
    QVERIFY(content->width() >= dialog.width() - 2);
}

void TestSmallWidgets::focusMarkFollowsTheKeyboard_data()
{
    // Steps, separated by spaces, on a window with the fields "first" and
    // "second" and the button "button", starting with the focus on "first"
    // and the mouse last used: "tab", "click" (on the button), "type" (a
    // letter), "down" (an arrow key), "hide" / "move" (the focused control),
    // "reopen" (the window closed and made anew, which gives "first" the focus).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("marked");
    QTest::newRow("focus given by the program") << "" << "";
    QTest::newRow("Tab") << "tab" << "second";
    QTest::newRow("Tab twice") << "tab tab" << "button";
    QTest::newRow("a mouse press hides it") << "tab click" << "";
    QTest::newRow("typing in a field") << "type" << "";
    QTest::newRow("an arrow key in a field") << "down" << "first";
    QTest::newRow("the control hidden: the focus moves on") << "tab hide" << "button";
    QTest::newRow("the control moved") << "tab move" << "second";
    QTest::newRow("a new window after the old closed") << "tab reopen tab" << "second";
    // A dialog that opens gives its first control the focus as Tab would.
    QTest::newRow("a window opened by the mouse") << "click reopen" << "";
}

void TestSmallWidgets::focusMarkFollowsTheKeyboard()
{
    QFETCH(QString, steps);
    QFETCH(QString, marked);
    aptui::FocusMark::install();

    std::unique_ptr<QWidget> window;
    auto open = [&window] {
        window = std::make_unique<QDialog>();
        auto *layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        for (const char *name : {"first", "second"}) {
            auto *field = new QLineEdit(window.get());
            field->setObjectName(QLatin1String(name));
            layout->addWidget(field);
        }
        auto *button = new QPushButton(QStringLiteral("OK"), window.get());
        button->setObjectName(QStringLiteral("button"));
        layout->addWidget(button);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // The window gives "first" the focus as it opens.
        QCOMPARE(QApplication::focusWidget(), window->findChild<QWidget *>(QStringLiteral("first")));
    };
    open();
    // Each row starts as a mouse user would leave it.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(1, 1));
    const QStringList list = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &step : list) {
        QWidget *focus = QApplication::focusWidget();
        if (step == QLatin1String("tab"))
            QTest::keyClick(focus, Qt::Key_Tab);
        else if (step == QLatin1String("click"))
            QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("button")), Qt::LeftButton);
        else if (step == QLatin1String("type"))
            QTest::keyClick(focus, Qt::Key_A);
        else if (step == QLatin1String("down"))
            QTest::keyClick(focus, Qt::Key_Down);
        else if (step == QLatin1String("hide"))
            focus->hide();
        else if (step == QLatin1String("move"))
            focus->move(focus->pos() + QPoint(7, 5));
        else if (step == QLatin1String("reopen"))
            open();
    }

    QWidget *markedWidget = aptui::FocusMark::markedWidget();
    QCOMPARE(markedWidget ? markedWidget->objectName() : QString(), marked);
    if (!markedWidget)
        return;
    // The outline lies around the control, clipped where the window ends.
    const auto *mark = markedWidget->parentWidget()->findChild<aptui::FocusMark *>();
    QVERIFY(mark && mark->isVisible());
    const int outset = aptui::FocusMark::kGap + aptui::FocusMark::kWidth;
    QCOMPARE(mark->geometry(),
             markedWidget->geometry().adjusted(-outset, -outset, outset, outset) & window->rect());
}

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
