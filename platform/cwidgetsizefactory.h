#pragma once

#include <QSize>

class QWidget;

namespace OrvaneGUIToolkit {

// Window-size functions for frameless windows, which have no window-manager
// decorations to maximise or restore them. ShowMaximized() remembers the
// normal geometry so that ShowNormal() with an empty size can restore it.
class CWidgetSizeFactory
{
public:
    static bool IsFullScreen(const QWidget *window);
    static bool IsMaximized(const QWidget *window);
    static void ShowMaximized(QWidget *window);
    // An empty `size` restores the geometry from before maximising; any other
    // size shows the window normal at that size.
    static void ShowNormal(QWidget *window, const QSize &size = QSize());
};

// The top-level window that holds `widget`, or nullptr when there is none.
// When `name` is not empty the window must also carry that object name.
QWidget *GetIndependentWindow(QWidget *widget, const char *name = nullptr);

} // namespace OrvaneGUIToolkit
