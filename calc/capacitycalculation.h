#pragma once

#include <QWidget>

#include <memory>

class WidgetDeviceListBorder;

namespace Ui {
class CapacityCalculation;
}

// The right-hand panel: the device list and the calculation page side by
// side under a title row with "Clear". Until the first channel group is
// added it shows the empty state instead.
class CapacityCalculation final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CapacityCalculation)

public:
    explicit CapacityCalculation(QWidget *parent = nullptr);
    ~CapacityCalculation() override;

    // The child pages, for the main window's connections.
    QObject *getDeviceAddPage() const;
    QObject *getDataCalculatorPage() const;
    QObject *getDataDisplayPageSize() const;
    QObject *getDataDisplayPageTime() const;
    // The device list and the calculation page, rather than the empty state.
    bool isNormalPageShown() const;

signals:
    void signalClear();

public slots:
    void showNullPage();
    void showNormalPage();

private:
    // Leaves `shown` as the only content of the border layout.
    void showOnly(QWidget *shown, QWidget *hidden);

    std::unique_ptr<Ui::CapacityCalculation> ui;
    QWidget *m_CapacityWidget;
    WidgetDeviceListBorder *m_pNullPage;
};
