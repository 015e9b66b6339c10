#include "app/languagechoice.h"
#include "app/lookchoice.h"
#include "app/startuplook.h"
#include "aptui/basedialog.h"
#include "aptui/menu.h"
#include "aptui/screencompositing.h"
#include "aptui/switch.h"
#include "aptui/windowtitle.h"
#include "data/scenceselector.h"
#include "device/deviceitemwidget.h"
#include "mainwindow/planmenu.h"
#include "platform/targetpath.h"
#include "skin/iskinplugin.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QPluginLoader>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QString SkinPluginPath = QStringLiteral(LARKSPAN_STAGE_DIR "/plugins/skins/CommonSkin");
const QString PluginsDir = QStringLiteral(LARKSPAN_STAGE_DIR "/plugins");
const QString ToolkitSheetDir = QStringLiteral(":/Pellmar/Qss/Qss/OrvaneGUIToolkit/");
const QString AppSheet = QStringLiteral(":/Pellmar/Qss/Qss/Larkspan/Larkspan.qss");
const QString HighContrastSheet = QStringLiteral(":/Pellmar/Qss/Qss/HighContrast/HighContrast.qss");

QStringList filesBelow(const QString &root, const QStringList &filters)
{
    QStringList files;
    QDirIterator it(root, filters, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString hiDpiTwin(const QString &png)
{
    QString twin = png;
    return twin.insert(twin.size() - int(qstrlen(".png")), QLatin1String("@2x"));
}

// The selector part of every rule of a sheet, comments removed.
QStringList selectorsOf(const QString &sheet)
{
    static const QRegularExpression comment(QStringLiteral(R"(/\*.*?\*/)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression rule(QStringLiteral(R"(([^{}]+)\{[^{}]*\})"));
    QString text = readText(sheet);
    text.remove(comment);
    QStringList selectors;
    auto rules = rule.globalMatch(text);
    while (rules.hasNext()) {
        const QStringList list = rules.next().captured(1).split(QLatin1Char(','));
        for (const QString &selector : list)
            selectors << selector.simplified();
    }
    return selectors;
}

QStringList allSheets()
{
    return filesBelow(QStringLiteral(":/Pellmar/Qss"), {"*.qss"});
}

// Every text a selector could name: the forms and the program's sources.
const QString &programSources()
{
    static const QString sources = [] {
        QString text;
        const QDir root(QStringLiteral(LARKSPAN_SOURCE_DIR));
        for (const char *folder :
             {"forms", "app", "aptui", "calc", "data", "device", "mainwindow", "platform"}) {
            for (const QString &file :
                 filesBelow(root.filePath(QLatin1String(folder)), {"*.ui", "*.h", "*.cpp"}))
                text += readText(file);
        }
        return text;
    }();
    return sources;
}

// Pseudo-states and sub-controls that Qt's style sheets know. A rule with any
// other name is accepted without a word and never applies.
const QStringList KnownPseudoStates = {
    "active", "adjoins-item", "alternate", "bottom", "checked", "closable", "closed", "default",
    "disabled", "editable", "edit-focus", "enabled", "exclusive", "first", "flat", "floatable",
    "focus", "has-children", "has-siblings", "horizontal", "hover", "indeterminate", "last", "left",
    "maximized", "middle", "minimized", "movable", "no-frame", "non-exclusive", "off", "on",
    "only-one", "open", "next-selected", "pressed", "previous-selected", "read-only", "right",
    "selected", "top", "unchecked", "vertical", "window"};
const QStringList KnownSubControls = {
    "add-line", "add-page", "branch", "chunk", "close-button", "corner", "down-arrow",
    "down-button", "drop-down", "float-button", "groove", "indicator", "handle", "icon", "item",
    "left-arrow", "left-corner", "menu-arrow", "menu-button", "menu-indicator", "right-arrow",
    "pane", "right-corner", "scroller", "section", "separator", "sub-line", "sub-page", "tab",
    "tab-bar", "tear", "tearoff", "text", "title", "up-arrow", "up-button"};

QImage renderItemText(QStyle *style, const QString &text, int width, int flags, bool throughStyle,
                      int pointSize = 9)
{
    QImage image(width + 40, 90, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), pointSize));
    const QRect box(10, 5, width, 20);
    if (throughStyle)
        style->drawItemText(&painter, box, flags, QPalette(), true, text);
    else
        painter.drawText(box, flags, text);
    return image;
}

QStringList collectedMessages;

void collectMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    collectedMessages << message;
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void offersCommonSkin();
    void registersResourceRoots_data();
    void registersResourceRoots();
    void namedImages_data();
    void namedImages();
    void everyImageHasHiDpiTwin_data();
    void everyImageHasHiDpiTwin();
    void sheetUrlsExist_data();
    void sheetUrlsExist();
    void sheetsParse_data();
    void sheetsParse();
    void macSpecialStandsApart();

    void styleFoundByFactory();
    void styleHints_data();
    void styleHints();
    void textSizeLetsContentRaiseAFloor_data();
    void textSizeLetsContentRaiseAFloor();
    void styleFocusRing_data();
    void styleFocusRing();
    void styleGivesComboBoxesStyledDelegate();
    void styleElidesTextThatDoesNotFit_data();
    void styleElidesTextThatDoesNotFit();

    void objectNamesInSheetsExist_data();
    void objectNamesInSheetsExist();
    void classNamesInSheetsExist_data();
    void classNamesInSheetsExist();
    void pseudoStatesAreKnown_data();
    void pseudoStatesAreKnown();
    void statesLookDistinct_data();
    void statesLookDistinct();

    void menuPanelFollowsCompositing_data();
    void menuPanelFollowsCompositing();

    void startupReadsStoredLook_data();
    void startupReadsStoredLook();
    void menuAppliesLookAtOnce();
    void textSizeGrowsFixedSizes_data();
    void textSizeGrowsFixedSizes();

private:
    QTemporaryDir m_userSettings;
    QObject *m_skin = nullptr;
    std::unique_ptr<QStyle> m_style;
};

void TestSkin::initTestCase()
{
    // The program's own look, from the staged skin and style, in English
    // whatever the system's language or the user's own choice.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_userSettings.path());
    apt::LanguageChoice::storeChoice(apt::LanguageChoice::English);
    OrvaneGUIToolkit::SetTargetPathOverride(QStringLiteral(LARKSPAN_STAGE_DIR));
    QCoreApplication::addLibraryPath(PluginsDir);
    QVERIFY(apt::installStartupLook());

    QPluginLoader loader(SkinPluginPath);
    m_skin = loader.instance();
    QVERIFY2(m_skin, qPrintable(loader.errorString()));
    m_style.reset(QStyleFactory::create(QStringLiteral("CommonStyle")));
}

void TestSkin::menuPanelFollowsCompositing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("atFirstPopup"); // whether the screen composites
    QTest::addColumn<bool>("atSecondPopup");
    QTest::addColumn<QPoint>("firstItem");  // top left of the first entry in the menu
    QTest::addColumn<bool>("translucent");  // some pixels let the desktop through

    // Translucent: the panel image's 8 px slices hold the shadow. Opaque: a
    // 1 px border, no shadow margin.
    QTest::newRow("compositing: translucent with the shadow")
        << "Menu" << true << true << QPoint(8, 8) << true;
    QTest::newRow("no compositing: opaque, without the margin")
        << "Menu" << false << false << QPoint(1, 4) << false;
    QTest::newRow("about menu, compositing") << "aboutMenu" << true << true << QPoint(18, 8) << true;
    QTest::newRow("about menu, no compositing") << "aboutMenu" << false << false << QPoint(13, 4) << false;
    QTest::newRow("compositing stopped after the first popup")
        << "Menu" << true << false << QPoint(1, 4) << false;
    QTest::newRow("compositing started after the first popup")
        << "Menu" << false << true << QPoint(8, 8) << true;
}

