#include "platform/cfancytitle.h"

#include <QMouseEvent>
#include <QWindow>

namespace OrvaneGUIToolkit {

CFancyTitle::CFancyTitle(QWidget *parent)
    : QFrame(parent)
{
}

CFancyTitle::~CFancyTitle() = default;

void CFancyTitle::SetOpenDoubleClickEnable(bool enable)
{
    m_doubleClickEnabled = enable;
}

bool CFancyTitle::IsOpenDoubleClickEnabled() const
{
    return m_doubleClickEnabled;
}

void CFancyTitle::mousePressEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (event->button() != Qt::LeftButton || !window || IsMaximized(window)
        || IsFullScreen(window)) {
        QFrame::mousePressEvent(event);
        return;
    }

    // The window system moves the window itself where it can; elsewhere
    // (offscreen, some X11 setups) the move events below do it.
    QWindow *handle = window->windowHandle();
    m_dragging = !(handle && handle->startSystemMove());
    m_dragOffset = event->globalPosition().toPoint() - window->frameGeometry().topLeft();
    event->accept();
}

void CFancyTitle::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (m_dragging && window && (event->buttons() & Qt::LeftButton)) {
        window->move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QFrame::mouseMoveEvent(event);
}

void CFancyTitle::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QFrame::mouseReleaseEvent(event);
}

void CFancyTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (!m_doubleClickEnabled || event->button() != Qt::LeftButton || !window) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    if (IsMaximized(window))
        ShowNormal(window);
    else
        ShowMaximized(window);
    emit SignalWndSizeStatusChanged();
    event->accept();
}

} // namespace OrvaneGUIToolkit
