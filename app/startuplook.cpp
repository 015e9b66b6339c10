#include "app/startuplook.h"

#include "app/configuremanager.h"
#include "app/lanaguagemanager.h"
#include "app/lookchoice.h"
#include "app/startupsteps.h"
#include "app/textsizefitter.h"
#include "aptui/focusmark.h"
#include "aptui/textsize.h"
#include "platform/cfile.h"
#include "platform/guiinit.h"
#include "platform/stylelook.h"
#include "platform/targetpath.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLoggingCategory>
#include <QStyle>
#include <QStyleFactory>
#include <QTextCodec>

namespace apt {

namespace {

// The start-up diagnostics (which skin was loaded, a missing style) are for
// whoever looks into a start that went wrong, not for every start: they stay
// silent unless the category is switched on, for instance with
// QT_LOGGING_RULES="larkspan.startup=true".
Q_LOGGING_CATEGORY(lcStartup, "larkspan.startup", QtCriticalMsg)

const QString kDefaultSkin = QStringLiteral("CommonSkin");
const QString kSkinFolder = QStringLiteral("plugins/skins/");
const QString kStyleKey = QStringLiteral("CommonStyle");
const QString kToolkitSheets = QStringLiteral(":/Pellmar/Qss/Qss/OrvaneGUIToolkit/");
const QString kLeftOutSheet = QStringLiteral("MacSpecial.qss");
const QString kApplicationSheet = QStringLiteral(":/Pellmar/Qss/Qss/Larkspan/Larkspan.qss");
const QString kHighContrastSheet = QStringLiteral(":/Pellmar/Qss/Qss/HighContrast/HighContrast.qss");
constexpr double kApplicationPoints = 9.0;
const QString kApplicationIcon = QStringLiteral(":/aptui/complex/Images/System/Complex/calculate.png");

// The text size of the interface: the user's choice, or the desktop's font
// where it is larger.
int interfaceTextSize()
{
    return LookChoice::textSize(QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF());
}

QFont applicationFont(const QString &family)
{
    QFont font(family);
    font.setPointSizeF(kApplicationPoints * interfaceTextSize() / 100.0);
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

// Skin plug-in search and its diagnostic line; the skin goes in before any
// style sheet is read or window is built, since its library supplies every
// image and sheet.
bool installSkin()
{
    QString skin = kDefaultSkin;
    if (const Configure *configured = ConfigureManager::instance()->find(ConfigKey::Skin))
        skin = configured->value();
    const bool found = findSkinPlugin(skin, OrvaneGUIToolkit::GetTargetPath() + kSkinFolder);
    if (found)
        qCWarning(lcStartup, "[Tool]LoadSkin = %s Success", skin.toLocal8Bit().constData());
    else
        qCWarning(lcStartup, "[Tool]LoadSkin = %s failed", skin.toLocal8Bit().constData());
    return found;
}

} // namespace

void installDefaultFont()
{
    substituteWindowsFonts();
    QApplication::setFont(applicationFont(QStringLiteral("Microsoft YaHei")));
}

void installLanguage()
{
    OrvaneGUIToolkit::InitGuiTextCodec(QTextCodec::codecForLocale());
    LanaguageManager *language = LanaguageManager::instance();
    QApplication::setFont(applicationFont(applicationFontFamily(language->language())));
    OrvaneGUIToolkit::InitGuiLocale(language->locale());
}

bool installStartupLook()
{
    installDefaultFont();
    const bool skinFound = installSkin();
    installStyle();
    installLanguage();
    aptui::FocusMark::install();
    return skinFound;
}

void installStyle()
{
    if (QStyle *style = QStyleFactory::create(kStyleKey))
        QApplication::setStyle(style);
    else
        qCDebug(lcStartup, "[ToolsApplication::loadStyle]The CommonStyle does not exist.");

    applyStyleSheet();
}

void applyStyleSheet()
{
    const bool highContrast = LookChoice::highContrast();
    const int textSize = interfaceTextSize();
    qApp->setProperty(aptui::TextSizeProperty, textSize);
    qApp->setProperty(aptui::HighContrastProperty, highContrast);
    qApp->setStyleSheet(StyleLook::lookSheet(
        assembleStyleSheet(kToolkitSheets, kLeftOutSheet, kApplicationSheet),
        highContrast ? OrvaneGUIToolkit::CFile::ReadAll(kHighContrastSheet) : QString(), highContrast,
        textSize));
    fitSizesToText(textSize);
}

void applyLook()
{
    QApplication::setFont(applicationFont(applicationFontFamily(LanaguageManager::instance()->language())));
    applyStyleSheet();
}

void installApplicationIcon()
{
    QApplication::setWindowIcon(QIcon(kApplicationIcon));
}

} // namespace apt
