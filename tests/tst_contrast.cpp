// The high-contrast look as the program assembles it from the skin's sheets:
// every text, background and line it paints keeps its contrast, and no colour
// of the default look is left in it.
//
// How a pair is found, rule by rule (a static reading cannot follow the
// cascade, so each rule is judged on what it says itself):
// - a rule that sets a text colour and an opaque background: the two;
// - a rule that sets only a text colour: against the look's window
//   background (white) and its surface tint, where the same rule may sit;
// - a rule that sets only an opaque background: against the look's text
//   colour (black) or white, whichever it keeps, as the look draws dark text
//   on light fills and white text on the accent and danger fills;
// - selection colours: selection-color against selection-background-color.
// Text needs 4.5:1, large text (24px and up, or 18.66px and up in bold)
// 3:1. A line (every colour of a border or outline) needs 3:1 against the
// window background and the surface tint. Translucent colours (the dimming
// cover) are left out.
#include "platform/stylelook.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using apt::StyleLook::Colour;
using apt::StyleLook::SheetRule;

namespace {

const QString kSkin = QStringLiteral(LARKSPAN_SOURCE_DIR "/skin/qss/");

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString defaultSheet()
{
    return apt::StyleLook::joinSheets(kSkin + QStringLiteral("OrvaneGUIToolkit"), QStringLiteral("MacSpecial.qss"),
                                      kSkin + QStringLiteral("Larkspan/Larkspan.qss"));
}

QString highContrastAddition()
{
    return readText(kSkin + QStringLiteral("HighContrast/HighContrast.qss"));
}

QString highContrastLook()
{
    return apt::StyleLook::lookSheet(defaultSheet(), highContrastAddition(), true, 100);
}

Colour colour(const char *text)
{
    return *apt::StyleLook::parseColour(QLatin1String(text));
}

const Colour kWindow = colour("#ffffff");
const Colour kSurface = colour("#f2f2f2");
const Colour kText = colour("#000000");
const Colour kWhite = colour("#ffffff");

const QRegularExpression &colourToken()
{
    static const QRegularExpression token(QStringLiteral("#[0-9a-fA-F]{3,8}\\b|rgba?\\([^)]*\\)|\\btransparent\\b"));
    return token;
}

// The opaque colour a value names, if it names one.
std::optional<Colour> opaqueColourIn(const QString &value)
{
    const QRegularExpressionMatch token = colourToken().match(value);
    if (!token.hasMatch())
        return std::nullopt;
    const std::optional<Colour> found = apt::StyleLook::parseColour(token.captured());
    if (!found || found->alpha != 255)
        return std::nullopt;
    return found;
}

QString colourName(const Colour &c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c.red, 2, 16, QLatin1Char('0'))
        .arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'));
}

double pixelsOf(const SheetRule &rule)
{
    static const QRegularExpression pixels(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    const QString size = rule.value(QStringLiteral("font-size"));
    const QRegularExpressionMatch match = pixels.match(size);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

double textMinimum(const SheetRule &rule)
{
    const double pixels = pixelsOf(rule);
    const bool bold = rule.value(QStringLiteral("font-weight")) == QLatin1String("bold");
    return pixels >= 24.0 || (bold && pixels >= 18.66) ? 3.0 : 4.5;
}

// A row name from the rule's selectors; a rule written twice gets a number.
QString rowName(const SheetRule &rule, const QString &what)
{
    static QHash<QString, int> seen;
    const QString name = rule.selectors.join(QLatin1String(", ")) + QLatin1String(" / ") + what;
    const int count = seen[name]++;
    return count == 0 ? name : name + QStringLiteral(" (%1)").arg(count + 1);
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    void ratios_data();
    void ratios();
    void text_data();
    void text();
    void lines_data();
    void lines();
    void everyDefaultColourHasTwin_data();
    void everyDefaultColourHasTwin();
    void focusMarkStandsOut_data();
    void focusMarkStandsOut();
};

// The arithmetic the other tables rely on, at the published reference points.
void TestContrast::ratios_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << "#000000" << "#ffffff" << 21.0;
    QTest::newRow("same colour") << "#467dd3" << "#467dd3" << 1.0;
    QTest::newRow("order does not count") << "#ffffff" << "#767676" << 4.54;
    QTest::newRow("default grey hint on white") << "#acacac" << "#ffffff" << 2.27;
    QTest::newRow("default accent on white") << "#467dd3" << "#ffffff" << 4.09;
    QTest::newRow("default field outline on white") << "#dadada" << "#ffffff" << 1.40;
    QTest::newRow("short form") << "#fff" << "#595959" << 7.0;
}

void TestContrast::ratios()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, ratio);
    const double got = apt::StyleLook::contrastRatio(*apt::StyleLook::parseColour(first),
                                                     *apt::StyleLook::parseColour(second));
    QVERIFY2(qAbs(got - ratio) < 0.01, qPrintable(QString::number(got)));
}

