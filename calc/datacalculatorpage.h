#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class QObject;

namespace Ui {
class DataCalculatorPage;
}

// The calculation column of the capacity panel: behind a two-sided switch it
// computes either how long a disk records ("Calculate Time") or how much disk
// a recording period needs ("Calculate Size"), live from its inputs and the
// latest total bitrate, and emits the result texts for its two result pages.
class DataCalculatorPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataCalculatorPage)

public:
    explicit DataCalculatorPage(QWidget *parent = nullptr);
    ~DataCalculatorPage() override;

signals:
    void setDiskSize(QString size, QString unit);
    void setTime(QString day, QString week, QString month);

public slots:
    QObject *getDataDisplayPageSize() const;
    QObject *getDataDisplayPageTime() const;
    void OnDeviceChanged(double dTotalBitrate);
    void OnSwitchBarChanged(bool state);

private slots:
    void OnCalculateTypeSelectedChanged(int index);
    void OnCalculateTimeDataChanged();
    void OnCalculateDiskSizeDataChanged();

private:
    bool isSizePageShown() const;
    void setSwitchIcons(bool timeSelected);

    std::unique_ptr<Ui::DataCalculatorPage> ui;
    std::unique_ptr<BitrateCalculator> m_pBitrateCalculator;
    double m_dTotalBitrate = 0.0;
};
