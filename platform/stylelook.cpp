#include "platform/stylelook.h"

#include "platform/cfile.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace apt::StyleLook {

namespace {

// The skin's palette and its high-contrast twins, by the role a colour
// plays. Text reaches at least 4.5:1 on every background of the look, lines
// 3:1 on white and on the surface tint, fills keep white (or their own
// light tint) under dark text and the accent and danger fills keep white
// text at 4.5:1. Colours the look keeps as they are map to themselves.
struct Twin
{
    ColourRole role;
    const char *colour;
    const char *twin;
};

const Twin kTwins[] = {
    // Text.
    {ColourRole::Text, "#ffffff", "#ffffff"},
    {ColourRole::Text, "#333333", "#000000"},
    {ColourRole::Text, "#666666", "#262626"},
    {ColourRole::Text, "#6b6b6b", "#262626"},
    {ColourRole::Text, "#acacac", "#4d4d4d"},
    {ColourRole::Text, "#dadada", "#595959"}, // lines drawn in the text colour
    {ColourRole::Text, "#467dd3", "#0a47a3"},
    {ColourRole::Text, "#5a8ee0", "#1a5cc2"},
    {ColourRole::Text, "#3a6bbd", "#083a85"},
    {ColourRole::Text, "#e5484d", "#b3261e"},
    {ColourRole::Text, "#1e7b34", "#14602a"},
    {ColourRole::Text, "#8a5a00", "#6b4500"},
    {ColourRole::Text, "#b3261e", "#8f1d17"},
    // Fills.
    {ColourRole::Fill, "#ffffff", "#ffffff"},
    {ColourRole::Fill, "#f4f5f6", "#f2f2f2"},
    {ColourRole::Fill, "#eceef1", "#e0e0e0"},
    {ColourRole::Fill, "#dadada", "#c4c4c4"},
    {ColourRole::Fill, "#cccccc", "#8a8a8a"},
    {ColourRole::Fill, "#acacac", "#595959"},
    {ColourRole::Fill, "#467dd3", "#0a47a3"},
    {ColourRole::Fill, "#3d7bd9", "#0a47a3"},
    {ColourRole::Fill, "#5a8ee0", "#1a5cc2"},
    {ColourRole::Fill, "#3a6bbd", "#083a85"},
    {ColourRole::Fill, "#a3bee9", "#5c6b80"},
    {ColourRole::Fill, "#e8effa", "#dce6f5"},
    {ColourRole::Fill, "#d3e1f6", "#c5d5ee"},
    {ColourRole::Fill, "#e5484d", "#b3261e"},
    {ColourRole::Fill, "#c93c41", "#8c1d17"},
    {ColourRole::Fill, "#b3261e", "#8f1d17"},
    {ColourRole::Fill, "#fdecec", "#fdecec"},
    {ColourRole::Fill, "#f8d3d4", "#f8d3d4"},
    {ColourRole::Fill, "rgba(0,0,0,90)", "rgba(0,0,0,90)"},
    // Lines.
    {ColourRole::Line, "#cccccc", "#6e6e6e"},
    {ColourRole::Line, "#dadada", "#6e6e6e"},
    {ColourRole::Line, "#cfd2d6", "#6e6e6e"},
    {ColourRole::Line, "#c9d3e0", "#6e6e6e"},
    {ColourRole::Line, "#acacac", "#000000"},
    {ColourRole::Line, "#467dd3", "#0a47a3"},
    {ColourRole::Line, "#3d7bd9", "#0a47a3"},
    {ColourRole::Line, "#5a8ee0", "#1a5cc2"},
    {ColourRole::Line, "#3a6bbd", "#083a85"},
    {ColourRole::Line, "#a3bee9", "#5c6b80"},
    {ColourRole::Line, "#e8effa", "#0a47a3"},
    {ColourRole::Line, "#e5484d", "#b3261e"},
    {ColourRole::Line, "#b3261e", "#8f1d17"},
};

// A colour as a key of the table: lower case, without white space.
QString colourKey(const QString &colour)
{
    QString key = colour.toLower();
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('\t'));
    return key;
}

const QRegularExpression &colourToken()
{
    static const QRegularExpression token(QStringLiteral("#[0-9a-fA-F]{3,8}\\b|rgba?\\([^)]*\\)"));
    return token;
}

int channel(const QString &text, bool alpha)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    if (alpha && trimmed.contains(QLatin1Char('.'))) {
        const double share = trimmed.toDouble(&ok);
        return ok && share >= 0.0 && share <= 1.0 ? int(std::lround(share * 255.0)) : -1;
    }
    const int value = trimmed.toInt(&ok);
    return ok && value >= 0 && value <= 255 ? value : -1;
}

