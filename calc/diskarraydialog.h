#pragma once

#include "aptui/basedialog.h"
#include "calc/diskarray.h"

#include <memory>

namespace Ui {
class DiskArrayDialog;
}

// The drives of a disk array: count, size, level (with its groups), hot
// spares and fill limit. It shows live what the array rules make of them and
// why a set is refused, next to the input it is about.
//
// For the disk size, it shows the usable capacity and the figure that "Use"
// enters into the disk-size field. For the drives that a needed size takes,
// the count is the rules' answer rather than an input: it shows that set, and
// "Apply" keeps the other inputs.
class DiskArrayDialog final : public aptui::BaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DiskArrayDialog)

public:
    enum Purpose { ForDiskSize, ForDrivesNeeded };

    // `neededGB` is the size that the drives are counted for (ForDrivesNeeded).
    DiskArrayDialog(const DiskArraySetup &setup, Purpose purpose, qint64 neededGB = 0,
                    QWidget *parent = nullptr);
    ~DiskArrayDialog() override;

    // The set as the inputs now hold it.
    DiskArraySetup setup() const;
    // A recorder's drives: no more than its bays.
    void limitDrives(int bays);

private slots:
    void onInputsChanged();

private:
    void reserveRoom(QWidget *content);
    void showFaults(const QVector<DiskArrayFault> &faults, const DiskArraySetup &setup);
    void showDiskSize(const DiskArraySetup &setup);
    void showDrivesNeeded(const DiskArraySetup &setup);

    std::unique_ptr<Ui::DiskArrayDialog> ui;
    Purpose m_purpose;
    qint64 m_neededGB;
};
