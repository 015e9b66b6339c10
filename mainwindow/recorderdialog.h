#pragma once

#include "aptui/basedialog.h"
#include "data/recorderprofiles.h"
#include "data/siteplan.h"

#include <memory>

namespace Ui {
class RecorderDialog;
}

// One recorder: its name, the profile it is made from (which fills in its
// limits) or limits of its own, its cameras' uplink and its drives, set in
// the disk array dialog within its bays and its largest drive. Its limits may
// be kept as a profile of the user's own.
class RecorderDialog final : public aptui::BaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecorderDialog)

public:
    RecorderDialog(const PlanRecorder &recorder, const QVector<RecorderProfile> &profiles,
                   QWidget *parent = nullptr);
    ~RecorderDialog() override;

    PlanRecorder recorder() const;

private:
    void onProfileChosen(int index);
    void onLimitsEdited();
    void editDrives();
    void keepProfile();
    void showArray();
    RecorderLimits limits() const;

    std::unique_ptr<Ui::RecorderDialog> ui;
    QVector<RecorderProfile> m_profiles;
    PlanRecorder m_recorder;
    bool m_filling = false;
};