void TestContrast::text_data()
{
    QTest::addColumn<QString>("foreground");
    QTest::addColumn<QString>("background");
    QTest::addColumn<double>("minimum");

    const QList<SheetRule> rules = apt::StyleLook::parseSheet(highContrastLook());
    QVERIFY(rules.size() > 100);
    for (const SheetRule &rule : rules) {
        const std::optional<Colour> text = opaqueColourIn(rule.value(QStringLiteral("color")));
        std::optional<Colour> fill = opaqueColourIn(rule.value(QStringLiteral("background-color")));
        if (!fill)
            fill = opaqueColourIn(rule.value(QStringLiteral("background")));
        const double minimum = textMinimum(rule);
        if (text && fill) {
            QTest::newRow(qPrintable(rowName(rule, QStringLiteral("text on its background"))))
                << colourName(*text) << colourName(*fill) << minimum;
        } else if (text) {
            QTest::newRow(qPrintable(rowName(rule, QStringLiteral("text on the window"))))
                << colourName(*text) << colourName(kWindow) << minimum;
            QTest::newRow(qPrintable(rowName(rule, QStringLiteral("text on the surface"))))
                << colourName(*text) << colourName(kSurface) << minimum;
        } else if (fill) {
            const double dark = apt::StyleLook::contrastRatio(*fill, kText);
            const double light = apt::StyleLook::contrastRatio(*fill, kWhite);
            QTest::newRow(qPrintable(rowName(rule, QStringLiteral("background under text"))))
                << colourName(dark >= light ? kText : kWhite) << colourName(*fill) << 4.5;
        }
        const std::optional<Colour> selected = opaqueColourIn(rule.value(QStringLiteral("selection-color")));
        const std::optional<Colour> selection
            = opaqueColourIn(rule.value(QStringLiteral("selection-background-color")));
        if (selected && selection) {
            QTest::newRow(qPrintable(rowName(rule, QStringLiteral("selected text"))))
                << colourName(*selected) << colourName(*selection) << 4.5;
        }
    }
}

void TestContrast::text()
{
    QFETCH(QString, foreground);
    QFETCH(QString, background);
    QFETCH(double, minimum);
    const double ratio = apt::StyleLook::contrastRatio(*apt::StyleLook::parseColour(foreground),
                                                       *apt::StyleLook::parseColour(background));
    QVERIFY2(ratio >= minimum, qPrintable(QStringLiteral("%1 on %2: %3:1").arg(foreground, background).arg(ratio)));
}

void TestContrast::lines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("background");

    for (const SheetRule &rule : apt::StyleLook::parseSheet(highContrastLook())) {
        for (const auto &[property, value] : rule.declarations) {
            if (apt::StyleLook::roleOf(property) != apt::StyleLook::ColourRole::Line)
                continue;
            const std::optional<Colour> line = opaqueColourIn(value);
            if (!line)
                continue;
            for (const auto &[name, background] : {std::pair{"window", kWindow}, std::pair{"surface", kSurface}})
                QTest::newRow(qPrintable(rowName(rule, property + QLatin1String(" on the ") + QLatin1String(name))))
                    << colourName(*line) << colourName(background);
        }
    }
}

