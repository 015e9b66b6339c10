#pragma once

#include <QWidget>

#include <memory>

class RecorderBar;
class WidgetDeviceListBorder;
struct PlanRetention;

namespace Ui {
class CapacityCalculation;
}

// The right-hand panel: the device list and the calculation page side by
// side under a title row with "Clear". Until the first channel group is
// added it shows the empty state instead. Beside the title, the site's
// totals; under it, whether the disk keeps the period (the verdict), in
// words, with an icon and a colour.
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
    RecorderBar *recorderBar() const;
    // The limits the shown recorders break, one text each: the verdict line
    // then says so first, in red, and its tool tip lists them all.
    void showBreaches(const QStringList &breaches);
    QObject *getDataDisplayPageSize() const;
    QObject *getDataDisplayPageTime() const;
    // The device list and the calculation page, rather than the empty state.
    bool isNormalPageShown() const;

signals:
    void signalClear();

public slots:
    void showNullPage();
    void showNormalPage();
    // The totals and the verdict of the plan shown; nothing without groups.
    void showRetention(const PlanRetention &figures);

private:
    // Leaves `shown` as the only content of the border layout.
    void showOnly(QWidget *shown, QWidget *hidden);

    std::unique_ptr<Ui::CapacityCalculation> ui;
    QWidget *m_CapacityWidget;
    WidgetDeviceListBorder *m_pNullPage;
};
