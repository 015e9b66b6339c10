#pragma once

#include <QWidget>

namespace aptui {

// A plain widget that reports clicks and hovering, and that draws the
// background and border a style sheet gives it.
class Widget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Widget)

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

signals:
    void signalDoubleClicked();
    void signalMouseClicked();
    void signalMouseEnter();
    void signalMouseLeave();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace aptui
