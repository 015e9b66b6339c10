#include "app/lookchoice.h"

#include "platform/stylelook.h"

#include <QSettings>

namespace apt::LookChoice {

namespace {

const QString kHighContrastKey = QStringLiteral("look/highContrast");
const QString kTextSizeKey = QStringLiteral("look/textSize");

// The same per-user file as the language choice and the recent plans.
QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"),
                     QStringLiteral("Larkspan"));
}

} // namespace

bool highContrast()
{
    return StyleLook::highContrastFor(userSettings().value(kHighContrastKey).toString(), desktopTheme());
}

int storedHighContrast()
{
    const QString stored = userSettings().value(kHighContrastKey).toString();
    if (stored == QLatin1String("on"))
        return 1;
    if (stored == QLatin1String("off"))
        return 0;
    return -1;
}

void storeHighContrast(bool on)
{
    userSettings().setValue(kHighContrastKey, on ? QStringLiteral("on") : QStringLiteral("off"));
}

int storedTextSize()
{
    return StyleLook::chosenTextSize(userSettings().value(kTextSizeKey).toString());
}

void storeTextSize(int percent)
{
    if (StyleLook::chosenTextSize(QString::number(percent)) != 0)
        userSettings().setValue(kTextSizeKey, percent);
}

int textSize(double desktopPointSize)
{
    return StyleLook::textSizeFor(userSettings().value(kTextSizeKey).toString(), desktopPointSize);
}

QString desktopTheme()
{
    return qEnvironmentVariable("GTK_THEME");
}

} // namespace apt::LookChoice
