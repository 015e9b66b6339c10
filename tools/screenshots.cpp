// Renders the main window offscreen, on the staged data, skin and style, into
// one PNG per state (the report's first page through pdftoppm, of
// poppler-utils):
//   screenshots <staged folder> <output folder>
// Every language and screen of the table below runs in a process of its own
// (the language manager is made once per process, and the screen size is
// fixed when the platform starts): the tool starts itself once per pair with
//   screenshots <staged folder> <output folder> <language code> <screen WxH> <free WxH>
// Popups and dialogs are separate windows; each picture paints them over the
// window where they stand, the way a person sees them.
#include "app/configuremanager.h"
#include "app/languagechoice.h"
#include "app/startuplook.h"
#include "calc/planreportdocument.h"
#include "calc/recorderbar.h"
#include "data/scenenames.h"
#include "data/siteplan.h"
#include "data/updatedialog.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// A screen, and its free area without the task bar: the sizing rule of the
// main window turns the free area into the window size.
struct Screen
{
    QSize size;
    QSize available;
};

const Screen kScreens[] = {
    {{1366, 768}, {1366, 728}}, // a common laptop: the window fills the free area
    {{1920, 1080}, {1920, 1040}}, // a full-HD desktop: 1417 x 768
};

struct Language
{
    int code;
    const char *tag;
};

const Language kLanguages[] = {{0, "en"}, {1, "zh"}};

// What a user would type, in the language of the interface.
struct SampleGroup
{
    const char *english;
    const char *chinese;
    const char *channels;
    int deviceType; // index in the device type list: 0 IPC, 1 DVR/NVR
    const char *resolution;
};

const SampleGroup kFixedGroups[] = {
    {"Main Entrance", "大门入口", "8", 0, "1080P"},
    {"Lobby", "大堂", "4", 0, "4MP"},
    {"Car Park NVR", "停车场录像机", "16", 1, "720P"},
};

const SampleGroup kSceneGroup = {"Loading Bay", "装卸区", "6", 0, nullptr};
const char kDiskTerabytes[] = "40"; // a four-bay recorder of 10 TB disks
const char kSceneName[] = "Warehouse";

struct SampleText
{
    const char *english;
    const char *chinese;
};

// The plan the pictures save, and an older one among the recent plans.
const SampleText kPlanName = {"Riverside Depot", "河畔仓库"};
const SampleText kOlderPlan = {"North Gate Office", "北门办公楼"};

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts.at(0).toInt(), parts.at(1).toInt()) : QSize();
}

