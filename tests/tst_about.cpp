#include "app/configuremanager.h"
#include "app/languagechoice.h"
#include "app/version.h"
#include "aptui/desktopurl.h"
#include "aptui/dlgabout.h"
#include "mainwindow/aboutdialog.h"
#include "platform/targetpath.h"

#include "datafixture.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QUrl>

namespace {

void clickButton(QWidget *panel, const char *name)
{
    QTest::mouseClick(panel->findChild<QPushButton *>(name), Qt::LeftButton);
}

// Settings with the given language code, loaded as at start-up. Setup.xml's
// 0 leaves the language to the system's, so 0 is the user's choice of
// English too: the manual then does not follow the machine's language.
bool loadLanguage(const QString &folder, int code)
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Larkspan", "Larkspan").clear();
    if (code == apt::LanguageChoice::English)
        apt::LanguageChoice::storeChoice(code);
    const QByteArray xml = "<Config><Translator><Value>" + QByteArray::number(code)
                           + "</Value></Translator></Config>\n";
    return writeFixture(folder, "Setup.xml", xml)
           && apt::ConfigureManager::instance()->load(folder + "/Setup.xml");
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buildNumber_data();
    void buildNumber();
    void panelShowsCompileDate();
    void programPanelTexts();
    void manualAddress_data();
    void manualAddress();
    void userHelpOpensManualOrNotice_data();
    void userHelpOpensManualOrNotice();

private:
    QTemporaryDir m_userSettings;
};

void TestAbout::initTestCase()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_userSettings.path());
}

void TestAbout::buildNumber_data()
{
    QTest::addColumn<QString>("compileDate");
    QTest::addColumn<uint>("number");

    QTest::newRow("single-digit day padded with a space") << "Sep  8 2016" << 20160908u;
    QTest::newRow("two-digit day") << "Dec 31 1999" << 19991231u;
    QTest::newRow("first month") << "Jan  1 2024" << 20240101u;
    QTest::newRow("unknown month is no number") << "Sec 12 2020" << 0u;
    QTest::newRow("empty text") << "" << 0u;
}

void TestAbout::buildNumber()
{
    QFETCH(QString, compileDate);
    QFETCH(uint, number);
    QCOMPARE(aptui::buildNumberFromDate(compileDate), number);
}

void TestAbout::panelShowsCompileDate()
{
    aptui::CDlgAbout about;
    const QString version = about.defaultWidget()->findChild<QLabel *>("m_labVersionValue")->text();
    QVERIFY2(version.startsWith("Version:  v2.0.0.3 Build"), qPrintable(version));
    const QDate built = QDate::fromString(version.right(8), "yyyyMMdd");
    QVERIFY2(built.isValid() && built <= QDate::currentDate(), qPrintable(version));
}

void TestAbout::programPanelTexts()
{
    AboutDialog about;
    QWidget *panel = about.defaultWidget();
    panel->show();
    QCOMPARE(panel->objectName(), QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));
    QCOMPARE(panel->size(), QSize(288, 134));
    QCOMPARE(panel->findChild<QLabel *>("m_labNameValue")->text(), QStringLiteral("Name: Larkspan"));
    // The version and build tag come from the build's one version number.
    QCOMPARE(panel->findChild<QLabel *>("m_labVersionValue")->text(),
             QStringLiteral("Version: v%1build%2")
                 .arg(QLatin1String(apt::Version), QLatin1String(apt::BuildTag)));
    QCOMPARE(panel->findChild<QPushButton *>("aboutbtn1")->text(), QStringLiteral("User Help"));
    QCOMPARE(panel->findChild<QPushButton *>("aboutbtn2")->text(), QStringLiteral("Update Scence"));
    QVERIFY(!panel->findChild<QPushButton *>("m_conerBtn")->isVisible());
}

void TestAbout::manualAddress_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<uint>("language");
    QTest::addColumn<QString>("address");

    QTest::newRow("drive folder, English") << "C:/Tools" << 0u
                                           << "file:///C:/Tools/Larkspan User Manual.pdf";
    QTest::newRow("drive folder, Chinese") << "C:/Tools" << 1u
                                           << QStringLiteral("file:///C:/Tools/Larkspan用户使用手册.pdf");
    QTest::newRow("other language names the folder") << "C:/Tools" << 5u << "file:///C:/Tools";
    QTest::newRow("unix folder keeps three slashes") << "/opt/larkspan" << 0u
                                                     << "file:///opt/larkspan/Larkspan User Manual.pdf";
}

void TestAbout::manualAddress()
{
    QFETCH(QString, directory);
    QFETCH(uint, language);
    QFETCH(QString, address);
    QCOMPARE(userManualAddress(directory, language), address);
}

