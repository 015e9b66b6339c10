#include "calc/widgetdevicelistborder.h"

#include "aptui/textsize.h"
#include "platform/stylelook.h"
#include "ui_widgetdevicelistborder.h"

#include <QEvent>

WidgetDeviceListBorder::WidgetDeviceListBorder(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::WidgetDeviceListBorder>())
{
    ui->setupUi(this);
    m_strTip = ui->m_labeNullTip->text();
    showTip();
}

WidgetDeviceListBorder::~WidgetDeviceListBorder() = default;

void WidgetDeviceListBorder::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The application's look was set again, perhaps with high contrast.
    if (event->type() == QEvent::StyleChange)
        showTip();
}

// The tip's light grey is written into its text, where no style sheet
// reaches; the high-contrast look darkens it.
void WidgetDeviceListBorder::showTip()
{
    const QString text = aptui::highContrastLook() ? apt::StyleLook::highContrastRichText(m_strTip) : m_strTip;
    if (ui->m_labeNullTip->text() != text)
        ui->m_labeNullTip->setText(text);
}