QString sizeTag(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

template <typename T>
T *find(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("screenshots: no %s", name);
    return found;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}

void click(const QObject *parent, const char *name)
{
    QTest::mouseClick(find<QAbstractButton>(parent, name), Qt::LeftButton);
    settle();
}

void type(const QObject *parent, const char *name, const QString &text)
{
    // Typed as an input method commits it: key events carry Latin-1 only.
    auto *edit = find<QLineEdit>(parent, name);
    edit->selectAll();
    edit->insert(text);
}

void choose(const QObject *parent, const char *name, const QString &text)
{
    auto *list = find<QComboBox>(parent, name);
    const int index = list->findText(text);
    if (index < 0)
        qFatal("screenshots: %s offers no %s", name, qPrintable(text));
    list->setCurrentIndex(index);
}

// The array the pictures show in its dialog.
void setSampleArray(QDialog *dialog)
{
    find<QSpinBox>(dialog, "m_spinBoxDrives")->setValue(9);
    type(dialog, "m_lineEditDriveSize", QStringLiteral("8"));
    auto *level = find<QComboBox>(dialog, "m_comboBoxLevel");
    level->setCurrentIndex(level->findText(QStringLiteral("RAID 6")));
    find<QSpinBox>(dialog, "m_spinBoxHotSpares")->setValue(1);
    find<QSpinBox>(dialog, "m_spinBoxFillLimit")->setValue(90);
    settle();
}

class Session
{
public:
    Session(const QString &folder, const char *languageTag, bool chinese)
        : m_folder(folder), m_languageTag(languageTag), m_chinese(chinese)
    {
    }

    void run(const QSize &windowSize);
    bool ok() const { return m_ok; }

private:
    QString sample(const SampleGroup &group) const
    {
        return QString::fromUtf8(m_chinese ? group.chinese : group.english);
    }
    QString sample(const SampleText &text) const
    {
        return QString::fromUtf8(m_chinese ? text.chinese : text.english);
    }
    void addGroup(QWidget *editor, const SampleGroup &group);
    // The first page of the report of `plan`, written to `pdf`.
    void saveReport(const SitePlan &plan, const QString &pdf, const char *state);
    // The window with the given top-level windows painted over it where they
    // stand on the screen.
    void save(QWidget *window, const QList<QWidget *> &over, const char *state);
    // Runs `open`, which starts a modal dialog, lets `prepare` (when given)
    // set the dialog up, saves the window with the dialog over it and
    // cancels the dialog, or confirms it when `confirm`.
    void saveWithDialog(QWidget *window, const std::function<void()> &open, const char *state,
                        const std::function<void(QDialog *)> &prepare, bool confirm = false);

    QString m_folder;
    QString m_prefix;
    const char *m_languageTag;
    bool m_chinese;
    bool m_ok = true;
};

void Session::save(QWidget *window, const QList<QWidget *> &over, const char *state)
{
    settle();
    // A popup may reach past the window (the about menu opens left of the
    // cursor and overhangs the window's right edge): the picture grows to
    // hold it, transparent where the desktop would show.
    QRect bounds = window->geometry();
    for (const QWidget *top : over)
        bounds |= top->geometry();
    QPixmap picture(bounds.size());
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.drawPixmap(window->pos() - bounds.topLeft(), window->grab());
        for (QWidget *top : over)
            painter.drawPixmap(top->pos() - bounds.topLeft(), top->grab());
    }
    const QString path = m_folder + QLatin1Char('/') + m_prefix + QLatin1String(state)
                         + QLatin1String(".png");
    if (!picture.save(path, "PNG")) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        m_ok = false;
    }
}

void Session::saveWithDialog(QWidget *window, const std::function<void()> &open,
                             const char *state, const std::function<void(QDialog *)> &prepare, bool confirm)
{
    bool seen = false;
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        seen = true;
        if (prepare)
            prepare(dialog);
        save(window, {dialog}, state);
        if (confirm)
            dialog->accept();
        else
            dialog->reject();
    });
    poll->start(50);
    open();
    delete poll;
    if (!seen) {
        std::fprintf(stderr, "screenshots: no dialog for %s\n", state);
        m_ok = false;
    }
}

void Session::addGroup(QWidget *editor, const SampleGroup &group)
{
    type(editor, "m_lineEditChannelName", sample(group));
    type(editor, "m_lineEditChannelCounts", QLatin1String(group.channels));
    find<QComboBox>(editor, "m_comboBoxDeviceType")->setCurrentIndex(group.deviceType);
    if (group.resolution)
        choose(editor, "m_comboBoxResolution", QLatin1String(group.resolution));
    click(editor, "m_btnAddDevice");
}

