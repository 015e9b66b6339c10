#include "app/languagechoice.h"

#include "app/configuremanager.h"

#include <QSettings>

namespace apt::LanguageChoice {

namespace {

const QString kKey = QStringLiteral("language");
const QString kEnglishTag = QStringLiteral("en");
const QString kChineseTag = QStringLiteral("zh");

// The same per-user file as the recent plans.
QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"),
                     QStringLiteral("Larkspan"));
}

int choiceOf(const QString &stored)
{
    if (stored == kEnglishTag)
        return English;
    if (stored == kChineseTag)
        return Chinese;
    return -1;
}

} // namespace

int languageFor(const QString &storedChoice, unsigned setupTranslator, const QLocale &system)
{
    const int chosen = choiceOf(storedChoice);
    if (chosen >= 0)
        return chosen;
    if (setupTranslator != 0)
        return int(setupTranslator);
    return system.language() == QLocale::Chinese ? Chinese : English;
}

QLocale systemLocale()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.constFirst());
}

int storedChoice()
{
    return choiceOf(userSettings().value(kKey).toString());
}

void storeChoice(int code)
{
    if (code == English || code == Chinese)
        userSettings().setValue(kKey, code == Chinese ? kChineseTag : kEnglishTag);
}

int startupLanguage()
{
    return languageFor(userSettings().value(kKey).toString(),
                       ConfigureManager::instance()->translator(), systemLocale());
}

} // namespace apt::LanguageChoice
