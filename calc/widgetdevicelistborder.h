#pragma once

#include <QString>
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

protected:
    void changeEvent(QEvent *event) override;

private:
    void showTip();

    std::unique_ptr<Ui::WidgetDeviceListBorder> ui;
    QString m_strTip; // the tip's rich text as the form gives it
};