void Session::run(const QSize &windowSize)
{
    m_prefix = QStringLiteral("%1-%2-").arg(QLatin1String(m_languageTag), sizeTag(windowSize));

    LarkspanMainPage window;
    window.connectPages();
    window.resize(windowSize);
    window.move(0, 0);
    window.show();
    settle();
    auto *editor = find<QWidget>(&window, "DeviceEditor");
    auto *calculator = find<QWidget>(&window, "m_dataCalculatorPage");
    auto *calculationSwitch = find<QWidget>(calculator, "m_topTabBar");

    save(&window, {}, "1-empty");

    for (const SampleGroup &group : kFixedGroups)
        addGroup(editor, group);
    type(calculator, "m_lineEditGT", QLatin1String(kDiskTerabytes));
    save(&window, {}, "2-fixed-time");

    click(editor, "m_radioButtonVarRate");
    for (QAbstractButton *scene : find<QWidget>(editor, "m_listWidgetScences")
                                      ->findChildren<QAbstractButton *>()) {
        if (scene->text() == SceneNames::displayName(QLatin1String(kSceneName)))
            QTest::mouseClick(scene, Qt::LeftButton);
    }
    choose(editor, "m_comboBoxResolution", QStringLiteral("4MP"));
    choose(editor, "m_comboxEncodingType", QStringLiteral("H.265"));
    addGroup(editor, kSceneGroup);
    click(calculationSwitch, "m_btnOFF");
    save(&window, {}, "3-recommended-size");

    // The menu opens 149 pixels left of the cursor, which clicked its button.
    auto *menuButton = find<QWidget>(&window, "m_btnSystemMenu");
    QCursor::setPos(menuButton->mapToGlobal(menuButton->rect().center()));
    click(&window, "m_btnSystemMenu");
    auto *menu = find<QMenu>(&window, "aboutMenu");
    save(&window, {menu}, "4-about-menu");

    // The update dialog as it stands after a template was exported.
    saveWithDialog(&window, [&] { click(menu, "aboutbtn2"); }, "5-update-dialog",
                   [](QDialog *dialog) {
                       if (auto *update = qobject_cast<UpdateDialog *>(dialog))
                           update->setStatus(UpdateDialog::StatusExport, true);
                   });

    saveWithDialog(&window, [&] { window.close(); }, "6-exit-confirmation", {});

    // The plan saved under a site's name, with an older one among the recent
    // plans, and the menu with the recent plans open.
    QTemporaryDir plans;
    window.savePlan(plans.filePath(sample(kOlderPlan) + QStringLiteral(".larkspan")));
    window.savePlan(plans.filePath(sample(kPlanName) + QStringLiteral(".larkspan")));
    QCursor::setPos(menuButton->mapToGlobal(menuButton->rect().center()));
    click(&window, "m_btnSystemMenu");
    auto *recent = find<QMenu>(menu, "recentPlansMenu");
    menu->setActiveAction(recent->menuAction());
    recent->popup(menu->mapToGlobal(menu->actionGeometry(recent->menuAction()).topRight()));
    save(&window, {menu, recent}, "7-plan-menu");
    recent->close();
    menu->close();

    // The question that unsaved changes ask before New, Open and closing.
    type(calculator, "m_lineEditGT", QStringLiteral("48"));
    saveWithDialog(&window, [&] { window.close(); }, "8-save-changes", {});

    // The report's first page, as pdftoppm renders the PDF that Export writes.
    saveReport(window.currentPlan(), plans.filePath(QStringLiteral("report.pdf")), "9-report");

    // The disk array dialog on the time page: a recorder of nine 8 TB drives
    // in RAID 6 with a hot spare, filled to 90 %.
    click(calculationSwitch, "m_btnON");
    saveWithDialog(&window, [&] { click(calculator, "m_btnDiskArray"); }, "10-disk-array",
                   [](QDialog *dialog) { setSampleArray(dialog); });
    // The drives that the needed size takes, under the size result.
    click(calculationSwitch, "m_btnOFF");
    save(&window, {}, "11-drives-needed");

    // The scene group edited: recorded on events for 30 % of the hours and
    // kept 14 days, its row saying so.
    auto *rows = find<QListWidget>(&window, "m_listWidgetDiskData");
    QWidget *sceneRow = rows->itemWidget(rows->item(rows->count() - 1));
    saveWithDialog(
        &window, [&] { QTest::mouseDClick(find<QWidget>(sceneRow, "m_labelDeviceCounts"), Qt::LeftButton); },
        "12-group-dialog",
        [](QDialog *dialog) {
            find<QComboBox>(dialog, "m_comboBoxRecordingMode")->setCurrentIndex(1);
            find<QSpinBox>(dialog, "m_spinBoxEventPercent")->setValue(30);
            type(dialog, "m_lineEditRetention", QStringLiteral("14"));
            find<QComboBox>(dialog, "m_comboBoxNight")->setCurrentIndex(2);
            settle();
        },
        true);

    // Two months on the 48 TB disk: short even at the expected figure. The
    // pointer leaves the menu button it last opened.
    QTest::mouseMove(&window, QPoint(window.width() / 2, window.height() - 4));
    type(calculator, "m_lineEditSaveTime", QStringLiteral("2"));
    click(calculator, "m_radioMonth");
    click(calculationSwitch, "m_btnON");
    save(&window, {}, "13-verdict-short");

    // The site spread over 8-channel recorders: the preview, then the
    // recorders on the bar.
    auto *bar = find<RecorderBar>(&window, "m_recorderBar");
    saveWithDialog(
        &window, [&] { find<QAction>(bar, "spreadGroupsAction")->trigger(); }, "14-spread-preview",
        [](QDialog *dialog) {
            auto *profiles = find<QComboBox>(dialog, "m_comboBoxProfile");
            profiles->setCurrentIndex(profiles->findText(QStringLiteral("8-channel recorder")));
            settle();
        },
        true);
    // One recorder chosen: its groups, its drives as the disk.
    bar->setCurrent(2);
    save(&window, {}, "15-recorder-chosen");
    // A recorder given fewer channels than its groups: in breach, in red.
    bar->setCurrent(0);
    saveWithDialog(
        &window, [&] { find<QAction>(bar, "editRecorderAction")->trigger(); }, "16-recorder-dialog",
        [](QDialog *dialog) {
            find<QComboBox>(dialog, "m_comboBoxProfile")->setCurrentIndex(0);
            find<QSpinBox>(dialog, "m_spinBoxChannels")->setValue(4);
            settle();
        },
        true);
    save(&window, {}, "17-recorder-breach");
    // The report of the recorders: their sections under the site's summary.
    saveReport(window.currentPlan(), plans.filePath(QStringLiteral("recorders.pdf")), "18-report-recorders");

    // The same site in the high-contrast look, then with the menu open on it;
    // then in the default look with the text at 150 %, and its menu.
    const auto saveWithMenu = [&](const char *state) {
        QTest::mouseMove(&window, QPoint(window.width() / 2, window.height() - 4));
        QCursor::setPos(menuButton->mapToGlobal(menuButton->rect().center()));
        click(&window, "m_btnSystemMenu");
        save(&window, {menu}, state);
        menu->close();
        settle();
    };
    // Chosen through the menu's entries, as a person does.
    find<QAction>(menu, "highContrastAction")->trigger();
    save(&window, {}, "19-high-contrast");
    saveWithMenu("20-high-contrast-menu");
    find<QAction>(menu, "highContrastAction")->trigger();
    find<QAction>(menu, "textSize150")->trigger();
    save(&window, {}, "21-text-150");
    saveWithMenu("22-text-150-menu");
    // Two dialogs at 150 %: the disk array and a group's editing.
    saveWithDialog(&window, [&] { click(calculator, "m_btnDiskArray"); }, "23-text-150-disk-array",
                   [](QDialog *dialog) { setSampleArray(dialog); });
    QWidget *firstRow = rows->itemWidget(rows->item(0));
    saveWithDialog(
        &window, [&] { QTest::mouseDClick(find<QWidget>(firstRow, "m_labelDeviceCounts"), Qt::LeftButton); },
        "24-text-150-group-dialog", {});

    // Back at 100 %, the keyboard's focus on a group row: the mark around it
    // and the row's pencil, shown while the row has the focus.
    find<QAction>(menu, "textSize100")->trigger();
    settle();
    // The offscreen screen gives the window back its activation after a
    // dialog only when asked, as a window manager would.
    QApplication::setActiveWindow(&window);
    QWidget *focusedRow = rows->itemWidget(rows->item(1));
    focusedRow->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(focusedRow, Qt::Key_Up);
    save(&window, {}, "25-keyboard-focus");
}