void TestSkin::menuPanelFollowsCompositing()
{
    QFETCH(QString, name);
    QFETCH(bool, atFirstPopup);
    QFETCH(bool, atSecondPopup);
    QFETCH(QPoint, firstItem);
    QFETCH(bool, translucent);

    aptui::setScreenCompositingOverride(atFirstPopup);
    aptui::Menu menu;
    menu.setObjectName(name);
    QAction *first = menu.addAction(QStringLiteral("Open..."));
    menu.addAction(QStringLiteral("Save"));
    menu.popup(QPoint(20, 20));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.close();

    aptui::setScreenCompositingOverride(atSecondPopup);
    menu.popup(QPoint(20, 20));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    aptui::setScreenCompositingOverride(std::nullopt);

    QCOMPARE(menu.actionGeometry(first).topLeft(), firstItem);
    // Without compositing no pixel may be less than opaque: it would show
    // black. With it, the corner is the shadow's faint edge.
    const QImage picture = menu.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    bool allOpaque = true;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            allOpaque = allOpaque && qAlpha(picture.pixel(x, y)) == 255;
    }
    QCOMPARE(allOpaque, !translucent);
    if (!translucent)
        QCOMPARE(picture.pixelColor(0, picture.height() / 2), QColor(0xcf, 0xd2, 0xd6));
    menu.close();
}

