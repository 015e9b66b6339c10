#include "platform/guiinit.h"

#include <QTextCodec>

namespace OrvaneGUIToolkit {

namespace {

struct GuiSettings
{
    QLocale locale;
    QTextCodec *codec = nullptr;
};

GuiSettings &guiSettings()
{
    static GuiSettings settings;
    return settings;
}

} // namespace

void InitGuiLocale(const QLocale &locale)
{
    guiSettings().locale = locale;
}

void InitGuiTextCodec(QTextCodec *codec)
{
    guiSettings().codec = codec;
}

QLocale GuiLocale()
{
    return guiSettings().locale;
}

QTextCodec *GuiTextCodec()
{
    QTextCodec *codec = guiSettings().codec;
    return codec ? codec : QTextCodec::codecForLocale();
}

} // namespace OrvaneGUIToolkit
