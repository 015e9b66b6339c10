#include "app/configuremanager.h"
#include "app/lanaguagemanager.h"
#include "app/languagechoice.h"
#include "platform/targetpath.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

void writeSetup(const QString &path, const QByteArray &settings)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup>" + settings + "</Setup>\n");
}

QString translatorFile(const QTranslator *translator)
{
    return QFileInfo(translator->filePath()).fileName();
}

} // namespace

class TestConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void settingsLookups_data();
    void settingsLookups();
    void unreadableSettingsLeaveDefaults_data();
    void unreadableSettingsLeaveDefaults();
    void keysOutsideTheTableMatchNothing();
    void catalogueTable_data();
    void catalogueTable();
    void startupLanguage_data();
    void startupLanguage();
    void installsCataloguesForCode_data();
    void installsCataloguesForCode();
    void chineseCatalogueTranslates();

private:
    QTemporaryDir m_userSettings;
};

void TestConfiguration::initTestCase()
{
    // The user's language choice lives in the per-user settings: here, a
    // folder of the test.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_userSettings.path());
}

void TestConfiguration::cleanup()
{
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Larkspan", "Larkspan").clear();
}

void TestConfiguration::settingsLookups_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<uint>("translator");
    QTest::addColumn<bool>("hasSkin");
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("entries");

    QTest::newRow("shipped shape") << QByteArray("<Translator><Value>1</Value></Translator>"
                                                 "<Skin><Value>CommonSkin</Value></Skin>")
                                   << 1u << true << QStringLiteral("CommonSkin") << 2;
    QTest::newRow("first of two Skin elements") << QByteArray("<Skin><Value>First</Value></Skin>"
                                                              "<Skin><Value>Second</Value></Skin>")
                                                << 0u << true << QStringLiteral("First") << 2;
    QTest::newRow("Translator without Value") << QByteArray("<Translator>1</Translator>")
                                              << 0u << false << QString() << 1;
    QTest::newRow("lower-case names are other settings")
        << QByteArray("<skin><Value>Dark</Value></skin><translator><Value>1</Value></translator>")
        << 0u << false << QString() << 2;
    QTest::newRow("non-numeric code") << QByteArray("<Translator><Value>one</Value></Translator>")
                                      << 0u << false << QString() << 1;
    QTest::newRow("negative code") << QByteArray("<Translator><Value>-1</Value></Translator>")
                                   << 0u << false << QString() << 1;
    QTest::newRow("code with spaces around") << QByteArray("<Translator><Value> 1 </Value></Translator>")
                                             << 1u << false << QString() << 1;
    QTest::newRow("empty Skin value still counts") << QByteArray("<Skin><Value></Value></Skin>")
                                                   << 0u << true << QString() << 1;
    QTest::newRow("unknown settings are held") << QByteArray("<Colour><Value>red</Value></Colour>"
                                                             "<Translator><Value>9</Value></Translator>")
                                               << 9u << false << QString() << 2;
}

void TestConfiguration::settingsLookups()
{
    QFETCH(QByteArray, settings);
    QFETCH(uint, translator);
    QFETCH(bool, hasSkin);
    QFETCH(QString, skin);
    QFETCH(int, entries);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    writeSetup(path, settings);

    apt::ConfigureManager manager;
    QVERIFY(manager.load(path));
    QCOMPARE(manager.path(), path);
    QCOMPARE(manager.entries().size(), entries);
    QCOMPARE(manager.translator(), translator);
    const apt::Configure *entry = manager.find(ConfigKey::Skin);
    QCOMPARE(entry != nullptr, hasSkin);
    if (entry)
        QCOMPARE(entry->value(), skin);
}

