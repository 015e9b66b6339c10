#pragma once

// The look that start-up gives the running application, in one place, so that
// whatever shows the program's windows (the program itself, the screenshot
// tool, the skin tests) shows them as the program does.
namespace apt {

// In this order, each step running even when an earlier one failed: the
// default font (with stand-ins for the Windows families the settings name),
// the skin plug-in named by the settings ("CommonSkin" by default) from
// "plugins/skins/" beside the executable, the widget style and the
// application style sheet (installStyle), then the language: the locale's
// text codec and the interface locale go to the toolkit, the language
// manager's first use installs the translators, and the application font
// follows the configured language. The settings must be loaded first.
// Returns whether a plug-in offering the skin was found.
bool installStartupLook();

// The default font, "Microsoft YaHei" at 9 points (times the text size, see
// applyLook), with stand-ins for the Windows families the settings name.
void installDefaultFont();

// The language: the locale's text codec and the interface locale go to the
// toolkit, the language manager's first use installs the translators, and
// the application font follows the configured language.
void installLanguage();

// The widget style "CommonStyle", when the plug-in path offers it, and the
// application style sheet: the toolkit sheets, without the macOS-only one,
// followed by the program's sheet. The skin must be installed first: it
// supplies the sheets.
void installStyle();

// The application style sheet of the look the user chose (or the desktop
// asks for): the default sheets, or their high-contrast twin, with the font
// sizes of the text size. Above 100 % the fixed sizes of the widgets grow by
// the same factor (those made later too, when they are polished); back at
// 100 % they get their own sizes again.
void applyStyleSheet();

// The look and text size as they are chosen now, at once: the application
// style sheet (applyStyleSheet) and the application font of the interface's
// language at 9 points times the text size. The language must be installed.
void applyLook();

// The application's window icon, from the skin; start-up sets it once the
// screens are accepted.
void installApplicationIcon();

} // namespace apt
