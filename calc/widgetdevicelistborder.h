#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class WidgetDeviceListBorder;
}

// The empty state of the device list panel: a picture and a tip asking for a
// device, centred.
class WidgetDeviceListBorder final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WidgetDeviceListBorder)

public:
    explicit WidgetDeviceListBorder(QWidget *parent = nullptr);
    ~WidgetDeviceListBorder() override;

private:
    std::unique_ptr<Ui::WidgetDeviceListBorder> ui;
};
