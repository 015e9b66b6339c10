#include "platform/cwidgetsizefactory.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace OrvaneGUIToolkit {

namespace {

// Dynamic properties keep the toolkit's state on the window itself, so that
// any number of windows can be maximised independently.
constexpr char kMaximizedProperty[] = "_orvane_maximized";
constexpr char kNormalGeometryProperty[] = "_orvane_normalGeometry";

QRect availableArea(const QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

bool CWidgetSizeFactory::IsFullScreen(const QWidget *window)
{
    return window && window->isFullScreen();
}

bool CWidgetSizeFactory::IsMaximized(const QWidget *window)
{
    if (!window)
        return false;
    return window->isMaximized() || window->property(kMaximizedProperty).toBool();
}

void CWidgetSizeFactory::ShowMaximized(QWidget *window)
{
    if (!window)
        return;
    if (!IsMaximized(window))
        window->setProperty(kNormalGeometryProperty, window->geometry());
    window->setProperty(kMaximizedProperty, true);
    window->showMaximized();
    // Without a window manager (or with one that ignores frameless windows)
    // the state alone does not resize the window: fill the work area too.
    const QRect area = availableArea(window);
    if (area.isValid() && window->geometry() != area)
        window->setGeometry(area);
}

void CWidgetSizeFactory::ShowNormal(QWidget *window, const QSize &size)
{
    if (!window)
        return;
    const QRect normal = window->property(kNormalGeometryProperty).toRect();
    window->setProperty(kMaximizedProperty, false);
    window->showNormal();
    if (!size.isEmpty())
        window->resize(size);
    else if (normal.isValid())
        window->setGeometry(normal);
}

QWidget *GetIndependentWindow(QWidget *widget, const char *name)
{
    if (!widget)
        return nullptr;
    QWidget *window = widget->window();
    if (!window || !window->isWindow())
        return nullptr;
    if (name && *name && window->objectName() != QLatin1String(name))
        return nullptr;
    return window;
}

} // namespace OrvaneGUIToolkit
