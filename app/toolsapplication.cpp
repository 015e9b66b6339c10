#include "app/toolsapplication.h"

#include "app/configuremanager.h"
#include "app/lanaguagemanager.h"
#include "app/startupsteps.h"
#include "aptui/basedialog.h"
#include "platform/guiinit.h"
#include "platform/targetpath.h"
#include "platform/writablepath.h"

#include <QFont>
#include <QHelpEvent>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTextCodec>
#include <QToolTip>
#include <QVariant>

namespace apt {

namespace {

const QString kDefaultSkin = QStringLiteral("CommonSkin");
const QString kSkinFolder = QStringLiteral("plugins/skins/");
const QString kStyleKey = QStringLiteral("CommonStyle");
const QString kToolkitSheets = QStringLiteral(":/Pellmar/Qss/Qss/OrvaneGUIToolkit/");
const QString kLeftOutSheet = QStringLiteral("MacSpecial.qss");
const QString kApplicationSheet = QStringLiteral(":/Pellmar/Qss/Qss/Larkspan/Larkspan.qss");
const QString kApplicationIcon = QStringLiteral(":/aptui/complex/Images/System/Complex/calculate.png");

QFont applicationFont(const QString &family)
{
    QFont font(family, 9);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
    return font;
}

// The families the settings name are Windows fonts; elsewhere the closest
// installed faces stand in for them, with a CJK face for Chinese texts.
void substituteWindowsFonts()
{
    const QStringList sans = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                              QStringLiteral("DejaVu Sans")};
    for (const char *family : {"Microsoft YaHei", "Tahoma", "Batang"})
        QFont::insertSubstitutions(QLatin1String(family), sans);
}

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

void ToolsApplication::loadSettingsAndFont()
{
    ConfigureManager::instance()->load(OrvaneGUIToolkit::GetSettingsPathFile(QStringLiteral("Setup.xml")));
    substituteWindowsFonts();
    setFont(applicationFont(QStringLiteral("Microsoft YaHei")));
}

void ToolsApplication::installLanguage()
{
    OrvaneGUIToolkit::InitGuiTextCodec(QTextCodec::codecForLocale());
    LanaguageManager *language = LanaguageManager::instance();
    setFont(applicationFont(applicationFontFamily(language->language())));
    OrvaneGUIToolkit::InitGuiLocale(language->locale());
}

void ToolsApplication::initForReport()
{
    loadSettingsAndFont();
    installLanguage();
}

bool ToolsApplication::init()
{
    loadSettingsAndFont();

    // The skin goes in before any style sheet is read or window is built: its
    // library supplies every image and sheet.
    QString skin = kDefaultSkin;
    if (const Configure *configured = ConfigureManager::instance()->find(ConfigKey::Skin))
        skin = configured->value();
    const QString skinFolder = OrvaneGUIToolkit::GetTargetPath() + kSkinFolder;
    if (findSkinPlugin(skin, skinFolder))
        qWarning("[Tool]LoadSkin = %s Success", skin.toLocal8Bit().constData());
    else
        qWarning("[Tool]LoadSkin = %s failed", skin.toLocal8Bit().constData());

    loadStyle();
    installLanguage();

    if (isRunning()) {
        runStartupDialog(tr("Larkspan is already running."), false);
        return false;
    }

    if (screensAcceptable(screenGeometries())) {
        setWindowIcon(QIcon(kApplicationIcon));
        return true;
    }
    return runStartupDialog(
               tr("Display resolution less than 1024*768,are you sure to start the program?"), true)
        == QDialog::Accepted;
}

void ToolsApplication::loadStyle()
{
    if (QStyle *style = QStyleFactory::create(kStyleKey))
        setStyle(style);
    else
        qDebug("[ToolsApplication::loadStyle]The CommonStyle does not exist.");

    setStyleSheet(assembleStyleSheet(kToolkitSheets, kLeftOutSheet, kApplicationSheet));
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
