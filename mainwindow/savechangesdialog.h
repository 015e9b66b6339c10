#pragma once

#include "aptui/basedialog.h"

#include <QString>

// Asks whether the changes of a plan are saved before they would be lost:
// exec() returns Save, DontSave, or Cancel (also for the title bar's close
// button).
class SaveChangesDialog final : public aptui::BaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SaveChangesDialog)

public:
    enum Answer {
        Cancel = 0,
        Save = 1,
        DontSave = 2,
    };

    explicit SaveChangesDialog(const QString &planName, QWidget *parent = nullptr);
    ~SaveChangesDialog() override;
};