void Session::saveReport(const SitePlan &plan, const QString &pdf, const char *state)
{
    QString error;
    if (!writePlanReport(pdf, sample(kPlanName), plan, &error)) {
        std::fprintf(stderr, "screenshots: %s\n", qPrintable(error));
        m_ok = false;
        return;
    }
    const QString page = m_folder + QLatin1Char('/') + m_prefix + QLatin1String(state);
    if (QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                      QStringLiteral("110"), QStringLiteral("-singlefile"),
                                                      pdf, page})
        != 0) {
        std::fprintf(stderr, "screenshots: pdftoppm (poppler-utils) could not render the report\n");
        m_ok = false;
    }
}

// One language on one screen, in this process.
int renderOne(const QStringList &args)
{
    const QString stage = QDir(args.at(1)).absolutePath();
    const QString folder = QDir(args.at(2)).absolutePath();
    const int code = args.at(3).toInt();
    const QSize available = parseSize(args.at(5));

    OrvaneGUIToolkit::SetTargetPathOverride(stage);
    QCoreApplication::addLibraryPath(stage + QStringLiteral("/plugins"));
    // The recent plans of the pictures stay out of the user's own settings.
    QTemporaryDir userSettings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
    // The language asked for, whatever the system's language; the default
    // look, whatever the desktop's theme.
    apt::LanguageChoice::storeChoice(code);
    qunsetenv("GTK_THEME");

    // The shipped settings with the language asked for.
    QTemporaryDir settingsDir;
    const QString settingsPath = settingsDir.filePath(QStringLiteral("Setup.xml"));
    QFile settings(settingsPath);
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup><Translator>"
                                  "<Value>%1</Value></Translator><Skin><Value>CommonSkin</Value>"
                                  "</Skin></Setup>\n")
                       .arg(code)
                       .toUtf8());
    settings.close();
    apt::ConfigureManager::instance()->load(settingsPath);

    if (!apt::installStartupLook()) {
        std::fprintf(stderr, "screenshots: no skin in %s\n", qPrintable(stage));
        return 1;
    }
    apt::installApplicationIcon();

    Session session(folder, code == 1 ? "zh" : "en", code == 1);
    session.run(mainWindowPlacement(QRect(QPoint(0, 0), available)).size);
    return session.ok() ? 0 : 1;
}

