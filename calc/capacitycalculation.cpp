#include "calc/capacitycalculation.h"

#include "calc/widgetdevicelistborder.h"

#include "ui_capacitycalculation.h"

CapacityCalculation::CapacityCalculation(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CapacityCalculation>())
{
    ui->setupUi(this);
    m_CapacityWidget = ui->m_CapacityWidget;
    m_pNullPage = new WidgetDeviceListBorder(this);
    m_pNullPage->hide();

    connect(ui->m_btnClear, &QPushButton::clicked, this, &CapacityCalculation::signalClear);

    showNullPage();
}

CapacityCalculation::~CapacityCalculation() = default;

QObject *CapacityCalculation::getDeviceAddPage() const
{
    return ui->m_deviceAddPage;
}

QObject *CapacityCalculation::getDataCalculatorPage() const
{
    return ui->m_dataCalculatorPage;
}

QObject *CapacityCalculation::getDataDisplayPageSize() const
{
    return ui->m_dataCalculatorPage->getDataDisplayPageSize();
}

bool CapacityCalculation::isNormalPageShown() const
{
    return !m_CapacityWidget->isHidden();
}

QObject *CapacityCalculation::getDataDisplayPageTime() const
{
    return ui->m_dataCalculatorPage->getDataDisplayPageTime();
}

void CapacityCalculation::showNullPage()
{
    showOnly(m_pNullPage, m_CapacityWidget);
}

void CapacityCalculation::showNormalPage()
{
    showOnly(m_CapacityWidget, m_pNullPage);
}

void CapacityCalculation::showOnly(QWidget *shown, QWidget *hidden)
{
    // Only the layout items go; the widgets they held stay with the panel.
    while (QLayoutItem *item = ui->m_borderLayout->takeAt(0))
        delete item;
    hidden->hide();
    shown->show();
    ui->m_borderLayout->addWidget(shown);
}
