#pragma once

#include "platform/cwidgetsizefactory.h"

#include <QFrame>
#include <QPoint>

namespace OrvaneGUIToolkit {

// Title-bar base of frameless windows. Pressing and dragging with the left
// button moves the top-level window; a double click maximises or restores it
// unless SetOpenDoubleClickEnable(false) hands double clicks to the subclass.
class CFancyTitle : public QFrame, public CWidgetSizeFactory
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFancyTitle)

public:
    explicit CFancyTitle(QWidget *parent = nullptr);
    ~CFancyTitle() override;

    void SetOpenDoubleClickEnable(bool enable);
    bool IsOpenDoubleClickEnabled() const;

signals:
    void SignalWndSizeStatusChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_doubleClickEnabled = true;
    bool m_dragging = false;
    QPoint m_dragOffset; // cursor position relative to the window's top-left
};

} // namespace OrvaneGUIToolkit
