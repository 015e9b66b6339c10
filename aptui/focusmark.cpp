#include "aptui/focusmark.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace aptui {

// Follows the application's focus and input, and keeps the mark around the
// focused control while the keyboard is in use. The mark itself dies with
// the window that holds it last; the tracker makes a new one when needed.
class FocusTracker final : public QObject
{
public:
    explicit FocusTracker(QObject *parent)
        : QObject(parent)
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
    }

    QWidget *markedWidget() const { return m_pMark && m_pMark->isVisible() ? m_pWidget.data() : nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *widget);
    void setKeyboardMode(bool on);
    void place();
    void hideMark();

    QPointer<QWidget> m_pWidget;
    QPointer<FocusMark> m_pMark;
    bool m_keyboardMode = false;
};

namespace {

QPointer<FocusTracker> g_tracker;

// Typing into a text field says nothing about where the user looks for the
// focus; keys that move it, or act on the focused control, do.
bool isNavigation(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return false;
    default:
        break;
    }
    const QWidget *focus = QApplication::focusWidget();
    if (!qobject_cast<const QLineEdit *>(focus) && !qobject_cast<const QAbstractSpinBox *>(focus))
        return true;
    const QString text = event->text();
    return text.isEmpty() || !text.at(0).isPrint();
}

} // namespace

void FocusTracker::follow(QWidget *widget)
{
    if (m_pWidget)
        m_pWidget->removeEventFilter(this);
    m_pWidget = widget;
    if (m_pWidget)
        m_pWidget->installEventFilter(this);
    place();
}

void FocusTracker::setKeyboardMode(bool on)
{
    if (m_keyboardMode == on)
        return;
    m_keyboardMode = on;
    place();
}

void FocusTracker::hideMark()
{
    if (m_pMark)
        m_pMark->hide();
}

void FocusTracker::place()
{
    QWidget *widget = m_pWidget;
    QWidget *host = widget ? widget->parentWidget() : nullptr;
    // Popups (menus, a combo box's list) show their own current entry.
    if (!m_keyboardMode || !host || widget->isWindow() || !widget->isVisible()
        || (widget->window()->windowFlags() & Qt::Popup) == Qt::Popup) {
        hideMark();
        return;
    }
    if (!m_pMark) {
        m_pMark = new FocusMark(host);
    } else if (m_pMark->parentWidget() != host) {
        m_pMark->hide();
        m_pMark->setParent(host);
    }
    const int outset = FocusMark::kGap + FocusMark::kWidth;
    // Where the parent clips the outline, it is drawn over the control's rim.
    m_pMark->setGeometry(widget->geometry().adjusted(-outset, -outset, outset, outset) & host->rect());
    m_pMark->raise();
    m_pMark->show();
    m_pMark->update();
}

bool FocusTracker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // Only keys count: a window that opens gives its first control the focus
    // with the reason Tab gives, whether mouse or keyboard opened it. A key
    // that a shortcut takes (F10, Ctrl+S) is seen as ShortcutOverride only.
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (isNavigation(static_cast<QKeyEvent *>(event)))
            setKeyboardMode(true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        setKeyboardMode(false);
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        if (watched == m_pWidget)
            place();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FocusMark::install()
{
    if (!g_tracker)
        g_tracker = new FocusTracker(qApp);
}

QWidget *FocusMark::markedWidget()
{
    return g_tracker ? g_tracker->markedWidget() : nullptr;
}

FocusMark::FocusMark(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

FocusMark::~FocusMark() = default;

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = kWidth / 2.0;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 3, 3);
    painter.setPen(QPen(palette().color(QPalette::WindowText), kWidth));
    painter.drawPath(outline);
}

} // namespace aptui
