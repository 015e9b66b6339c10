// The pure pieces of the looks: colours, sheet rules, the high-contrast
// rewrite, font scaling, the decisions of look and text size, and the choices
// kept per user.
#include "app/lookchoice.h"
#include "platform/stylelook.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSkin = QStringLiteral(LARKSPAN_SOURCE_DIR "/skin/qss/");

QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"),
                     QStringLiteral("Larkspan"));
}

} // namespace

class TestStyleLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parseColour_data();
    void parseColour();
    void parseSheet();
    void highContrastSheet_data();
    void highContrastSheet();
    void highContrastRichText_data();
    void highContrastRichText();
    void scaleFontSizes_data();
    void scaleFontSizes();
    void defaultLookUnchanged();
    void highContrastFor_data();
    void highContrastFor();
    void textSizeFor_data();
    void textSizeFor();
    void storedChoicesReadBack_data();
    void storedChoicesReadBack();

private:
    QTemporaryDir m_userSettings;
};

void TestStyleLook::initTestCase()
{
    QVERIFY(m_userSettings.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_userSettings.path());
}

void TestStyleLook::parseColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("alpha");
    QTest::newRow("#rrggbb") << "#467dd3" << true << 0x46 << 0x7d << 0xd3 << 255;
    QTest::newRow("upper case, spaces") << "  #ACACAC " << true << 0xac << 0xac << 0xac << 255;
    QTest::newRow("#rgb") << "#f0a" << true << 0xff << 0x00 << 0xaa << 255;
    QTest::newRow("rgb()") << "rgb(1, 2, 3)" << true << 1 << 2 << 3 << 255;
    QTest::newRow("rgba() 0-255") << "rgba(0, 0, 0, 90)" << true << 0 << 0 << 0 << 90;
    QTest::newRow("rgba() share") << "rgba(255,255,255,0.5)" << true << 255 << 255 << 255 << 128;
    QTest::newRow("white") << "white" << true << 255 << 255 << 255 << 255;
    QTest::newRow("transparent") << "transparent" << true << 0 << 0 << 0 << 0;
    QTest::newRow("#rrggbbaa refused") << "#11223344" << false << 0 << 0 << 0 << 0;
    QTest::newRow("bad digit") << "#12345g" << false << 0 << 0 << 0 << 0;
    QTest::newRow("channel above 255") << "rgb(256, 0, 0)" << false << 0 << 0 << 0 << 0;
    QTest::newRow("missing channel") << "rgb(1, 2)" << false << 0 << 0 << 0 << 0;
    QTest::newRow("named colour not known") << "teal" << false << 0 << 0 << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0 << 0 << 0;
}

void TestStyleLook::parseColour()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<apt::StyleLook::Colour> colour = apt::StyleLook::parseColour(text);
    QCOMPARE(colour.has_value(), valid);
    if (!valid)
        return;
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(int, alpha);
    QCOMPARE(*colour, (apt::StyleLook::Colour{red, green, blue, alpha}));
}

void TestStyleLook::parseSheet()
{
    const QList<apt::StyleLook::SheetRule> rules = apt::StyleLook::parseSheet(QStringLiteral(
        "/* a { color: red; } */\nQLabel,\n  QPushButton:hover  QLabel#x {\n color: #111; COLOR : #222;"
        " border: 1px solid #333 }\nQMenu{}"));
    QCOMPARE(rules.size(), 2);
    QCOMPARE(rules.at(0).selectors, (QStringList{"QLabel", "QPushButton:hover QLabel#x"}));
    QCOMPARE(rules.at(0).value(QStringLiteral("color")), QStringLiteral("#222"));
    QCOMPARE(rules.at(0).value(QStringLiteral("border")), QStringLiteral("1px solid #333"));
    QVERIFY(rules.at(0).value(QStringLiteral("background")).isNull());
    QCOMPARE(rules.at(1).selectors, QStringList{"QMenu"});
    QVERIFY(rules.at(1).declarations.isEmpty());
}

// A colour's twin follows the role it plays in its declaration.
void TestStyleLook::highContrastSheet_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text") << "QLabel { color: #333333; }" << "QLabel { color: #000000; }";
    QTest::newRow("grey as text and as a line")
        << "QLineEdit:hover { color: #acacac; border-color: #ACACAC; }"
        << "QLineEdit:hover { color: #4d4d4d; border-color: #000000; }";
    QTest::newRow("accent in a border shorthand")
        << "a { border: 1px solid #467dd3; background-color: #467dd3; }"
        << "a { border: 1px solid #0a47a3; background-color: #0a47a3; }";
    QTest::newRow("hairline as a fill and a line")
        << "a { background-color: #dadada; border-bottom: 2px solid #dadada; }"
        << "a { background-color: #c4c4c4; border-bottom: 2px solid #6e6e6e; }";
    QTest::newRow("selection colours") << "a { selection-color: #ffffff; selection-background-color: #467dd3; }"
                                       << "a { selection-color: #ffffff; selection-background-color: #0a47a3; }";
    QTest::newRow("rgba with spaces") << "a { background-color: rgba(0, 0, 0, 90); }"
                                      << "a { background-color: rgba(0,0,0,90); }";
    QTest::newRow("colour outside the palette stays") << "a { color: #123456; }" << "a { color: #123456; }";
    QTest::newRow("images and sizes stay")
        << "a { image: url(:/x/#467dd3.png); font-size: 13px; }"
        << "a { image: url(:/x/#467dd3.png); font-size: 13px; }";
    QTest::newRow("selectors with pseudo-states stay")
        << "QPushButton:hover { color: #467dd3; }" << "QPushButton:hover { color: #0a47a3; }";
    QTest::newRow("comments dropped") << "/* #333333 */a { color: #333333; }" << "a { color: #000000; }";
}

