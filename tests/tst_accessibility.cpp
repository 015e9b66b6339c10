#include "app/languagechoice.h"
#include "calc/diskarraydialog.h"
#include "device/groupeditdialog.h"
#include "mainwindow/recorderdialog.h"
#include "mainwindow/spreaddialog.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "dialoganswerer.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

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

    QTest::newRow("empty") << 0 << false;
    QTest::newRow("with groups, the time page") << 2 << false;
    QTest::newRow("with groups, the size page") << 2 << true;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(int, groups);
    QFETCH(bool, sizeShown);

    LarkspanMainPage window;
    window.connectPages();
    window.resize(1366, 728);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < groups; ++i)
        QTest::mouseClick(child<QWidget>(window, "m_btnAddDevice"), Qt::LeftButton);
    if (sizeShown)
        QTest::mouseClick(child<QWidget>(window, "m_btnOFF"), Qt::LeftButton);

    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), &unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));

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

    QTest::newRow("disk array") << DialogMaker([] {
        return new DiskArrayDialog(DiskArraySetup(), DiskArrayDialog::ForDiskSize);
    });
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
    });
    QTest::newRow("recorder") << DialogMaker([] {
        return new RecorderDialog(PlanRecorder{1, QStringLiteral("NVR-1"), QString(), {}, {}, 0}, {});
    });
    QTest::newRow("spreading") << DialogMaker([] {
        return new SpreadDialog(SitePlan(), {{QStringLiteral("32-channel recorder"), {}}});
    });
}

void TestAccessibility::dialogsNameEveryControl()
{
    QFETCH(DialogMaker, make);

    std::unique_ptr<QDialog> dialog(make());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(dialog.get()), &unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