void TestAbout::userHelpOpensManualOrNotice_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("present");  // the manual's file name
    QTest::addColumn<QString>("where");    // "program", "working" or "both" folders
    QTest::addColumn<bool>("viewer");      // whether the desktop opens what it is given
    QTest::addColumn<QString>("opened");   // folder and name asked of the desktop; empty: none
    QTest::addColumn<QString>("notice");   // @: the fixture's folder; empty: no notice

    const QString english = QStringLiteral("Larkspan User Manual.pdf");
    const QString chinese = QStringLiteral("Larkspan用户使用手册.pdf");
    const QString missing = QStringLiteral("No user manual found.");
    QTest::newRow("English manual beside the program")
        << 0 << english << "program" << true << "program/" + english << QString();
    QTest::newRow("Chinese manual beside the program")
        << 1 << chinese << "program" << true << "program/" + chinese << QString();
    QTest::newRow("started elsewhere, the manual beside the program still opens")
        << 0 << english << "both" << true << "program/" + english << QString();
    QTest::newRow("manual only in the working folder")
        << 0 << english << "working" << true << "working/" + english << QString();
    QTest::newRow("English manual missing gives the notice") << 0 << chinese << "both" << true << QString()
                                                             << missing;
    QTest::newRow("Chinese manual missing gives the notice") << 1 << english << "both" << true << QString()
                                                             << missing;
    QTest::newRow("other language opens the program's folder")
        << 5 << QString() << "program" << true << "program" << QString();
    QTest::newRow("no PDF viewer: the notice names the manual")
        << 0 << english << "both" << false << "program/" + english
        << "No program could open the user manual. It is here:\n@/program/" + english;
    QTest::newRow("manual missing and no PDF viewer: not found")
        << 1 << english << "working" << false << QString() << missing;
}

void TestAbout::userHelpOpensManualOrNotice()
{
    QFETCH(int, language);
    QFETCH(QString, present);
    QFETCH(QString, where);
    QFETCH(bool, viewer);
    QFETCH(QString, opened);
    QFETCH(QString, notice);

    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("program") && QDir(folder.path()).mkpath("working"));
    QVERIFY(loadLanguage(folder.path(), language));
    for (const QString &place : {QStringLiteral("program"), QStringLiteral("working")}) {
        if (!present.isEmpty() && (where == place || where == QLatin1String("both")))
            QVERIFY(writeFixture(folder.path(), place + "/" + present, "%PDF-1.4\n"));
    }
    OrvaneGUIToolkit::SetTargetPathOverride(folder.path() + "/program");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path() + "/working");
    QList<QUrl> asked;
    aptui::setDesktopUrlOpenerForTesting([&asked, viewer](const QUrl &url) {
        asked.append(url);
        return viewer;
    });

    AboutDialog about;
    about.defaultWidget()->show();
    QSignalSpy cover(&about, &AboutDialog::signalCover);
    QSignalSpy discover(&about, &AboutDialog::signalDiscover);
    QString noticeText;
    QString noticeName;
    bool noticeOpensFolder = false;
    int coversDuringNotice = -1;
    int discoversDuringNotice = -1;
    // A notice runs its own event loop; the guard ends the timer when none ran.
    QObject guard;
    QTimer::singleShot(200, &guard, [&] {
        auto *shown = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!shown)
            return;
        noticeText = shown->findChild<QLabel *>("m_labelNULL")->text();
        noticeName = shown->objectName();
        noticeOpensFolder = shown->findChild<QPushButton *>("btnOpenFolder") != nullptr;
        coversDuringNotice = cover.count();
        discoversDuringNotice = discover.count();
        QTest::mouseClick(shown->findChild<QAbstractButton *>("btnClose"), Qt::LeftButton);
    });
    clickButton(about.defaultWidget(), "aboutbtn1");

    aptui::setDesktopUrlOpenerForTesting({});
    QDir::setCurrent(previous);
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
    apt::ConfigureManager::instance()->load(QString());

    if (opened.isEmpty()) {
        QVERIFY(asked.isEmpty());
    } else {
        QCOMPARE(asked.size(), 1);
        QCOMPARE(QFileInfo(asked.first().toLocalFile()), QFileInfo(folder.path() + "/" + opened));
    }
    QCOMPARE(noticeText, QString(notice).replace('@', QDir::toNativeSeparators(folder.path())));
    if (notice.isEmpty()) {
        QCOMPARE(cover.count(), 0);
        return;
    }
    QCOMPARE(noticeName, QStringLiteral("APP_WARNINGDLG"));
    // A manual that is there but did not open can still be reached from its folder.
    QCOMPARE(noticeOpensFolder, !opened.isEmpty());
    QCOMPARE(coversDuringNotice, 1);
    QCOMPARE(discoversDuringNotice, 0);
    QCOMPARE(discover.count(), 1);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
