#pragma once

// The text size of the interface, in percent (100, 125, 150...), which the
// application's look publishes as the application's property "textSize"
// (100 when it publishes none). Widgets whose own sizes are written for text
// at 100 % scale them with it; they get a QEvent::StyleChange when it
// changes, as the application's style sheet is set again then.
namespace aptui {

constexpr const char *TextSizeProperty = "textSize";

int textSizePercent();

// Whether the high-contrast look is on, as the application's look publishes
// it in the application's property "highContrast". Texts that carry their
// own colours (rich text) choose them by it when they get a StyleChange.
constexpr const char *HighContrastProperty = "highContrast";
bool highContrastLook();
// `pixels` at the interface's text size, rounded.
int scaledToText(int pixels);

} // namespace aptui
