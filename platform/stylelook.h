#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// The pure pieces of the program's looks: colours and their contrast, the
// rules of a style sheet, the high-contrast colours that replace the skin's
// palette, the scaling of the sheets' font sizes for a larger text, and the
// decisions which look and which text size a start takes.
namespace apt::StyleLook {

struct Colour
{
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 255;

    bool operator==(const Colour &other) const
    {
        return red == other.red && green == other.green && blue == other.blue && alpha == other.alpha;
    }
};

// A colour as style sheets write it: #rgb, #rrggbb, rgb(r, g, b),
// rgba(r, g, b, a) (a 0-255, or 0.0-1.0 with a point), "white", "black" or
// "transparent". Anything else gives nothing.
std::optional<Colour> parseColour(const QString &text);

// The relative luminance of an opaque colour (sRGB), 0 for black to 1 for white.
double relativeLuminance(const Colour &colour);
// The contrast ratio of two opaque colours, 1 to 21 (their order does not count).
double contrastRatio(const Colour &first, const Colour &second);

struct SheetRule
{
    // Each selector of the rule's group, its white space collapsed to one space.
    QStringList selectors;
    // Property (lower case) and value, in the order written.
    QList<QPair<QString, QString>> declarations;

    // The value of the last declaration of `property`, or a null string.
    QString value(const QString &property) const;
};

// The rules of a style sheet in the order written, comments left out.
QList<SheetRule> parseSheet(const QString &sheet);

// The sheet without its comments.
QString withoutComments(const QString &sheet);

// What a colour of a declaration paints, which decides its high-contrast twin:
// text (color, selection-color), a fill (background, background-color,
// selection-background-color) or a line (border*, outline*).
enum class ColourRole { None, Text, Fill, Line };
ColourRole roleOf(const QString &property);

// The high-contrast twin of a colour of the skin's palette in that role, or
// nothing when the palette has none (the colour then stays as it is).
std::optional<QString> highContrastColour(ColourRole role, const QString &colour);

// The sheet (without comments) with every colour of the skin's palette
// replaced by its high-contrast twin for the role it plays: near-black text,
// white backgrounds, a dark accent, dark outlines. Sizes, images and the
// rules themselves stay as they are.
QString highContrastSheet(const QString &sheet);

// Rich text (a label's HTML) for the high-contrast look: every inline text
// colour under 4.5:1 against white becomes its high-contrast twin, or the
// dark grey of the look's hints where the palette has none. Style sheets
// cannot reach colours written into the text itself.
QString highContrastRichText(const QString &html);

// The default look's sheet: the texts of the plain files of
// `toolkitDirectory` in file-name order ignoring case, without the first file
// named `leftOut`, followed by the text of `applicationSheet`. Missing files
// count as empty.
QString joinSheets(const QString &toolkitDirectory, const QString &leftOut, const QString &applicationSheet);

// The sheet of a look. Without high contrast at 100 % it is `defaultSheet`
// itself; with high contrast, highContrastSheet() of it followed by
// `highContrastAddition` (the look's own rules: its glyph images and what a
// colour table cannot say); then the font sizes scaled to `textSize` percent.
QString lookSheet(const QString &defaultSheet, const QString &highContrastAddition, bool highContrast,
                  int textSize);

// The sheet (without comments) with every pixel size of a font-size or font
// declaration multiplied by `percent` / 100 and rounded to whole pixels.
// 100 gives the sheet back unchanged, comments included.
QString scaleFontSizes(const QString &sheet, int percent);

// The text sizes a user can choose, in percent.
constexpr int kTextSizes[] = {100, 125, 150};

// The point size that desktops give their interface font unless a person
// asks for more (GNOME 11, KDE 10, Qt's own 9): a desktop font above it is a
// larger text that somebody chose.
constexpr double kUsualDesktopPoints = 11.0;

// The stored choices, as the per-user settings keep them: "on"/"off" for
// the high-contrast look, a percent of kTextSizes for the text size; anything
// else counts as no choice.
// The look: the user's choice, else on when the desktop's GTK theme is a
// high-contrast one (its name says "HighContrast" or
// "high-contrast": GNOME's HighContrast and HighContrastInverse, for instance).
bool highContrastFor(const QString &storedChoice, const QString &desktopTheme);
// The text size in percent: the larger of the user's choice (100 when none)
// and the desktop's font against kUsualDesktopPoints (never below 100, at
// most 200). A desktop point size of 0 or less counts as unknown.
int textSizeFor(const QString &storedChoice, double desktopPointSize);
// The user's text size choice in percent, or 0 when there is none.
int chosenTextSize(const QString &storedChoice);

} // namespace apt::StyleLook
