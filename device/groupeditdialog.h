#pragma once

#include "aptui/basedialog.h"
#include "data/devicerecords.h"
#include "data/siteplan.h"

#include <memory>

class DeviceEditor;

namespace Ui {
class GroupRecording;
}

// One listed group, edited: the device editor's fields (without "+ Add" and
// the frame standard switch, which stay the window's) beside what the group
// records and how long it is kept. Save hands the group back with its number
// and identity; input that makes no group is refused with the reason, and
// the dialog stays open.
class GroupEditDialog final : public aptui::BaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupEditDialog)

public:
    GroupEditDialog(const StructDeviceItem &group, int frameStandard, QWidget *parent = nullptr);
    ~GroupEditDialog() override;

    // The site's recorders, the group's own chosen: Save puts the group on
    // the one chosen. Without recorders the choice is not shown.
    void setRecorders(const QVector<RecorderChoice> &recorders);

    // The group as the dialog now holds it.
    StructDeviceItem group() const;
    // Why the dialog holds no group; empty when it does.
    QString refusal() const;

private:
    void showRecording(const GroupRecording &recording);
    GroupRecording recording() const;
    void onModeChanged();
    void onSubResolutionChanged();
    void onDeviceTypeChanged();
    void onSave();

    DeviceEditor *m_pEditor = nullptr;
    std::unique_ptr<Ui::GroupRecording> ui;
    quint32 m_recorder = 0;
};