void TestSkin::offersCommonSkin()
{
    const auto *skin = qobject_cast<ISkinPlugin *>(m_skin);
    QVERIFY(skin);
    QCOMPARE(skin->skinNames(), QStringList{QStringLiteral("CommonSkin")});
}

void TestSkin::registersResourceRoots_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("skin images") << ":/CommonSkin/";
    QTest::newRow("style sheets") << ":/Pellmar/Qss/";
    QTest::newRow("toolkit images") << ":/aptui/";
    QTest::newRow("toolkit sheet folder") << ToolkitSheetDir;
}

void TestSkin::registersResourceRoots()
{
    QFETCH(QString, path);
    QVERIFY2(QFileInfo(path).isDir(), qPrintable(path));
}

// Images the program loads by path, at the size the widget showing them has.
void TestSkin::namedImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const QString app = QStringLiteral(":/CommonSkin/Larkspan/Images/Larkspan/");
    QTest::newRow("application icon")
        << ":/aptui/complex/Images/System/Complex/calculate.png" << QSize(64, 64);
    QTest::newRow("update status ok") << app + "DeviceInfo/icon_state_ok.png" << QSize(16, 16);
    QTest::newRow("update status error") << app + "DeviceInfo/icon_state_error.png" << QSize(16, 16);
    QTest::newRow("time tab selected") << app + "CalculatorPage/timecal_sel.png" << QSize(24, 24);
    QTest::newRow("time tab") << app + "CalculatorPage/timecal.png" << QSize(24, 24);
    QTest::newRow("size tab") << app + "CalculatorPage/diskspace.png" << QSize(24, 24);
    QTest::newRow("size tab selected") << app + "CalculatorPage/diskspace_sel.png" << QSize(24, 24);
    QTest::newRow("IPC row icon, 28 px label") << app + "DeviceList/ipc.png" << QSize(28, 28);
    QTest::newRow("DVR row icon, 26 px label") << app + "DeviceList/dvr.png" << QSize(26, 26);
    QTest::newRow("empty-state picture, 90 px label")
        << app + "CapacityPanel/nodevice.png" << QSize(90, 90);
    QTest::newRow("about icon, 40 px label") << app + "About/softicon.png" << QSize(40, 40);
    QTest::newRow("menu panel, 8 px slices") << ":/aptui/Images/Menu/panel.png" << QSize(24, 24);
}

void TestSkin::namedImages()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void TestSkin::everyImageHasHiDpiTwin_data()
{
    QTest::addColumn<QString>("path");
    const QStringList images = filesBelow(QStringLiteral(":/CommonSkin"), {"*.png"})
                               + filesBelow(QStringLiteral(":/aptui"), {"*.png"});
    QVERIFY(!images.isEmpty());
    for (const QString &path : images) {
        if (!path.endsWith(QLatin1String("@2x.png")))
            QTest::newRow(qPrintable(path)) << path;
    }
}

void TestSkin::everyImageHasHiDpiTwin()
{
    QFETCH(QString, path);
    const QImage image(path);
    const QImage twin(hiDpiTwin(path));
    QVERIFY(!image.isNull());
    QVERIFY2(!twin.isNull(), qPrintable(hiDpiTwin(path)));
    QCOMPARE(twin.size(), image.size() * 2);
}

void TestSkin::sheetUrlsExist_data()
{
    QTest::addColumn<QString>("sheet");
    const QStringList sheets = filesBelow(QStringLiteral(":/Pellmar/Qss"), {"*.qss"});
    QVERIFY(sheets.contains(AppSheet));
    for (const QString &sheet : sheets)
        QTest::newRow(qPrintable(sheet)) << sheet;
}

void TestSkin::sheetUrlsExist()
{
    QFETCH(QString, sheet);
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*["']?([^"')]+?)["']?\s*\))"));
    QStringList missing;
    auto matches = url.globalMatch(readText(sheet));
    while (matches.hasNext()) {
        const QString path = matches.next().captured(1);
        if (!QFile::exists(path))
            missing << path;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
}

// Start-up joins every plain file of the toolkit folder, so each must be a
// style sheet that Qt parses; a broken one would silently drop the rules
// after it.
void TestSkin::sheetsParse_data()
{
    QTest::addColumn<QString>("sheet");
    const QStringList toolkit = QDir(ToolkitSheetDir).entryList(QDir::Files);
    QVERIFY(toolkit.size() > 1);
    for (const QString &name : toolkit)
        QTest::newRow(qPrintable(name)) << ToolkitSheetDir + name;
    QTest::newRow("Larkspan.qss") << AppSheet;
    QTest::newRow("HighContrast.qss") << HighContrastSheet;
}

