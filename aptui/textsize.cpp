#include "aptui/textsize.h"

#include <QCoreApplication>
#include <QVariant>

namespace aptui {

int textSizePercent()
{
    bool ok = false;
    const int percent = qApp ? qApp->property(TextSizeProperty).toInt(&ok) : 0;
    return ok && percent > 0 ? percent : 100;
}

bool highContrastLook()
{
    return qApp && qApp->property(HighContrastProperty).toBool();
}

int scaledToText(int pixels)
{
    return int((qint64(pixels) * textSizePercent() + 50) / 100);
}

} // namespace aptui
