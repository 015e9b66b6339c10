#include "app/languagechoice.h"
#include "aptui/filenotice.h"
#include "aptui/tipdialog.h"
#include "calc/diskarraydialog.h"
#include "data/siteplanfile.h"
#include "data/updatedialog.h"
#include "device/deviceitemwidget.h"
#include "device/groupeditdialog.h"
#include "mainwindow/recorderdialog.h"
#include "mainwindow/savechangesdialog.h"
#include "mainwindow/spreaddialog.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "dialoganswerer.h"
#include "sampleplan.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidgetAction>
#include <QMenu>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// The visible interactive objects below `root` that a screen reader could
// not name, as "role objectName" lines.
void collectUnnamed(QAccessibleInterface *node, QStringList *unnamed)
{
    if (!node || node->state().invisible)
        return;
    if (isInteractive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject *object = node->object();
        *unnamed << QStringLiteral("%1 %2").arg(int(node->role())).arg(object ? object->objectName() : QString());
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), unnamed);
}

// The widget that takes the focus for `widget`.
const QWidget *focusTarget(const QWidget *widget)
{
    while (widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

QString describe(const QWidget *widget)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
}

// A Tab stop shows something when it is visible and a control, a view of
// items, or a widget with a name of its own (a group's row); a scroll area,
// a viewport, a stack of pages or a label is not.
bool showsSomething(QWidget *stop)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(stop);
    if (!stop->isVisible() || !node || qobject_cast<const QLabel *>(stop))
        return false;
    const QAccessible::Role role = node->role();
    return isInteractive(role) || role == QAccessible::List || role == QAccessible::Tree
           || role == QAccessible::Table || !stop->accessibleName().isEmpty();
}

// The widgets that the Tab key visits, in order, from the focus of the
// active window once round (or until it comes back to one it visited); the
// stops that showed nothing as they took the focus go to `empty`.
QList<QWidget *> tabChain(QStringList *empty)
{
    QList<QWidget *> visited;
    QWidget *current = QApplication::focusWidget();
    while (current && !visited.contains(current) && visited.size() < 400) {
        visited << current;
        if (!showsSomething(current))
            *empty << QStringLiteral("empty stop ") + describe(current);
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    }
    return visited;
}

// Tab stops at the chosen button of a group of exclusive buttons (radio
// buttons, the recorder chips); the arrow keys reach the others.
bool reachedByArrows(const QWidget *widget, const QSet<const QWidget *> &reached)
{
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    if (!button || !button->isCheckable())
        return false;
    QList<QAbstractButton *> siblings;
    if (button->group() && button->group()->exclusive())
        siblings = button->group()->buttons();
    else if (button->autoExclusive())
        siblings = button->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
    return std::any_of(siblings.cbegin(), siblings.cend(),
                       [&](const QAbstractButton *sibling) { return reached.contains(sibling); });
}

// The visible controls below `window` that Tab never reaches, and the Tab
// stops that show nothing a person could act on (a scroll area, a viewport,
// a label), as lines.
QStringList tabFaults(QWidget *window, QList<QWidget *> *visited = nullptr)
{
    QStringList faults;
    const QList<QWidget *> chain = tabChain(&faults);
    if (visited)
        *visited = chain;
    if (chain.isEmpty())
        return {QStringLiteral("no focus in the window")};
    QSet<const QWidget *> reached;
    for (const QWidget *stop : chain)
        reached.insert(focusTarget(stop));
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != window)
            continue;
        // The window's icon in the title bar only shows the program, and a
        // dialog's close button is Escape.
        if (widget->objectName() == QLatin1String("m_btnIcon")
            || (qobject_cast<const QDialog *>(window) && widget->objectName() == QLatin1String("btnClose")))
            continue;
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget));
        if (node && isInteractive(node->role()) && !reached.contains(focusTarget(widget))
            && !reachedByArrows(widget, reached))
            faults << QStringLiteral("unreached ") + describe(widget);
    }
    return faults;
}

