#include "aptui/label.h"

#include "aptui/pointersignals.h"

namespace aptui {

Label::Label(QWidget *parent)
    : QLabel(parent)
{
}

Label::Label(const QString &text, QWidget *parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags)
    , m_strText(text)
{
}

Label::~Label() = default;

void Label::setStrText(const QString &text)
{
    m_strText = text;
    setText(m_strText + m_strPunctuation);
}

void Label::setStrPunctuation(const QString &punctuation)
{
    m_strPunctuation = punctuation;
    setText(m_strText + m_strPunctuation);
}

bool Label::event(QEvent *event)
{
    static const PointerSignals<Label> pointerSignals{&Label::SignalMouseClicked, &Label::SignalDoubleClicked,
                                                   &Label::SignalMouseEnter, &Label::SignalMouseLeave};
    emitPointerSignal(this, event, pointerSignals);
    return QLabel::event(event);
}

} // namespace aptui