double linear(int channelValue)
{
    const double c = channelValue / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Calls `rewrite` with the property and value of every declaration of the
// sheet (comments left out) and puts what it returns in the value's place.
template <typename Rewrite>
QString rewriteDeclarations(const QString &sheet, Rewrite rewrite)
{
    const QString text = withoutComments(sheet);
    QString out;
    out.reserve(text.size());
    bool inBlock = false;
    QString declaration;
    const auto flush = [&] {
        const int colon = declaration.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            out += declaration;
        } else {
            const QString property = declaration.left(colon).trimmed().toLower();
            out += declaration.left(colon + 1);
            out += rewrite(property, declaration.mid(colon + 1));
        }
        declaration.clear();
    };
    for (const QChar c : text) {
        if (!inBlock) {
            out += c;
            inBlock = c == QLatin1Char('{');
            continue;
        }
        if (c == QLatin1Char(';') || c == QLatin1Char('}')) {
            flush();
            out += c;
            inBlock = c != QLatin1Char('}');
            continue;
        }
        declaration += c;
    }
    if (inBlock)
        flush();
    return out;
}

} // namespace

std::optional<Colour> parseColour(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("white"))
        return Colour{255, 255, 255, 255};
    if (t == QLatin1String("black"))
        return Colour{0, 0, 0, 255};
    if (t == QLatin1String("transparent"))
        return Colour{0, 0, 0, 0};
    if (t.startsWith(QLatin1Char('#'))) {
        QString hex = t.mid(1);
        if (hex.size() == 3)
            hex = QString(hex[0]) + hex[0] + hex[1] + hex[1] + hex[2] + hex[2];
        bool ok = false;
        const uint value = hex.toUInt(&ok, 16);
        if (hex.size() != 6 || !ok)
            return std::nullopt;
        return Colour{int((value >> 16) & 0xff), int((value >> 8) & 0xff), int(value & 0xff), 255};
    }
    static const QRegularExpression function(QStringLiteral("^(rgba?)\\s*\\(([^)]*)\\)$"));
    const QRegularExpressionMatch match = function.match(t);
    if (!match.hasMatch())
        return std::nullopt;
    const bool withAlpha = match.captured(1) == QLatin1String("rgba");
    const QStringList parts = match.captured(2).split(QLatin1Char(','));
    if (parts.size() != (withAlpha ? 4 : 3))
        return std::nullopt;
    Colour colour;
    int *channels[] = {&colour.red, &colour.green, &colour.blue, &colour.alpha};
    for (int i = 0; i < parts.size(); ++i) {
        const int value = channel(parts.at(i), i == 3);
        if (value < 0)
            return std::nullopt;
        *channels[i] = value;
    }
    return colour;
}

