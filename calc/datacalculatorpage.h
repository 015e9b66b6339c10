#pragma once

#include "calc/diskarray.h"
#include "calc/retention.h"

#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class DiskSizeValidator;
class QDialog;
class QObject;
struct PlanCalculation;

namespace Ui {
class DataCalculatorPage;
}

// The calculation column of the capacity panel: behind a two-sided switch it
// computes either how long a disk records ("Calculate Time") or how much disk
// a recording period needs ("Calculate Size"), live from its inputs and the
// latest total bitrate, and emits the result texts for its two result pages.
// A disk array (the drives last set in its dialog) can give the disk size,
// and under the needed size the page shows the drives that hold it.
//
// Given the groups as the retention rules see them, the page computes with
// each group's recording and retention instead of the total alone, and shows
// the range of each result under it. A total that no longer matches those
// groups means they changed: the page then computes from the total until it
// is given the groups again.
class DataCalculatorPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataCalculatorPage)

public:
    explicit DataCalculatorPage(QWidget *parent = nullptr);
    ~DataCalculatorPage() override;

    // The inputs of both calculations and which one is shown, as a plan
    // keeps them. Setting them recomputes the shown result.
    PlanCalculation inputs() const;
    void setInputs(const PlanCalculation &inputs);
    // A recorder's disk is its drives: the disk-size field then only shows
    // the capacity that "Disk array..." sets.
    void setDiskFromArrayOnly(bool only);

signals:
    void setDiskSize(QString size, QString unit);
    void setTime(QString day, QString week, QString month);
    // The user (or setInputs) changed an input or the shown calculation.
    void signalInputsChanged();
    // Before and after the disk array dialog, which dims the window.
    void signalCover();
    void signalDiscover();

public slots:
    QObject *getDataDisplayPageSize() const;
    QObject *getDataDisplayPageTime() const;
    void OnDeviceChanged(double dTotalBitrate);
    void OnSwitchBarChanged(bool state);
    // The site's groups, with their recording; the shown result follows them.
    void setGroups(const QVector<RetentionGroup> &groups);

private slots:
    void OnCalculateTypeSelectedChanged(int index);
    void OnCalculateTimeDataChanged();
    void OnCalculateDiskSizeDataChanged();
    void onDiskArrayClicked();
    void onDrivesNeededClicked();
    void onDiskUnitToggled();
    void markDiskSize();
    void onGuaranteedToggled();

private:
    bool isSizePageShown() const;
    void setSwitchIcons(bool timeSelected);
    // Runs the dialog with the window dimmed; true when the user confirmed.
    bool runDialog(QDialog &dialog);
    void setDiskArray(const DiskArraySetup &array);
    // The drives line under a size result; none for no size or a "more than" one.
    void showDrivesNeeded(const DiskSizeText &size);
    DiskSizeText currentSizeResult() const;
    // The range line under each result; empty without the groups.
    void showRanges();
    // The disk size as the field and its unit give it; 0 while it is no size.
    DiskUnit diskUnit() const;
    double diskSize() const;

    std::unique_ptr<Ui::DataCalculatorPage> ui;
    std::unique_ptr<BitrateCalculator> m_pBitrateCalculator;
    double m_dTotalBitrate = 0.0;
    QVector<RetentionGroup> m_groups;
    bool m_hasGroups = false; // m_groups are the groups of the total
    DiskArraySetup m_diskArray;
    DiskSizeValidator *m_diskSizeValidator = nullptr; // a child of the page
};