void TestConfiguration::unreadableSettingsLeaveDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");

    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("malformed") << QByteArray("<Setup><Translator><Value>1</Value>") << true;
    QTest::newRow("garbage") << QByteArray("\xef\xbb\xbf\x01\x02 not xml") << true;
    QTest::newRow("nested 65 levels deep")
        << "<Setup><Translator><Value>1</Value></Translator>" + QByteArray("<a>").repeated(64)
               + QByteArray("</a>").repeated(64) + "</Setup>"
        << true;
    QTest::newRow("nested 65 levels deep below an undeclared prefix")
        << "<p:Setup><Translator><Value>1</Value></Translator>" + QByteArray("<a>").repeated(64)
               + QByteArray("</a>").repeated(64) + "</p:Setup>"
        << true;
}

void TestConfiguration::unreadableSettingsLeaveDefaults()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);

    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.xml"));
    writeSetup(good, "<Translator><Value>1</Value></Translator>");
    const QString bad = dir.filePath(QStringLiteral("Setup.xml"));
    if (create) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    apt::ConfigureManager manager;
    QVERIFY(manager.load(good));
    QVERIFY(!manager.load(bad));
    // The old settings are gone, the path of the last good file stays.
    QVERIFY(manager.entries().isEmpty());
    QCOMPARE(manager.path(), good);
    QCOMPARE(manager.translator(), 0u);
    QVERIFY(!manager.find(ConfigKey::Skin));
}

void TestConfiguration::keysOutsideTheTableMatchNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Setup.xml"));
    // An element with an empty name cannot exist, so no setting may match.
    writeSetup(path, "<LogLevel><Value>3</Value></LogLevel>");
    apt::ConfigureManager manager;
    QVERIFY(manager.load(path));
    QVERIFY(manager.find(ConfigKey::LogLevel));
    QVERIFY(!manager.find(static_cast<ConfigKey>(8)));
    QVERIFY(!manager.find(static_cast<ConfigKey>(-1)));
}

void TestConfiguration::catalogueTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<QLocale>("locale");

    QTest::newRow("0 English") << 0 << "larkspan_en.qm" << QString() << "larkspan_en.qm"
                               << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("1 Chinese") << 1 << "larkspan_zh.qm" << "qt_zh_CN.qm" << "OrvaneGUIToolkit_zh.qm"
                               << QLocale(QLocale::Chinese, QLocale::China);
    QTest::newRow("7 unknown") << 7 << QString() << QString() << QString() << QLocale();
}

void TestConfiguration::catalogueTable()
{
    QFETCH(int, code);
    QFETCH(QString, application);
    QFETCH(QString, qt);
    QFETCH(QString, toolkit);
    QFETCH(QLocale, locale);

    const apt::LanaguageManager::Catalogues catalogues = apt::LanaguageManager::cataloguesFor(code);
    QCOMPARE(catalogues.application, application);
    QCOMPARE(catalogues.qt, qt);
    QCOMPARE(catalogues.toolkit, toolkit);
    QCOMPARE(catalogues.locale, locale);
}

void TestConfiguration::startupLanguage_data()
{
    QTest::addColumn<QString>("stored");     // the user's choice in the per-user settings
    QTest::addColumn<unsigned>("setup");     // Translator in Setup.xml
    QTest::addColumn<QString>("system");     // the system's interface language
    QTest::addColumn<int>("language");

    QTest::newRow("no choice, shipped Setup.xml, English system") << "" << 0u << "en_US" << 0;
    QTest::newRow("no choice, shipped Setup.xml, Chinese system") << "" << 0u << "zh_CN" << 1;
    QTest::newRow("traditional Chinese system gets Chinese") << "" << 0u << "zh_TW" << 1;
    QTest::newRow("German system gets English") << "" << 0u << "de_DE" << 0;
    QTest::newRow("C locale gets English") << "" << 0u << "C" << 0;
    QTest::newRow("Setup.xml edited to Chinese on an English system") << "" << 1u << "en_US" << 1;
    QTest::newRow("Setup.xml's other code is kept") << "" << 7u << "zh_CN" << 7;
    QTest::newRow("Chinese chosen on an English system") << "zh" << 0u << "en_US" << 1;
    QTest::newRow("English chosen over Setup.xml's Chinese") << "en" << 1u << "zh_CN" << 0;
    QTest::newRow("English chosen over Setup.xml's other code") << "en" << 7u << "en_US" << 0;
    QTest::newRow("unknown stored value counts as no choice") << "fr" << 0u << "zh_CN" << 1;
}