void TestContrast::lines()
{
    QFETCH(QString, line);
    QFETCH(QString, background);
    const double ratio = apt::StyleLook::contrastRatio(*apt::StyleLook::parseColour(line),
                                                       *apt::StyleLook::parseColour(background));
    QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1 on %2: %3:1").arg(line, background).arg(ratio)));
}

// Every colour a rule of the default look sets has a high-contrast twin for
// the role it plays there, or the look's own sheet sets that property again
// for the same selector: no colour of the default look leaks into the
// high-contrast one unchecked.
void TestContrast::everyDefaultColourHasTwin_data()
{
    QTest::addColumn<bool>("covered");

    const QList<SheetRule> addition = apt::StyleLook::parseSheet(highContrastAddition());
    const auto setAgain = [&addition](const QString &selector, const QString &property) {
        for (const SheetRule &rule : addition) {
            if (rule.selectors.contains(selector) && !rule.value(property).isNull())
                return true;
        }
        return false;
    };

    const QList<SheetRule> rules = apt::StyleLook::parseSheet(defaultSheet());
    QVERIFY(rules.size() > 100);
    for (const SheetRule &rule : rules) {
        for (const auto &[property, value] : rule.declarations) {
            const apt::StyleLook::ColourRole role = apt::StyleLook::roleOf(property);
            if (role == apt::StyleLook::ColourRole::None)
                continue;
            QRegularExpressionMatchIterator tokens = colourToken().globalMatch(value);
            while (tokens.hasNext()) {
                const QString token = tokens.next().captured();
                if (token == QLatin1String("transparent"))
                    continue;
                bool covered = apt::StyleLook::highContrastColour(role, token).has_value();
                for (const QString &selector : rule.selectors)
                    covered = covered || setAgain(selector, property);
                QTest::newRow(qPrintable(rowName(rule, property + QLatin1Char(' ') + token))) << covered;
            }
        }
    }
}

void TestContrast::everyDefaultColourHasTwin()
{
    QFETCH(bool, covered);
    QVERIFY(covered);
}

// The keyboard focus mark, in both looks, against every light fill of the
// look (where controls sit: pages, panels, tiles, selections; not the parts
// of a control), at 3:1.
void TestContrast::focusMarkStandsOut_data()
{
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("fill");
    const std::pair<const char *, QString> looks[] = {{"default", defaultSheet()}, {"high contrast", highContrastLook()}};
    for (const auto &[look, sheet] : looks) {
        const QList<SheetRule> rules = apt::StyleLook::parseSheet(sheet);
        QString mark;
        for (const SheetRule &rule : rules) {
            if (rule.selectors.contains(QLatin1String("aptui--FocusMark")))
                mark = rule.value(QStringLiteral("color"));
        }
        QVERIFY2(!mark.isEmpty(), look);
        QSet<QString> fills;
        for (const SheetRule &rule : rules) {
            // Parts of a control (a scroll bar's handle) are no place for one.
            if (std::all_of(rule.selectors.cbegin(), rule.selectors.cend(),
                            [](const QString &selector) { return selector.contains(QLatin1String("::")); }))
                continue;
            for (const auto &[property, value] : rule.declarations) {
                const std::optional<Colour> fill = apt::StyleLook::roleOf(property) == apt::StyleLook::ColourRole::Fill
                                                       ? opaqueColourIn(value)
                                                       : std::nullopt;
                if (fill && apt::StyleLook::relativeLuminance(*fill) > 0.4)
                    fills.insert(colourName(*fill));
            }
        }
        for (const QString &fill : std::as_const(fills))
            QTest::newRow(qPrintable(QStringLiteral("%1: %2 on %3").arg(QLatin1String(look), mark, fill))) << mark << fill;
    }
}

void TestContrast::focusMarkStandsOut()
{
    QFETCH(QString, mark);
    QFETCH(QString, fill);
    const double ratio = apt::StyleLook::contrastRatio(*apt::StyleLook::parseColour(mark),
                                                       *apt::StyleLook::parseColour(fill));
    QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1:1").arg(ratio)));
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