void TestSkin::sheetsParse()
{
    QFETCH(QString, sheet);
    QVERIFY(sheet.endsWith(QLatin1String(".qss")));
    const QString text = readText(sheet);
    QVERIFY(!text.trimmed().isEmpty());

    collectedMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectMessage);
    {
        QWidget widget;
        widget.setStyleSheet(text);
        widget.ensurePolished();
    }
    qInstallMessageHandler(previous);
    QVERIFY2(collectedMessages.isEmpty(), qPrintable(collectedMessages.join(QLatin1Char('\n'))));
}

// MacSpecial.qss must be recognisable in a joined sheet, so that a check of
// the start-up sheet can tell it was left out.
void TestSkin::macSpecialStandsApart()
{
    const QString marker = QStringLiteral("MacSpecialNativeMenuBar");
    QVERIFY(readText(ToolkitSheetDir + "MacSpecial.qss").contains(marker));
    const QStringList sheets = filesBelow(QStringLiteral(":/Pellmar/Qss"), {"*.qss"});
    for (const QString &sheet : sheets) {
        if (!sheet.endsWith(QLatin1String("/MacSpecial.qss")))
            QVERIFY2(!readText(sheet).contains(marker), qPrintable(sheet));
    }
}

void TestSkin::styleFoundByFactory()
{
    QVERIFY(QStyleFactory::keys().contains(QStringLiteral("CommonStyle")));
    QVERIFY(m_style);
    const auto *proxy = qobject_cast<QProxyStyle *>(m_style.get());
    QVERIFY(proxy);
    QCOMPARE(proxy->baseStyle()->name().toLower(), QStringLiteral("fusion"));
}

void TestSkin::styleHints_data()
{
    QTest::addColumn<int>("hint");
    QTest::addColumn<int>("expected");
    QTest::newRow("combo box pops up a plain list") << int(QStyle::SH_ComboBox_Popup) << 0;
    QTest::newRow("tool tip wakes after 500 ms") << int(QStyle::SH_ToolTip_WakeUpDelay) << 500;
    QTest::newRow("slider jumps on left click")
        << int(QStyle::SH_Slider_AbsoluteSetButtons) << int(Qt::LeftButton);
    QTest::newRow("slider pages on middle click")
        << int(QStyle::SH_Slider_PageSetButtons) << int(Qt::MiddleButton);
    QTest::newRow("disabled text not etched") << int(QStyle::SH_EtchDisabledText) << 0;
}

void TestSkin::styleHints()
{
    QFETCH(int, hint);
    QFETCH(int, expected);
    QVERIFY(m_style);
    QCOMPARE(m_style->styleHint(QStyle::StyleHint(hint)), expected);
}

void TestSkin::styleFocusRing_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("surface");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<bool>("lightRing");

    const int focus = int(QStyle::State_HasFocus);
    const int keyboard = int(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange);
    QTest::newRow("focus by mouse: nothing drawn") << focus << QColor("#ffffff") << false << false;
    QTest::newRow("focus by keyboard on a white button: accent ring")
        << keyboard << QColor("#ffffff") << true << false;
    QTest::newRow("focus by keyboard on an accent button: light ring")
        << keyboard << QColor("#467dd3") << true << true;
}

void TestSkin::styleFocusRing()
{
    QFETCH(int, state);
    QFETCH(QColor, surface);
    QFETCH(bool, drawn);
    QFETCH(bool, lightRing);
    QVERIFY(m_style);

    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QStyleOptionFocusRect option;
    option.rect = image.rect();
    option.state = QStyle::State(state);
    option.palette = m_style->standardPalette();
    option.palette.setColor(QPalette::Button, surface);
    option.palette.setColor(QPalette::ButtonText, lightRing ? Qt::white : QColor("#333333"));
    {
        QPainter painter(&image);
        m_style->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter);
    }

    // A ring: its edge is painted, what it surrounds is left alone.
    QCOMPARE(image.pixelColor(20, 10).alpha(), 0);
    const QColor edge = image.pixelColor(0, 10);
    QCOMPARE(edge.alpha() > 0, drawn);
    if (!drawn)
        return;
    if (lightRing)
        QVERIFY2(edge.lightness() > 200, qPrintable(edge.name()));
    else
        QVERIFY2(edge.blue() > edge.red() + 60, qPrintable(edge.name()));
}

