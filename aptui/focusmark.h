#pragma once

#include <QWidget>

namespace aptui {

// The mark that shows where keyboard focus is: a 2 px outline drawn just
// outside the focused control, over whatever lies around it. It shows only
// while the user works with the keyboard, so that mouse users see the look
// as it always was; a mouse press hides it, the next key that moves or
// acts on the focus brings it back.
//
// The mark is a child of the focused control's parent, so that it moves,
// scrolls and is clipped with the control. Its colour is its palette's text
// colour, which the style sheets set with a rule for aptui--FocusMark.
class FocusMark final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusMark)

public:
    // Starts following the focus for the whole application; later calls do
    // nothing.
    static void install();
    // The control the mark is drawn around now, or null while none is.
    static QWidget *markedWidget();

    ~FocusMark() override;

    // Width of the outline and the gap between it and the control.
    static constexpr int kWidth = 2;
    static constexpr int kGap = 1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusMark(QWidget *parent);
    friend class FocusTracker;
};

} // namespace aptui
