#include "app/toolsapplication.h"

#include "app/configuremanager.h"
#include "app/handover.h"
#include "app/startuplook.h"
#include "app/startupsteps.h"
#include "aptui/basedialog.h"
#include "platform/targetpath.h"
#include "platform/writablepath.h"

#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>
#include <QVariant>

namespace apt {

namespace {

// A property counts as set when it holds a string that is not null; an
// empty but set text counts as set.
bool hasText(const QVariant &value)
{
    return value.isValid() && value.canConvert<QString>() && !value.toString().isNull();
}

// A start-up notice or question: frameless, with only the close button in
// its title bar, and Confirm and Cancel when it asks something.
int runStartupDialog(const QString &message, bool asks)
{
    aptui::BaseDialog dialog(false, false, false, false, true, asks, asks, nullptr);
    dialog.setFixedSize(400, 256);
    dialog.setTitle(ToolsApplication::tr("Hint"));
    dialog.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    dialog.setDefaultText(message);
    dialog.setBottomVisible(asks);
    dialog.setModal(true);
    return dialog.exec();
}

QList<QRect> screenGeometries()
{
    QList<QRect> geometries;
    for (const QScreen *screen : QGuiApplication::screens())
        geometries << screen->geometry();
    return geometries;
}

} // namespace

ToolsApplication::ToolsApplication(int &argc, char **argv, const QString &appId)
    : QtSingleApplication(appId, argc, argv)
{
}

ToolsApplication::~ToolsApplication() = default;

void ToolsApplication::loadSettings()
{
    // A missing or broken file leaves every setting at its default.
    ConfigureManager::instance()->load(OrvaneGUIToolkit::GetSettingsPathFile(QStringLiteral("Setup.xml")));
}

void ToolsApplication::initForReport()
{
    loadSettings();
    installDefaultFont();
    installLanguage();
}

bool ToolsApplication::init()
{
    loadSettings();
    installStartupLook();

    if (isRunning()) {
        // The running window comes to the front, and this notice above it.
        sendMessage(HandOver::activation());
        runStartupDialog(tr("Larkspan is already running."), false);
        return false;
    }

    if (screensAcceptable(screenGeometries())) {
        installApplicationIcon();
        return true;
    }
    return runStartupDialog(
               tr("Display resolution less than 1024*768,are you sure to start the program?"), true)
        == QDialog::Accepted;
}

void ToolsApplication::loadStyle()
{
    installStyle();
}

bool ToolsApplication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::ApplicationFontChange)
        return true;

    // A widget with a text of its own (a label, a button, a combo box's
    // current text) shows that text as its tooltip; line edits keep theirs.
    if (event->type() == QEvent::ToolTip && receiver
        && hasText(receiver->property("toolTip")) && !receiver->inherits("QLineEdit")) {
        const auto *help = static_cast<QHelpEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(receiver);
        for (const char *name : {"text", "currentText"}) {
            const QVariant text = receiver->property(name);
            if (hasText(text)) {
                QToolTip::showText(help->globalPos(), text.toString(), widget);
                return true;
            }
        }
    }

    try {
        return QtSingleApplication::notify(receiver, event);
    } catch (...) {
        return false;
    }
}

} // namespace apt