void TestSkin::styleGivesComboBoxesStyledDelegate()
{
    QVERIFY(m_style);
    QComboBox combo;
    combo.setStyle(m_style.get());
    QVERIFY(qobject_cast<QStyledItemDelegate *>(combo.itemDelegate()));
}

void TestSkin::styleElidesTextThatDoesNotFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("elided");
    QTest::addColumn<int>("pointSize");

    const int centred = int(Qt::AlignCenter);
    QTest::newRow("fits: drawn whole") << "Office" << 120 << centred << false << 9;
    // The style remembers what it fitted; a larger font is another text.
    QTest::newRow("the same text and width in a larger font: ellipsis")
        << "Office" << 120 << centred << true << 48;
    QTest::newRow("one pixel short: ends in an ellipsis") << "Supermarket" << -1 << centred << true << 9;
    QTest::newRow("far too wide: ends in an ellipsis")
        << "Fixted Rate : 20480 kbps" << 60 << int(Qt::AlignLeft | Qt::AlignVCenter) << true << 9;
    QTest::newRow("word-wrapped: left to wrap")
        << "Supermarket Entrance" << 60 << int(Qt::AlignLeft | Qt::TextWordWrap) << false << 9;
    QTest::newRow("several lines: left whole") << "Super\nmarket" << 30 << centred << false << 9;
}

void TestSkin::styleElidesTextThatDoesNotFit()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, flags);
    QFETCH(bool, elided);
    QFETCH(int, pointSize);
    QVERIFY(m_style);

    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), pointSize));
    if (width < 0)
        width = metrics.horizontalAdvance(text) - 1;
    const QString expected = elided ? metrics.elidedText(text, Qt::ElideRight, width) : text;
    if (elided)
        QVERIFY(expected.endsWith(QChar(0x2026)));
    QCOMPARE(renderItemText(m_style.get(), text, width, flags, true, pointSize),
             renderItemText(m_style.get(), expected, width, flags, false, pointSize));
}

// A selector that names an object nobody creates is a rule that silently
// never applies: a renamed widget would lose its look unnoticed.
void TestSkin::objectNamesInSheetsExist_data()
{
    QTest::addColumn<QString>("name");
    static const QRegularExpression id(QStringLiteral(R"(#([A-Za-z_]\w*))"));
    QSet<QString> names;
    for (const QString &sheet : allSheets()) {
        for (const QString &selector : selectorsOf(sheet)) {
            auto ids = id.globalMatch(selector);
            while (ids.hasNext())
                names.insert(ids.next().captured(1));
        }
    }
    QVERIFY(names.size() > 40);
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    for (const QString &name : sorted) {
        if (name != QLatin1String("MacSpecialNativeMenuBar")) // the native macOS menu bar's
            QTest::newRow(qPrintable(name)) << name;
    }
}

void TestSkin::objectNamesInSheetsExist()
{
    QFETCH(QString, name);
    QVERIFY2(programSources().contains(QLatin1Char('"') + name + QLatin1Char('"')),
             qPrintable(name + QLatin1String(" is named by no form or source")));
}

void TestSkin::classNamesInSheetsExist_data()
{
    QTest::addColumn<QString>("selector");
    static const QRegularExpression type(QStringLiteral(R"((?:^|[\s>])([A-Za-z_][\w-]*))"));
    QSet<QString> classes;
    for (const QString &sheet : allSheets()) {
        for (const QString &selector : selectorsOf(sheet)) {
            // Drop what follows a type: names, states, properties.
            QString bare = selector;
            bare.remove(QRegularExpression(QStringLiteral(R"(#\w+|::?[\w-]+|\[[^\]]*\])")));
            auto types = type.globalMatch(bare);
            while (types.hasNext()) {
                const QString name = types.next().captured(1);
                if (!name.startsWith(QLatin1Char('Q')))
                    classes.insert(name);
            }
        }
    }
    QVERIFY(classes.contains(QStringLiteral("aptui--Switch")));
    for (const QString &name : classes)
        QTest::newRow(qPrintable(name)) << name;
}

// The program's own classes are selected by their qualified names, with
// "--" for "::"; each must be a class of the program.
void TestSkin::classNamesInSheetsExist()
{
    QFETCH(QString, selector);
    const QStringList parts = selector.split(QStringLiteral("--"));
    const auto declares = [](const char *keyword, const QString &name) {
        return programSources().contains(QRegularExpression(
            QStringLiteral(R"(\b%1\s+%2\b)").arg(QLatin1String(keyword), name)));
    };
    QVERIFY2(declares("class", parts.last()), qPrintable(selector + QLatin1String(" names no class")));
    if (parts.size() == 2)
        QVERIFY2(declares("namespace", parts.first()),
                 qPrintable(selector + QLatin1String(" names no namespace")));
}

