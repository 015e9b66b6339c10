#pragma once

#include <QLocale>
#include <QString>

// Which language the interface starts in. Codes are those of the
// "Translator" setting: 0 English, 1 Chinese; other codes install no
// catalogue and keep the system's locale.
//
// In this order:
// 1. the user's own choice from the title-bar menu, kept in the per-user
//    settings (the file that also keeps the recent plans);
// 2. a "Translator" in Setup.xml other than 0: the shipped file says 0, so
//    any other value was written there on purpose;
// 3. the system's language: Chinese for every Chinese locale (zh_*),
//    English for every other one.
namespace apt::LanguageChoice {

constexpr int English = 0;
constexpr int Chinese = 1;

// The decision: `storedChoice` as the per-user settings hold it ("en",
// "zh"; anything else counts as no choice), the Setup.xml value, and the
// language the system's interface asks for.
int languageFor(const QString &storedChoice, unsigned setupTranslator, const QLocale &system);

// The language the system's interface asks for (its first user-interface
// language, which the LANGUAGE variable may set apart from LANG).
QLocale systemLocale();

// The choice kept in the per-user settings: English, Chinese, or -1 when
// the user has chosen nothing.
int storedChoice();
// Keeps English or Chinese as the user's choice; it counts from the next
// start.
void storeChoice(int code);

// The language of the next start: languageFor() of the stored choice, the
// loaded Setup.xml and the system's language.
int startupLanguage();

} // namespace apt::LanguageChoice