// The visible labels below `window` that name something with a colon
// ("Disk size :") but are tied to no field as its buddy, as lines.
QStringList untiedLabels(QWidget *window)
{
    QStringList faults;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (!label->isVisible() || label->buddy())
            continue;
        QTextDocument text;
        text.setHtml(label->text());
        const QString plain = text.toPlainText().trimmed();
        if (plain.endsWith(QLatin1Char(':')) || plain.endsWith(QChar(0xff1a)))
            faults << QStringLiteral("untied label %1 \"%2\"").arg(label->objectName(), plain);
    }
    return faults;
}

} // namespace

Q_DECLARE_METATYPE(std::function<QDialog *()>)

// What a screen reader finds in the window: every control it can reach has a
// name that says what it is.
class TestAccessibility final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void dialogsNameEveryControl_data();
    void dialogsNameEveryControl();

private:
    QTemporaryDir m_data;
    QTemporaryDir m_work;
};

void TestAccessibility::initTestCase()
{
    QVERIFY(copyFixtureTree(shippedDataDir(), m_data.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(m_data.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_work.filePath(QStringLiteral("settings")));
    apt::LanguageChoice::storeChoice(apt::LanguageChoice::English);
}

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<int>("groups");
    QTest::addColumn<bool>("sizeShown");
    QTest::addColumn<int>("recorders"); // groups come from a plan with recorders

    QTest::newRow("empty") << 0 << false << 0;
    QTest::newRow("with groups beyond the view, the time page") << 6 << false << 0;
    QTest::newRow("with groups, the size page") << 2 << true << 0;
    QTest::newRow("with recorders on the bar") << 3 << false << 2;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(int, groups);
    QFETCH(bool, sizeShown);
    QFETCH(int, recorders);

    LarkspanMainPage window;
    window.connectPages();
    window.resize(1366, 728);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (recorders > 0) {
        SitePlan site;
        for (int i = 1; i <= groups; ++i) {
            PlanGroup group = sampleGroup(QStringLiteral("Channel Name"), 1, 2048, i);
            group.recorder = quint32(1 + i % recorders);
            site.groups.append(group);
        }
        for (int i = 1; i <= recorders; ++i)
            site.recorders.append({quint32(i), QStringLiteral("NVR-%1").arg(i), QString(), {}, {}, 0});
        const QString path = m_work.filePath(QStringLiteral("recorders.larkspan"));
        QString error;
        QVERIFY2(SitePlanFile::write(path, site, &error), qPrintable(error));
        QVERIFY(window.openPlan(path));
    }
    for (int i = 0; recorders == 0 && i < groups; ++i)
        QTest::mouseClick(child<QWidget>(window, "m_btnAddDevice"), Qt::LeftButton);
    if (sizeShown)
        QTest::mouseClick(child<QWidget>(window, "m_btnOFF"), Qt::LeftButton);

    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), &unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    QList<QWidget *> chain;
    const QStringList faults = tabFaults(&window, &chain) + untiedLabels(&window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    // The title-bar menu, opened from the keyboard: every entry of it and of
    // its submenus has a name, and so has every control of its about panel.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    auto *menu = child<QMenu>(window, "aboutMenu");
    QTRY_VERIFY(menu->isVisible());
    collectUnnamed(QAccessible::queryAccessibleInterface(menu), &unnamed);
    QList<QMenu *> menus = menu->findChildren<QMenu *>();
    menus.prepend(menu);
    for (const QMenu *each : std::as_const(menus)) {
        for (const QAction *entry : each->actions()) {
            if (!entry->isSeparator() && !qobject_cast<const QWidgetAction *>(entry)
                && QString(entry->text()).remove(QLatin1Char('&')).trimmed().isEmpty())
                unnamed << QStringLiteral("menu entry ") + each->objectName();
        }
    }
    menu->close();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));

    // Every group's row is a stop, also those below the list's view.
    const auto isRow = [](const QWidget *stop) { return qobject_cast<const NM_Larkspan::DeviceItemWidget *>(stop); };
    QCOMPARE(std::count_if(chain.cbegin(), chain.cend(), isRow), groups);
    // Tab stops at the chosen chip of the recorder bar; the arrows reach the others.
    const auto isChip = [](const QWidget *stop) { return stop->objectName().startsWith(QLatin1String("recorderChip")); };
    QCOMPARE(std::count_if(chain.cbegin(), chain.cend(), isChip), recorders > 0 ? 1 : 0);

    // A group's row reads as one item, and its bin names the group.
    auto *rows = child<QListWidget>(window, "m_listWidgetDiskData");
    QCOMPARE(rows->count(), groups);
    for (int i = 0; i < groups; ++i) {
        rows->scrollToItem(rows->item(i));
        QCoreApplication::processEvents();
        QWidget *row = rows->itemWidget(rows->item(i));
        QVERIFY(row);
        const QString name = QStringLiteral("Channel Name(%1)").arg(i + 1);
        QCOMPARE(row->accessibleName(), name);
        QVERIFY(row->accessibleDescription().startsWith(QLatin1String("Counts : 1, Fixted Rate : ")));
        QCOMPARE(child<QWidget>(*row, "m_btnDelete")->accessibleName(), QStringLiteral("Delete group ") + name);
    }
}

