#include "aptui/switch.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyle>

namespace aptui {

namespace {
const QString kOn = QStringLiteral("ON");
const QString kOff = QStringLiteral("OFF");
} // namespace

Switch::Switch(QWidget *parent)
    : Switch(true, parent)
{
}

Switch::Switch(bool on, QWidget *parent)
    : QWidget(parent)
    , m_on(on)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("Switcher"));
    resize(150, 23);

    m_layout = new QHBoxLayout(this);
    m_layout->setObjectName(QStringLiteral("horizontalLayout"));
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);

    m_btnON = new QPushButton(kOn, this);
    m_btnON->setObjectName(QStringLiteral("m_btnON"));
    m_btnON->setCheckable(true);
    m_btnOFF = new QPushButton(kOff, this);
    m_btnOFF->setObjectName(QStringLiteral("m_btnOFF"));
    m_btnOFF->setCheckable(true);
    // The buttons show the state the switch starts in, whichever that is.
    m_btnON->setChecked(on);
    m_btnOFF->setChecked(!on);
    m_layout->addWidget(m_btnON);
    m_layout->addWidget(m_btnOFF);

    connect(m_btnON, &QPushButton::toggled, this, &Switch::onBtnsToggled);
    connect(m_btnOFF, &QPushButton::toggled, this, &Switch::onBtnsToggled);
}

Switch::~Switch() = default;

QString Switch::checked() const
{
    return m_on ? kOn : kOff;
}

void Switch::setChecked(const QString &state)
{
    setSwitch(state.toUpper() == kOn);
}

void Switch::setOnText(const QString &text)
{
    m_btnON->setText(text);
}

void Switch::setOffText(const QString &text)
{
    m_btnOFF->setText(text);
}

void Switch::setOnIcon(const QIcon &icon, int side)
{
    m_btnON->setIcon(icon);
    m_btnON->setIconSize(QSize(side, side));
}

void Switch::setOffIcon(const QIcon &icon, int side)
{
    m_btnOFF->setIcon(icon);
    m_btnOFF->setIconSize(QSize(side, side));
}

void Switch::setSwitch(bool on)
{
    {
        // The buttons are set here, so their own toggles must not come back.
        const QSignalBlocker blockOn(m_btnON);
        const QSignalBlocker blockOff(m_btnOFF);
        m_btnON->setChecked(on);
        m_btnOFF->setChecked(!on);
    }
    storeState(on);
    repolish();
}

void Switch::switchOn()
{
    setSwitch(true);
}

void Switch::switchOff()
{
    setSwitch(false);
}

void Switch::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_btnON->setFixedHeight(event->size().height());
    m_btnOFF->setFixedHeight(event->size().height());
}

void Switch::onBtnsToggled(bool check)
{
    Q_UNUSED(check)
    // Clicking the selected side unchecks it; setSwitch checks it again.
    if (sender() == m_btnON)
        setSwitch(true);
    else if (sender() == m_btnOFF)
        setSwitch(false);
}

void Switch::storeState(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    emit checkedChanged(checked());
    emit signalSwitch(m_on);
    if (m_on)
        emit signalON();
    else
        emit signalOFF();
}

void Switch::repolish()
{
    // Style-sheet rules select on the `checked` property, which the style
    // reads only while polishing. The buttons go first: polishing the switch
    // afterwards keeps their new palettes, the other order restores the old.
    QWidget *const widgets[] = {m_btnON, m_btnOFF, this};
    for (QWidget *widget : widgets) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
    update();
}

} // namespace aptui