void TestConfiguration::startupLanguage()
{
    QFETCH(QString, stored);
    QFETCH(unsigned, setup);
    QFETCH(QString, system);
    QFETCH(int, language);

    QCOMPARE(apt::LanguageChoice::languageFor(stored, setup, QLocale(system)), language);
}

void TestConfiguration::installsCataloguesForCode_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("chosen"); // stored by the menu; -1: no choice
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QLocale>("locale");

    const QStringList english{"larkspan_en.qm", "larkspan_en.qm"};
    const QStringList chinese{"larkspan_zh.qm", "qt_zh_CN.qm", "OrvaneGUIToolkit_zh.qm"};
    const QLocale unitedStates(QLocale::English, QLocale::UnitedStates);
    const QLocale china(QLocale::Chinese, QLocale::China);
    // Install order: application, Qt, toolkit; the last one is asked first.
    QTest::newRow("0, English chosen: English twice") << QByteArray("0") << 0 << 0 << english << unitedStates;
    QTest::newRow("1: three Chinese catalogues") << QByteArray("1") << -1 << 1 << chinese << china;
    QTest::newRow("7: two empty translators") << QByteArray("7") << -1 << 7 << QStringList{QString(), QString()}
                                              << QLocale();
    QTest::newRow("Chinese chosen over Setup.xml's 0") << QByteArray("0") << 1 << 1 << chinese << china;
    QTest::newRow("English chosen over Setup.xml's 1") << QByteArray("1") << 0 << 0 << english << unitedStates;
    QTest::newRow("a code outside the choices is not stored") << QByteArray("1") << 7 << 1 << chinese << china;
}

void TestConfiguration::installsCataloguesForCode()
{
    QFETCH(QByteArray, code);
    QFETCH(int, chosen);
    QFETCH(int, language);
    QFETCH(QStringList, files);
    QFETCH(QLocale, locale);

    QTemporaryDir dir;
    writeSetup(dir.filePath(QStringLiteral("Setup.xml")), "<Translator><Value>" + code + "</Value></Translator>");
    QVERIFY(apt::ConfigureManager::instance()->load(dir.filePath(QStringLiteral("Setup.xml"))));
    if (chosen >= 0)
        apt::LanguageChoice::storeChoice(chosen);
    // The compiled catalogues of the staged program.
    OrvaneGUIToolkit::SetTargetPathOverride(QStringLiteral(LARKSPAN_STAGE_DIR));

    apt::LanaguageManager manager;
    QCOMPARE(manager.language(), language);
    QCOMPARE(apt::LanaguageManager::interfaceLanguage(), language);
    QCOMPARE(manager.locale(), locale);
    QStringList installed;
    for (const QTranslator *translator : manager.translators())
        installed << translatorFile(translator);
    QCOMPARE(installed, files);
}

void TestConfiguration::chineseCatalogueTranslates()
{
    QTemporaryDir dir;
    writeSetup(dir.filePath(QStringLiteral("Setup.xml")), "<Translator><Value>1</Value></Translator>");
    QVERIFY(apt::ConfigureManager::instance()->load(dir.filePath(QStringLiteral("Setup.xml"))));
    OrvaneGUIToolkit::SetTargetPathOverride(QStringLiteral(LARKSPAN_STAGE_DIR));

    const QString english = QStringLiteral("Larkspan is already running.");
    {
        apt::LanaguageManager manager;
        QVERIFY(QCoreApplication::translate("apt::ToolsApplication", "Larkspan is already running.")
                != english);
        QCOMPARE(QCoreApplication::translate("BaseDialog", "Confirm"), QStringLiteral("确定"));
    }
    // Deleting the manager takes its translators out of the application.
    QCOMPARE(QCoreApplication::translate("apt::ToolsApplication", "Larkspan is already running."), english);
}

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