void TestSkin::pseudoStatesAreKnown_data()
{
    QTest::addColumn<QString>("sheet");
    for (const QString &sheet : allSheets())
        QTest::newRow(qPrintable(QFileInfo(sheet).fileName())) << sheet;
}

void TestSkin::pseudoStatesAreKnown()
{
    QFETCH(QString, sheet);
    static const QRegularExpression state(QStringLiteral(R"((::?)(!?)([A-Za-z][\w-]*))"));
    QStringList unknown;
    for (const QString &selector : selectorsOf(sheet)) {
        auto states = state.globalMatch(selector);
        while (states.hasNext()) {
            const auto match = states.next();
            const bool subControl = match.captured(1) == QLatin1String("::");
            const QString name = match.captured(3);
            if (!(subControl ? KnownSubControls : KnownPseudoStates).contains(name))
                unknown << selector;
        }
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1String("; "))));
}

// Every state a user can bring a control into looks different from its plain
// state, with the application's own style sheet and style.
void TestSkin::statesLookDistinct_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("state");

    const QList<std::pair<const char *, QStringList>> table = {
        {"push button", {"hover", "pressed", "disabled"}},
        {"add button", {"hover", "pressed", "disabled"}},
        {"clear button", {"hover", "pressed"}},
        {"dialog confirm", {"hover", "pressed", "disabled"}},
        {"dialog cancel", {"hover", "pressed"}},
        {"title close", {"hover", "pressed"}},
        {"title maximise", {"hover", "maximised"}},
        {"row delete", {"hover", "pressed"}},
        {"scene button", {"hover", "checked"}},
        {"switch ON side", {"switched off"}},
        {"switch OFF side", {"hover", "switched off"}},
        {"radio button", {"hover", "checked", "disabled"}},
        {"collapse toggle", {"hover", "checked"}},
        {"line edit", {"hover", "disabled"}},
        {"combo box", {"hover", "disabled"}},
    };
    for (const auto &[control, states] : table) {
        for (const QString &state : states)
            QTest::addRow("%s: %s", control, qPrintable(state)) << control << state;
    }
}