// The offscreen platform with one screen of the given size, set up before the
// application object exists.
QString offscreenPlatform(QTemporaryDir &dir, const QSize &screen)
{
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QStringLiteral("{\"screens\":[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,"
                                  "\"height\":%2,\"logicalDpi\":96}]}")
                       .arg(screen.width())
                       .arg(screen.height())
                       .toUtf8());
    }
    return QStringLiteral("offscreen:configfile=") + config;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 6) {
        QTemporaryDir platformDir;
        qputenv("QT_QPA_PLATFORM", offscreenPlatform(platformDir, parseSize(QString::fromLocal8Bit(argv[4]))).toLocal8Bit());
        QApplication app(argc, argv);
        return renderOne(app.arguments());
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshots <staged folder> <output folder>\n");
        return 2;
    }

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!QDir().mkpath(args.at(2)))
        return 1;
    int failures = 0;
    for (const Language &language : kLanguages) {
        for (const Screen &screen : kScreens) {
            const int result = QProcess::execute(
                app.applicationFilePath(),
                {args.at(1), args.at(2), QString::number(language.code), sizeTag(screen.size),
                 sizeTag(screen.available)});
            if (result != 0) {
                std::fprintf(stderr, "screenshots: %s on %s failed\n", language.tag,
                             qPrintable(sizeTag(screen.size)));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
