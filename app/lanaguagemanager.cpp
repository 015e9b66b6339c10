#include "app/lanaguagemanager.h"

#include "app/languagechoice.h"
#include "platform/targetpath.h"

#include <QCoreApplication>
#include <QTranslator>

namespace apt {

namespace {
// The manager whose catalogues are installed; a later choice of the user
// does not change the running interface.
const LanaguageManager *s_current = nullptr;
} // namespace

LanaguageManager::LanaguageManager()
    : m_language(LanguageChoice::startupLanguage())
{
    s_current = this;
    const Catalogues catalogues = cataloguesFor(m_language);
    m_locale = catalogues.locale;

    // A catalogue that is missing (or has no name) still gets an installed,
    // empty translator: texts then stay in English.
    install(catalogues.application);
    if (!catalogues.qt.isEmpty())
        install(catalogues.qt);
    install(catalogues.toolkit);
}

LanaguageManager::~LanaguageManager()
{
    if (s_current == this)
        s_current = nullptr;
    // Deleting a translator also removes it from the application.
    qDeleteAll(m_translators);
}

int LanaguageManager::interfaceLanguage()
{
    return s_current ? s_current->language() : LanguageChoice::startupLanguage();
}

QString LanaguageManager::translationsDirectory()
{
    return OrvaneGUIToolkit::GetTargetPath() + QStringLiteral("translations/");
}

LanaguageManager::Catalogues LanaguageManager::cataloguesFor(int code)
{
    switch (code) {
    case 0:
        return {QStringLiteral("larkspan_en.qm"), QString(), QStringLiteral("larkspan_en.qm"),
                QLocale(QLocale::English, QLocale::UnitedStates)};
    case 1:
        return {QStringLiteral("larkspan_zh.qm"), QStringLiteral("qt_zh_CN.qm"),
                QStringLiteral("OrvaneGUIToolkit_zh.qm"), QLocale(QLocale::Chinese, QLocale::China)};
    default:
        return {QString(), QString(), QString(), QLocale()};
    }
}

void LanaguageManager::install(const QString &catalogue)
{
    auto *translator = new QTranslator;
    if (!catalogue.isEmpty())
        (void)translator->load(catalogue, translationsDirectory());
    QCoreApplication::installTranslator(translator);
    m_translators.append(translator);
}

} // namespace apt
