#pragma once

#include <QLocale>

class QTextCodec;

namespace OrvaneGUIToolkit {

// The locale and the text codec that the application chose at start-up. The
// toolkit keeps them for its widgets; GuiLocale() and GuiTextCodec() hand them
// back (the system locale and the locale's codec until they are set).
void InitGuiLocale(const QLocale &locale);
void InitGuiTextCodec(QTextCodec *codec);

QLocale GuiLocale();
QTextCodec *GuiTextCodec();

} // namespace OrvaneGUIToolkit