using DialogMaker = std::function<QDialog *()>;

void TestAccessibility::dialogsNameEveryControl_data()
{
    QTest::addColumn<DialogMaker>("make");
    QTest::addColumn<QString>("opensOn"); // the focus as it opens: its first field, or its safe button

    QTest::newRow("disk array") << DialogMaker([] {
        return new DiskArrayDialog(DiskArraySetup(), DiskArrayDialog::ForDiskSize);
    }) << "m_spinBoxDrives";
    QTest::newRow("edit group") << DialogMaker([] {
        StructDeviceItem group;
        group.strDeviceType = QStringLiteral("IPC");
        group.strChannelName = QStringLiteral("Gate(1)");
        group.iChannelCounts = 4;
        group.strResolution = QStringLiteral("1080P");
        group.strFrameRate = QStringLiteral("25");
        group.strEncodeType = QStringLiteral("H.264");
        group.dBitrate = 4096;
        group.iChannelGroupNumber = 1;
        return new GroupEditDialog(group, FramePAL);
    }) << "m_lineEditChannelName";
    QTest::newRow("recorder") << DialogMaker([] {
        return new RecorderDialog(PlanRecorder{1, QStringLiteral("NVR-1"), QString(), {}, {}, 0}, {});
    }) << "m_lineEditName";
    QTest::newRow("spreading") << DialogMaker([] {
        return new SpreadDialog(SitePlan(), {{QStringLiteral("32-channel recorder"), {}}});
    }) << "m_comboBoxProfile";
    QTest::newRow("saved report") << DialogMaker([] {
        return new aptui::FileNotice(QStringLiteral("Hint"), QStringLiteral("Report saved to /tmp/a.pdf"),
                                     QStringLiteral("/tmp/a.pdf"),
                                     aptui::FileNotice::OpenFileButton | aptui::FileNotice::OpenFolderButton);
    }) << "btnOpenFile";
    QTest::newRow("unsaved changes") << DialogMaker([] { return new SaveChangesDialog(QStringLiteral("Site")); }) << "btnConfirm";
    QTest::newRow("the question before Clear") << DialogMaker([] {
        auto *question = new NM_Larkspan::TipDialog;
        question->setText(QStringLiteral("Clear all the channels?"));
        question->setCancelAsDefault();
        return question;
    }) << "btnCancel";
    QTest::newRow("update") << DialogMaker([] { return new UpdateDialog; }) << "btnConfirm";
}

void TestAccessibility::dialogsNameEveryControl()
{
    QFETCH(DialogMaker, make);
    QFETCH(QString, opensOn);

    std::unique_ptr<QDialog> dialog(make());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), opensOn);
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(dialog.get()), &unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    const QStringList faults = tabFaults(dialog.get()) + untiedLabels(dialog.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