void TestStyleLook::highContrastSheet()
{
    QFETCH(QString, sheet);
    QFETCH(QString, expected);
    QCOMPARE(apt::StyleLook::highContrastSheet(sheet), expected);
}

// Colours written into a label's rich text, which no sheet reaches.
void TestStyleLook::highContrastRichText_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("light grey outside the palette, any case")
        << "<span style=\" font-size:18pt; color:#D9DaDb;\">NO DEVICE, </span>"
        << "<span style=\" font-size:18pt; color:#4d4d4d;\">NO DEVICE, </span>";
    QTest::newRow("a palette grey: its text twin") << "<span style=\"color:#acacac\">x</span>"
                                                    << "<span style=\"color:#4d4d4d\">x</span>";
    QTest::newRow("the accent: its twin") << "<span style=\"color: #467dd3;\">43</span>"
                                          << "<span style=\"color: #0a47a3;\">43</span>";
    QTest::newRow("dark enough stays") << "<span style=\"color:#333333\">x</span>"
                                       << "<span style=\"color:#333333\">x</span>";
    QTest::newRow("backgrounds stay") << "<p style=\"background-color:#dadada\">x</p>"
                                      << "<p style=\"background-color:#dadada\">x</p>";
    QTest::newRow("no colour") << "<b>Get Picture Failure</b>" << "<b>Get Picture Failure</b>";
}

void TestStyleLook::highContrastRichText()
{
    QFETCH(QString, html);
    QFETCH(QString, expected);
    QCOMPARE(apt::StyleLook::highContrastRichText(html), expected);
}

void TestStyleLook::scaleFontSizes_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("100 % leaves the sheet, comments and all")
        << "/* x */ a { font-size: 13px; }" << 100 << "/* x */ a { font-size: 13px; }";
    QTest::newRow("150 %, rounded half up") << "a { font-size: 13px; }" << 150 << "a { font-size: 20px; }";
    QTest::newRow("125 %") << "a { font-size: 12px; }" << 125 << "a { font-size: 15px; }";
    QTest::newRow("font shorthand") << "a { font: bold 14px \"Sans\"; }" << 150
                                    << "a { font: bold 21px \"Sans\"; }";
    QTest::newRow("fractional size") << "a { font-size: 18.5px; }" << 200 << "a { font-size: 37px; }";
    QTest::newRow("other pixel sizes stay")
        << "a { min-height: 18px; padding: 2px 10px; border-radius: 11px; font-size: 12px; }" << 150
        << "a { min-height: 18px; padding: 2px 10px; border-radius: 11px; font-size: 18px; }";
    QTest::newRow("points stay") << "a { font-size: 9pt; }" << 150 << "a { font-size: 9pt; }";
    QTest::newRow("every rule") << "a { font-size: 10px; }\nb { font-size: 22px; }" << 150
                                << "a { font-size: 15px; }\nb { font-size: 33px; }";
}

void TestStyleLook::scaleFontSizes()
{
    QFETCH(QString, sheet);
    QFETCH(int, percent);
    QFETCH(QString, expected);
    QCOMPARE(apt::StyleLook::scaleFontSizes(sheet, percent), expected);
}

// Without high contrast at 100 % the program sets exactly the sheet it set
// before the looks existed.
void TestStyleLook::defaultLookUnchanged()
{
    const QString joined = apt::StyleLook::joinSheets(kSkin + QStringLiteral("OrvaneGUIToolkit"),
                                                      QStringLiteral("MacSpecial.qss"),
                                                      kSkin + QStringLiteral("Larkspan/Larkspan.qss"));
    QVERIFY(joined.contains(QLatin1String("#467dd3")));
    QCOMPARE(apt::StyleLook::lookSheet(joined, QStringLiteral("a { color: #000; }"), false, 100), joined);
    // And the high-contrast look keeps every rule, in the same order.
    const QList<apt::StyleLook::SheetRule> before = apt::StyleLook::parseSheet(joined);
    const QList<apt::StyleLook::SheetRule> after
        = apt::StyleLook::parseSheet(apt::StyleLook::lookSheet(joined, QString(), true, 150));
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after.at(i).selectors, before.at(i).selectors);
        QCOMPARE(after.at(i).declarations.size(), before.at(i).declarations.size());
    }
}

