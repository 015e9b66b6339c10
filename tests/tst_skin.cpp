#include "skin/iskinplugin.h"

#include <QComboBox>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QPluginLoader>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTest>

namespace {

const QString SkinPluginPath = QStringLiteral(LARKSPAN_STAGE_DIR "/plugins/skins/CommonSkin");
const QString PluginsDir = QStringLiteral(LARKSPAN_STAGE_DIR "/plugins");
const QString ToolkitSheetDir = QStringLiteral(":/Pellmar/Qss/Qss/OrvaneGUIToolkit/");
const QString AppSheet = QStringLiteral(":/Pellmar/Qss/Qss/Larkspan/Larkspan.qss");

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
    void styleDrawsNoFocusRectangle();
    void styleGivesComboBoxesStyledDelegate();

private:
    QObject *m_skin = nullptr;
    std::unique_ptr<QStyle> m_style;
};

void TestSkin::initTestCase()
{
    QPluginLoader loader(SkinPluginPath);
    m_skin = loader.instance();
    QVERIFY2(m_skin, qPrintable(loader.errorString()));

    QCoreApplication::addLibraryPath(PluginsDir);
    m_style.reset(QStyleFactory::create(QStringLiteral("CommonStyle")));
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

void TestSkin::styleDrawsNoFocusRectangle()
{
    QVERIFY(m_style);
    QImage image(40, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QStyleOptionFocusRect option;
    option.rect = image.rect();
    option.state = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    option.palette = m_style->standardPalette();
    {
        QPainter painter(&image);
        m_style->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter);
    }
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    QCOMPARE(image, blank);
}

void TestSkin::styleGivesComboBoxesStyledDelegate()
{
    QVERIFY(m_style);
    QComboBox combo;
    combo.setStyle(m_style.get());
    QVERIFY(qobject_cast<QStyledItemDelegate *>(combo.itemDelegate()));
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
