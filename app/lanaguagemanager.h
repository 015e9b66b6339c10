#pragma once

#include "platform/cuisingleton.h"

#include <QList>
#include <QLocale>
#include <QString>

class QTranslator;

namespace apt {

// Turns the language code into installed translation catalogues and a
// locale. Created once, at start-up after the skin and style; the code is
// the user's choice, Setup.xml's or the system's (LanguageChoice), and a
// change of it takes effect at the next start.
class LanaguageManager final : public OrvaneGUIToolkit::CUiSingleton<LanaguageManager>
{
public:
    // Takes the code of LanguageChoice::startupLanguage() and installs the
    // catalogues of translationsDirectory() for it, most specific last (the
    // application asks the most recently installed translator first).
    LanaguageManager();
    ~LanaguageManager();

    int language() const { return m_language; }
    QLocale locale() const { return m_locale; }
    const QList<QTranslator *> &translators() const { return m_translators; }

    // The language the interface runs in: that of the manager while one
    // exists, else the one a start would choose now.
    static int interfaceLanguage();

    // "translations/" beside the executable.
    static QString translationsDirectory();

    struct Catalogues
    {
        QString application;
        QString qt; // empty: no Qt catalogue
        QString toolkit;
        QLocale locale;
    };
    // The catalogue names and locale of a language code.
    static Catalogues cataloguesFor(int code);

private:
    Q_DISABLE_COPY_MOVE(LanaguageManager)

    void install(const QString &catalogue);

    int m_language;
    QLocale m_locale;
    QList<QTranslator *> m_translators; // owned
};

} // namespace apt