void TestSkin::statesLookDistinct()
{
    QFETCH(QString, control);
    QFETCH(QString, state);

    // Each control inside the parents its selectors name.
    QWidget host;
    aptui::BaseDialog dialog(false, false, false, false, true, true, true, nullptr);
    aptui::WindowTitle title(&host);
    aptui::Switch switcher(&host);
    ScenceSelector scenes(&host);
    scenes.setScenceData({{1, QStringLiteral("Office")}});
    NM_Larkspan::DeviceItemWidget row(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate"), QString());
    auto named = [&](const char *name) -> QWidget * {
        auto *button = new QPushButton(QStringLiteral("Clear"), &host);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    const QMap<QString, QWidget *> controls = {
        {"push button", new QPushButton(QStringLiteral("Export"), &host)},
        {"add button", named("m_btnAddDevice")},
        {"clear button", named("m_btnClear")},
        {"dialog confirm", dialog.findChild<QWidget *>(QStringLiteral("btnConfirm"))},
        {"dialog cancel", dialog.findChild<QWidget *>(QStringLiteral("btnCancel"))},
        {"title close", title.findChild<QWidget *>(QStringLiteral("m_btnClose"))},
        {"title maximise", title.findChild<QWidget *>(QStringLiteral("m_btnMaximize"))},
        {"row delete", row.findChild<QWidget *>(QStringLiteral("m_btnDelete"))},
        {"scene button", scenes.findChild<QPushButton *>()},
        {"switch ON side", switcher.findChild<QWidget *>(QStringLiteral("m_btnON"))},
        {"switch OFF side", switcher.findChild<QWidget *>(QStringLiteral("m_btnOFF"))},
        {"radio button", new QRadioButton(QStringLiteral("TB"), &host)},
        {"line edit", new QLineEdit(QStringLiteral("4"), &host)},
        {"combo box", new QComboBox(&host)},
    };
    QWidget *widget = controls.value(control);
    if (control == QLatin1String("collapse toggle")) {
        widget = new QCheckBox(&host);
        widget->setObjectName(QStringLiteral("m_checkBoxSpread"));
    }
    QVERIFY2(widget, qPrintable(control));
    widget->resize(widget->sizeHint().expandedTo(QSize(60, 24)));
    const QImage plain = widget->grab().toImage();

    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (state == QLatin1String("hover")) {
        // The pointer over the widget's left end, where a check box has its
        // indicator: buttons follow its moves to know whether it is on them.
        widget->setAttribute(Qt::WA_UnderMouse);
        const QPointF inside(8, widget->height() / 2);
        QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    } else if (state == QLatin1String("pressed")) {
        button->setDown(true);
    } else if (state == QLatin1String("disabled")) {
        widget->setEnabled(false);
    } else if (state == QLatin1String("checked")) {
        button->setCheckable(true);
        button->setChecked(true);
    } else if (state == QLatin1String("switched off")) {
        switcher.switchOff();
    } else if (state == QLatin1String("maximised")) {
        widget->setObjectName(QStringLiteral("m_btnResore"));
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
    QVERIFY2(widget->grab().toImage() != plain, qPrintable(control + QLatin1String(" looks the same ") + state));
}

// The look and text size kept per user are what the start-up steps install;
// the desktop's high-contrast theme counts only while the user chose nothing.
void TestSkin::startupReadsStoredLook_data()
{
    QTest::addColumn<QVariant>("contrast");
    QTest::addColumn<QVariant>("size");
    QTest::addColumn<QString>("gtkTheme");
    QTest::addColumn<bool>("highContrast");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("titleFont");
    QTest::newRow("nothing chosen") << QVariant() << QVariant() << "" << false << 9.0 << "font-size: 13px";
    QTest::newRow("high contrast, 150 %") << QVariant("on") << QVariant(150) << "" << true << 13.5
                                          << "font-size: 20px";
    QTest::newRow("125 %") << QVariant("off") << QVariant(125) << "" << false << 11.25 << "font-size: 16px";
    QTest::newRow("desktop high contrast") << QVariant() << QVariant() << "HighContrast" << true << 9.0
                                           << "font-size: 13px";
    QTest::newRow("chosen off over the desktop") << QVariant("off") << QVariant() << "HighContrast" << false
                                                 << 9.0 << "font-size: 13px";
}

void TestSkin::startupReadsStoredLook()
{
    QFETCH(QVariant, contrast);
    QFETCH(QVariant, size);
    QFETCH(QString, gtkTheme);
    QFETCH(bool, highContrast);
    QFETCH(double, points);
    QFETCH(QString, titleFont);
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"),
                           QStringLiteral("Larkspan"));
        settings.remove(QStringLiteral("look"));
        if (contrast.isValid())
            settings.setValue(QStringLiteral("look/highContrast"), contrast);
        if (size.isValid())
            settings.setValue(QStringLiteral("look/textSize"), size);
    }
    qputenv("GTK_THEME", gtkTheme.toUtf8());
    apt::installStyle();
    apt::installLanguage();
    const QString sheet = qApp->styleSheet();
    QCOMPARE(sheet.contains(QLatin1String("check_off_hc.png")), highContrast);
    QCOMPARE(sheet.contains(QLatin1String("#467dd3")), !highContrast);
    QCOMPARE(QApplication::font().pointSizeF(), points);
    // The main window's title, 13px in the default sheet.
    const int title = sheet.indexOf(QLatin1String("aptui--WindowTitle QLabel#m_labelTitle"));
    QVERIFY(title >= 0);
    QCOMPARE(sheet.mid(title, 120).contains(titleFont), true);

    qunsetenv("GTK_THEME");
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"), QStringLiteral("Larkspan"))
        .remove(QStringLiteral("look"));
    apt::applyLook();
}

// The menu's entries keep the choice and change the running look.
void TestSkin::menuAppliesLookAtOnce()
{
    qunsetenv("GTK_THEME");
    aptui::Menu menu;
    QWidget window;
    PlanMenu planMenu(&menu, &window, apt::LanguageChoice::English);
    auto *highContrast = menu.findChild<QAction *>(QStringLiteral("highContrastAction"));
    auto *large = menu.findChild<QAction *>(QStringLiteral("textSize150"));
    auto *normal = menu.findChild<QAction *>(QStringLiteral("textSize100"));
    QVERIFY(highContrast && large && normal);
    QVERIFY(!highContrast->isChecked());
    QVERIFY(normal->isChecked());
    const QString defaultSheet = qApp->styleSheet();

    highContrast->trigger();
    QCOMPARE(apt::LookChoice::storedHighContrast(), 1);
    QVERIFY(qApp->styleSheet().contains(QLatin1String("check_off_hc.png")));
    large->trigger();
    QCOMPARE(apt::LookChoice::storedTextSize(), 150);
    QCOMPARE(QApplication::font().pointSizeF(), 13.5);
    QVERIFY(!normal->isChecked());

    highContrast->trigger();
    normal->trigger();
    QCOMPARE(apt::LookChoice::storedHighContrast(), 0);
    QCOMPARE(qApp->styleSheet(), defaultSheet);
    QCOMPARE(QApplication::font().pointSizeF(), 9.0);
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"), QStringLiteral("Larkspan"))
        .remove(QStringLiteral("look"));
}

namespace {

void storeTextSizeAndApply(int percent)
{
    apt::LookChoice::storeTextSize(percent);
    apt::applyLook();
}

} // namespace

// A fixed size made for text at 100 % grows with the text where a text sits
// in it, and is given back at 100 %; what is not text keeps its size.
void TestSkin::textSizeGrowsFixedSizes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("fixed");
    QTest::addColumn<QSize>("at150");
    QTest::newRow("label with a text") << "label" << QSize(52, 22) << QSize(78, 33);
    QTest::newRow("label with a picture only") << "picture" << QSize(26, 26) << QSize(26, 26);
    QTest::newRow("button with a text") << "button" << QSize(84, 24) << QSize(126, 36);
    QTest::newRow("panel") << "panel" << QSize(316, 181) << QSize(316, 181);
    QTest::newRow("panel of texts around a figure: half the height") << "stacked" << QSize(316, 181)
                                                                     << QSize(316, 226);
    QTest::newRow("field with room for its text: width") << "field" << QSize(96, 40) << QSize(144, 40);
    QTest::newRow("label of a widget sizing its own") << "owned" << QSize(120, 20) << QSize(120, 20);
}

