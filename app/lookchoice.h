#pragma once

#include <QString>

// The look and the text size a user chose in the title-bar menu, kept in the
// per-user settings (the file of the language choice and the recent plans),
// and what the desktop asks for when the user has chosen nothing.
namespace apt::LookChoice {

// The high-contrast look: the stored choice, else the desktop's GTK theme.
bool highContrast();
// The choice kept in the per-user settings: 1 on, 0 off, -1 none.
int storedHighContrast();
void storeHighContrast(bool on);

// The user's text size in percent (100, 125 or 150), or 0 when none is kept.
int storedTextSize();
// Keeps one of 100, 125 or 150; other values are not kept.
void storeTextSize(int percent);
// The text size of the interface in percent: the larger of the stored choice
// and the desktop's font of `desktopPointSize` points (see
// StyleLook::textSizeFor).
int textSize(double desktopPointSize);

// The desktop's GTK theme as the GTK_THEME variable names it, which names a
// high-contrast theme when the desktop asks for one that way. Qt has no public
// interface for the desktop's contrast setting; this is what can be read
// without asking the desktop's own settings services.
QString desktopTheme();

} // namespace apt::LookChoice
