#pragma once

#include "aptui/basedialog.h"

#include <QString>

#include <memory>

namespace Ui {
class TipDialog;
}

namespace NM_Larkspan {

// A yes/no question: exec() returns 1 when the user confirmed, 0 when he
// pressed Cancel or closed the dialog from its title bar.
class TipDialog final : public aptui::BaseDialog
{
public:
    explicit TipDialog(QWidget *parent = nullptr);
    ~TipDialog() override;

    void setText(const QString &text);

private:
    Q_DISABLE_COPY_MOVE(TipDialog)

    std::unique_ptr<Ui::TipDialog> ui;
};

} // namespace NM_Larkspan