void TestSkin::textSizeGrowsFixedSizes()
{
    QFETCH(QString, kind);
    QFETCH(QSize, fixed);
    QFETCH(QSize, at150);
    qunsetenv("GTK_THEME");
    QWidget window;
    QWidget *widget = nullptr;
    if (kind == QLatin1String("label") || kind == QLatin1String("owned")) {
        widget = new QLabel(QStringLiteral("Day(s)"), &window);
        if (kind == QLatin1String("owned"))
            window.setProperty("keepsOwnSizes", true);
    } else if (kind == QLatin1String("picture")) {
        widget = new QLabel(&window);
    } else if (kind == QLatin1String("button")) {
        widget = new QPushButton(QStringLiteral("PAL"), &window);
    } else if (kind == QLatin1String("field")) {
        widget = new QLineEdit(QStringLiteral("16"), &window);
    } else {
        widget = new QWidget(&window);
        if (kind == QLatin1String("stacked"))
            widget->setProperty("fitsTextHeight", true);
    }
    widget->setFixedSize(fixed);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    storeTextSizeAndApply(150);
    QCOMPARE(widget->minimumSize(), at150);
    QCOMPARE(widget->maximumSize(), at150);
    // Made while the text is large: fitted when it is polished.
    auto *later = new QLabel(QStringLiteral("Week(s)"), &window);
    later->setFixedSize(52, 22);
    later->show();
    later->ensurePolished();
    QCOMPARE(later->size(), kind == QLatin1String("owned") ? QSize(52, 22) : QSize(78, 33));

    storeTextSizeAndApply(100);
    QCOMPARE(widget->minimumSize(), fixed);
    QCOMPARE(widget->maximumSize(), fixed);
    QCOMPARE(later->size(), QSize(52, 22));
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"), QStringLiteral("Larkspan"))
        .remove(QStringLiteral("look"));
}

// A panel whose minimum height is a floor for text at 100 % lets its content
// set its height at larger text, so that the window scrolls instead of
// clipping; at 100 % the floor holds again.
void TestSkin::textSizeLetsContentRaiseAFloor_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("minimumHeight"); // of the panel's parent layout
    QTest::newRow("100 %: the floor") << 100 << 650;
    QTest::newRow("150 %: the content") << 150 << 700;
}

void TestSkin::textSizeLetsContentRaiseAFloor()
{
    QFETCH(int, percent);
    QFETCH(int, minimumHeight);
    qunsetenv("GTK_THEME");
    QWidget window;
    auto *outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QWidget(&window);
    panel->setProperty("fitsContentHeight", true);
    panel->setMinimumSize(800, 650);
    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(0, 0, 0, 0);
    auto *content = new QWidget(panel);
    content->setFixedHeight(percent == 100 ? 500 : 700);
    inner->addWidget(content);
    outer->addWidget(panel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    storeTextSizeAndApply(percent);
    QCOMPARE(outer->minimumSize().height(), minimumHeight);
    storeTextSizeAndApply(100);
    QCOMPARE(panel->minimumSize(), QSize(800, 650));
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Larkspan"), QStringLiteral("Larkspan"))
        .remove(QStringLiteral("look"));
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
