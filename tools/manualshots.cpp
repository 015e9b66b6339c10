// Takes the screenshots of the user manual from the staged program:
//   manualshots <staged folder> <image folder>
// Runs the real start-up on the staged data, skin and style, composes the
// manual's example in the main window and saves one PNG per step. Needs a
// screen of at least 1024 x 768 (run it under Xvfb on a build machine).
#include "app/languagechoice.h"
#include "app/toolsapplication.h"
#include "calc/diskarraydialog.h"
#include "data/updatedialog.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWidgetAction>

#include <cstdio>

namespace {

QString g_imageFolder;

// The widget, or the part of it within `area`.
bool save(QWidget *widget, const char *name, const QRect &area = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    QTest::qWait(150);
    const QString path = g_imageFolder + QLatin1Char('/') + QLatin1String(name);
    if (widget->grab(area).save(path, "PNG"))
        return true;
    std::fprintf(stderr, "manualshots: cannot write %s\n", qPrintable(path));
    return false;
}

template <typename T>
T *find(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("manualshots: no %s", name);
    return found;
}

void click(QWidget *parent, const char *name)
{
    QTest::mouseClick(find<QAbstractButton>(parent, name), Qt::LeftButton);
}

void type(QWidget *parent, const char *name, const QString &text)
{
    auto *edit = find<QLineEdit>(parent, name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void choose(QWidget *parent, const char *name, const QString &text)
{
    auto *list = find<QComboBox>(parent, name);
    list->setCurrentIndex(list->findText(text));
}

} // namespace

int main(int argc, char *argv[])
{
    apt::ToolsApplication app(argc, argv, QStringLiteral("LarkspanManualShots"));
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: manualshots <staged folder> <image folder>\n");
        return 2;
    }
    g_imageFolder = args.at(2);
    OrvaneGUIToolkit::SetTargetPathOverride(args.at(1));
    app.addLibraryPath(args.at(1) + QStringLiteral("/plugins"));
    // The manual's pictures are English whatever the system's language or
    // the user's own choice, which stay out of them.
    QTemporaryDir userSettings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
    apt::LanguageChoice::storeChoice(apt::LanguageChoice::English);
    if (!app.init())
        return 1;

    LarkspanMainPage window;
    window.connectPages();
    window.resize(1280, 720);
    window.move(0, 0);
    window.show();
    QWidget *editor = window.findChild<QWidget *>(QStringLiteral("DeviceEditor"));
    QWidget *calculator = window.findChild<QWidget *>(QStringLiteral("m_dataCalculatorPage"));
    bool ok = save(&window, "main-empty.png");

    // The worked example: eight 1080P cameras at 25 fps in H.264.
    type(editor, "m_lineEditChannelName", QStringLiteral("Entrance"));
    type(editor, "m_lineEditChannelCounts", QStringLiteral("8"));
    choose(editor, "m_comboBoxResolution", QStringLiteral("1080P"));
    click(editor, "m_btnAddDevice");
    ok = save(&window, "main-fixed-time.png") && ok;
    click(calculator, "m_btnOFF");
    ok = save(&window, "main-fixed-size.png") && ok;
    // The drives that the example's 3 TB take, with the array's defaults.
    ok = save(&window, "drives-needed.png",
              QRect(calculator->mapTo(&window, QPoint(0, 0)), calculator->size()))
         && ok;
    click(calculator, "m_btnON");

    click(editor, "m_radioButtonVarRate");
    type(editor, "m_lineEditChannelName", QStringLiteral("Store"));
    type(editor, "m_lineEditChannelCounts", QStringLiteral("4"));
    for (QAbstractButton *scene : editor->findChildren<QAbstractButton *>()) {
        if (scene->text() == QLatin1String("Warehouse"))
            QTest::mouseClick(scene, Qt::LeftButton);
    }
    choose(editor, "m_comboBoxResolution", QStringLiteral("4MP"));
    choose(editor, "m_comboxEncodingType", QStringLiteral("H.265"));
    click(editor, "m_btnAddDevice");
    ok = save(&window, "main-recommended.png") && ok;

    click(editor, "m_btnOFF");
    ok = save(&window, "main-ntsc.png") && ok;

    click(&window, "m_btnSystemMenu");
    auto *menu = find<QMenu>(&window, "aboutMenu");
    ok = save(qobject_cast<QWidgetAction *>(menu->actions().constLast())->defaultWidget(),
              "about-panel.png") && ok;
    menu->close();

    // Nine 8 TB drives in RAID 6 with a hot spare, filled to 90 %; then an
    // odd RAID 10, which is refused.
    DiskArrayDialog array(DiskArraySetup{9, 8000, RaidLevel::Raid6, 2, 1, 90},
                          DiskArrayDialog::ForDiskSize);
    array.show();
    ok = save(&array, "disk-array-dialog.png") && ok;
    choose(&array, "m_comboBoxLevel", QStringLiteral("RAID 10"));
    find<QSpinBox>(&array, "m_spinBoxHotSpares")->setValue(0);
    ok = save(&array, "disk-array-refused.png") && ok;
    array.close();

    UpdateDialog update;
    update.show();
    ok = save(&update, "update-dialog.png") && ok;
    update.setStatus(UpdateDialog::StatusImport, true);
    ok = save(&update, "update-dialog-imported.png") && ok;
    update.close();

    return ok ? 0 : 1;
}
