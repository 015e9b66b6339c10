#include "calc/widgetdevicelistborder.h"

#include "ui_widgetdevicelistborder.h"

WidgetDeviceListBorder::WidgetDeviceListBorder(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::WidgetDeviceListBorder>())
{
    ui->setupUi(this);
}

WidgetDeviceListBorder::~WidgetDeviceListBorder() = default;