void TestStyleLook::highContrastFor_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<bool>("expected");
    QTest::newRow("chosen on, ordinary theme") << "on" << "Adwaita" << true;
    QTest::newRow("chosen off, high-contrast theme") << "off" << "HighContrast" << false;
    QTest::newRow("no choice, HighContrast") << "" << "HighContrast" << true;
    QTest::newRow("no choice, HighContrastInverse") << "" << "HighContrastInverse" << true;
    QTest::newRow("no choice, theme with variant") << "" << "HighContrast:dark" << true;
    QTest::newRow("no choice, spelled with a dash") << "" << "high-contrast" << true;
    QTest::newRow("no choice, ordinary theme") << "" << "Adwaita:dark" << false;
    QTest::newRow("no choice, no theme") << "" << "" << false;
    QTest::newRow("unknown choice counts as none") << "yes" << "" << false;
}

void TestStyleLook::highContrastFor()
{
    QFETCH(QString, stored);
    QFETCH(QString, theme);
    QFETCH(bool, expected);
    QCOMPARE(apt::StyleLook::highContrastFor(stored, theme), expected);
}

void TestStyleLook::textSizeFor_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("desktopPoints");
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing chosen, Qt's 9 pt") << "" << 9.0 << 100;
    QTest::newRow("nothing chosen, GNOME's usual 11 pt") << "" << 11.0 << 100;
    QTest::newRow("nothing chosen, unknown desktop") << "" << -1.0 << 100;
    QTest::newRow("chosen 125") << "125" << 9.0 << 125;
    QTest::newRow("chosen 150") << "150" << 11.0 << 150;
    QTest::newRow("desktop larger than choice") << "125" << 16.5 << 150;
    QTest::newRow("choice larger than desktop") << "150" << 13.0 << 150;
    QTest::newRow("desktop 13.75 pt") << "" << 13.75 << 125;
    QTest::newRow("huge desktop capped") << "" << 40.0 << 200;
    QTest::newRow("choice outside the sizes") << "130" << 9.0 << 100;
    QTest::newRow("choice not a number") << "big" << 9.0 << 100;
}

void TestStyleLook::textSizeFor()
{
    QFETCH(QString, stored);
    QFETCH(double, desktopPoints);
    QFETCH(int, expected);
    QCOMPARE(apt::StyleLook::textSizeFor(stored, desktopPoints), expected);
}

// What the per-user settings hold (as the menu writes it, or as a person
// edited the file) is what the next start reads.
void TestStyleLook::storedChoicesReadBack_data()
{
    QTest::addColumn<QVariant>("contrast");
    QTest::addColumn<QVariant>("size");
    QTest::addColumn<int>("storedContrast");
    QTest::addColumn<bool>("highContrast");
    QTest::addColumn<int>("storedSize");
    QTest::addColumn<int>("textSize");
    QTest::newRow("nothing kept") << QVariant() << QVariant() << -1 << false << 0 << 100;
    QTest::newRow("on, 150") << QVariant("on") << QVariant(150) << 1 << true << 150 << 150;
    QTest::newRow("off, 125") << QVariant("off") << QVariant(125) << 0 << false << 125 << 125;
    QTest::newRow("edited by hand: junk") << QVariant("maybe") << QVariant("huge") << -1 << false << 0 << 100;
    QTest::newRow("edited by hand: 130") << QVariant("on") << QVariant(130) << 1 << true << 0 << 100;
}

void TestStyleLook::storedChoicesReadBack()
{
    QFETCH(QVariant, contrast);
    QFETCH(QVariant, size);
    QFETCH(int, storedContrast);
    QFETCH(bool, highContrast);
    QFETCH(int, storedSize);
    QFETCH(int, textSize);
    qunsetenv("GTK_THEME");
    {
        QSettings settings = userSettings();
        settings.clear();
        if (contrast.isValid())
            settings.setValue(QStringLiteral("look/highContrast"), contrast);
        if (size.isValid())
            settings.setValue(QStringLiteral("look/textSize"), size);
    }
    QCOMPARE(apt::LookChoice::storedHighContrast(), storedContrast);
    QCOMPARE(apt::LookChoice::highContrast(), highContrast);
    QCOMPARE(apt::LookChoice::storedTextSize(), storedSize);
    QCOMPARE(apt::LookChoice::textSize(9.0), textSize);

    // Storing through the menu's functions gives the same reading.
    userSettings().clear();
    if (storedContrast >= 0)
        apt::LookChoice::storeHighContrast(storedContrast == 1);
    apt::LookChoice::storeTextSize(size.toInt());
    QCOMPARE(apt::LookChoice::storedHighContrast(), storedContrast);
    QCOMPARE(apt::LookChoice::storedTextSize(), storedSize);
}

QTEST_GUILESS_MAIN(TestStyleLook)
#include "tst_stylelook.moc"