double relativeLuminance(const Colour &colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrastRatio(const Colour &first, const Colour &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString SheetRule::value(const QString &property) const
{
    for (auto it = declarations.crbegin(); it != declarations.crend(); ++it) {
        if (it->first == property)
            return it->second;
    }
    return QString();
}

QString withoutComments(const QString &sheet)
{
    QString out;
    out.reserve(sheet.size());
    int from = 0;
    while (from < sheet.size()) {
        const int open = sheet.indexOf(QLatin1String("/*"), from);
        if (open < 0) {
            out += QStringView(sheet).mid(from);
            break;
        }
        out += QStringView(sheet).mid(from, open - from);
        const int close = sheet.indexOf(QLatin1String("*/"), open + 2);
        if (close < 0)
            break;
        from = close + 2;
    }
    return out;
}

QList<SheetRule> parseSheet(const QString &sheet)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QList<SheetRule> rules;
    const QString text = withoutComments(sheet);
    int from = 0;
    while (true) {
        const int open = text.indexOf(QLatin1Char('{'), from);
        if (open < 0)
            break;
        int close = text.indexOf(QLatin1Char('}'), open + 1);
        if (close < 0)
            close = text.size();
        SheetRule rule;
        for (const QString &selector : text.mid(from, open - from).split(QLatin1Char(','))) {
            const QString simplified = selector.trimmed().replace(space, QStringLiteral(" "));
            if (!simplified.isEmpty())
                rule.selectors << simplified;
        }
        for (const QString &declaration : text.mid(open + 1, close - open - 1).split(QLatin1Char(';'))) {
            const int colon = declaration.indexOf(QLatin1Char(':'));
            if (colon < 0)
                continue;
            rule.declarations.append({declaration.left(colon).trimmed().toLower(),
                                      declaration.mid(colon + 1).trimmed()});
        }
        rules << rule;
        from = close + 1;
    }
    return rules;
}

ColourRole roleOf(const QString &property)
{
    if (property == QLatin1String("color") || property == QLatin1String("selection-color"))
        return ColourRole::Text;
    if (property == QLatin1String("background") || property == QLatin1String("background-color")
        || property == QLatin1String("selection-background-color")
        || property == QLatin1String("alternate-background-color"))
        return ColourRole::Fill;
    if (property.startsWith(QLatin1String("border")) || property.startsWith(QLatin1String("outline"))
        || property == QLatin1String("gridline-color"))
        return ColourRole::Line;
    return ColourRole::None;
}

std::optional<QString> highContrastColour(ColourRole role, const QString &colour)
{
    static const QHash<QString, QString> twins = [] {
        QHash<QString, QString> table;
        for (const Twin &twin : kTwins)
            table.insert(QString::number(int(twin.role)) + colourKey(QLatin1String(twin.colour)),
                         QLatin1String(twin.twin));
        return table;
    }();
    const auto found = twins.constFind(QString::number(int(role)) + colourKey(colour));
    if (found == twins.constEnd())
        return std::nullopt;
    return *found;
}

QString highContrastSheet(const QString &sheet)
{
    return rewriteDeclarations(sheet, [](const QString &property, const QString &value) {
        const ColourRole role = roleOf(property);
        if (role == ColourRole::None)
            return value;
        QString out;
        int from = 0;
        QRegularExpressionMatchIterator tokens = colourToken().globalMatch(value);
        while (tokens.hasNext()) {
            const QRegularExpressionMatch token = tokens.next();
            out += QStringView(value).mid(from, token.capturedStart() - from);
            out += highContrastColour(role, token.captured()).value_or(token.captured());
            from = token.capturedEnd();
        }
        out += QStringView(value).mid(from);
        return out;
    });
}

QString highContrastRichText(const QString &html)
{
    static const QRegularExpression inlineColour(QStringLiteral("((?<![\\w-])color\\s*:\\s*)(#[0-9A-Fa-f]{3,8}\\b)"));
    const Colour white{255, 255, 255};
    QString out;
    int from = 0;
    QRegularExpressionMatchIterator found = inlineColour.globalMatch(html);
    while (found.hasNext()) {
        const QRegularExpressionMatch match = found.next();
        const std::optional<Colour> colour = parseColour(match.captured(2));
        QString replacement = match.captured(2);
        if (colour && contrastRatio(*colour, white) < 4.5) {
            replacement = highContrastColour(ColourRole::Text, replacement)
                              .value_or(QStringLiteral("#4d4d4d"));
        }
        out += QStringView(html).mid(from, match.capturedStart(2) - from);
        out += replacement;
        from = match.capturedEnd(2);
    }
    out += QStringView(html).mid(from);
    return out;
}

QString joinSheets(const QString &toolkitDirectory, const QString &leftOut, const QString &applicationSheet)
{
    QStringList names = QDir(toolkitDirectory).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeOne(leftOut);
    QString sheet = OrvaneGUIToolkit::CFile::ReadAll(names, toolkitDirectory);
    sheet += QLatin1Char('\n');
    sheet += OrvaneGUIToolkit::CFile::ReadAll(applicationSheet);
    return sheet;
}

QString lookSheet(const QString &defaultSheet, const QString &highContrastAddition, bool highContrast,
                  int textSize)
{
    QString sheet = defaultSheet;
    if (highContrast)
        sheet = highContrastSheet(defaultSheet) + QLatin1Char('\n') + withoutComments(highContrastAddition);
    return scaleFontSizes(sheet, textSize);
}

QString scaleFontSizes(const QString &sheet, int percent)
{
    if (percent == 100)
        return sheet;
    static const QRegularExpression pixels(QStringLiteral("(\\d+(?:\\.\\d+)?)px\\b"));
    return rewriteDeclarations(sheet, [percent](const QString &property, const QString &value) {
        if (property != QLatin1String("font-size") && property != QLatin1String("font"))
            return value;
        QString out;
        int from = 0;
        QRegularExpressionMatchIterator sizes = pixels.globalMatch(value);
        while (sizes.hasNext()) {
            const QRegularExpressionMatch size = sizes.next();
            out += QStringView(value).mid(from, size.capturedStart() - from);
            const long scaled = std::lround(size.captured(1).toDouble() * percent / 100.0);
            out += QString::number(scaled) + QLatin1String("px");
            from = size.capturedEnd();
        }
        out += QStringView(value).mid(from);
        return out;
    });
}

bool highContrastFor(const QString &storedChoice, const QString &desktopTheme)
{
    if (storedChoice == QLatin1String("on"))
        return true;
    if (storedChoice == QLatin1String("off"))
        return false;
    QString theme = desktopTheme.toLower();
    theme.remove(QLatin1Char('-'));
    theme.remove(QLatin1Char('_'));
    theme.remove(QLatin1Char(' '));
    return theme.contains(QLatin1String("highcontrast"));
}

int chosenTextSize(const QString &storedChoice)
{
    bool ok = false;
    const int percent = storedChoice.toInt(&ok);
    if (!ok)
        return 0;
    return std::find(std::begin(kTextSizes), std::end(kTextSizes), percent) != std::end(kTextSizes) ? percent
                                                                                                     : 0;
}

int textSizeFor(const QString &storedChoice, double desktopPointSize)
{
    const int chosen = std::max(100, chosenTextSize(storedChoice));
    int desktop = 100;
    if (desktopPointSize > kUsualDesktopPoints)
        desktop = int(std::min(200L, std::lround(desktopPointSize / kUsualDesktopPoints * 100.0)));
    return std::max(chosen, desktop);
}

} // namespace apt::StyleLook
