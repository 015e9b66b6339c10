#include "aptui/widget.h"

#include "aptui/pointersignals.h"

#include <QPainter>
#include <QStyleOption>

namespace aptui {

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
}

Widget::~Widget() = default;

bool Widget::event(QEvent *event)
{
    static const PointerSignals<Widget> pointerSignals{&Widget::signalMouseClicked, &Widget::signalDoubleClicked,
                                                   &Widget::signalMouseEnter, &Widget::signalMouseLeave};
    emitPointerSignal(this, event, pointerSignals);
    return QWidget::event(event);
}

void Widget::paintEvent(QPaintEvent *event)
{
    // A plain QWidget subclass ignores style-sheet backgrounds and borders
    // unless it asks the style to draw them.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    painter.end();
    QWidget::paintEvent(event);
}

} // namespace aptui
