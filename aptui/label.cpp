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

namespace aptui {

void nameFieldsByTheirLabels(QWidget *root)
{
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        QWidget *field = label->buddy();
        if (!field || !field->accessibleName().isEmpty())
            continue;
        QString name = label->text();
        name.remove(QLatin1Char('&'));
        name = name.trimmed();
        while (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xff1a)))
            name = name.chopped(1).trimmed();
        field->setAccessibleName(name);
    }
}

} // namespace aptui
