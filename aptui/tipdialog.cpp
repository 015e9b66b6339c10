#include "aptui/tipdialog.h"

#include "ui_tipdialog.h"

#include <QWidget>

namespace NM_Larkspan {

TipDialog::TipDialog(QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , ui(std::make_unique<Ui::TipDialog>())
{
    // The dialog's content area takes ownership of the form's widget.
    auto *content = new QWidget;
    ui->setupUi(content);
    setContentWidget(content);
    setEnableDefaultConnections(true, true, true, true, true);
}

TipDialog::~TipDialog() = default;

void TipDialog::setText(const QString &text)
{
    ui->m_labelTip->setText(text);
}

} // namespace NM_Larkspan
